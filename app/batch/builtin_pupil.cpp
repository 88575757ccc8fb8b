#include "app/batch/builtin_pupil.h"

#include "dib/dib_read.h"
#include "pupils/bmp_writer.h"
#include "pupils/pupil_shapes.h"

namespace voka {

namespace {
constexpr int kBuiltinSide = 512;
}  // namespace

DibHandle BuiltinPupil() {
  const auto image = pupil_shapes::DrawPupil(pupil_shapes::PupilShape::kFourVanes, kBuiltinSide);
  const auto bytes = bmp_writer::Bmp24(image);
  DibMemoryFile file(bytes);
  return DibRead(file);
}

}  // namespace voka
