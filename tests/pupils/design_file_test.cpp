// SPDX-License-Identifier: GPL-3.0-or-later
// Design files: every kind of bad file is refused with the field named, and
// what is saved reads back the same.

#include <gtest/gtest.h>

#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "pupils/design_file.h"
#include "pupils/design_json.h"
#include "pupils/design_presets.h"
#include "support/scratch_files.h"

namespace voka::pupils {
namespace {

std::string Valid(const std::string& vane) {
  return R"({"voka_pupil": 1, "aperture_mm": 200,
             "obstruction": {"diameter_mm": 50, "offset_x_mm": 0, "offset_y_mm": 0},
             "vanes": [)" +
         vane + "]}";
}

TEST(DesignFile, RefusesEachKindOfBadDesignNamingTheField) {
  // The kind is what a window words the reason by in another language.
  struct Case {
    std::string text;
    std::string field;
    DesignProblemKind kind;
  };
  const std::string straight =
      R"({"shape": "straight", "angle_deg": 0, "width_mm": 2, "offset_mm": 0})";
  const Case cases[] = {
      {"{\"voka_pupil\": 1, ", "", DesignProblemKind::kNotJson},
      {"[1, 2]", "", DesignProblemKind::kNotJsonObject},
      {R"({"voka_pupil": 3, "aperture_mm": 200, "vanes": []})", "voka_pupil",
       DesignProblemKind::kUnknownVersion},
      {R"({"aperture_mm": 200, "vanes": []})", "voka_pupil", DesignProblemKind::kNotDesignFile},
      {R"({"voka_pupil": 1, "vanes": []})", "aperture_mm", DesignProblemKind::kMissingKey},
      {R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": [], "colour": 1})", "colour",
       DesignProblemKind::kUnknownKey},
      {R"({"voka_pupil": 1, "aperture_mm": "200", "vanes": []})", "aperture_mm",
       DesignProblemKind::kNotNumber},
      {R"({"voka_pupil": 1, "aperture_mm": 1e999, "vanes": []})", "",
       DesignProblemKind::kNotJson},  // not JSON's number
      {R"({"voka_pupil": 1, "aperture_mm": 0, "vanes": []})", "aperture_mm",
       DesignProblemKind::kApertureNotPositive},
      {R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": {}})", "vanes",
       DesignProblemKind::kVanesNotArray},
      {R"({"voka_pupil": 1, "aperture_mm": 200, "obstruction": {"diameter_mm": 200,
           "offset_x_mm": 0, "offset_y_mm": 0}, "vanes": []})",
       "obstruction.diameter_mm", DesignProblemKind::kObstructionTooLarge},
      {R"({"voka_pupil": 1, "aperture_mm": 200, "obstruction": {"offset_x_mm": 0},
           "vanes": []})",
       "obstruction.diameter_mm", DesignProblemKind::kMissingKey},
      // The optics belong to version 2 only.
      {R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": [], "wavefront": {}})", "wavefront",
       DesignProblemKind::kUnknownKey},
      {R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": [], "focal_mm": 800})", "focal_mm",
       DesignProblemKind::kUnknownKey},
      {R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [], "focal_mm": 0})", "focal_mm",
       DesignProblemKind::kFocalNotPositive},
      {R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [],
           "wavefront": {"zernike_nm_rms": {"38": 5}}})",
       "wavefront.zernike_nm_rms.38", DesignProblemKind::kNollKeyInvalid},
      {R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [],
           "wavefront": {"zernike_nm_rms": {"04": 5}}})",
       "wavefront.zernike_nm_rms.04", DesignProblemKind::kNollKeyInvalid},
      {R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [],
           "wavefront": {"zernike_nm_rms": {"4": "5"}}})",
       "wavefront.zernike_nm_rms.4", DesignProblemKind::kNotNumber},
      {R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [], "wavefront": {"defocus_mm": 1e3}})",
       "wavefront.defocus_mm", DesignProblemKind::kDefocusTooLarge},
      {R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [], "wavefront": {"tilt": 1}})",
       "wavefront.tilt", DesignProblemKind::kUnknownKey},
      {Valid(straight +
             R"(, {"shape": "straight", "angle_deg": 0, "width_mm": 0, "offset_mm": 0})"),
       "vanes[1].width_mm", DesignProblemKind::kVaneWidthNotPositive},
      {Valid(R"({"shape": "curved", "angle_deg": 0, "width_mm": 2, "radius_mm": -49.9})"),
       "vanes[0].radius_mm", DesignProblemKind::kCurveTooTight},
      {Valid(R"({"shape": "straight", "angle_deg": 0, "width_mm": 2, "radius_mm": 80})"),
       "vanes[0].radius_mm", DesignProblemKind::kUnknownKey},
      {Valid(R"({"shape": "wavy", "angle_deg": 0, "width_mm": 2, "offset_mm": 0})"),
       "vanes[0].shape", DesignProblemKind::kShapeUnknown},
      {Valid(R"({"shape": "straight", "angle_deg": null, "width_mm": 2, "offset_mm": 0})"),
       "vanes[0].angle_deg", DesignProblemKind::kNotNumber},
  };
  for (const Case& c : cases) {
    const DesignParse parse = ParseDesignJson(QByteArray::fromStdString(c.text));
    EXPECT_FALSE(parse.design) << c.text;
    EXPECT_EQ(parse.problem.field, c.field) << c.text;
    EXPECT_FALSE(parse.problem.reason.empty()) << c.text;
    EXPECT_EQ(parse.problem.kind, c.kind) << c.text;
  }
  EXPECT_TRUE(ParseDesignJson(QByteArray::fromStdString(Valid(straight))).design);
}

// Offsets of 0 are what a person writing by hand leaves out.
TEST(DesignFile, OmittedOffsetsMeanZero) {
  const DesignParse parse = ParseDesignJson(R"({"voka_pupil": 1, "aperture_mm": 200,
      "obstruction": {"diameter_mm": 50},
      "vanes": [{"shape": "straight", "angle_deg": 30, "width_mm": 2}]})");
  ASSERT_TRUE(parse.design) << parse.problem.field << ": " << parse.problem.reason;
  EXPECT_EQ(*parse.design->obstruction, (Obstruction{50, 0, 0}));
  EXPECT_EQ(parse.design->vanes.at(0).offsetMm, 0.0);
}

TEST(DesignFile, MessagesNameTheFileAndTheField) {
  test::ScratchFolder folder("design-file");
  const std::filesystem::path path = folder.path() / "bad\x1b[2J.json";
  std::ofstream(path) << R"({"voka_pupil": 1, "aperture_mm": -5, "vanes": []})";
  const DesignLoad load = LoadDesignFile(path);
  EXPECT_FALSE(load.design);
  EXPECT_NE(load.message.find("bad\\x1B[2J.json"), std::string::npos) << load.message;
  EXPECT_NE(load.message.find("aperture_mm"), std::string::npos) << load.message;
  EXPECT_EQ(load.message.find('\x1b'), std::string::npos) << "no raw control characters";
  EXPECT_EQ(load.refusal, DesignLoadRefusal::kBadContent);
  EXPECT_EQ(load.problem.kind, DesignProblemKind::kApertureNotPositive);
  EXPECT_EQ(LoadDesignFile(folder.path() / "missing.json").refusal, DesignLoadRefusal::kCannotOpen);
  EXPECT_EQ(LoadDesignOrPreset("preset:5-vanes").refusal, DesignLoadRefusal::kUnknownPreset);
  // A key is the file's text too: a NUL in it must not cut the message short.
  std::ofstream(folder.path() / "key.json", std::ios::binary)
      << std::string(R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": [], "width_mm)") +
             std::string(1, '\0') + "\x1b[2J\": 1}";
  const DesignLoad key = LoadDesignFile(folder.path() / "key.json");
  EXPECT_FALSE(key.design);
  EXPECT_NE(key.message.find("width_mm\\x00\\x1B[2J"), std::string::npos) << key.message;
#ifndef _WIN32
  // A FIFO with no writer would block an ordinary open for ever.
  const std::filesystem::path fifo = folder.path() / "fifo.json";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(LoadDesignFile(fifo).refusal, DesignLoadRefusal::kCannotOpen);
#endif
}

TEST(DesignFile, SavedDesignsReadBackUnchanged) {
  std::vector<PupilDesign> designs;
  for (const DesignPreset& preset : DesignPresets()) designs.push_back(*PresetDesign(preset.name));
  PupilDesign odd = designs.back();
  odd.apertureDiameterMm = 0.1 + 0.2;  // not exact in binary
  odd.obstruction = Obstruction{0.07, -0.01, 1.0 / 3};
  odd.vanes.push_back(Vane{VaneShape::kStraight, -123.456, 1e-3, -2.5, 100});
  odd.vanes.push_back(Vane{VaneShape::kCurved, 400, 0.5, 0, -0.1});
  designs.push_back(odd);
  PupilDesign optics = odd;
  optics.focalLengthMm = 812.5;
  optics.wavefront.zernikeRmsNm = {{4, 30.0}, {9, -12.5}, {37, 1e-3}};
  optics.wavefront.defocusMm = -0.25;
  designs.push_back(optics);
  for (const PupilDesign& design : designs) {
    const QByteArray text = DesignToJson(design);
    const DesignParse parse = ParseDesignJson(text);
    ASSERT_TRUE(parse.design) << parse.problem.field << ": " << parse.problem.reason;
    EXPECT_EQ(*parse.design, design);
    // Only a design with optics needs the second version.
    const bool hasOptics = design.focalLengthMm || !design.wavefront.Empty();
    EXPECT_EQ(text.contains("\"voka_pupil\": 2"), hasOptics) << text.toStdString();
  }
  ASSERT_TRUE(LoadDesignOrPreset("preset:4-vanes").design);
  EXPECT_EQ(*LoadDesignOrPreset("preset:4-vanes").design, *PresetDesign("4-vanes"));
}

TEST(DesignFile, EveryRangeAcceptsItsBoundaryAndTheVaneLimitRoundTrips) {
  // No obstruction (0), the designer's smallest vane width and the tightest
  // curved vanes, |R| = aperture / 4 bending either way, are all usable.
  PupilDesign edge;
  edge.apertureDiameterMm = 200;
  edge.obstruction = Obstruction{0.0, 0.0, 0.0};
  edge.vanes = {Vane{VaneShape::kStraight, 0, 0.001, 0, 100},
                Vane{VaneShape::kCurved, 90, 1, 0, 50}, Vane{VaneShape::kCurved, 180, 1, 0, -50}};
  const DesignParse parsed = ParseDesignJson(DesignToJson(edge));
  ASSERT_TRUE(parsed.design) << parsed.problem.field << ": " << parsed.problem.reason;
  EXPECT_EQ(*parsed.design, edge);

  // As many vanes as the designer lets one add are saved and opened again;
  // one more is refused by name.
  test::ScratchFolder folder("vane-limit");
  PupilDesign full;
  for (int i = 0; i < kMaxVanes; ++i)
    full.vanes.push_back(Vane{VaneShape::kStraight, i * 5.0, 0.5, 0, 100});
  const std::filesystem::path path = folder.path() / "full.json";
  const QByteArray bytes = DesignToJson(full);
  std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
  const DesignLoad load = LoadDesignFile(path);
  ASSERT_TRUE(load.design) << load.message;
  EXPECT_EQ(*load.design, full);
  full.vanes.push_back(full.vanes.back());
  EXPECT_EQ(ParseDesignJson(DesignToJson(full)).problem.field, "vanes");
  ASSERT_TRUE(FindDesignProblem(full));
  EXPECT_EQ(FindDesignProblem(full)->field, "vanes");
}

}  // namespace
}  // namespace voka::pupils
