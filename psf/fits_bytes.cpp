// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/fits_bytes.h"

#include <cstdlib>
#include <new>

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

}  // namespace

std::string FitsImageBytes(std::span<const long> axes, const std::vector<double>& values,
                           const std::function<void(fitsfile*, int*)>& keywords,
                           std::string& error) {
  MemoryFile memory;
  memory.size = kFitsBlockBytes;
  memory.buffer = std::malloc(memory.size);
  if (!memory.buffer) throw std::bad_alloc();
  fitsfile* file = nullptr;
  int status = 0;
  std::vector<long> axisLengths(axes.begin(), axes.end());
  long long headerStart = 0;
  long long dataStart = 0;
  long long dataEnd = 0;
  fits_create_memfile(&file, &memory.buffer, &memory.size, kMemoryFileGrowth, std::realloc,
                      &status);
  fits_create_img(file, DOUBLE_IMG, static_cast<int>(axisLengths.size()), axisLengths.data(),
                  &status);
  if (status == 0) keywords(file, &status);
  fits_write_img(file, TDOUBLE, 1, static_cast<LONGLONG>(values.size()),
                 const_cast<double*>(values.data()), &status);
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

void WriteCreator(fitsfile* file, int* status) {
  char creator[] = "voka " VOKA_PROGRAM_VERSION;
  fits_update_key(file, TSTRING, "CREATOR", creator, "the program that wrote this file", status);
}

void WriteOffsetCoordinates(fitsfile* file, double starPixelX, double starPixelY,
                            double pixelArcsec, int* status) {
  char xType[] = "XOFFSET";
  char yType[] = "YOFFSET";
  char unit[] = "arcsec";
  double starOffset = 0.0;
  fits_update_key(file, TSTRING, "CTYPE1", xType, "offset from the star, right", status);
  fits_update_key(file, TSTRING, "CTYPE2", yType, "offset from the star, up", status);
  fits_update_key(file, TSTRING, "CUNIT1", unit, "", status);
  fits_update_key(file, TSTRING, "CUNIT2", unit, "", status);
  fits_update_key(file, TDOUBLE, "CRPIX1", &starPixelX, "the star's column", status);
  fits_update_key(file, TDOUBLE, "CRPIX2", &starPixelY, "the star's row", status);
  fits_update_key(file, TDOUBLE, "CRVAL1", &starOffset, "", status);
  fits_update_key(file, TDOUBLE, "CRVAL2", &starOffset, "", status);
  fits_update_key(file, TDOUBLE, "CDELT1", &pixelArcsec, "arcsec per pixel", status);
  fits_update_key(file, TDOUBLE, "CDELT2", &pixelArcsec, "arcsec per pixel", status);
}

}  // namespace voka::psf
