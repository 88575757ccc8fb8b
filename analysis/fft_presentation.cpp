// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/fft_presentation.h"

#include <cmath>
#include <limits>

#include "canvas/colour.h"
#include "output/fixed_format.h"

namespace voka {

namespace {

constexpr int kCentre = kGridSize / 2;
// The 64x64 window around the centre that is enlarged and written: 224..287.
constexpr int kHalfWindow = kTableSize / 2;
constexpr int kWindowStart = kCentre - kHalfWindow;

// The centre value that reads 1.00 as central intensity; also the fixed scale
// of the enlargement, so its greys compare between pupils.
constexpr double kReferenceCentre = 21100558.0;
constexpr double kEnlargementGain = 3000.0;
constexpr int kWhiteLevel = 255;

// Canvas position of the enlarged centre cell S[256][256]; cells are 2x2.
constexpr int kEnlargementCentreX = 200;
constexpr int kEnlargementCentreY = 89;

// The profile: a value equal to the centre value rises 120 pixels above the
// baseline row 150; points step 2 pixels apart from column 330.
constexpr double kProfileHeight = 120.0;
constexpr int kProfileBaseline = 150;
constexpr int kProfileCentreX = 330;
constexpr int kProfileStep = 2;
// Rises beyond this many pixels are far off the canvas; the clipped line is
// the same to well under a pixel, and the conversion to int stays defined.
constexpr double kProfileClamp = 1 << 20;

// The summed brightness that reads 100 %: PupilSum of a 512x512 canvas is at
// most 512 * 512 * 65793, which reads 136.59 %.
constexpr double kApertureDivisor = 126273783.18;

constexpr int kCaptionTop = 5;
constexpr int kApertureCaptionX = 7;
constexpr int kTitleCaptionX = 136;
constexpr int kIntensityCaptionX = 270;

// Grey level of a cell: |v| / reference × gain, truncated, at most white.
// Huge and infinite magnitudes are white; NaN, which carries no brightness,
// is black.
int EnlargementLevel(double value) {
  const double level = std::fabs(value) / kReferenceCentre * kEnlargementGain;
  if (std::isnan(level)) return 0;
  if (level >= kWhiteLevel) return kWhiteLevel;
  return static_cast<int>(level);
}

void DrawEnlargement(Canvas& canvas, const DoubleGrid spectrum) {
  for (int i = -kHalfWindow; i < kHalfWindow; ++i) {
    for (int j = -kHalfWindow; j < kHalfWindow; ++j) {
      const int level = EnlargementLevel(spectrum[kCentre + j][kCentre + i]);
      const ColourValue colour = Grey(static_cast<std::uint8_t>(level));
      const int x = kEnlargementCentreX + 2 * j;
      const int y = kEnlargementCentreY + 2 * i;
      canvas.SetPixel(x, y, colour);
      canvas.SetPixel(x + 1, y, colour);
      canvas.SetPixel(x + 1, y + 1, colour);
      canvas.SetPixel(x, y + 1, colour);
    }
  }
}

// Canvas row of a profile point; z is finite and not 0. The rise ignores the
// sign of the value.
int ProfileRow(double value, double z) {
  double rise = std::fabs(value) / z * kProfileHeight;
  if (std::isnan(rise)) rise = 0.0;
  if (rise > kProfileClamp) rise = kProfileClamp;
  if (rise < -kProfileClamp) rise = -kProfileClamp;
  return kProfileBaseline - static_cast<int>(rise);
}

// One half of the profile along the centre row, direction +1 to the right,
// -1 to the left: 32 points from the centre, joined by 31 white segments.
void DrawProfileHalf(Canvas& canvas, const DoubleGrid spectrum, double z, int direction) {
  int previousX = 0;
  int previousY = 0;
  for (int j = 0; j < kHalfWindow; ++j) {
    const int x = kProfileCentreX + direction * kProfileStep * j;
    const int y = ProfileRow(spectrum[kCentre + direction * j][kCentre], z);
    if (j > 0) DrawSegment(canvas, previousX, previousY, x, y, kWhite);
    previousX = x;
    previousY = y;
  }
}

void DrawCaption(Canvas& canvas, int x, const std::string& text) {
  canvas.SetTextColour(kWhite);
  canvas.SetTextBackground(kDarkBlue);
  canvas.TextOutput(x, kCaptionTop, text);
}

// The centre window normalised to the centre value, signs kept. With a
// centre value of 0 there is nothing to normalise to: every value is NaN.
ResultTable NormalisedWindow(const DoubleGrid spectrum, double z) {
  ResultTable table{};
  for (int column = 0; column < kTableSize; ++column) {
    for (int row = 0; row < kTableSize; ++row) {
      table[column][row] = z == 0.0 ? std::numeric_limits<double>::quiet_NaN()
                                    : spectrum[kWindowStart + column][kWindowStart + row] / z;
    }
  }
  return table;
}

}  // namespace

SpectrumReport ShowSpectrum(Canvas& canvas, const DoubleGrid spectrum, double pupilSum,
                            const std::filesystem::path& tablePath,
                            const SpectrumCaptions& captions) {
  SpectrumReport report;
  const double z = spectrum[kCentre][kCentre];
  report.centreIsZero = z == 0.0;

  DrawEnlargement(canvas, spectrum);
  if (z != 0.0 && std::isfinite(z)) {
    DrawProfileHalf(canvas, spectrum, z, +1);
    DrawProfileHalf(canvas, spectrum, z, -1);
  }

  report.apertureCaption = captions.apertureLabel + FormatFixed(pupilSum / kApertureDivisor, 2, 6) +
                           captions.percentSign;
  report.titleCaption = captions.title;
  report.intensityCaption = captions.intensityLabel + FormatFixed(z / kReferenceCentre, 2, 8);
  DrawCaption(canvas, kApertureCaptionX, report.apertureCaption);
  DrawCaption(canvas, kTitleCaptionX, report.titleCaption);
  DrawCaption(canvas, kIntensityCaptionX, report.intensityCaption);
  canvas.SetTextColour(kWhite);
  canvas.SetTextBackground(kBlack);

  report.table = WriteResultTable(kFftHeader, NormalisedWindow(spectrum, z), tablePath);
  return report;
}

}  // namespace voka
