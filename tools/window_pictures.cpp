// SPDX-License-Identifier: GPL-3.0-or-later
// Draws each window of the program as a PNG, in English and in Japanese, for
// the README: window_pictures FOLDER writes FOLDER/<window>-<en|ja>.png.
//
// The windows are drawn by Qt's own raster painter (QWidget::grab) on the
// offscreen platform: the same painter, style and fonts that draw them on an
// X server, without a display, a window manager or clicks timed by hand. A
// window added to the program is one more line of kWindows.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>

#include "app/common/language.h"
#include "app/camera_view/camera_view_dlg.h"
#include "app/designer/designer_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "app/star_image/star_image_dlg.h"

namespace voka {
namespace {

// The designer's presets in the order of its list: three curved vanes shows
// what the designer can do that a bitmap editor cannot.
constexpr int kThreeCurvedVanesPreset = 6;
constexpr int kLongestWaitMs = 120000;

bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > kLongestWaitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  QApplication::processEvents();
  return true;
}

CDesignerDlg* OpenDesigner(CVokaDlg& dialog) {
  dialog.OnDesign();
  CDesignerDlg* designer = dialog.Designer();
  designer->ApplyPreset(kThreeCurvedVanesPreset);
  return designer;
}

// The main window with the designed pupil analysed by the FFT.
QWidget* MainDialog(CVokaDlg& dialog) {
  dialog.OnUseDesign(OpenDesigner(dialog)->Design());
  dialog.OnFft();
  return &dialog;
}

QWidget* Designer(CVokaDlg& dialog) {
  return OpenDesigner(dialog);
}

// The star image of the designed pupil, once computed.
QWidget* StarImage(CVokaDlg& dialog) {
  CDesignerDlg* designer = OpenDesigner(dialog);
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_STARIMAGE"))->click();
  CStarImageDlg* window = dialog.StarImageWindow();
  if (!window) return nullptr;
  if (!WaitUntil([window] { return !window->IsComputing() && window->Shown(); })) return nullptr;
  return window;
}

// The camera image of the designed pupil, once computed.
QWidget* CameraView(CVokaDlg& dialog) {
  OpenDesigner(dialog);
  dialog.OnDesignCamera();
  CCameraViewDlg* window = dialog.CameraWindow();
  if (!window) return nullptr;
  if (!WaitUntil([window] { return !window->IsComputing() && window->Shown(); })) return nullptr;
  return window;
}

struct WindowPicture {
  const char* name;  // the file's name before "-en.png"
  std::function<QWidget*(CVokaDlg&)> open;
};

const WindowPicture kWindows[] = {
    {"main-dialog", MainDialog},
    {"designer", Designer},
    {"star-image", StarImage},
    {"camera-view", CameraView},
};

bool DrawWindows(Language language, const QDir& folder) {
  if (!ApplyLanguage(language)) {
    std::fprintf(stderr, "window_pictures: the English texts are not embedded\n");
    return false;
  }
  const QString code = QString::fromLatin1(LanguageCode(language).data());
  bool allDrawn = true;
  for (const WindowPicture& picture : kWindows) {
    // Each window starts from a fresh main window, as a user starting the program.
    CVokaDlg dialog;
    dialog.tellUser = [&allDrawn](const QString& text) {
      std::fprintf(stderr, "window_pictures: the window said: %s\n", text.toUtf8().constData());
      allDrawn = false;
    };
    dialog.show();
    QWidget* window = picture.open(dialog);
    const QString file =
        folder.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(picture.name), code));
    if (!window) {
      std::fprintf(stderr, "window_pictures: %s did not open\n", picture.name);
      allDrawn = false;
      continue;
    }
    window->show();
    QApplication::processEvents();
    if (!window->grab().save(file, "PNG")) {
      std::fprintf(stderr, "window_pictures: cannot write %s\n", file.toUtf8().constData());
      allDrawn = false;
    }
  }
  return allDrawn;
}

}  // namespace
}  // namespace voka

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_pictures FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "window_pictures: cannot make the folder %s\n", argv[1]);
    return 1;
  }
  // The FFT writes VOKA.TXT where the program runs: here, a folder of its own.
  QTemporaryDir work;
  if (!work.isValid() || !QDir::setCurrent(work.path())) return 1;
  bool drawn = true;
  for (const voka::Language language : {voka::Language::kEnglish, voka::Language::kJapanese})
    drawn = voka::DrawWindows(language, folder) && drawn;
  return drawn ? 0 : 1;
}
