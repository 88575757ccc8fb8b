// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/curves_csv.h"

#include <cstdio>

namespace voka::psf {

namespace {

void AppendLine(std::string& text, const char* format, double a, double b, double c) {
  char line[160];
  std::snprintf(line, sizeof line, format, a, b, c);
  text += line;
}

}  // namespace

std::string CurvesCsv(const PsfNumbers& numbers, const MtfCurves& mtf, const ImageScale& scale) {
  std::string text(kCurvesCsvFirstLine);
  for (const EncircledEnergyPoint& point : numbers.encircledEnergy) {
    AppendLine(text, "%.4f,%.6g,%.9f\n", point.radiusLambdaOverD,
               point.radiusLambdaOverD * scale.lambdaOverDArcsec, point.fraction);
  }
  char header[200];
  std::snprintf(header, sizeof header,
                "\nfrequency [D/lambda],MTF radial mean,MTF along %.1f deg,MTF between %.1f deg,"
                "MTF clear aperture\n",
                mtf.alongAngleDeg, mtf.betweenAngleDeg);
  text += header;
  for (std::size_t i = 0; i < mtf.frequencyOfCutoff.size(); ++i) {
    char line[200];
    std::snprintf(line, sizeof line, "%.4f,%.9f,%.9f,%.9f,%.9f\n", mtf.frequencyOfCutoff[i],
                  mtf.radialMean[i], mtf.alongVanes[i], mtf.betweenVanes[i], mtf.clearAperture[i]);
    text += line;
  }
  return text;
}

}  // namespace voka::psf
