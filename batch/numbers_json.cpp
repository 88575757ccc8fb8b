// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/numbers_json.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iterator>
#include <vector>

#include "psf/result_record.h"

namespace voka {

namespace {

// Keys that only this program's numbers carry together: a star image's, a
// camera image's, and a comparison's.
const std::vector<std::vector<const char*>>& RecognisingKeys() {
  static const std::vector<std::vector<const char*>> kKeys{
      {"peak_ratio", "spike_fraction", "encircled_energy"},
      {"peak_fraction", "ee_1px", "sampling_q", "subsampling"},
      {"a", "b", "delta"},
  };
  return kKeys;
}

}  // namespace

std::string NumbersJson(const psf::PsfAnalysis& analysis) {
  const psf::PsfNumbers& numbers = analysis.numbers;
  QJsonArray curve;
  for (const psf::EncircledEnergyPoint& point : numbers.encircledEnergy) {
    curve.append(QJsonArray{point.radiusLambdaOverD, point.fraction});
  }
  QJsonObject object;
  for (const psf::Quantity& quantity : psf::ResultRecord(analysis)) {
    const QString key = QString::fromUtf8(quantity.key.data(), std::ssize(quantity.key));
    // Counts are written as integers: "n": 128, not 128.0.
    const bool count =
        quantity.unit == psf::QuantityUnit::kPixels || quantity.unit == psf::QuantityUnit::kFactor;
    object[key] = count ? QJsonValue(static_cast<qint64>(quantity.value)) : quantity.value;
  }
  object["encircled_energy"] = curve;
  const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool IsNumbersJson(std::string_view bytes) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
  const QJsonObject object = document.object();
  for (const std::vector<const char*>& keys : RecognisingKeys()) {
    bool all = true;
    for (const char* key : keys) all = all && object.contains(QLatin1String(key));
    if (all) return true;
  }
  return false;
}

}  // namespace voka
