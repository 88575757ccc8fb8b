// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a person can read in a window, gathered from every widget, so that a
// test can say no Japanese is left in an English window. A window added to
// the program is checked by one more call of ExpectNoJapanese(window).

#include <QString>
#include <QStringList>

class QWidget;

namespace voka::test {

// Kana (half-width too), CJK ideographs, their punctuation and the full-width
// forms: what an English window must not show.
bool HasJapanese(const QString& text);

// Every text of the window and its children, each prefixed by the object
// name of its widget: titles, tooltips, status tips, labels, buttons, box
// prefixes and suffixes, list and combo items, every table cell and header,
// the actions' texts, and each chart's title, axis titles and legend names.
QStringList ShownTexts(QWidget& window);

// One failure for each of the texts that holds Japanese.
void ExpectNoJapanese(const QStringList& texts);
void ExpectNoJapanese(QWidget& window);

}  // namespace voka::test
