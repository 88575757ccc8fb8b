// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the sample pupils: every design file (*.json) of the design folder
// at each sample side in each common form, as .bmp files, and copies the
// design beside them, into the output folder.
//
//   make_sample_pupils DESIGN_FOLDER OUTPUT_FOLDER

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "pupils/bmp_writer.h"
#include "pupils/design_file.h"
#include "pupils/pupil_bitmap.h"

namespace {

using namespace voka::pupils;

constexpr std::array<int, 2> kSampleSides{512, 128};
constexpr std::array<PupilBitmapForm, 2> kSampleForms{PupilBitmapForm::kGrey24,
                                                      PupilBitmapForm::kGrey8};

// "clear_512_24.bmp": design, side in pixels, bits per pixel.
std::filesystem::path SampleFileName(const std::filesystem::path& design, int side,
                                     PupilBitmapForm form) {
  const int bits = form == PupilBitmapForm::kGrey24 ? 24 : 8;
  return design.stem().string() + "_" + std::to_string(side) + "_" + std::to_string(bits) + ".bmp";
}

bool RenderSample(const std::filesystem::path& designPath, const std::filesystem::path& folder) {
  const DesignLoad load = LoadDesignFile(designPath);
  if (!load.design) {
    std::fprintf(stderr, "make_sample_pupils: %s\n", load.message.c_str());
    return false;
  }
  bool written = true;
  for (int side : kSampleSides) {
    for (PupilBitmapForm form : kSampleForms) {
      const std::filesystem::path path = folder / SampleFileName(designPath, side, form);
      if (!voka::bmp_writer::WriteFile(path, PupilBitmap(*load.design, side, form))) {
        std::fprintf(stderr, "make_sample_pupils: cannot write %s\n", path.string().c_str());
        written = false;
      }
    }
  }
  std::error_code error;
  std::filesystem::copy_file(designPath, folder / designPath.filename(),
                             std::filesystem::copy_options::overwrite_existing, error);
  if (error) {
    std::fprintf(stderr, "make_sample_pupils: cannot copy %s\n", designPath.string().c_str());
    written = false;
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_sample_pupils DESIGN_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path designs = argv[1], folder = argv[2];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(designs, error))
    if (entry.path().extension() == ".json") files.push_back(entry.path());
  if (error || files.empty()) {
    std::fprintf(stderr, "make_sample_pupils: no design files in %s\n", designs.string().c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());
  int failures = 0;
  for (const std::filesystem::path& file : files) failures += RenderSample(file, folder) ? 0 : 1;
  return failures == 0 ? 0 : 1;
}
