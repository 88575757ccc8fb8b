// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas_font.h"

#include <QStringList>

namespace voka {

namespace {
// Matches the height of the dialog's system font in the window this was
// designed for; the band leaves 20 rows above the pictures.
constexpr int kCaptionPixelSize = 12;
}  // namespace

QFont CanvasFont() {
  QFont font;
  // The first face present wins: the IPA faces on Linux, then the platform
  // faces of Windows and macOS.
  font.setFamilies(QStringList{"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "MS PGothic",
                               "MS Gothic", "Yu Gothic", "Hiragino Kaku Gothic ProN",
                               "Hiragino Sans"});
  font.setPixelSize(kCaptionPixelSize);
  font.setStyleStrategy(
      QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias | QFont::PreferMatch));
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace voka
