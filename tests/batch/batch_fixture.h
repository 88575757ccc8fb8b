// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/batch_run.h"
#include "support/scratch_files.h"

namespace voka::test {

// The headless run in-process, in a scratch folder of its own, with what it
// printed kept per run.
class BatchFixture : public testing::Test {
 protected:
  int Execute(const BatchRequest& request) {
    out_.str({});
    err_.str({});
    return RunBatch(request, RunContext{out_, err_, false, table_});
  }
  ScratchFolder folder_{"batch-run"};
  std::filesystem::path table_ = folder_.path() / "VOKA.TXT";
  std::ostringstream out_, err_;
};

}  // namespace voka::test
