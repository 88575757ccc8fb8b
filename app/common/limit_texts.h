// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table of limits words its rows in Japanese and stays free of Qt;
// these are its texts in the language chosen, for the windows and the
// headless program alike. In Japanese each is the table's own text, byte
// for byte.

#include <QString>

#include "limits/limits.h"
#include "limits/refusal.h"

namespace voka {

QString LimitName(const limits::Limit& limit);  // "波長" / "wavelength"
QString LimitUnit(const limits::Limit& limit);  // "ピクセル" / "pixels"
QString LimitHelp(const limits::Limit& limit);  // the help line
// "16〜8192 ピクセル" / "16 to 8192 pixels"
QString LimitRangeText(const limits::Limit& limit);
// Which number, the accepted range with its unit, and the value given.
QString LimitRefusalText(const limits::Refusal& refusal);

}  // namespace voka
