// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/shown_text.h"

#include <gtest/gtest.h>

#include "output/write_failure_message.h"

namespace voka {
namespace {

TEST(ShownText, HidesWhatCouldMisleadATerminalAndKeepsTheRest) {
  EXPECT_EQ(EscapedForDisplay("瞳 pupil.bmp"), "瞳 pupil.bmp");
  EXPECT_EQ(EscapedForDisplay("a\nb\x1b[2J\x7f"), "a\\x0Ab\\x1B[2J\\x7F");
  // Shift-JIS bytes, a lone continuation byte, an overlong slash, a surrogate.
  EXPECT_EQ(EscapedForDisplay("\x83\x73.bmp"), "\\x83s.bmp");
  EXPECT_EQ(EscapedForDisplay("\xc0\xaf\xed\xa0\x80"), "\\xC0\\xAF\\xED\\xA0\\x80");
  EXPECT_EQ(EscapedForDisplay("\xe6\x97"), "\\xE6\\x97") << "cut short";
  // C1 control and right-to-left override: valid UTF-8, still hidden.
  EXPECT_EQ(EscapedForDisplay("\xc2\x9b"
                              "gpj.\xe2\x80\xaexe"),
            "\\xC2\\x9Bgpj.\\xE2\\x80\\xAExe");
  const std::string once = EscapedForDisplay("x\x01\xff");
  EXPECT_EQ(EscapedForDisplay(once), once);
}

TEST(ShownText, WriteFailureNamesTheFileEscaped) {
  const std::string message = WriteFailureMessage(
      "/tmp/evil\n\x1b[31mname\xff.png", std::make_error_code(std::errc::no_space_on_device));
  EXPECT_NE(message.find("/tmp/evil\\x0A\\x1B[31mname\\xFF.png"), std::string::npos) << message;
  EXPECT_NE(message.find("ディスクに空きがありません"), std::string::npos) << message;
}

}  // namespace
}  // namespace voka
