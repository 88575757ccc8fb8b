// SPDX-License-Identifier: GPL-3.0-or-later
// The headless program with designs: presets and files analysed and saved
// as pupils, and bad designs refused without touching any output.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "batch/batch_run.h"
#include "batch_fixture.h"
#include "dib/dib_read.h"
#include "pupils/design_presets.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using DesignBatch = test::BatchFixture;

TEST_F(DesignBatch, SavesThePupilAtTheChosenSize) {
  SavePupilCommandOptions options;
  options.designPath = "preset:1-curved-vane";
  for (std::optional<int> size : {std::optional<int>(), std::optional<int>(64)}) {
    options.sidePixels = size;
    options.savePupilPath = (folder_.path() / "pupil.bmp").string();
    ASSERT_EQ(Execute(options), kBatchSuccess) << err_.str();
    const DibHandle pupil = DibReadPath(options.savePupilPath);
    ASSERT_TRUE(pupil);
    EXPECT_EQ(pupil.Layout().width, size.value_or(512));
  }
  EXPECT_FALSE(std::filesystem::exists(table_)) << "nothing analysed";
  options.savePupilPath = (folder_.path() / "no folder" / "pupil.bmp").string();
  EXPECT_EQ(Execute(options), kBatchFailure);
  EXPECT_NE(err_.str().find("pupil.bmp"), std::string::npos) << err_.str();
}

// The built-in pupil is the 4-vane design: naming it gives the same table.
TEST_F(DesignBatch, AnalysesADesignAsABitmap) {
  FftCommandOptions options;
  ASSERT_EQ(Execute(options), kBatchSuccess) << err_.str();
  const std::string builtin = test::ReadFileBytes(table_);
  options.designPath = "preset:4-vanes";
  ASSERT_EQ(Execute(options), kBatchSuccess) << err_.str();
  EXPECT_EQ(test::ReadFileBytes(table_), builtin);
  options.designPath = "preset:3-vanes";
  ASSERT_EQ(Execute(options), kBatchSuccess) << err_.str();
  EXPECT_NE(test::ReadFileBytes(table_), builtin);
  for (const pupils::DesignPreset& preset : pupils::DesignPresets())
    EXPECT_NE(BatchUsage().find(preset.name), std::string::npos) << preset.name;
}

TEST_F(DesignBatch, BadDesignFailsNamingFileAndField) {
  std::ofstream(table_, std::ios::binary) << "previous";
  const auto design = folder_.path() / "thin.json";
  std::ofstream(design) << R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": [
      {"shape": "straight", "angle_deg": 0, "width_mm": -1, "offset_mm": 0}]})";
  FftCommandOptions options;
  options.designPath = design.string();
  EXPECT_EQ(Execute(options), kBatchFailure);
  EXPECT_NE(err_.str().find("thin.json"), std::string::npos) << err_.str();
  EXPECT_NE(err_.str().find("vanes[0].width_mm"), std::string::npos) << err_.str();
  EXPECT_EQ(test::ReadFileBytes(table_), "previous");
  SavePupilCommandOptions save;
  save.designPath = design.string();
  save.savePupilPath = (folder_.path() / "pupil.bmp").string();
  EXPECT_EQ(Execute(save), kBatchFailure);
  EXPECT_FALSE(std::filesystem::exists(save.savePupilPath));
}

}  // namespace
}  // namespace voka
