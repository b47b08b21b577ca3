#pragma once
// Items of a batch through three stages: each item is read in order on the
// calling thread, computed by one of `jobs` workers, and written in order on
// the calling thread. What the stages see is the same whatever the number of
// workers: reads and writes come in item order, one at a time, and an item's
// computation sees only its own task. At most a few items per worker are
// between reading and writing, so memory does not grow with the item count.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace sylvanor {

template <class Task, class Result>
struct d_OrderedStages {
  // Fills the task of item `i`; false stops the run before the item.
  std::function<bool(std::size_t i, Task& task)> read;
  // Computes a task on worker `worker` (0 to jobs - 1); a worker computes
  // one task at a time.
  std::function<void(int worker, Task& task, Result& result)> compute;
  // Takes the result of item `i`; false stops the run after it.
  std::function<bool(std::size_t i, Result& result)> write;
};

// Runs items 0 to count - 1 through the stages; true when every item was
// written. With one job everything happens on the calling thread. An
// exception from a stage stops the run and is thrown again here, once the
// workers have stopped.
template <class Task, class Result>
bool RunInOrder(std::size_t count, int jobs, const d_OrderedStages<Task, Result>& stages) {
  if (jobs <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      Task task{};
      Result result{};
      if (!stages.read(i, task)) return false;
      stages.compute(0, task, result);
      if (!stages.write(i, result)) return false;
    }
    return true;
  }

  struct Slot {
    Task task{};
    Result result{};
    bool done = false;
    std::exception_ptr failure;
  };
  const std::size_t window = static_cast<std::size_t>(jobs) * 4;
  std::vector<Slot> slots(window);
  std::deque<std::size_t> queue;  // items read and waiting for a worker
  std::mutex mutex;
  std::condition_variable workReady, itemDone;
  bool stop = false;

  const auto work = [&](int worker) {
    for (;;) {
      std::size_t item = 0;
      {
        std::unique_lock lock(mutex);
        workReady.wait(lock, [&] { return stop || !queue.empty(); });
        if (stop) return;
        item = queue.front();
        queue.pop_front();
      }
      Slot& slot = slots[item % window];
      try {
        stages.compute(worker, slot.task, slot.result);
      } catch (...) {
        slot.failure = std::current_exception();
      }
      {
        std::lock_guard lock(mutex);
        slot.done = true;
      }
      itemDone.notify_all();
    }
  };

  // the workers stop and are joined however the run ends
  std::vector<std::thread> workers;
  struct Joiner {
    std::vector<std::thread>& threads;
    std::mutex& mutex;
    std::condition_variable& ready;
    bool& stop;
    ~Joiner() {
      {
        std::lock_guard lock(mutex);
        stop = true;
      }
      ready.notify_all();
      for (std::thread& thread : threads)
        thread.join();
    }
  } joiner{workers, mutex, workReady, stop};
  for (int w = 0; w < jobs; ++w)
    workers.emplace_back(work, w);

  std::size_t nextRead = 0;
  for (std::size_t nextWrite = 0; nextWrite < count; ++nextWrite) {
    while (nextRead < count && nextRead - nextWrite < window) {
      Slot& slot = slots[nextRead % window];
      slot = Slot{};
      if (!stages.read(nextRead, slot.task)) return false;
      {
        std::lock_guard lock(mutex);
        queue.push_back(nextRead);
      }
      workReady.notify_one();
      ++nextRead;
    }
    Slot& slot = slots[nextWrite % window];
    {
      std::unique_lock lock(mutex);
      itemDone.wait(lock, [&] { return slot.done; });
    }
    if (slot.failure) std::rethrow_exception(slot.failure);
    if (!stages.write(nextWrite, slot.result)) return false;
  }
  return true;
}

}  // namespace sylvanor
