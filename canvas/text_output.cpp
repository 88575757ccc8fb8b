// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/canvas_font.h"

namespace voka {

namespace {

QRgb ToQRgb(ColourValue colour) {
  return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColourValue FromQRgb(QRgb rgb) {
  return Rgb(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
             static_cast<std::uint8_t>(qBlue(rgb)));
}

// Renders the text on its own small image, cells filled with the background,
// glyphs in the text colour. Without a GUI application there is no font
// database; the cells are then left unpainted rather than crash.
QImage RenderText(const QString& text, ColourValue textColour, ColourValue background) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr || text.isEmpty())
    return {};
  const QFont font = CanvasFont();
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text);
  const int height = metrics.height();
  if (width <= 0 || height <= 0) return {};
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQRgb(background));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(font);
  painter.setPen(QColor(ToQRgb(textColour)));
  painter.drawText(0, metrics.ascent(), text);
  return image;
}

}  // namespace

void Canvas::TextOutput(int x, int y, std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QImage image = RenderText(text, textColour_, textBackground_);
  for (int row = 0; row < image.height(); ++row) {
    // 64-bit positions: a caption placed near the end of the int range is
    // clipped, not wrapped around.
    const std::int64_t canvasY = std::int64_t{y} + row;
    if (canvasY < 0 || canvasY >= kSize) continue;
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
    for (int column = 0; column < image.width(); ++column) {
      const std::int64_t canvasX = std::int64_t{x} + column;
      if (canvasX < 0 || canvasX >= kSize) continue;
      SetPixel(static_cast<int>(canvasX), static_cast<int>(canvasY), FromQRgb(line[column]));
    }
  }
}

}  // namespace voka
