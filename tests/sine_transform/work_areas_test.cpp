// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/work_areas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace voka {
namespace {

// An allocator that grants a set number of blocks from malloc, then fails.
int g_grants_left = 0;
int g_requests = 0;

void* FailingAfterGrants(std::size_t bytes) {
  ++g_requests;
  if (g_grants_left == 0) return nullptr;
  --g_grants_left;
  return std::malloc(bytes);
}

// Installs the failing allocator for one test and restores malloc after it.
class FailingAllocator {
 public:
  explicit FailingAllocator(int grants) {
    g_grants_left = grants;
    g_requests = 0;
    previous_ = SetAllocatorHook(FailingAfterGrants);
  }
  ~FailingAllocator() { SetAllocatorHook(previous_); }
  FailingAllocator(const FailingAllocator&) = delete;
  FailingAllocator& operator=(const FailingAllocator&) = delete;

 private:
  AllocatorHook previous_;
};

// Records what the user would have been told.
struct Told {
  std::vector<std::string> messages;
  TellUserFn fn() {
    return [this](std::string_view message) { messages.emplace_back(message); };
  }
};

void TellOnStderr(std::string_view message) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
}

TEST(AllocGrid, GivesWritableSeparateRowsThatFreeGridReleases) {
  Told told;
  DoubleGrid grid = AllocGrid(512, 512, told.fn());
  ASSERT_NE(grid, nullptr);
  for (int i = 0; i < 512; ++i) {
    for (int j = 0; j < 512; ++j) grid[i][j] = i * 512.0 + j;
  }
  for (int i = 0; i < 512; ++i) ASSERT_EQ(grid[i][511], i * 512.0 + 511) << "row " << i;
  FreeGrid(grid, 512);  // the sanitizer build checks that nothing is left over
  EXPECT_TRUE(told.messages.empty());
}

TEST(AllocGrid, AFailedRowTellsTheUserOnceAndGivesNull) {
  // The row-pointer array and 99 rows succeed, row 99 fails; what was taken
  // is released (the sanitizer build's leak check would see it otherwise).
  for (int grants : {0, 1, 100}) {
    FailingAllocator failing(grants);
    Told told;
    EXPECT_EQ(AllocGrid(512, 512, told.fn()), nullptr) << grants << " grants";
    EXPECT_EQ(told.messages, std::vector<std::string>{"Allocation Failure!"});
    EXPECT_EQ(g_requests, grants + 1) << "no allocation after the failure";
  }
}

TEST(AllocGrid, FreeGridIgnoresANullGrid) {
  // In a child process, so that reading through the null grid fails this
  // test rather than ending the whole program.
  EXPECT_EXIT(
      {
        FreeGrid(nullptr, 512);
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
}

TEST(AllocInts, GivesTheCountAsked) {
  std::int32_t* ints = AllocInts(24, TellOnStderr);
  for (int i = 0; i < 24; ++i) ints[i] = i;
  EXPECT_EQ(ints[23], 23);
  FreeInts(ints);
  double* doubles = AllocDoubles(768, TellOnStderr);
  for (int i = 0; i < 768; ++i) doubles[i] = i;
  EXPECT_EQ(doubles[767], 767);
  FreeDoubles(doubles);
}

TEST(AllocInts, AFailureTellsTheUserAndGivesNull) {
  FailingAllocator failing(0);
  Told told;
  EXPECT_EQ(AllocInts(24, told.fn()), nullptr);
  EXPECT_EQ(AllocDoubles(768, told.fn()), nullptr);
  EXPECT_EQ(told.messages,
            (std::vector<std::string>{"Allocation Failure!", "Allocation Failure!"}));
  testing::internal::CaptureStderr();
  EXPECT_EQ(AllocDoubles(1024, TellUserFn{}), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Allocation Failure!\n")
      << "without a way to tell, the message goes to standard error";
}

}  // namespace
}  // namespace voka
