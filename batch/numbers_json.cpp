#include "batch/numbers_json.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace voka {

namespace {

// Keys that only this program's numbers carry together.
constexpr const char* kRecognisingKeys[] = {"peak_ratio", "spike_fraction", "encircled_energy"};

}  // namespace

std::string NumbersJson(const psf::PsfAnalysis& analysis) {
  const psf::PsfNumbers& numbers = analysis.numbers;
  QJsonArray curve;
  for (const psf::EncircledEnergyPoint& point : numbers.encircledEnergy) {
    curve.append(QJsonArray{point.radiusLambdaOverD, point.fraction});
  }
  QJsonObject object;
  object["peak_ratio"] = numbers.peakRatio;
  object["encircled_energy"] = curve;
  object["ee_1_22"] = numbers.encircledEnergyAt1_22;
  object["ee_2_23"] = numbers.encircledEnergyAt2_23;
  object["ee_5"] = numbers.encircledEnergyAt5;
  object["spike_fraction"] = numbers.spikeFraction;
  object["pixel_scale_arcsec"] = analysis.image.scale.pixelArcsec;
  object["airy_radius_arcsec"] = analysis.image.scale.airyRadiusArcsec;
  object["n"] = analysis.image.pupilSide;
  object["pad"] = analysis.image.padFactor;
  object["wavelength_nm"] = analysis.image.settings.wavelengthNm;
  object["aperture_mm"] = analysis.image.settings.apertureDiameterMm;
  object["focal_length_mm"] = analysis.image.settings.focalLengthMm;
  const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool IsNumbersJson(std::string_view bytes) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
  const QJsonObject object = document.object();
  for (const char* key : kRecognisingKeys) {
    if (!object.contains(QLatin1String(key))) return false;
  }
  return true;
}

}  // namespace voka
