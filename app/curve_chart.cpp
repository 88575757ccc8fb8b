#include "app/curve_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace voka {

namespace {

constexpr int kChartMinimumWidth = 300;
constexpr int kChartMinimumHeight = 220;

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

void CurveChart::SetXTitle(const QString& xTitle) {
  xAxis_->setTitleText(xTitle);
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
  xAxis_->setRange(0.0, xMaximum);
  yAxis_->setRange(0.0, yMaximum);
}

int CurveChart::CurveCount() const {
  return static_cast<int>(chart()->series().size());
}

}  // namespace voka
