#include "psf/fits_export.h"

#include <fitsio.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace voka::psf {

namespace {

// A FITS file is made of blocks of this many bytes.
constexpr long long kFitsBlockBytes = 2880;
// The memory file starts at one block and grows by many at a time.
constexpr std::size_t kMemoryFileGrowth = 1 << 20;

struct MemoryFile {
  void* buffer = nullptr;
  std::size_t size = 0;
  ~MemoryFile() { std::free(buffer); }
};

// The cropped image, normalised to the whole grid's sum, bottom row first.
std::vector<double> CroppedRowsBottomFirst(const StarImage& image, int side) {
  const int half = side / 2;
  const double unit = 1.0 / image.totalIntensity;
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(side) * side);
  for (int row = image.centreIndex + half; row >= image.centreIndex - half; --row) {
    for (int column = image.centreIndex - half; column <= image.centreIndex + half; ++column) {
      values.push_back(image.At(row, column) * unit);
    }
  }
  return values;
}

// A linear world coordinate system (Greisen & Calabretta 2002, A&A 395,
// 1061): offsets from the star in arcseconds, x to the right and y up, so
// that a viewer's axes read as the window's. The star is the middle pixel of
// the odd side; FITS counts pixels from 1 at the first stored (bottom) row.
void WriteWorldCoordinates(fitsfile* file, const StarImage& image, int side, int* status) {
  char xType[] = "XOFFSET";
  char yType[] = "YOFFSET";
  char unit[] = "arcsec";
  double starPixel = side / 2 + 1;
  double starOffset = 0.0;
  double pixelArcsec = image.scale.pixelArcsec;
  fits_update_key(file, TSTRING, "CTYPE1", xType, "offset from the star, right", status);
  fits_update_key(file, TSTRING, "CTYPE2", yType, "offset from the star, up", status);
  fits_update_key(file, TSTRING, "CUNIT1", unit, "", status);
  fits_update_key(file, TSTRING, "CUNIT2", unit, "", status);
  fits_update_key(file, TDOUBLE, "CRPIX1", &starPixel, "the star's column", status);
  fits_update_key(file, TDOUBLE, "CRPIX2", &starPixel, "the star's row", status);
  fits_update_key(file, TDOUBLE, "CRVAL1", &starOffset, "", status);
  fits_update_key(file, TDOUBLE, "CRVAL2", &starOffset, "", status);
  fits_update_key(file, TDOUBLE, "CDELT1", &pixelArcsec, "arcsec per pixel", status);
  fits_update_key(file, TDOUBLE, "CDELT2", &pixelArcsec, "arcsec per pixel", status);
}

void WriteKeywords(fitsfile* file, const StarImage& image, int* status) {
  char creator[] = "voka " VOKA_PROGRAM_VERSION;
  fits_update_key(file, TSTRING, "CREATOR", creator, "the program that wrote this file", status);
  double wavelengthM = image.settings.wavelengthNm * 1e-9;
  double pixelArcsec = image.scale.pixelArcsec;
  int oversampling = image.padFactor;
  double diameterM = image.settings.apertureDiameterMm * 1e-3;
  double focalM = image.settings.focalLengthMm * 1e-3;
  fits_update_key(file, TDOUBLE, "WAVELEN", &wavelengthM, "wavelength [m]", status);
  fits_update_key(file, TDOUBLE, "PIXELSCL", &pixelArcsec, "pixel scale [arcsec/pixel]", status);
  fits_update_key(file, TINT, "OVERSAMP", &oversampling, "samples per lambda/D", status);
  fits_update_key(file, TDOUBLE, "DIAM", &diameterM, "aperture diameter [m]", status);
  fits_update_key(file, TDOUBLE, "FOCAL", &focalM, "focal length [m]", status);
}

}  // namespace

int CroppedSide(const StarImage& image, double fieldOfViewLambdaOverD) {
  // Whole pixels either side of the centre that stay on the grid.
  const int gridHalf = std::min(image.centreIndex, image.paddedSide - 1 - image.centreIndex);
  const double wanted = fieldOfViewLambdaOverD * image.padFactor;
  const int half = std::isfinite(wanted) && wanted >= 0.0
                       ? static_cast<int>(std::min<double>(std::round(wanted), gridHalf))
                       : gridHalf;
  return 2 * half + 1;
}

std::string StarImageFitsBytes(const StarImage& image, double fieldOfViewLambdaOverD,
                               std::string& error) {
  const int side = CroppedSide(image, fieldOfViewLambdaOverD);
  std::vector<double> values = CroppedRowsBottomFirst(image, side);

  MemoryFile memory;
  memory.size = kFitsBlockBytes;
  memory.buffer = std::malloc(memory.size);
  if (!memory.buffer) throw std::bad_alloc();
  fitsfile* file = nullptr;
  int status = 0;
  long axes[2] = {side, side};
  long long headerStart = 0;
  long long dataStart = 0;
  long long dataEnd = 0;
  fits_create_memfile(&file, &memory.buffer, &memory.size, kMemoryFileGrowth, std::realloc,
                      &status);
  fits_create_img(file, DOUBLE_IMG, 2, axes, &status);
  WriteKeywords(file, image, &status);
  WriteWorldCoordinates(file, image, side, &status);
  fits_write_img(file, TDOUBLE, 1, static_cast<LONGLONG>(values.size()), values.data(), &status);
  fits_get_hduaddrll(file, &headerStart, &dataStart, &dataEnd, &status);
  int closeStatus = 0;
  if (file) fits_close_file(file, &closeStatus);
  if (status != 0 || closeStatus != 0) {
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status != 0 ? status : closeStatus, text);
    error = std::string("FITS の作成に失敗しました (") + text + ")。";
    return {};
  }
  // The memory file's buffer is larger than the file; the file ends at the
  // last data block.
  const long long fileBytes = (dataEnd + kFitsBlockBytes - 1) / kFitsBlockBytes * kFitsBlockBytes;
  if (fileBytes <= 0 || static_cast<std::size_t>(fileBytes) > memory.size) {
    error = "FITS の作成に失敗しました (大きさが合いません)。";
    return {};
  }
  return std::string(static_cast<const char*>(memory.buffer), static_cast<std::size_t>(fileBytes));
}

}  // namespace voka::psf
