// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>
#include <QPointF>
#include <QString>
#include <vector>

class QValueAxis;

namespace voka {

// One curve of a chart; a reference curve is drawn dashed.
struct NamedCurve {
  QString name;
  std::vector<QPointF> points;
  bool reference = false;
};

// A line chart with fixed axis titles and ranges whose curves are replaced
// whole, so that the series never show a mix of two computations.
class CurveChart : public QChartView {
  Q_OBJECT

 public:
  CurveChart(const QString& title, const QString& xTitle, const QString& yTitle,
             QWidget* parent = nullptr);

  void SetCurves(const std::vector<NamedCurve>& curves, double xMaximum, double yMaximum);
  // The number of curves shown.
  int CurveCount() const;

 private:
  QValueAxis* xAxis_;
  QValueAxis* yAxis_;
};

}  // namespace voka
