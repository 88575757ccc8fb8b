// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/comparison_json.h"

#include "psf/result_record.h"
#include "studies/numbers_json.h"
#include "studies/record_delta.h"

namespace voka::studies {

std::string ComparisonJson(const psf::PsfAnalysis& a, const psf::PsfAnalysis& b) {
  QJsonObject object;
  object["a"] = NumbersJsonObject(a);
  object["b"] = NumbersJsonObject(b);
  object["delta"] = RecordJsonObject(RecordDelta(psf::ResultRecord(a), psf::ResultRecord(b)));
  return IndentedJson(object);
}

}  // namespace voka::studies
