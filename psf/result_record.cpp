// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/result_record.h"

#include <cassert>
#include <limits>

namespace voka::psf {

std::vector<Quantity> ResultRecord(const PsfAnalysis& analysis) {
  const StarImage& image = analysis.image;
  const ImageScale& scale = image.scale;
  const PsfNumbers& numbers = analysis.numbers;
  using enum QuantityUnit;
  using enum QuantityGroup;
  using enum QuantityId;
  std::vector<Quantity> record{
      {kWavelength, "wavelength_nm", "波長", kNanometres, kCondition, image.settings.wavelengthNm},
      {kAperture, "aperture_mm", "口径", kMillimetres, kCondition,
       image.settings.apertureDiameterMm},
      {kFocalLength, "focal_length_mm", "焦点距離", kMillimetres, kCondition,
       image.settings.focalLengthMm},
      {kPupilSide, "n", "瞳の一辺 N", kPixels, kCondition, static_cast<double>(image.pupilSide)},
      {kPadFactor, "pad", "拡大率 Q", kFactor, kCondition, static_cast<double>(image.padFactor)},
      {kPaddedSide, "padded_side", "格子の一辺 N × Q", kPixels, kScale,
       static_cast<double>(image.paddedSide)},
      {kLambdaOverDSky, "lambda_over_d_arcsec", "λ/D (空)", kArcsec, kScale,
       scale.lambdaOverDArcsec},
      {kLambdaOverDFocus, "lambda_over_d_um", "λ/D (焦点)", kMicrometres, kScale,
       scale.lambdaOverDMicrometres},
      {kPixelScaleSky, "pixel_scale_arcsec", "画素スケール (空)", kArcsecPerPixel, kScale,
       scale.pixelArcsec},
      {kPixelScaleFocus, "pixel_scale_um", "画素スケール (焦点)", kMicrometresPerPixel, kScale,
       scale.pixelMicrometres},
      {kAiryRadiusSky, "airy_radius_arcsec", "エアリー半径 1.22 λ/D (空)", kArcsec, kScale,
       scale.airyRadiusArcsec},
      {kAiryRadiusFocus, "airy_radius_um", "エアリー半径 1.22 λ/D (焦点)", kMicrometres, kScale,
       scale.airyRadiusMicrometres},
      {kPeakRatio, "peak_ratio", "ピーク比 (無遮蔽開口比)", kRatio, kNumber, numbers.peakRatio},
      {kEncircledEnergy1_22, "ee_1_22", "包囲エネルギー 1.22 λ/D", kFraction, kNumber,
       numbers.encircledEnergyAt1_22},
      {kEncircledEnergy2_23, "ee_2_23", "包囲エネルギー 2.23 λ/D", kFraction, kNumber,
       numbers.encircledEnergyAt2_23},
      {kEncircledEnergy5, "ee_5", "包囲エネルギー 5 λ/D", kFraction, kNumber,
       numbers.encircledEnergyAt5},
      {kSpikeFraction, "spike_fraction", "スパイクの光量", kFraction, kNumber,
       numbers.spikeFraction},
  };
  // A perfect wavefront has neither, and its files and lines stay as they
  // were.
  if (analysis.strehlRatio)
    record.push_back({kStrehl, "strehl", "ストレール比", kRatio, kNumber, *analysis.strehlRatio});
  if (analysis.wavefrontRmsNm)
    record.push_back({kWavefrontRms, "wavefront_rms_nm", "波面誤差 RMS", kNanometres, kNumber,
                      *analysis.wavefrontRmsNm});
  return record;
}

double ValueOf(const std::vector<Quantity>& record, std::string_view key) {
  for (const Quantity& quantity : record) {
    if (quantity.key == key) return quantity.value;
  }
  assert(!"a key ResultRecord makes");
  return std::numeric_limits<double>::quiet_NaN();
}

std::string_view UnitSymbol(QuantityUnit unit) {
  switch (unit) {
    case QuantityUnit::kPixels:
      return "画素";
    case QuantityUnit::kFactor:
      return "倍";
    case QuantityUnit::kNanometres:
      return "nm";
    case QuantityUnit::kMillimetres:
      return "mm";
    case QuantityUnit::kArcsec:
      return "秒角";
    case QuantityUnit::kMicrometres:
      return "µm";
    case QuantityUnit::kArcsecPerPixel:
      return "秒角/画素";
    case QuantityUnit::kMicrometresPerPixel:
      return "µm/画素";
    case QuantityUnit::kRatio:
    case QuantityUnit::kFraction:
      break;
  }
  return "";
}

}  // namespace voka::psf
