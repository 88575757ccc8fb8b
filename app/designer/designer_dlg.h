// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "app/common/latest_only_runner.h"
#include "pupils/pupil_design.h"

class QComboBox;
class QDoubleSpinBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;

namespace voka {
class WavefrontPanel;
}

namespace voka {

// The pupil designer: aperture, obstruction and vanes set by value, a preview
// that follows every change, design files, pupil bitmaps, and the command
// that hands the pupil to the main dialog.
class CDesignerDlg : public QDialog {
  Q_OBJECT

 public:
  // Asks for a file to open or save (filter as for QFileDialog); empty when
  // the user cancelled.
  using FileChooser = std::function<QString(const QString& filter)>;
  using MessageSink = std::function<void(const QString& text)>;

  explicit CDesignerDlg(QWidget* parent = nullptr);

  const pupils::PupilDesign& Design() const { return design_; }
  // Shows a design (valid or not) in the controls and the preview, and
  // tells the listeners once if it can be drawn.
  void SetDesign(const pupils::PupilDesign& design);
  // Shows a preset as SetDesign does, selected in the list of presets.
  void ApplyPreset(int index);

  void OnOpenDesign();
  void OnSaveDesign();
  // Asks for a file and starts writing the bitmap on the saver's thread;
  // IsSaving turns false when it is written or refused.
  void OnSavePupil();
  bool IsSaving() const;
  // Stops a bitmap being saved; the file is left as it was.
  void CancelSave();
  void OnUsePupil();

  // More commands (a star-image window) go into the row of buttons.
  void AddCommandButton(QPushButton* button);

  // Tests replace these to drive the dialog without a person.
  FileChooser chooseOpenFile;
  FileChooser chooseSaveFile;
  MessageSink tellUser;

 signals:
  // Once after every change that leaves a design that can be drawn: each
  // listener (the star-image window) computes once per change.
  void DesignChanged(const voka::pupils::PupilDesign& design);
  // 「この瞳を使う」: the main dialog takes this design as its pupil.
  void UsePupil(const voka::pupils::PupilDesign& design);

 private:
  void BuildControls();
  QHBoxLayout* BuildCommandRow();
  void ConnectControls();
  void ReadControls();
  void ShowVane(int index);
  void RefreshVaneList();
  void AddVane();
  void RemoveVane();
  void Changed();
  void ShowPreview();
  void ShowSaving(bool saving);
  void OnTermEdited(int nollIndex, double rmsNm);

  pupils::PupilDesign design_;
  std::vector<double> previewFractions_;
  bool showing_ = false;  // controls being set from the design, not by the user

  QComboBox* presets_ = nullptr;
  QDoubleSpinBox* aperture_ = nullptr;
  QDoubleSpinBox* obstruction_ = nullptr;
  QDoubleSpinBox* obstructionX_ = nullptr;
  QDoubleSpinBox* obstructionY_ = nullptr;
  QListWidget* vanes_ = nullptr;
  QPushButton* addVane_ = nullptr;
  QPushButton* removeVane_ = nullptr;
  QComboBox* shape_ = nullptr;
  QDoubleSpinBox* angle_ = nullptr;
  QSlider* angleSlider_ = nullptr;
  QDoubleSpinBox* width_ = nullptr;
  QDoubleSpinBox* offset_ = nullptr;
  QDoubleSpinBox* radius_ = nullptr;
  QSpinBox* bitmapSide_ = nullptr;
  QLabel* preview_ = nullptr;
  QLabel* problem_ = nullptr;
  WavefrontPanel* wavefront_ = nullptr;
  QPushButton* use_ = nullptr;
  QPushButton* savePupil_ = nullptr;
  QPushButton* saveDesign_ = nullptr;
  QHBoxLayout* commands_ = nullptr;
  QProgressBar* saveProgress_ = nullptr;
  QPushButton* cancelSave_ = nullptr;
  LatestOnlyRunner saver_;
};

}  // namespace voka
