// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/file_replace.h"

#include <gtest/gtest.h>

#include "support/scratch_files.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "output/stale_temporaries.h"

namespace voka {
namespace {

namespace fs = std::filesystem;

class FileReplace : public testing::Test {
 protected:
  void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()));
  }
  test::ScratchFolder folder_{"file-replace"};
  fs::path target_ = folder_.path() / "VOKA.TXT";
};

// Runs `write` in a child process that has no more rights than an ordinary
// user, so that permission checks apply even when the tests run as root.
// Returns the error the write met.
std::error_code WriteAsOrdinaryUser(const std::function<std::error_code()>& write) {
  constexpr uid_t kNobody = 65534;
  int channel[2];
  if (::pipe(channel) != 0) return std::error_code(errno, std::generic_category());
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(1);
    const int code = write().value();
    [[maybe_unused]] const auto sent = ::write(channel[1], &code, sizeof code);
    ::_exit(0);
  }
  ::close(channel[1]);
  int code = EIO;
  [[maybe_unused]] const auto received = ::read(channel[0], &code, sizeof code);
  ::close(channel[0]);
  ::waitpid(child, nullptr, 0);
  return std::error_code(code, std::generic_category());
}

TEST_F(FileReplace, ALinkedFileIsReplacedThroughTheLinkAndKeepsItsPermissions) {
  const fs::path real = folder_.path() / "tables" / "latest.txt";
  fs::create_directory(real.parent_path());
  Write(real, "previous");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("tables/latest.txt", target_);

  ASSERT_FALSE(ReplaceFileContents(target_, "new bytes"));
  EXPECT_TRUE(fs::is_symlink(target_));
  EXPECT_EQ(test::ReadFileBytes(real), "new bytes");
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(real.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(FileReplace, AReadOnlyFileIsRefusedAsAnOpenForWritingWouldBe) {
  Write(target_, "previous");
  fs::permissions(target_, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(ReplaceFileContents(target_, "new"), std::errc::permission_denied);
  EXPECT_EQ(test::ReadFileBytes(target_), "previous");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileReplace, AFolderThatTakesNoNewFilesGetsTheWritableFileWrittenInPlace) {
  Write(target_, "a longer previous table");
  fs::permissions(target_, fs::perms::all);
  const auto readAndEnter = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(folder_.path(), readAndEnter);
  const fs::path target = target_;
  const fs::path absent = folder_.path() / "absent.png";
  const std::error_code inPlace =
      WriteAsOrdinaryUser([&target] { return ReplaceFileContents(target, "new"); });
  const std::error_code created =
      WriteAsOrdinaryUser([&absent] { return ReplaceFileContents(absent, "x"); });
  fs::permissions(folder_.path(), fs::perms::owner_all);

  EXPECT_FALSE(inPlace) << inPlace.message();
  EXPECT_EQ(test::ReadFileBytes(target_), "new");
  EXPECT_EQ(created, std::errc::permission_denied);
}

TEST_F(FileReplace, DevicesAreWrittenAsTheyStandAndAFullOneFails) {
  EXPECT_EQ(ReplaceFileContents("/dev/full", "bytes"), std::errc::no_space_on_device);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(ReplaceFileContents("/dev/null", "bytes"));
}

TEST_F(FileReplace, OnlyOwnTemporariesOfTheTargetAreCleanedOnceStale) {
  const auto stale =
      fs::file_time_type::clock::now() - kStaleTemporaryAge - std::chrono::minutes(1);
  const fs::path old = TemporaryPathFor(target_, 0x1234abcd);
  const fs::path young = TemporaryPathFor(target_, 7);
  const fs::path otherTarget = TemporaryPathFor(folder_.path() / "view.png", 7);
  const fs::path lookAlike = folder_.path() / "VOKA.TXT.1234ABCD.partial";
  for (const fs::path& file : {old, young, otherTarget, lookAlike}) Write(file, "left over");
  for (const fs::path& file : {old, otherTarget, lookAlike}) fs::last_write_time(file, stale);

  ASSERT_FALSE(ReplaceFileContents(target_, "table"));
  EXPECT_FALSE(fs::exists(old));
  EXPECT_TRUE(fs::exists(young)) << "may belong to a run still writing";
  EXPECT_TRUE(fs::exists(otherTarget));
  EXPECT_TRUE(fs::exists(lookAlike));
  EXPECT_TRUE(IsTemporaryNameFor("VOKA.TXT.00c0ffee.partial", "VOKA.TXT"));
  EXPECT_FALSE(IsTemporaryNameFor("VOKA.TXT.00c0ffee.partial.x", "VOKA.TXT"));
}

}  // namespace
}  // namespace voka
#endif
