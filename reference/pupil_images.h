// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pupil images for the tests and the benchmarks, built with the project's
// independent bitmap writer and read through the real reader.

#include <cstdint>
#include <filesystem>
#include <string>

#include "dib/dib_read.h"
#include "pupils/bmp_writer.h"
#include "pupils/pupil_shapes.h"

namespace voka::test {

using bmp_writer::ColourImage;

inline DibHandle DibFromImage(const ColourImage& image) {
  const auto bytes = bmp_writer::Bmp24(image);
  DibMemoryFile file(bytes);
  return DibRead(file);
}

inline DibHandle UniformPupil(int side, ColourValue colour) {
  return DibFromImage(ColourImage(side, side, colour));
}

inline DibHandle ShapePupil(pupil_shapes::PupilShape shape, int side) {
  return DibFromImage(pupil_shapes::DrawPupil(shape, side));
}

// A sample pupil file that the build wrote beside the program.
inline std::filesystem::path SamplePupilPath(const std::string& fileName) {
  return std::filesystem::path(VOKA_SAMPLE_DIR) / fileName;
}

}  // namespace voka::test
