// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_fits.h"

#include <numbers>

#include "psf/fits_bytes.h"

namespace voka::camera {

namespace {

constexpr double kArcsecPerRadian = 180.0 * 3600.0 / std::numbers::pi;

const char* SpectrumName(SpectrumKind kind) {
  switch (kind) {
    case SpectrumKind::kBlackbody:
      return "blackbody";
    case SpectrumKind::kFlat:
      return "flat";
    case SpectrumKind::kTable:
      return "table";
  }
  return "";
}

// Bottom row first, plane after plane.
std::vector<double> FitsOrder(const ChannelPlanes& planes) {
  std::vector<double> values;
  values.reserve(planes.values.size());
  const std::size_t side = static_cast<std::size_t>(planes.side);
  for (int c = 0; c < planes.channelCount; ++c) {
    for (std::size_t row = side; row-- > 0;) {
      for (std::size_t column = 0; column < side; ++column)
        values.push_back(planes.At(c, row * side + column));
    }
  }
  return values;
}

void WriteKeywords(fitsfile* file, const CameraImage& image, const CameraSettings& settings,
                   double exposure, int* status) {
  double waveMin = settings.spectrum.fromNm * 1e-9;
  double waveMax = settings.spectrum.toNm * 1e-9;
  int waves = static_cast<int>(image.channels.wavelengthsNm.size());
  double temperature =
      settings.spectrum.kind == SpectrumKind::kBlackbody ? settings.spectrum.temperatureK : 0.0;
  double pixelM = settings.pixelPitchUm * 1e-6;
  double pixelArcsec = settings.pixelPitchUm * 1e-3 / settings.focalLengthMm * kArcsecPerRadian;
  double focalM = settings.focalLengthMm * 1e-3;
  double diameterM = settings.apertureDiameterMm * 1e-3;
  // FITS pixel centres are whole numbers from 1 at the bottom left.
  const int middle = image.pixels.side / 2;
  double starX = middle + 1 + settings.offsetXPixels;
  double starY = middle + 1 + settings.offsetYPixels;
  std::string spectrum = SpectrumName(settings.spectrum.kind);
  std::string channels = image.channels.channelNames;
  fits_update_key(file, TDOUBLE, "WAVEMIN", &waveMin, "shortest wavelength of the band [m]",
                  status);
  fits_update_key(file, TDOUBLE, "WAVEMAX", &waveMax, "longest wavelength of the band [m]", status);
  fits_update_key(file, TINT, "NWAVE", &waves, "wavelengths computed", status);
  fits_update_key(file, TSTRING, "SPECTRUM", spectrum.data(), "blackbody, flat or table", status);
  fits_update_key(file, TDOUBLE, "TEMP", &temperature, "blackbody temperature [K], 0 if none",
                  status);
  fits_update_key(file, TDOUBLE, "PIXSIZE", &pixelM, "pixel pitch [m]", status);
  fits_update_key(file, TDOUBLE, "PIXELSCL", &pixelArcsec, "pixel scale [arcsec/pixel]", status);
  fits_update_key(file, TDOUBLE, "FOCAL", &focalM, "focal length [m]", status);
  fits_update_key(file, TDOUBLE, "DIAM", &diameterM, "aperture diameter [m]", status);
  fits_update_key(file, TDOUBLE, "EXPOSURE", &exposure, "brightest pixel over full well", status);
  fits_update_key(file, TSTRING, "CHANNELS", channels.data(), "planes of NAXIS3", status);
  psf::WriteCreator(file, status);
  psf::WriteOffsetCoordinates(file, starX, starY, pixelArcsec, status);
}

// `planes` on the grid of `image`, whose band, channels and star the header states.
std::string PlanesFitsBytes(const ChannelPlanes& planes, const CameraImage& image,
                            const CameraSettings& settings, double exposure, const char* comment,
                            std::string& error) {
  const long axes[] = {planes.side, planes.side, planes.channelCount};
  return psf::FitsImageBytes(
      axes, FitsOrder(planes),
      [&](fitsfile* file, int* status) {
        WriteKeywords(file, image, settings, exposure, status);
        if (comment != nullptr) fits_write_comment(file, comment, status);
      },
      error);
}

}  // namespace

std::string CameraFitsBytes(const CameraImage& image, const CameraSettings& settings,
                            double exposure, std::string& error) {
  return PlanesFitsBytes(image.pixels, image, settings, exposure, nullptr, error);
}

std::string CameraChangeFitsBytes(const CameraImage& a, const ChannelPlanes& change,
                                  const CameraSettings& settings, double exposure,
                                  std::string& error) {
  return PlanesFitsBytes(change, a, settings, exposure,
                         "B - A: image B's light less image A's, pixel by pixel", error);
}

}  // namespace voka::camera
