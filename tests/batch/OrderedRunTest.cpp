#include "batch/OrderedRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace sylvanor {

namespace {

// Items read in order, squared by the workers (slowly for the early ones, so
// that later ones finish first), written in order; `stopAt` ends the run
// when item `stopAt` is written, `throwAt` throws while computing it.
struct Stages {
  std::string written;
  std::size_t read = 0;
  std::atomic<int> maxWorker = -1;

  bool operator()(std::size_t count, int jobs, std::size_t stopAt = 1000,
                  std::size_t throwAt = 1000) {
    d_OrderedStages<std::size_t, std::size_t> stages;
    stages.read = [&](std::size_t i, std::size_t& task) {
      EXPECT_EQ(i, read++);
      task = i;
      return true;
    };
    stages.compute = [&](int worker, std::size_t& task, std::size_t& result) {
      if (task == throwAt) throw std::runtime_error("bad item");
      if (task < 4) std::this_thread::sleep_for(std::chrono::milliseconds(5 * (4 - task)));
      for (int w = maxWorker; w < worker && !maxWorker.compare_exchange_weak(w, worker);) {
      }
      result = task * task;
    };
    stages.write = [&](std::size_t i, std::size_t& result) {
      written += std::to_string(i) + ":" + std::to_string(result) + " ";
      return i != stopAt;
    };
    return RunInOrder(count, jobs, stages);
  }
};

TEST(OrderedRun, ItemsComeOutInOrderWhateverTheJobs) {
  for (const int jobs : {1, 3}) {
    Stages run;
    EXPECT_TRUE(run(6, jobs));
    EXPECT_EQ(run.written, "0:0 1:1 2:4 3:9 4:16 5:25 ") << jobs;
    EXPECT_EQ(run.read, 6u);
    EXPECT_LT(run.maxWorker, jobs);
  }
  Stages none;
  EXPECT_TRUE(none(0, 4));
  EXPECT_EQ(none.written, "");
}

TEST(OrderedRun, AFailedWriteOrAThrowStopsTheRun) {
  for (const int jobs : {1, 2}) {
    Stages stopped;
    EXPECT_FALSE(stopped(100, jobs, 2));
    EXPECT_EQ(stopped.written, "0:0 1:1 2:4 ") << jobs;
    EXPECT_LE(stopped.read, 2u + 4 * jobs);  // no more read ahead than the window
    Stages thrown;
    EXPECT_THROW(thrown(100, jobs, 1000, 3), std::runtime_error);
    EXPECT_EQ(thrown.written, "0:0 1:1 2:4 ") << jobs;
  }
}

}  // namespace

}  // namespace sylvanor
