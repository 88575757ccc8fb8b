// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "app/common/language.h"
#include "app/common/latest_only_runner.h"
#include "canvas/canvas.h"
#include "dib/dib_handle.h"

class QProgressBar;

namespace voka::pupils {
struct PupilDesign;
}

namespace Ui {
class IDD_MAIN;
}

namespace voka {

class CCameraViewDlg;
class CDesignerDlg;
class CStarImageDlg;
struct PupilFileRead;
struct AnalysisResult;

// The main window: five command buttons, the progress bar and the view of
// the canvas. Every command but opening a file runs to completion on the
// user-interface thread and ends by repainting, so its drawing is on screen
// before it returns; a file is read on a thread of its own, since a large
// bitmap would hold the window for seconds.
class CVokaDlg : public QDialog {
  Q_OBJECT

 public:
  // Asks the user for a pupil file, starting in the given folder with the
  // given name pattern; an empty result means the user cancelled.
  using FileChooser = std::function<QString(const QString& initialPath)>;
  // Shows a message to the user (a modal message box by default).
  using MessageSink = std::function<void(const QString& text)>;

  explicit CVokaDlg(QWidget* parent = nullptr);
  ~CVokaDlg() override;

  // Asks for a file and starts reading it; the pupil changes when the read
  // ends (IsOpening turns false).
  void OnOpenImage();
  bool IsOpening() const;
  void OnFft();
  void OnRayTrace();
  // Opens the pupil designer (one window, kept while the dialog lives).
  void OnDesign();
  // Takes a designed pupil as if its 512x512 bitmap had been opened.
  void OnUseDesign(const pupils::PupilDesign& design);
  CDesignerDlg* Designer() const { return designer_; }
  // Opens the star-image window (or raises it) on the open pupil.
  void OnStarImage();
  // The designer's 「星像...」: the star image of the design, following every
  // change made in the designer until a bitmap is shown there again.
  void OnDesignStarImage();
  // The star-image window once opened; null before.
  CStarImageDlg* StarImageWindow() const;
  // Opens the camera-image window (or raises it) on the open pupil.
  void OnCamera();
  // The designer's 「カメラ像」: the camera image of the design, following
  // every change made in the designer until a bitmap is shown there again.
  void OnDesignCamera();
  // The camera-image window once opened; null before.
  CCameraViewDlg* CameraWindow() const;
  // Handles the commands of the system menu; true when it was the About item.
  bool OnSysCommand(int id, qintptr parameter);
  // Shows the canvas region in the view now, not at the next event.
  void OnPaint();
  // The context menu's language: applied at once to every window, and
  // remembered for the next start.
  void ChooseLanguage(Language language);

  Canvas& canvas() { return canvas_; }
  // The open pupil image; null until one has been opened, and after a refusal.
  const DibHandle& CurrentDib() const { return currentDib_; }
  // The summed brightness of the last sampled pupil.
  double PupilSum() const { return pupilSum_; }
  QProgressBar* m_progress = nullptr;
  QIcon m_hIcon;

  // Tests replace these to drive the dialog without a person.
  FileChooser chooseFile;
  MessageSink tellUser;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Where the platform has a system menu, its commands arrive here.
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  bool OnInitDialog();
  void AddAboutItemToSystemMenu();
  void CreateCanvas();
  void SetProgress(int position);
  // Shows a message once the canvas region on screen is up to date.
  void TellAfterRepaint(const QString& message);
  void TellAnalysisMessage(std::string_view message);
  void TellHeldTableFailure(const AnalysisResult& result);
  void CreateDesigner();
  void RecreateWindows();
  bool RefuseUnpaintable(const QString& path);
  // Clears the view and draws the pupil's thumbnail, as opening a file does.
  void ShowNewPupil();
  void ShowOpenedPupil(const QString& path, const PupilFileRead& read);
  void OnOpenEnded();
  void SetPupilCommandsEnabled(bool enabled);

  std::unique_ptr<Ui::IDD_MAIN> ui_;
  Canvas canvas_;
  DibHandle currentDib_;
  QString currentPath_;
  CStarImageDlg* ShownStarImageWindow();
  void ShowDesignStarImage(const pupils::PupilDesign& design);

  QPointer<CStarImageDlg> starImage_;
  bool starImageFollowsDesign_ = false;
  CCameraViewDlg* ShownCameraWindow();
  void ShowDesignCamera(const pupils::PupilDesign& design);
  QPointer<CCameraViewDlg> camera_;
  bool cameraFollowsDesign_ = false;
  LatestOnlyRunner opener_;
  int progressBeforeOpen_ = 0;
  double pupilSum_ = 0.0;
  // An analysis told of a table it could not write, in words to be replaced.
  bool tableFailureHeld_ = false;
  CDesignerDlg* designer_ = nullptr;
};

}  // namespace voka
