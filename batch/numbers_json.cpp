// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/numbers_json.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iterator>
#include <vector>

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
