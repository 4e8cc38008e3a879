// The start's work ahead: its steps run in order on a thread of their own, a step that fails
// does not stop the others, and releasing it waits for all of them.
#include "platform/ahead.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(AheadTest, StepsRunInOrderOnAnotherThreadAndTheReleaseWaitsForThem) {
  std::mutex mutex;
  std::vector<int> ran;
  std::vector<std::thread::id> threads;
  const auto step = [&](int number, bool slow) {
    return [&, number, slow] {
      // A slow first step: a release that did not wait would find the list short.
      if (slow) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      const std::lock_guard<std::mutex> lock(mutex);
      ran.push_back(number);
      threads.push_back(std::this_thread::get_id());
    };
  };
  {
    platform::Ahead ahead({step(1, true), [] { throw std::runtime_error("no such library"); },
                           step(2, false), step(3, false)});
  }
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(threads.size(), 3u);
  for (const std::thread::id& id : threads) EXPECT_NE(id, std::this_thread::get_id());
}

TEST(AheadTest, NoStepsIsNoWork) {
  platform::Ahead ahead({});
  platform::ReadFontConfiguration();  // on the main thread too: reading it twice is harmless
}

}  // namespace
