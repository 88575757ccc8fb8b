// SPDX-License-Identifier: GPL-3.0-or-later
// The headless program run as a user runs it: raw argument bytes, a hostile
// environment, outputs that cannot be written.
#ifndef _WIN32
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "reference/pupil_images.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;  // the exit status, or -1 when a signal ended the program
  std::string err;
};

struct RunSetup {
  std::vector<std::string> environment;  // "NAME=value" added to the test's own
  fs::path standardOutput = "/dev/null";
  rlim_t fileSizeLimitBytes = RLIM_INFINITY;
  rlim_t addressSpaceLimitBytes = RLIM_INFINITY;
};

class BatchProgramRun : public testing::Test {
 protected:
  // Starts voka-batch in the scratch folder with exactly these argument bytes.
  Outcome Start(const std::vector<std::string>& arguments, const RunSetup& setup = {}) {
    const fs::path errFile = folder_.path() / "stderr.txt";
    std::vector<char*> argv{const_cast<char*>(VOKA_BATCH_PATH)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      const int out = ::open(setup.standardOutput.c_str(), O_WRONLY);
      const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(120);
      if (::chdir(folder_.path().c_str()) != 0) ::_exit(121);
      for (const std::string& variable : setup.environment)
        ::putenv(const_cast<char*>(variable.c_str()));
      const rlimit limit{setup.fileSizeLimitBytes, setup.fileSizeLimitBytes};
      if (setup.fileSizeLimitBytes != RLIM_INFINITY) ::setrlimit(RLIMIT_FSIZE, &limit);
      const rlimit memory{setup.addressSpaceLimitBytes, setup.addressSpaceLimitBytes};
      if (setup.addressSpaceLimitBytes != RLIM_INFINITY) ::setrlimit(RLIMIT_AS, &memory);
      ::execv(VOKA_BATCH_PATH, argv.data());
      ::_exit(122);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Outcome run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = test::ReadFileBytes(errFile);
    fs::remove(errFile);
    return run;
  }
  fs::path CopySample(const std::string& name) {
    const fs::path copy = folder_.path() / name;
    fs::copy_file(test::SamplePupilPath("obstructed_4vanes_128_24.bmp"), copy);
    return copy;
  }
  test::ScratchFolder folder_{"batch-program"};
  fs::path table_ = folder_.path() / "VOKA.TXT";
};

using BatchCommandLine = BatchProgramRun;
using BatchOutputs = BatchProgramRun;

TEST_F(BatchCommandLine, StaysOursWhateverTheToolkitIsAskedFor) {
  const RunSetup foreignDisplay{{"QT_QPA_PLATFORM=xcb", "DISPLAY=:97"}};
  for (const char* toolkitOption : {"-platform", "-reverse", "-style"}) {
    const Outcome run = Start({"--raytrace", toolkitOption, "xcb"}, foreignDisplay);
    EXPECT_EQ(run.status, 2) << toolkitOption << ": " << run.err;
  }
  const Outcome run = Start({"--raytrace"}, foreignDisplay);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(table_));
}

TEST_F(BatchCommandLine, NamesOpenAsTypedAndAreShownEscaped) {
  const std::string shiftJisName = "\x83\x73\x83\x85\x83\x8b.bmp";  // not UTF-8
  CopySample(shiftJisName);
  Outcome run = Start({"--raytrace", shiftJisName});
  EXPECT_EQ(run.status, 0) << run.err;

  run = Start({"--raytrace", "gone\x1b[2J\xff.bmp"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("gone\\x1B[2J\\xFF.bmp"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
}

TEST_F(BatchOutputs, PngNeverReplacesAFileOfAnotherKind) {
  const fs::path pupil = CopySample("pupil.bmp");
  const std::string before = test::ReadFileBytes(pupil);
  const Outcome run = Start({"--fft", "--png", "pupil.bmp"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("PNG ではない"), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadFileBytes(pupil), before);
  EXPECT_FALSE(fs::exists(table_)) << "refused before any work";
  EXPECT_EQ(Start({"--fft", "--png", "./VOKA.TXT"}).status, 2) << "the table this run writes";
  EXPECT_FALSE(fs::exists(table_));
  EXPECT_EQ(
      Start({"--psf", "--design", "preset:clear", "--size", "64", "--png", "pupil.bmp"}).status, 2)
      << "the star image's picture too";
  EXPECT_EQ(test::ReadFileBytes(pupil), before);
}

TEST_F(BatchOutputs, OutputsThatCannotBeWrittenFailTheRun) {
  Outcome run = Start({"--raytrace", "--png", "/dev/full"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("/dev/full を書き込めませんでした"), std::string::npos) << run.err;

  run = Start({"--help"}, {.environment = {}, .standardOutput = "/dev/full"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("標準出力"), std::string::npos) << run.err;

  std::ofstream(table_, std::ios::binary) << "previous";
  constexpr rlim_t kEightKiB = 8 * 1024;  // what `ulimit -f 8` sets; the table is larger
  run = Start({"--raytrace"},
              {.environment = {}, .standardOutput = "/dev/null", .fileSizeLimitBytes = kEightKiB});
  EXPECT_EQ(run.status, 1) << "not ended by SIGXFSZ";
  EXPECT_NE(run.err.find("ファイルが大きすぎます"), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadFileBytes(table_), "previous");
}

TEST_F(BatchOutputs, AStarImageBeyondMemoryIsReportedAndWritesNothing) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves far more address space than the limit";
#endif
  // A 4096-pixel pupil padded 4 times: the half image alone is 1 GiB.
  constexpr rlim_t kOneGiB = rlim_t{1} << 30;
  const Outcome run =
      Start({"--psf", "--design", "preset:clear", "--size", "4096", "--json", "numbers.json"},
            {.environment = {},
             .standardOutput = "/dev/null",
             .fileSizeLimitBytes = RLIM_INFINITY,
             .addressSpaceLimitBytes = kOneGiB});
  EXPECT_EQ(run.status, 1) << "reported, not a crash: " << run.err;
  EXPECT_NE(run.err.find("メモリが足りません"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder_.path() / "numbers.json"));
}

}  // namespace
}  // namespace voka
#endif
