#include "analysis/spectrum_mirror.h"

namespace voka {

namespace {

constexpr int kCentre = kGridSize / 2;

}  // namespace

void MirrorSpectrum(const DoubleGrid transformed, DoubleGrid spectrum) {
  for (int i = 0; i < kCentre; ++i) {
    for (int j = 0; j < kCentre; ++j) {
      const double v = transformed[j][i];
      spectrum[kCentre - j][kCentre - i] = v;
      spectrum[kCentre + j][kCentre + i] = v;
      spectrum[kCentre - j][kCentre + i] = v;
      spectrum[kCentre + j][kCentre - i] = v;
    }
  }
}

}  // namespace voka
