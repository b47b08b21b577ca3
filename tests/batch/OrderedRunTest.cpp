#include "batch/OrderedRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace sylvanor {

namespace {

// Runs items that are read in order, squared by the workers (the early ones
// slowly, so that later ones finish first) and written in order; the run
// stops when item `stopAt` is written and throws while computing `throwAt`.
struct Stages {
  std::string written;
  std::size_t read = 0;

  bool operator()(std::size_t count, int jobs, std::size_t stopAt = 1000,
                  std::size_t throwAt = 1000) {
    d_OrderedStages<std::size_t, std::size_t> stages;
    stages.read = [&](std::size_t i, std::size_t& task) { return task = i, i == read++; };
    stages.compute = [&](int worker, std::size_t& task, std::size_t& result) {
      if (task == throwAt || worker >= jobs) throw std::runtime_error("bad item");
      std::this_thread::sleep_for(std::chrono::milliseconds(task < 4 ? 5 * (4 - task) : 0));
      result = task * task;
    };
    stages.write = [&](std::size_t i, std::size_t& result) {
      written += std::to_string(i) + ":" + std::to_string(result) + " ";
      return i != stopAt;
    };
    return RunInOrder(count, jobs, stages);
  }
};

TEST(OrderedRun, ItemsComeOutInOrderWhateverTheJobsAndAStopEndsTheRun) {
  for (const int jobs : {1, 3}) {
    Stages run, none, stopped, thrown;
    EXPECT_TRUE(run(6, jobs));
    EXPECT_EQ(run.written + "|" + std::to_string(run.read), "0:0 1:1 2:4 3:9 4:16 5:25 |6");
    EXPECT_TRUE(none(0, jobs));
    EXPECT_FALSE(stopped(100, jobs, 2));
    EXPECT_EQ(stopped.written, "0:0 1:1 2:4 ") << jobs;
    EXPECT_LE(stopped.read, 3u + 4 * jobs);  // read ahead no further than the window
    EXPECT_THROW(thrown(100, jobs, 1000, 3), std::runtime_error);
    EXPECT_EQ(thrown.written, "0:0 1:1 2:4 ") << jobs;
  }
}

}  // namespace

}  // namespace sylvanor
