// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/psf_command.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>

#include "reference/pupil_images.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

class PsfRun : public testing::Test {
 protected:
  void SetUp() override {
    const auto bytes =
        bmp_writer::Bmp24(pupil_shapes::DrawPupil(pupil_shapes::PupilShape::kFourVanes, 128));
    std::ofstream(pupil_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    options_.pupilPath = pupil_.string();
  }
  int Execute() {
    out_.str({});
    err_.str({});
    return RunCommand(options_, RunContext{out_, err_, false, {}});
  }
  std::string Path(const char* name) const { return (folder_.path() / name).string(); }

  test::ScratchFolder folder_{"psf-run"};
  std::filesystem::path pupil_ = folder_.path() / "vanes.bmp";
  PsfCommandOptions options_;
  std::ostringstream out_, err_;
};

TEST_F(PsfRun, WritesEveryFileAskedForAndPrintsTheNumbers) {
  options_.fitsPath = Path("star.fits");
  options_.csvPath = Path("curves.csv");
  options_.jsonPath = Path("numbers.json");
  options_.pngPath = Path("view.png");
  ASSERT_EQ(Execute(), 0) << err_.str();
  EXPECT_NE(out_.str().find("秒角"), std::string::npos);
  EXPECT_NE(out_.str().find("ピーク比="), std::string::npos);

  const std::string json = test::ReadFileBytes(options_.jsonPath);
  const QJsonObject numbers = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
  for (const char* key :
       {"peak_ratio", "encircled_energy", "ee_1_22", "ee_2_23", "ee_5", "spike_fraction",
        "pixel_scale_arcsec", "airy_radius_arcsec", "n", "pad"}) {
    EXPECT_TRUE(numbers.contains(key)) << key;
  }
  EXPECT_EQ(numbers["n"].toInt(), 128);
  EXPECT_EQ(numbers["pad"].toInt(), 4);
  // An obstructed, vaned aperture: below a clear one's peak, light in spikes.
  EXPECT_LT(numbers["peak_ratio"].toDouble(), 0.95);
  EXPECT_GT(numbers["spike_fraction"].toDouble(), 0.005);
  EXPECT_GT(numbers["ee_5"].toDouble(), numbers["ee_1_22"].toDouble());
  EXPECT_EQ(test::ReadFileBytes(options_.pngPath).substr(1, 3), "PNG");
  EXPECT_EQ(test::ReadFileBytes(options_.csvPath).rfind("radius [lambda/D]", 0), 0u);
}

TEST_F(PsfRun, EveryOutputCarriesTheLawsNumbers) {
  options_.fitsPath = Path("star.fits");
  options_.csvPath = Path("curves.csv");
  options_.jsonPath = Path("numbers.json");
  ASSERT_EQ(Execute(), 0) << err_.str();
  // 550 nm, D = 200 mm, f = 1000 mm, Q = 4: λ/D on the sky and λF/D = 2.75 µm.
  const double lambdaOverDArcsec = 550e-9 / 0.2 * 180.0 / std::numbers::pi * 3600.0;
  const double lambdaOverDMicrometres = 2.75;
  // The peak over a clear aperture's is (Σ amplitude)² over (π N²/4)².
  const auto image = pupil_shapes::DrawPupil(pupil_shapes::PupilShape::kFourVanes, 128);
  double amplitudeSum = 0.0;
  for (const auto colour : image.pixels) amplitudeSum += (colour & 0xFF) / 255.0;
  const double clearSum = std::numbers::pi / 4 * 128 * 128;
  const double peakRatio = amplitudeSum * amplitudeSum / (clearSum * clearSum);

  // stdout, digit for digit at its printed precision.
  char lines[512];
  std::snprintf(lines, sizeof lines,
                "λ/D=%.4f 秒角 (焦点で %.3f µm)\n画素=%.5f 秒角 (焦点で %.4f µm)\n"
                "エアリー半径 1.22 λ/D=%.4f 秒角 (焦点で %.3f µm)\nピーク比=%.5f\n",
                lambdaOverDArcsec, lambdaOverDMicrometres, lambdaOverDArcsec / 4,
                lambdaOverDMicrometres / 4, 1.22 * lambdaOverDArcsec, 1.22 * lambdaOverDMicrometres,
                peakRatio);
  EXPECT_NE(out_.str().find(lines), std::string::npos) << out_.str() << "expected\n" << lines;

  const QJsonObject numbers =
      QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(options_.jsonPath)))
          .object();
  EXPECT_NEAR(numbers["pixel_scale_arcsec"].toDouble(), lambdaOverDArcsec / 4, 1e-9);
  EXPECT_NEAR(numbers["airy_radius_arcsec"].toDouble(), 1.22 * lambdaOverDArcsec, 1e-9);
  EXPECT_NEAR(numbers["peak_ratio"].toDouble(), peakRatio, 1e-9);

  // The MTF row at half the cut-off: its clear-aperture column is
  // (2/π)(acos ν - ν√(1 - ν²)).
  const std::string csv = test::ReadFileBytes(options_.csvPath);
  const std::size_t row = csv.find("\n0.5000,", csv.find("\nfrequency [D/lambda]"));
  ASSERT_NE(row, std::string::npos);
  const std::size_t lastComma = csv.find('\n', row + 1);
  const double clear = std::strtod(csv.c_str() + csv.rfind(',', lastComma) + 1, nullptr);
  EXPECT_NEAR(clear, 2.0 / std::numbers::pi * (std::acos(0.5) - 0.5 * std::sqrt(0.75)), 1e-6);

  // FITS cards: the focal length in metres, the pixel in arcseconds.
  const std::string fits = test::ReadFileBytes(options_.fitsPath);
  const auto card = [&](const char* key) {
    const std::size_t at = fits.find(key);
    return at == std::string::npos ? NAN : std::strtod(fits.c_str() + at + 10, nullptr);
  };
  EXPECT_EQ(fits.substr(0, 9), "SIMPLE  =");
  EXPECT_NEAR(card("FOCAL   ="), 1.0, 1e-12);
  EXPECT_NEAR(card("PIXELSCL="), lambdaOverDArcsec / 4, 1e-9);
}

TEST_F(PsfRun, RefusesBadArgumentsAndUnreadableInputWithoutTouchingOutputs) {
  options_.jsonPath = Path("numbers.json");
  std::ofstream(options_.jsonPath) << "old";
  const auto expectRefused = [&](int status) {
    EXPECT_EQ(Execute(), status) << out_.str();
    EXPECT_FALSE(err_.str().empty());
    EXPECT_EQ(test::ReadFileBytes(options_.jsonPath), "old");
  };
  options_.padFactor = 9;
  expectRefused(2);
  options_.padFactor = 4;
  options_.sidePixels = 256;  // a bitmap keeps its own size
  expectRefused(2);
  options_.sidePixels.reset();
  options_.fieldOfViewLambdaOverD = std::nan("");
  expectRefused(2);
  options_.fieldOfViewLambdaOverD = 32;
  options_.pupilPath = Path("missing\x1b[2J.bmp");
  expectRefused(1);
  EXPECT_EQ(err_.str().find('\x1b'), std::string::npos) << "control characters are escaped";
  const auto dark =
      bmp_writer::Bmp24(bmp_writer::ColourImage(8, 8, 0xFFFF00));  // blue and green, no red
  options_.pupilPath = Path("dark.bmp");
  std::ofstream(options_.pupilPath, std::ios::binary)
      .write(reinterpret_cast<const char*>(dark.data()), static_cast<std::streamsize>(dark.size()));
  expectRefused(1);
  options_.pupilPath.clear();
  options_.designPath = Path("design.json");  // no such design file
  expectRefused(1);
}

// A design side the engine takes is drawn; one whose grid is too large is
// refused as a size naming the limit, before any drawing, never as a pupil
// that lets no light through.
TEST_F(PsfRun, ADesignTooLargeForTheGridIsRefusedAsASize) {
  options_.pupilPath.clear();
  options_.designPath = "preset:4-vanes";
  options_.sidePixels = 5000;  // 5000 x 4 is past the 16384-pixel grid
  EXPECT_EQ(Execute(), 2);
  EXPECT_NE(err_.str().find("16384"), std::string::npos) << err_.str();
  EXPECT_EQ(err_.str().find("光を通しません"), std::string::npos) << err_.str();
}

// A design's own aperture is checked against the same range as --aperture-mm,
// and a refusal is said, not a silent failure.
TEST_F(PsfRun, ADesignsApertureOutsideTheRangeIsNamed) {
  options_.pupilPath.clear();
  options_.designPath = Path("huge.json");
  options_.sidePixels = 16;
  std::ofstream(options_.designPath) << R"({"voka_pupil": 1, "aperture_mm": 60000, "vanes": []})";
  EXPECT_EQ(Execute(), 1);
  EXPECT_NE(err_.str().find("口径は 1〜50000 mm"), std::string::npos) << err_.str();
  options_.apertureMm = 300.0;  // the user's aperture replaces the design's
  EXPECT_EQ(Execute(), 0) << err_.str();
}

// Standard output and the JSON walk one record: the conditions given come
// back, and the printed numbers are the file's, rounded.
TEST_F(PsfRun, JsonHoldsTheConditionsAndTheNumbersPrinted) {
  options_.wavelengthNm = 656;
  options_.apertureMm = 250;
  options_.focalLengthMm = 1200;
  options_.jsonPath = Path("numbers.json");
  ASSERT_EQ(Execute(), 0) << err_.str();
  const QJsonObject json =
      QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(options_.jsonPath)))
          .object();
  EXPECT_EQ(json["wavelength_nm"].toDouble(), 656);
  EXPECT_EQ(json["aperture_mm"].toDouble(), 250);
  EXPECT_EQ(json["focal_length_mm"].toDouble(), 1200);
  const std::string printed = out_.str();
  for (const auto& [label, key] :
       {std::pair{"ピーク比=", "peak_ratio"}, std::pair{"スパイク光量=", "spike_fraction"},
        std::pair{"5 λ/D=", "ee_5"}}) {
    const std::size_t at = printed.find(label);
    ASSERT_NE(at, std::string::npos) << label;
    const double shown = std::stod(printed.substr(at + std::string(label).size()));
    EXPECT_NEAR(shown, json[key].toDouble(), 5e-6) << key;
  }
}

// A version-2 design's defocus is taken over the annulus it opens: its
// Strehl ratio is sinc²(2√3·π·σ), σ the reported RMS in waves, and both are
// printed and written; a design without a wavefront reports neither.
TEST_F(PsfRun, ADesignsWavefrontReportsItsStrehlAndRms) {
  const std::string design = Path("defocused.json");
  std::ofstream(design) << R"({"voka_pupil": 2, "aperture_mm": 200, "vanes": [],
      "obstruction": {"diameter_mm": 66}, "wavefront": {"zernike_nm_rms": {"4": 40}}})";
  options_.pupilPath.clear();
  options_.designPath = design;
  options_.sidePixels = 256;
  options_.jsonPath = Path("numbers.json");
  ASSERT_EQ(Execute(), 0) << err_.str();
  const QJsonObject numbers =
      QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(options_.jsonPath)))
          .object();
  const double sigmaWaves = numbers["wavefront_rms_nm"].toDouble() / 550.0;
  EXPECT_NEAR(sigmaWaves, 40.0 * (1 - 0.33 * 0.33) / 550.0, 2e-3 * sigmaWaves);
  const double x = 2.0 * std::sqrt(3.0) * std::numbers::pi * sigmaWaves;
  EXPECT_NEAR(numbers["strehl"].toDouble(), std::pow(std::sin(x) / x, 2), 5e-4);
  EXPECT_NE(out_.str().find("ストレール比="), std::string::npos);

  std::ofstream(design) << R"({"voka_pupil": 1, "aperture_mm": 200, "vanes": []})";
  std::filesystem::remove(options_.jsonPath);
  ASSERT_EQ(Execute(), 0) << err_.str();
  EXPECT_FALSE(
      QJsonDocument::fromJson(QByteArray::fromStdString(test::ReadFileBytes(options_.jsonPath)))
          .object()
          .contains("strehl"));
  EXPECT_EQ(out_.str().find("ストレール比="), std::string::npos);
}

// The command line's terms replace the design's one by one, and its focal
// length replaces the design's, which otherwise sets the image scale.
TEST_F(PsfRun, TheCommandLineOverridesTheDesignsWavefrontAndFocalLength) {
  const std::string design = Path("v2.json");
  std::ofstream(design) << R"({"voka_pupil": 2, "aperture_mm": 200, "focal_mm": 2000,
      "vanes": [], "wavefront": {"zernike_nm_rms": {"4": 40}}})";
  options_.pupilPath.clear();
  options_.designPath = design;
  options_.sidePixels = 128;
  options_.jsonPath = Path("numbers.json");
  const auto numbers = [this] {
    EXPECT_EQ(Execute(), 0) << err_.str();
    return QJsonDocument::fromJson(
               QByteArray::fromStdString(test::ReadFileBytes(options_.jsonPath)))
        .object();
  };
  EXPECT_EQ(numbers()["focal_length_mm"].toDouble(), 2000);
  options_.zernikeNmRms = {{4, 0.0}, {8, 30.0}};  // defocus removed, coma added
  const QJsonObject coma = numbers();
  EXPECT_NEAR(coma["wavefront_rms_nm"].toDouble(), 30.0, 1.0);
  options_.zernikeNmRms = {{4, 0.0}};
  options_.focalLengthMm = 1000;
  const QJsonObject perfect = numbers();
  EXPECT_FALSE(perfect.contains("strehl")) << "no phase is left";
  EXPECT_EQ(perfect["focal_length_mm"].toDouble(), 1000);
}

}  // namespace
}  // namespace voka
