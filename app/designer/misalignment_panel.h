// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <functional>

#include "pupils/pupil_design.h"

class QDoubleSpinBox;
class QSpinBox;

namespace voka {

// The errors a spider is diagnosed by, applied to the design in one click:
// one vane turned by δ, one vane moved sideways by s, the whole spider off
// the axis by (dx, dy).
class MisalignmentPanel : public QGroupBox {
  Q_OBJECT

 public:
  using DesignSource = std::function<pupils::PupilDesign()>;
  using DesignSink = std::function<void(const pupils::PupilDesign&)>;

  MisalignmentPanel(DesignSource current, DesignSink apply, QWidget* parent = nullptr);

 private:
  DesignSource current_;
  DesignSink apply_;
  QSpinBox* vane_ = nullptr;
  QDoubleSpinBox* turnDeg_ = nullptr;
  QDoubleSpinBox* shiftMm_ = nullptr;
  QDoubleSpinBox* offsetXMm_ = nullptr;
  QDoubleSpinBox* offsetYMm_ = nullptr;
};

}  // namespace voka
