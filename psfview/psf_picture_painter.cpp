// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/psf_picture_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "psfview/axis_ticks.h"

namespace voka::psfview {

namespace {

constexpr int kLeftMargin = 58;
constexpr int kBottomMargin = 40;
constexpr int kTopMargin = 10;
constexpr int kRightMargin = 86;
constexpr int kColourBarGap = 12;
constexpr int kColourBarWidth = 16;
constexpr int kTickLength = 5;
constexpr int kWantedTickIntervals = 6;

QString TickLabel(double value) {
  // Ticks are round, so a few significant digits show them exactly.
  return QString::number(value, 'g', 4);
}

void PaintAxes(QPainter& painter, const QRect& area, double half) {
  if (!(half > 0.0) || !std::isfinite(half)) return;
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  const QFontMetrics metrics = painter.fontMetrics();
  const double pixelsPerArcsec = area.width() / (2.0 * half);
  for (const double tick : RoundTicks(-half, half, kWantedTickIntervals)) {
    const int x = area.left() + static_cast<int>(std::lround((tick + half) * pixelsPerArcsec));
    const int y = area.bottom() - static_cast<int>(std::lround((tick + half) * pixelsPerArcsec));
    const QString label = TickLabel(tick);
    painter.drawLine(x, area.bottom(), x, area.bottom() + kTickLength);
    painter.drawText(x - metrics.horizontalAdvance(label) / 2,
                     area.bottom() + kTickLength + metrics.ascent() + 1, label);
    painter.drawLine(area.left() - kTickLength, y, area.left(), y);
    painter.drawText(area.left() - kTickLength - 3 - metrics.horizontalAdvance(label),
                     y + metrics.ascent() / 2 - 1, label);
  }
  const QString xTitle = QCoreApplication::translate("voka::psfview", "x (秒角)");
  painter.drawText(area.center().x() - metrics.horizontalAdvance(xTitle) / 2,
                   area.bottom() + kTickLength + 2 * metrics.height() + 2, xTitle);
  painter.save();
  painter.translate(metrics.ascent(), area.center().y());
  painter.rotate(-90);
  const QString yTitle = QCoreApplication::translate("voka::psfview", "y (秒角)");
  painter.drawText(-metrics.horizontalAdvance(yTitle) / 2, 0, yTitle);
  painter.restore();
}

void PaintColourBar(QPainter& painter, const QRect& area, const PsfPicture& picture,
                    const QColor& ink) {
  const std::vector<QRgb>& map = picture.colourMap;
  if (map.empty() || (picture.decades <= 0 && picture.barLabels.empty())) return;
  const QRect bar(area.right() + kColourBarGap, area.top(), kColourBarWidth, area.height());
  for (int row = 0; row < bar.height(); ++row) {
    // The top of the bar is the peak, the last colour of the map.
    const double fromTop = bar.height() > 1 ? row / (bar.height() - 1.0) : 0.0;
    const auto index = static_cast<std::size_t>(std::lround((1.0 - fromTop) * (map.size() - 1)));
    painter.setPen(QColor::fromRgb(map[index]));
    painter.drawLine(bar.left(), bar.top() + row, bar.right(), bar.top() + row);
  }
  painter.setPen(ink);
  painter.drawRect(bar.adjusted(0, 0, -1, -1));
  const QFontMetrics metrics = painter.fontMetrics();
  for (const BarLabel& label : picture.barLabels) {
    const int y = bar.top() + static_cast<int>(std::lround(label.fromTop * (bar.height() - 1)));
    painter.drawLine(bar.right(), y, bar.right() + kTickLength, y);
    painter.drawText(bar.right() + kTickLength + 3, y + metrics.ascent() / 2 - 1, label.text);
  }
  if (!picture.barLabels.empty()) return;
  for (int decade = 0; decade <= picture.decades; ++decade) {
    const int y = bar.top() + static_cast<int>(std::lround(static_cast<double>(decade) /
                                                           picture.decades * (bar.height() - 1)));
    painter.drawLine(bar.right(), y, bar.right() + kTickLength, y);
    const QString label = decade == 0 ? QStringLiteral("1") : QStringLiteral("1e-%1").arg(decade);
    painter.drawText(bar.right() + kTickLength + 3, y + metrics.ascent() / 2 - 1, label);
  }
}

}  // namespace

QSize PictureSizeFor(int imageSide) {
  return {imageSide + kLeftMargin + kRightMargin, imageSide + kTopMargin + kBottomMargin};
}

QRect PictureImageArea(const QSize& whole) {
  const int side = std::max(1, std::min(whole.width() - kLeftMargin - kRightMargin,
                                        whole.height() - kTopMargin - kBottomMargin));
  return {kLeftMargin, kTopMargin, side, side};
}

void PaintPsfPicture(QPainter& painter, const QSize& whole, const PsfPicture& picture,
                     const QColor& ink) {
  const QRect area = PictureImageArea(whole);
  painter.fillRect(area, Qt::black);
  if (picture.image.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(area, picture.image);
  painter.setPen(ink);
  PaintAxes(painter, area, picture.halfWidthArcsec);
  PaintColourBar(painter, area, picture, ink);
}

}  // namespace voka::psfview
