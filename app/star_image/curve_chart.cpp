// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/curve_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "psfview/axis_ticks.h"

namespace voka {

namespace {

constexpr int kChartMinimumWidth = 300;
constexpr int kChartMinimumHeight = 220;
constexpr int kWantedTickIntervals = 5;

// The axis from 0 to its maximum with ticks at round values (0, 5, 10 ...
// rather than 6.25, 12.5 ...), the last one where the data end.
void SetRoundTicks(QValueAxis* axis, double maximum) {
  axis->setRange(0.0, maximum);
  const std::vector<double> ticks = psfview::RoundTicks(0.0, maximum, kWantedTickIntervals);
  if (ticks.size() < 2) return;
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0.0);
  axis->setTickInterval(ticks[1] - ticks[0]);
  axis->setLabelFormat(QStringLiteral("%g"));
}

}  // namespace

CurveChart::CurveChart(const QString& title, const QString& xTitle, const QString& yTitle,
                       QWidget* parent)
    : QChartView(new QChart(), parent), xAxis_(new QValueAxis()), yAxis_(new QValueAxis()) {
  chart()->setTitle(title);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  xAxis_->setTitleText(xTitle);
  yAxis_->setTitleText(yTitle);
  chart()->addAxis(xAxis_, Qt::AlignBottom);
  chart()->addAxis(yAxis_, Qt::AlignLeft);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);
}

void CurveChart::SetCurves(const std::vector<NamedCurve>& curves, double xMaximum,
                           double yMaximum) {
  chart()->removeAllSeries();
  for (const NamedCurve& curve : curves) {
    auto* series = new QLineSeries();
    series->setName(curve.name);
    series->replace(QList<QPointF>(curve.points.begin(), curve.points.end()));
    chart()->addSeries(series);
    series->attachAxis(xAxis_);
    series->attachAxis(yAxis_);
    if (curve.reference) {
      QPen pen = series->pen();
      pen.setStyle(Qt::DashLine);
      pen.setColor(Qt::gray);
      series->setPen(pen);
    }
  }
  SetRoundTicks(xAxis_, xMaximum);
  SetRoundTicks(yAxis_, yMaximum);
}

int CurveChart::CurveCount() const {
  return static_cast<int>(chart()->series().size());
}

}  // namespace voka
