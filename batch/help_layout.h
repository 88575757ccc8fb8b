// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help text's columns as a terminal shows them: a Japanese character
// takes two columns, and a line of either language wraps under its column.

#include <QString>

namespace voka {

// The columns a terminal gives the text: two for each wide character
// (East Asian Wide and Fullwidth, Unicode UAX #11), one for any other.
int DisplayWidth(const QString& text);

// "  usage    help…" with the help starting at helpColumn (on the next line
// when the usage reaches it) and wrapped to `width` columns, each wrapped
// line starting at helpColumn too. English wraps at spaces; Japanese may
// wrap between any two characters, but never before its closing marks.
QString HelpEntry(const QString& usage, const QString& help, int helpColumn, int width);

// Each line of `text` wrapped to `width` columns; a wrapped line goes on
// under the first character of its line.
QString WrappedParagraphs(const QString& text, int width);

}  // namespace voka
