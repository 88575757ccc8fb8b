// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/module_dir.h"

#include <gtest/gtest.h>

namespace voka {
namespace {

TEST(ModuleDirFromCommandLine, QuotedAndUnquotedProgramPaths) {
  EXPECT_EQ(ModuleDirFromCommandLine(R"("D:\tools\voka.exe")"), R"(D:\tools\)");
  EXPECT_EQ(ModuleDirFromCommandLine(R"(D:\tools\voka.exe)"), R"(D:\tools\)");
  EXPECT_EQ(ModuleDirFromCommandLine(R"("C:\Program Files\voka\voka.exe")"),
            R"(C:\Program Files\voka\)");
  EXPECT_EQ(ModuleDirFromCommandLine("\"/home/観測/voka/voka\""), "/home/観測/voka/");
  EXPECT_EQ(ModuleDirFromCommandLine("/usr/local/bin/voka"), "/usr/local/bin/");
}

TEST(ModuleDirFromCommandLine, TextWithoutSeparatorStaysWhole) {
  EXPECT_EQ(ModuleDirFromCommandLine("voka.exe"), "voka.exe");
  EXPECT_EQ(ModuleDirFromCommandLine("\"voka"), "voka");
  EXPECT_EQ(ModuleDirFromCommandLine(""), "");
}

TEST(ModuleDirFromCommandLine, LongPathsAreNotCut) {
  const std::string folder = "/" + std::string(400, 'a') + "/";
  EXPECT_EQ(ModuleDirFromCommandLine(folder + "voka"), folder);
}

}  // namespace
}  // namespace voka
