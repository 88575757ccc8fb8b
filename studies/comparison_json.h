// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <string>

#include "camera/camera_numbers.h"
#include "psf/psf_analysis.h"

namespace voka::studies {

// {"a": {…}, "b": {…}, "delta": {…}} as indented text: a and b are what
// --psf --json writes for each star image, delta holds b − a for every
// number both records hold (RecordDelta).
std::string ComparisonJson(const psf::PsfAnalysis& a, const psf::PsfAnalysis& b);

// The same for two camera images: a and b are what --camera --json writes
// for each, delta has their keys with b − a, the brightest-pixel fraction
// channel by channel.
std::string CameraComparisonJson(const camera::CameraNumbers& a, const camera::CameraNumbers& b);

// {"a": a, "b": b, "delta": delta} as indented text.
std::string ComparisonJson(const QJsonObject& a, const QJsonObject& b, const QJsonObject& delta);

}  // namespace voka::studies
