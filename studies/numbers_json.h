// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <string>
#include <vector>

#include "psf/psf_analysis.h"
#include "psf/result_record.h"

namespace voka::studies {

// The record's quantities as JSON members, counts (pixels, factors) as
// integers: "n": 128, not 128.0.
QJsonObject RecordJsonObject(const std::vector<psf::Quantity>& record);

// The star image's result record and its encircled-energy curve as one JSON
// object: what --psf --json writes.
QJsonObject NumbersJsonObject(const psf::PsfAnalysis& analysis);

// NumbersJsonObject as indented text, the bytes of --psf --json.
std::string NumbersJson(const psf::PsfAnalysis& analysis);

// An object as indented JSON text.
std::string IndentedJson(const QJsonObject& object);

}  // namespace voka::studies
