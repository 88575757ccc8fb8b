#include "app/psf_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/axis_ticks.h"

namespace voka {

namespace {

// Room around the image for the tick labels, the axis titles and the bar.
constexpr int kLeftMargin = 58;
constexpr int kBottomMargin = 40;
constexpr int kTopMargin = 10;
constexpr int kRightMargin = 86;
constexpr int kColourBarGap = 12;
constexpr int kColourBarWidth = 16;
constexpr int kTickLength = 5;
constexpr int kWantedTickIntervals = 6;
constexpr int kPreferredImageSide = 420;
constexpr int kSmallestImageSide = 160;

QString TickLabel(double value) {
  // Ticks are round, so a few significant digits show them exactly.
  return QString::number(value, 'g', 4);
}

}  // namespace

PsfView::PsfView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PsfView::Show(PsfPicture picture) {
  picture_ = std::move(picture);
  update();
}

void PsfView::Clear() {
  picture_ = PsfPicture();
  update();
}

QSize PsfView::sizeHint() const {
  return {kPreferredImageSide + kLeftMargin + kRightMargin,
          kPreferredImageSide + kTopMargin + kBottomMargin};
}

QSize PsfView::minimumSizeHint() const {
  return {kSmallestImageSide + kLeftMargin + kRightMargin,
          kSmallestImageSide + kTopMargin + kBottomMargin};
}

// The largest square that fits beside the margins, so that an arcsecond is
// as long across as up.
QRect PsfView::ImageArea() const {
  const int side = std::max(
      1, std::min(width() - kLeftMargin - kRightMargin, height() - kTopMargin - kBottomMargin));
  return {kLeftMargin, kTopMargin, side, side};
}

void PsfView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QRect area = ImageArea();
  painter.fillRect(area, Qt::black);
  if (picture_.image.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(area, picture_.image);
  PaintAxes(painter, area);
  PaintColourBar(painter, area);
}

void PsfView::PaintAxes(QPainter& painter, const QRect& area) const {
  const double half = picture_.halfWidthArcsec;
  if (!(half > 0.0) || !std::isfinite(half)) return;
  painter.setPen(palette().color(QPalette::WindowText));
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
  const QString xTitle = QStringLiteral("x (秒角)");
  painter.drawText(area.center().x() - metrics.horizontalAdvance(xTitle) / 2,
                   area.bottom() + kTickLength + 2 * metrics.height() + 2, xTitle);
  painter.save();
  painter.translate(metrics.ascent(), area.center().y());
  painter.rotate(-90);
  const QString yTitle = QStringLiteral("y (秒角)");
  painter.drawText(-metrics.horizontalAdvance(yTitle) / 2, 0, yTitle);
  painter.restore();
}

void PsfView::PaintColourBar(QPainter& painter, const QRect& area) const {
  const std::vector<QRgb>& map = picture_.colourMap;
  if (map.empty() || picture_.decades <= 0) return;
  const QRect bar(area.right() + kColourBarGap, area.top(), kColourBarWidth, area.height());
  for (int row = 0; row < bar.height(); ++row) {
    // The top of the bar is the peak, the last colour of the map.
    const double fromTop = bar.height() > 1 ? row / (bar.height() - 1.0) : 0.0;
    const auto index = static_cast<std::size_t>(std::lround((1.0 - fromTop) * (map.size() - 1)));
    painter.setPen(QColor::fromRgb(map[index]));
    painter.drawLine(bar.left(), bar.top() + row, bar.right(), bar.top() + row);
  }
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(bar.adjusted(0, 0, -1, -1));
  const QFontMetrics metrics = painter.fontMetrics();
  for (int decade = 0; decade <= picture_.decades; ++decade) {
    const int y = bar.top() + static_cast<int>(std::lround(static_cast<double>(decade) /
                                                           picture_.decades * (bar.height() - 1)));
    painter.drawLine(bar.right(), y, bar.right() + kTickLength, y);
    const QString label = decade == 0 ? QStringLiteral("1") : QStringLiteral("1e-%1").arg(decade);
    painter.drawText(bar.right() + kTickLength + 3, y + metrics.ascent() / 2 - 1, label);
  }
}

}  // namespace voka
