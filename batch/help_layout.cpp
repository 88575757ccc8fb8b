// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/help_layout.h"

#include <QStringList>
#include <algorithm>

namespace voka {

namespace {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

// Japanese line breaking (JIS X 4051) keeps these off the start of a line.
bool ClosesAPhrase(char32_t c) {
  return QStringView(u"、。，．）」』】〕・ー").contains(QChar(static_cast<char16_t>(c)));
}

// The longest head of `text` that fits `columns`, broken where a line may break.
qsizetype BreakAt(const QString& text, int columns) {
  int used = 0;
  qsizetype lastSpace = -1;
  qsizetype lastWideBreak = -1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char32_t c = text.at(i).unicode();
    used += IsWide(c) ? 2 : 1;
    if (used > columns) {
      const qsizetype latest = std::max(lastSpace, lastWideBreak);
      return latest > 0 ? latest : i;
    }
    if (c == u' ') lastSpace = i;
    const bool nextCloses = i + 1 < text.size() && ClosesAPhrase(text.at(i + 1).unicode());
    if (IsWide(c) && !nextCloses) lastWideBreak = i + 1;
    if (i + 1 < text.size() && IsWide(text.at(i + 1).unicode()) && !nextCloses && c != u' ')
      lastWideBreak = std::max(lastWideBreak, i + 1);
  }
  return text.size();
}

}  // namespace

int DisplayWidth(const QString& text) {
  int width = 0;
  for (const QChar c : text) width += IsWide(c.unicode()) ? 2 : 1;
  return width;
}

QString HelpEntry(const QString& usage, const QString& help, int helpColumn, int width) {
  QString entry = QStringLiteral("  ") + usage;
  const QString indent(helpColumn, QLatin1Char(' '));
  const int usageWidth = DisplayWidth(entry);
  if (usageWidth + 1 > helpColumn) {
    entry += QLatin1Char('\n') + indent;
  } else {
    entry += QString(helpColumn - usageWidth, QLatin1Char(' '));
  }
  QString rest = help;
  while (true) {
    const qsizetype cut = BreakAt(rest, width - helpColumn);
    entry += rest.left(cut);
    rest = rest.mid(cut).trimmed();
    if (rest.isEmpty()) break;
    entry += QLatin1Char('\n') + indent;
  }
  return entry + QLatin1Char('\n');
}

QString WrappedParagraphs(const QString& text, int width) {
  QString wrapped;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (qsizetype index = 0; index < lines.size(); ++index) {
    const QString& line = lines.at(index);
    qsizetype lead = 0;
    while (lead < line.size() && line.at(lead) == QLatin1Char(' ')) ++lead;
    const QString indent(lead, QLatin1Char(' '));
    QString rest = line.mid(lead);
    wrapped += indent;
    while (DisplayWidth(rest) > width - lead) {
      const qsizetype cut = BreakAt(rest, static_cast<int>(width - lead));
      wrapped += rest.left(cut) + QLatin1Char('\n') + indent;
      rest = rest.mid(cut).trimmed();
    }
    wrapped += rest;
    if (index + 1 < lines.size()) wrapped += QLatin1Char('\n');
  }
  return wrapped;
}

}  // namespace voka
