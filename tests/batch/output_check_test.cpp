// SPDX-License-Identifier: GPL-3.0-or-later
// Outputs are refused before anything is computed when they would replace an
// input, another output of the run, or a file of another kind.

#include "batch/output_check.h"

#include <gtest/gtest.h>

#include <fstream>

#include "batch/batch_run.h"
#include "batch_fixture.h"
#include "pupils/design_json.h"
#include "pupils/design_presets.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

namespace fs = std::filesystem;

class OutputCheck : public test::BatchFixture {
 protected:
  // A small star image of a preset: every output kind is cheap to make.
  PsfCommandOptions StarImage() const {
    PsfCommandOptions options;
    options.designPath = "preset:4-vanes";
    options.sidePixels = 64;
    return options;
  }
  fs::path Write(const char* name, const std::string& bytes) {
    const fs::path path = folder_.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // The run is refused as a usage error, names the file, and leaves it.
  void ExpectRefused(const BatchRequest& options, const fs::path& kept, const char* why) {
    const std::string before = test::ReadFileBytes(kept);
    EXPECT_EQ(Execute(options), kBatchUsageError) << why << '\n' << err_.str();
    EXPECT_NE(err_.str().find(kept.filename().string()), std::string::npos) << why << err_.str();
    EXPECT_TRUE(out_.str().empty()) << why << ": nothing computed";
    EXPECT_EQ(test::ReadFileBytes(kept), before) << why;
  }
};

TEST_F(OutputCheck, NoOutputReplacesAnInput) {
  const auto design = pupils::PresetDesign("3-vanes");
  ASSERT_TRUE(design);
  const fs::path designFile = Write("design.json", pupils::DesignToJson(*design).toStdString());
  PsfCommandOptions options = StarImage();
  options.designPath = designFile.string();
  options.fitsPath = designFile.string();
  ExpectRefused(options, designFile, "--fits");
  options.fitsPath.clear();
  options.csvPath = (folder_.path() / "." / "design.json").string();
  ExpectRefused(options, designFile, "--csv, spelt another way");
  options.csvPath.clear();
  options.jsonPath = designFile.string();
  ExpectRefused(options, designFile, "--json over a design, which is JSON too");

  SavePupilCommandOptions save;
  save.designPath = designFile.string();
  save.savePupilPath = designFile.string();
  ExpectRefused(save, designFile, "--save-pupil over its design");
}

TEST_F(OutputCheck, NoOutputReplacesThePupilBitmap) {
  SavePupilCommandOptions save;
  save.designPath = "preset:4-vanes";
  save.sidePixels = 64;
  save.savePupilPath = (folder_.path() / "pupil.bmp").string();
  ASSERT_EQ(Execute(save), kBatchSuccess) << err_.str();
  const fs::path pupil = save.savePupilPath;
  for (std::string StarImageOutputs::*output :
       {&StarImageOutputs::fitsPath, &StarImageOutputs::csvPath, &StarImageOutputs::jsonPath}) {
    PsfCommandOptions options;
    options.pupilPath = pupil.string();
    options.*output = pupil.string();
    ExpectRefused(options, pupil, "--psf pupil.bmp with an output onto it");
  }
}

TEST_F(OutputCheck, TwoOutputsNeverNameOneFile) {
  PsfCommandOptions options = StarImage();
  options.fitsPath = (folder_.path() / "star").string();
  options.jsonPath = (folder_.path() / "sub" / ".." / "star").string();
  fs::create_directory(folder_.path() / "sub");
  EXPECT_EQ(Execute(options), kBatchUsageError);
  EXPECT_NE(err_.str().find("--fits で書き出すので、--json"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(options.fitsPath)) << "nothing written";

  // A link is the file it points to, whether or not that exists yet.
  fs::create_symlink(folder_.path() / "curves.csv", folder_.path() / "link.csv");
  options = StarImage();
  options.csvPath = (folder_.path() / "curves.csv").string();
  options.pngPath = (folder_.path() / "link.csv").string();
  EXPECT_EQ(Execute(options), kBatchUsageError) << err_.str();
  EXPECT_FALSE(fs::exists(options.csvPath));

  const fs::path table = Write("VOKA.TXT", "table");
  fs::create_hard_link(table, folder_.path() / "hard.png");
  FftCommandOptions fft;
  fft.pngPath = (folder_.path() / "hard.png").string();
  ExpectRefused(fft, folder_.path() / "hard.png", "a hard link to the table");
}

TEST_F(OutputCheck, FilesOfAnotherKindStayAndTheProgramsOwnAreReplaced) {
  const fs::path notes = Write("notes.csv", "a,b\n1,2\n");
  const fs::path picture = Write("picture.fits", "\x89PNG\r\n\x1a\nrest");
  const fs::path settings = Write("settings.json", R"({"peak_ratio": 1})");
  const fs::path text = Write("pupil.bmp", "notes, not a bitmap");
  PsfCommandOptions options = StarImage();
  options.csvPath = notes.string();
  ExpectRefused(options, notes, "CSV without the curves' header");
  options.csvPath.clear();
  options.fitsPath = picture.string();
  ExpectRefused(options, picture, "a PNG under a FITS name");
  options.fitsPath.clear();
  options.jsonPath = settings.string();
  ExpectRefused(options, settings, "JSON without the numbers' keys");

  // What this program wrote (or an empty file) it may write again.
  options = StarImage();
  options.fitsPath = (folder_.path() / "star.fits").string();
  options.csvPath = (folder_.path() / "curves.csv").string();
  options.jsonPath = Write("numbers.json", "").string();
  options.pngPath = (folder_.path() / "star.png").string();
  ASSERT_EQ(Execute(options), kBatchSuccess) << err_.str();
  ASSERT_EQ(Execute(options), kBatchSuccess) << "a second run replaces its own files\n"
                                             << err_.str();

  SavePupilCommandOptions save;
  save.designPath = "preset:clear";
  save.sidePixels = 32;
  save.savePupilPath = text.string();
  ExpectRefused(save, text, "--save-pupil over a file that is not a bitmap");
  save.savePupilPath = (folder_.path() / "saved.bmp").string();
  ASSERT_EQ(Execute(save), kBatchSuccess) << err_.str();
  EXPECT_EQ(Execute(save), kBatchSuccess) << err_.str();
}

// The input check on its own: an input that is not there yet, or is empty,
// is still the input.
TEST(OutputRefusal, AnInputIsNamedEvenWhenItsKindCannotTell) {
  test::ScratchFolder folder("output-refusal");
  const fs::path pupil = folder.path() / "pupil.bmp";
  const auto refusal =
      FindOutputRefusal({{"--fits", folder.path() / "x" / ".." / "pupil.bmp", OutputKind::kFits}},
                        {{pupil, "瞳の画像"}});
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->reason, OutputRefusalReason::kNamesAnInput);
  EXPECT_NE(OutputRefusalMessage(*refusal).find("読み込む瞳の画像なので、--fits"),
            std::string::npos)
      << OutputRefusalMessage(*refusal);
  EXPECT_FALSE(FindOutputRefusal({{"--fits", folder.path() / "star.fits", OutputKind::kFits}},
                                 {{pupil, "瞳の画像"}}));
}

}  // namespace
}  // namespace voka
