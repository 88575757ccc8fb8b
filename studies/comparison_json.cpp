// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/comparison_json.h"

#include <QByteArray>
#include <QJsonDocument>

#include "camera/camera_change.h"
#include "psf/result_record.h"
#include "studies/numbers_json.h"
#include "studies/record_delta.h"

namespace voka::studies {

namespace {

QJsonObject CameraNumbersObject(const camera::CameraNumbers& numbers) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(camera::CameraNumbersJson(numbers)))
      .object();
}

}  // namespace

std::string ComparisonJson(const QJsonObject& a, const QJsonObject& b, const QJsonObject& delta) {
  QJsonObject object;
  object["a"] = a;
  object["b"] = b;
  object["delta"] = delta;
  return IndentedJson(object);
}

std::string ComparisonJson(const psf::PsfAnalysis& a, const psf::PsfAnalysis& b) {
  return ComparisonJson(NumbersJsonObject(a), NumbersJsonObject(b),
                        RecordJsonObject(RecordDelta(psf::ResultRecord(a), psf::ResultRecord(b))));
}

std::string CameraComparisonJson(const camera::CameraNumbers& a, const camera::CameraNumbers& b) {
  return ComparisonJson(CameraNumbersObject(a), CameraNumbersObject(b),
                        CameraNumbersObject(camera::CameraNumbersChange(a, b)));
}

}  // namespace voka::studies
