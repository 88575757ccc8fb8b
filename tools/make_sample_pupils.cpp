// Writes the sample pupils, every shape in every common form, as .bmp files
// into the folder given (the current folder by default).

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "pupils/bmp_writer.h"
#include "pupils/pupil_shapes.h"

namespace {

using voka::bmp_writer::Bytes;
using namespace voka::pupil_shapes;

bool WriteSample(const std::filesystem::path& folder, const PupilSample& sample, int side,
                 int bitCount) {
  const voka::bmp_writer::ColourImage image = DrawPupil(sample.shape, side);
  const Bytes file =
      bitCount == 24 ? voka::bmp_writer::Bmp24(image) : voka::bmp_writer::Bmp8Grey(image);
  const std::filesystem::path path = folder / SampleFileName(sample.name, side, bitCount);
  if (!voka::bmp_writer::WriteFile(path, file)) {
    std::fprintf(stderr, "make_sample_pupils: cannot write %s\n", path.string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: make_sample_pupils [output folder]\n");
    return 2;
  }
  const std::filesystem::path folder = argc == 2 ? argv[1] : ".";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  int failures = 0;
  for (const PupilSample& sample : kPupilSamples) {
    for (int side : kSampleSides) {
      for (int bitCount : kSampleBitCounts) {
        if (!WriteSample(folder, sample, side, bitCount)) ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
