// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QString>
#include <map>

#include "app/common/latest_only_runner.h"
#include "pupils/pupil_design.h"

class QGridLayout;
class QLabel;
class QSlider;
class QSpinBox;

namespace voka {

// The designer's aberration sliders, in nm RMS: defocus, astigmatism (0° and
// 45°), coma (x and y), trefoil (two) and spherical, Noll's j = 4 to 11. Beside
// them the RMS of the whole wavefront over the design's open pupil and its
// Strehl ratio, measured on the panel's own thread.
class WavefrontPanel : public QGroupBox {
  Q_OBJECT

 public:
  // The wavelength the Strehl ratio is measured at (the design has none).
  static constexpr double kStrehlWavelengthNm = limits::WavelengthNm().defaultValue;
  // The pupil side it is measured on: fine enough for the sliders' largest
  // defocus (8 samples per wave PV), quick enough for every slider step.
  static constexpr int kMeasureSidePixels = 128;

  explicit WavefrontPanel(QWidget* parent = nullptr);

  // Sets the sliders from the design's terms without telling anyone.
  void ShowTerms(const wavefront::WavefrontTerms& terms);
  // Measures the design's RMS and Strehl on the panel's thread; the labels
  // follow when it ends.
  void Measure(const pupils::PupilDesign& design);
  bool IsMeasuring() const { return measurer_.IsBusy(); }

 signals:
  // Once per edit of a slider or its box: the term and its new value.
  void TermEdited(int nollIndex, double rmsNm);

 private:
  void AddTerm(int nollIndex, const QString& name, QGridLayout* grid, int row);
  void ShowMeasure(double rmsNm, double strehl);

  std::map<int, QSlider*> sliders_;
  std::map<int, QSpinBox*> boxes_;
  QLabel* rms_ = nullptr;
  QLabel* strehl_ = nullptr;
  LatestOnlyRunner measurer_;
};

// The design's wavefront with one term set; a term set to 0 is removed, so
// that a design brought back to perfect optics is saved as version 1.
wavefront::WavefrontTerms WithTerm(wavefront::WavefrontTerms terms, int nollIndex, double rmsNm);

}  // namespace voka
