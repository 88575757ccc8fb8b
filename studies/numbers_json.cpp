// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/numbers_json.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <iterator>

namespace voka::studies {

QJsonObject RecordJsonObject(const std::vector<psf::Quantity>& record) {
  QJsonObject object;
  for (const psf::Quantity& quantity : record) {
    const QString key = QString::fromUtf8(quantity.key.data(), std::ssize(quantity.key));
    const bool count =
        quantity.unit == psf::QuantityUnit::kPixels || quantity.unit == psf::QuantityUnit::kFactor;
    object[key] = count ? QJsonValue(static_cast<qint64>(quantity.value)) : quantity.value;
  }
  return object;
}

QJsonObject NumbersJsonObject(const psf::PsfAnalysis& analysis) {
  QJsonArray curve;
  for (const psf::EncircledEnergyPoint& point : analysis.numbers.encircledEnergy) {
    curve.append(QJsonArray{point.radiusLambdaOverD, point.fraction});
  }
  QJsonObject object = RecordJsonObject(psf::ResultRecord(analysis));
  object["encircled_energy"] = curve;
  return object;
}

std::string NumbersJson(const psf::PsfAnalysis& analysis) {
  return IndentedJson(NumbersJsonObject(analysis));
}

std::string IndentedJson(const QJsonObject& object) {
  const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace voka::studies
