// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/voka_dlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>

#include "analysis/fft_analysis.h"
#include "analysis/pupil_sampling.h"
#include "analysis/ray_trace_analysis.h"
#include "app/camera_view/camera_view_dlg.h"
#include "app/common/language.h"
#include "app/common/library_texts.h"
#include "app/common/module_dir.h"
#include "app/compare/study_commands.h"
#include "app/designer/designer_dlg.h"
#include "app/main_dialog/about_dlg.h"
#include "app/main_dialog/app_icon.h"
#include "app/main_dialog/pupil_file_read.h"
#include "app/main_dialog/sample_pupil_dir.h"
#include "app/main_dialog/system_menu.h"
#include "app/star_image/star_image_dlg.h"
#include "canvas/canvas_view.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "dib/dib_refusal.h"
#include "output/result_table.h"
#include "output/shown_text.h"
#include "pupils/open_fraction_render.h"
#include "pupils/pupil_bitmap.h"
#include "pupils/star_pupil.h"
#include "resources/resource_ids.h"
#include "resources/strings.h"
#include "ui_IDD_MAIN.h"

namespace voka {

namespace {

QString DefaultChooseFile(QWidget* parent, const QString& initialPath) {
  return QFileDialog::getOpenFileName(parent, QString(), initialPath,
                                      QStringLiteral("BMP files(*.bmp);;All files(*.*)"));
}

// The region the open command clears: the whole view.
constexpr int kOpenClearWidth = kViewWidth;
constexpr int kOpenClearHeight = kViewHeight;

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

const std::filesystem::path kResultTablePath{std::string(kResultTableName)};

// The About item's text comes from the string table; this note lets lupdate
// list it for translation.
[[maybe_unused]] constexpr const char* kAboutItemSourceText =
    QT_TRANSLATE_NOOP("voka::CVokaDlg", "ﾊﾞｰｼﾞｮﾝ情報(voka) (&A)...");

QString AboutItemText() {
  const std::string text(LoadResourceString(IDS_ABOUTBOX));
  if (text.empty()) return {};
  return QCoreApplication::translate("voka::CVokaDlg", text.c_str());
}

// A designed pupil is analysed at the side the FFT samples, like a file of
// that size.
constexpr int kDesignedPupilSidePixels = static_cast<int>(limits::AnalysedPupilSide().defaultValue);

// Shows the wait cursor while a command computes.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CVokaDlg::CVokaDlg(QWidget* parent)
    : QDialog(parent), m_hIcon(AppIcon()), ui_(std::make_unique<Ui::IDD_MAIN>()) {
  chooseFile = [this](const QString& initialPath) { return DefaultChooseFile(this, initialPath); };
  tellUser = [this](const QString& text) {
    QMessageBox::warning(this, windowTitle(), text, QMessageBox::Ok);
  };
  OnInitDialog();
}

CVokaDlg::~CVokaDlg() = default;

bool CVokaDlg::OnInitDialog() {
  ui_->setupUi(this);
  m_progress = ui_->IDC_PROGRESS;
  connect(ui_->IDC_FILE, &QPushButton::clicked, this, &CVokaDlg::OnOpenImage);
  connect(ui_->IDC_FFT, &QPushButton::clicked, this, &CVokaDlg::OnFft);
  connect(ui_->IDC_RAYTRACE, &QPushButton::clicked, this, &CVokaDlg::OnRayTrace);
  connect(ui_->IDC_DESIGN, &QPushButton::clicked, this, &CVokaDlg::OnDesign);
  connect(ui_->IDC_STARIMAGE, &QPushButton::clicked, this, &CVokaDlg::OnStarImage);
  connect(&opener_, &LatestOnlyRunner::ProgressChanged, m_progress, &QProgressBar::setValue);
  connect(&opener_, &LatestOnlyRunner::Idle, this, &CVokaDlg::OnOpenEnded);

  AddAboutItemToSystemMenu();
  setWindowIcon(m_hIcon);
  // The view is placed in pixels; a fixed window keeps the controls clear of
  // it and leaves nothing for maximising to move.
  setFixedSize(size());
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);

  CreateCanvas();
  m_progress->setValue(0);
  ui_->IDC_FILE->setFocus();
  return true;
}

// The canvas starts as the IDB_CANVAS bitmap: 512x512, every pixel black.
void CVokaDlg::CreateCanvas() {
  QFile resource(QStringLiteral(":/canvas.bmp"));
  if (!resource.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = resource.readAll();
  DibMemoryFile file(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())));
  const DibHandle bitmap = DibRead(file);
  DibDrawWhole(canvas_, DibRect{0, 0, Canvas::kSize, Canvas::kSize}, bitmap);
}

void CVokaDlg::AddAboutItemToSystemMenu() {
  const QString text = AboutItemText();
  if (text.isEmpty()) return;
  AppendSystemMenuItem(this, IDM_ABOUTBOX, text);
}

bool CVokaDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const std::optional<int> command = SystemCommandOf(eventType, message);
  if (command && OnSysCommand(*command, 0)) {
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}

void CVokaDlg::contextMenuEvent(QContextMenuEvent* event) {
  // Not every platform lets a program add to the window menu, so the About
  // item is offered on the dialog itself as well.
  const QString text = AboutItemText();
  if (text.isEmpty()) return;
  QMenu menu(this);
  QAction* design = menu.addAction(ui_->IDC_DESIGN->text());
  design->setObjectName(QStringLiteral("IDM_DESIGN"));
  QAction* about = menu.addAction(text);
  about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
  QAction* starImage = menu.addAction(ui_->IDC_STARIMAGE->text());
  starImage->setObjectName(QStringLiteral("IDC_STARIMAGE"));
  QAction* cameraImage = menu.addAction(tr("カメラ像..."));
  cameraImage->setObjectName(QStringLiteral("IDC_CAMERA"));
  // Named in both languages, so that it can be found whichever is shown.
  QMenu* languages = menu.addMenu(QStringLiteral("言語 / Language"));
  languages->setObjectName(QStringLiteral("IDM_LANGUAGE"));
  QAction* japanese = languages->addAction(QStringLiteral("日本語"));
  japanese->setObjectName(QStringLiteral("IDM_LANGUAGE_JA"));
  QAction* english = languages->addAction(QStringLiteral("English"));
  english->setObjectName(QStringLiteral("IDM_LANGUAGE_EN"));
  for (QAction* item : {japanese, english}) item->setCheckable(true);
  (CurrentLanguage() == Language::kEnglish ? english : japanese)->setChecked(true);
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == about) OnSysCommand(IDM_ABOUTBOX, 0);
  if (chosen == design) OnDesign();
  if (chosen == starImage) OnStarImage();
  if (chosen == cameraImage) OnCamera();
  if (chosen == japanese) ChooseLanguage(Language::kJapanese);
  if (chosen == english) ChooseLanguage(Language::kEnglish);
}

void CVokaDlg::ChooseLanguage(Language language) {
  RememberLanguage(language);
  if (language == CurrentLanguage()) return;
  ApplyLanguage(language);
  // Japanese installs no translation, so no event comes: retranslate here.
  ui_->retranslateUi(this);
  RecreateWindows();
}

void CVokaDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
  QDialog::changeEvent(event);
}

// The designer and the star-image window build their texts once; they are
// made again in the new language, the designer with the design it held and
// the star image with the pupil it showed.
void CVokaDlg::RecreateWindows() {
  if (designer_) {
    const pupils::PupilDesign design = designer_->Design();
    const bool shown = designer_->isVisible();
    delete designer_;
    designer_ = nullptr;
    CreateDesigner();
    designer_->SetDesign(design);
    if (shown) designer_->show();
  }
  if (camera_) {
    const bool shown = camera_->isVisible();
    delete camera_.data();
    if (shown) {
      if (cameraFollowsDesign_ && designer_)
        OnDesignCamera();
      else
        OnCamera();
    }
  }
  if (starImage_) {
    const bool shown = starImage_->isVisible();
    delete starImage_.data();
    if (!shown) return;
    if (starImageFollowsDesign_ && designer_)
      OnDesignStarImage();
    else
      OnStarImage();
  }
}

bool CVokaDlg::OnSysCommand(int id, qintptr /*parameter*/) {
  if ((id & kSysCommandMask) != IDM_ABOUTBOX) return false;
  CAboutDlg about(this);
  about.exec();
  return true;
}

void CVokaDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(kViewLeft, kViewTop, ViewImage(canvas_));
}

void CVokaDlg::OnPaint() {
  repaint();
}

void CVokaDlg::SetProgress(int position) {
  m_progress->setValue(position);
  // The computation holds the event loop; paint the bar now so it moves.
  m_progress->repaint();
}

void CVokaDlg::TellAfterRepaint(const QString& message) {
  OnPaint();
  // The message waits for the user, not the computation: no wait cursor.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  tellUser(message);
  QApplication::restoreOverrideCursor();
}

// What an analysis tells is worded by the window; the table's failure, known
// only by its text while the analysis runs, is worded from its error code
// once the analysis has ended.
void CVokaDlg::TellAnalysisMessage(std::string_view message) {
  const QString known = AnalysisMessageText(message);
  if (!known.isNull())
    TellAfterRepaint(known);
  else if (CurrentLanguage() == Language::kJapanese)
    TellAfterRepaint(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
  else
    tableFailureHeld_ = true;
}

void CVokaDlg::TellHeldTableFailure(const AnalysisResult& result) {
  if (!tableFailureHeld_) return;
  tableFailureHeld_ = false;
  TellAfterRepaint(WriteFailureText(kResultTablePath, result.table.error));
}

void CVokaDlg::OnOpenImage() {
  const QString initialPath =
      SamplePupilDir(QString::fromStdString(ModuleDir())) + QStringLiteral("*.bmp");
  const QString path = chooseFile(initialPath);
  if (path.isEmpty()) return;

  // A bitmap of 8192 pixels a side is 192 MiB: it is read on the opener's
  // thread while the window answers, its progress on the bar. Opening
  // another file supersedes this one.
  if (!opener_.IsBusy()) progressBeforeOpen_ = m_progress->value();
  SetPupilCommandsEnabled(false);
  opener_.Submit([this, path](const CancelFlag& cancel, const ProgressSink& progress) -> Delivery {
    PupilFileRead read = ReadPupilFile(ToPath(path), cancel, progress);
    if (cancel.IsRaised()) return nullptr;
    return [this, path, read = std::move(read)] { ShowOpenedPupil(path, read); };
  });
}

bool CVokaDlg::IsOpening() const {
  return opener_.IsBusy();
}

void CVokaDlg::ShowOpenedPupil(const QString& path, const PupilFileRead& read) {
  currentDib_ = read.dib;
  currentPath_ = path;
  ShowNewPupil();
  if (read.refusal != DibRefusal::kNone)
    TellAfterRepaint(DibRefusalText(read.refusal, ToPath(path)));
}

void CVokaDlg::OnOpenEnded() {
  m_progress->setValue(progressBeforeOpen_);
  SetPupilCommandsEnabled(true);
}

// The commands that act on the open pupil wait while another is read.
void CVokaDlg::SetPupilCommandsEnabled(bool enabled) {
  for (QPushButton* command : {ui_->IDC_FFT, ui_->IDC_RAYTRACE, ui_->IDC_STARIMAGE})
    command->setEnabled(enabled);
}

void CVokaDlg::ShowNewPupil() {
  FillBox(canvas_, 0, 0, kOpenClearWidth, kOpenClearHeight, kBlack);
  DibDrawWhole(canvas_,
               DibRect{kBandThumbnailLeft, kBandThumbnailTop, kBandThumbnailLeft + kThumbnailSize,
                       kBandThumbnailTop + kThumbnailSize},
               currentDib_);
  OnPaint();
}

void CVokaDlg::OnDesign() {
  if (!designer_) CreateDesigner();
  designer_->show();
  designer_->raise();
  designer_->activateWindow();
}

void CVokaDlg::CreateDesigner() {
  {
    designer_ = new CDesignerDlg(this);
    connect(designer_, &CDesignerDlg::UsePupil, this, &CVokaDlg::OnUseDesign);
    auto* starImageButton = new QPushButton(ui_->IDC_STARIMAGE->text(), designer_);
    starImageButton->setObjectName(QStringLiteral("IDC_DESIGN_STARIMAGE"));
    designer_->AddCommandButton(starImageButton);
    connect(starImageButton, &QPushButton::clicked, this, &CVokaDlg::OnDesignStarImage);
    auto* cameraButton = new QPushButton(tr("カメラ像..."), designer_);
    cameraButton->setObjectName(QStringLiteral("IDC_DESIGN_CAMERA"));
    designer_->AddCommandButton(cameraButton);
    connect(cameraButton, &QPushButton::clicked, this, &CVokaDlg::OnDesignCamera);
    AddStudyCommands(designer_);
    connect(designer_, &CDesignerDlg::DesignChanged, this,
            [this](const pupils::PupilDesign& design) {
              if (starImageFollowsDesign_ && starImage_ && starImage_->isVisible())
                ShowDesignStarImage(design);
              if (cameraFollowsDesign_ && camera_ && camera_->isVisible()) ShowDesignCamera(design);
            });
  }
}

// The bitmap's bytes go through the same reader as a file's, so that every
// analysis sees exactly what it would see had the user saved and opened it.
void CVokaDlg::OnUseDesign(const pupils::PupilDesign& design) {
  // The designed pupil is the newer choice: a file still being read is dropped.
  if (opener_.IsBusy()) opener_.Cancel();
  const bmp_writer::Bytes bytes = pupils::PupilBitmap(design, kDesignedPupilSidePixels);
  if (bytes.empty()) return;
  DibMemoryFile file(bytes);
  currentDib_ = DibRead(file);
  currentPath_ = tr("設計した瞳");
  ShowNewPupil();
}

void CVokaDlg::OnFft() {
  const WaitCursor wait;
  const AnalysisResult result = RunFftAnalysisCaptioned(
      canvas_, currentDib_, [this](int position) { SetProgress(position); },
      [this](std::string_view message) { TellAnalysisMessage(message); }, kResultTablePath,
      TranslatedSpectrumCaptions());
  TellHeldTableFailure(result);
  if (result.Drew()) pupilSum_ = result.pupilSum;
  OnPaint();
}

void CVokaDlg::OnRayTrace() {
  const WaitCursor wait;
  const AnalysisResult result = RunRayTrace(
      canvas_, currentDib_, [this](int position) { SetProgress(position); },
      [this](std::string_view message) { TellAnalysisMessage(message); }, kResultTablePath);
  TellHeldTableFailure(result);
  OnPaint();
}

CStarImageDlg* CVokaDlg::StarImageWindow() const {
  return starImage_.data();
}

CStarImageDlg* CVokaDlg::ShownStarImageWindow() {
  if (!starImage_) {
    // A window of its own, beside the dialog; it lives as long as the dialog.
    starImage_ = new CStarImageDlg(this);
  }
  starImage_->show();
  starImage_->raise();
  starImage_->activateWindow();
  return starImage_;
}

void CVokaDlg::OnStarImage() {
  starImageFollowsDesign_ = false;
  CStarImageDlg* window = ShownStarImageWindow();
  if (currentDib_) window->ShowBitmapPupil(currentDib_, currentPath_);
}

void CVokaDlg::OnDesignStarImage() {
  starImageFollowsDesign_ = true;
  ShownStarImageWindow();
  ShowDesignStarImage(designer_->Design());
}

// The design is copied into the renderer, which runs on the window's
// computing thread at the side the window chooses.
void CVokaDlg::ShowDesignStarImage(const pupils::PupilDesign& design) {
  starImage_->ShowRenderedPupil(
      [design](int side) { return pupils::StarPupilOfDesign(design, side); },
      design.apertureDiameterMm, pupils::kMaxRenderSidePixels, OpticsOfDesign(design));
}

CCameraViewDlg* CVokaDlg::CameraWindow() const {
  return camera_.data();
}

CCameraViewDlg* CVokaDlg::ShownCameraWindow() {
  // A window of its own beside the star image; it lives as long as the dialog.
  if (!camera_) camera_ = new CCameraViewDlg(this);
  camera_->show();
  camera_->raise();
  camera_->activateWindow();
  return camera_;
}

void CVokaDlg::OnCamera() {
  cameraFollowsDesign_ = false;
  CCameraViewDlg* window = ShownCameraWindow();
  if (currentDib_) window->ShowBitmapPupil(currentDib_, currentPath_);
}

void CVokaDlg::OnDesignCamera() {
  cameraFollowsDesign_ = true;
  ShownCameraWindow();
  ShowDesignCamera(designer_->Design());
}

// The design is copied into the renderer, which runs on the window's
// computing thread.
void CVokaDlg::ShowDesignCamera(const pupils::PupilDesign& design) {
  camera_->ShowRenderedPupil([design](int side) { return pupils::StarPupilOfDesign(design, side); },
                             design.apertureDiameterMm);
}

}  // namespace voka
