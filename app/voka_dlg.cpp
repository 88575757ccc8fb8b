#include "app/voka_dlg.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>

#include "app/about_dlg.h"
#include "app/app_icon.h"
#include "canvas/canvas_view.h"
#include "resources/resource_ids.h"
#include "resources/strings.h"
#include "ui_IDD_MAIN.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace voka {

namespace {

QString DefaultChooseFile(QWidget* parent, const QString& initialPath) {
  return QFileDialog::getOpenFileName(parent, QString(), initialPath,
                                      QStringLiteral("BMP files(*.bmp);;All files(*.*)"));
}

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

  AddAboutItemToSystemMenu();
  setWindowIcon(m_hIcon);
  // The view is placed in pixels; a fixed window keeps the controls clear of
  // it and leaves nothing for maximising to move.
  setFixedSize(size());
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  m_progress->setValue(0);
  ui_->IDC_FILE->setFocus();
  return true;
}

void CVokaDlg::AddAboutItemToSystemMenu() {
#ifdef Q_OS_WIN
  HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
  const std::wstring text = QString::fromUtf8(kAboutItemText).toStdWString();
  if (menu != nullptr && !text.empty()) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
  }
#endif
}

#ifdef Q_OS_WIN
bool CVokaDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const auto* msg = static_cast<const MSG*>(message);
  if (eventType == "windows_generic_MSG" && msg->message == WM_SYSCOMMAND &&
      OnSysCommand(static_cast<int>(msg->wParam), static_cast<qintptr>(msg->lParam))) {
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}
#endif

void CVokaDlg::contextMenuEvent(QContextMenuEvent* event) {
  // Not every platform lets a program add to the window menu, so the About
  // item is offered on the dialog itself as well.
  QMenu menu(this);
  QAction* about = menu.addAction(QString::fromUtf8(kAboutItemText));
  about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
  if (menu.exec(event->globalPos()) == about) OnSysCommand(IDM_ABOUTBOX, 0);
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

void CVokaDlg::OnPaint() { repaint(); }

void CVokaDlg::SetProgress(int position) {
  m_progress->setValue(position);
  // The computation holds the event loop; paint the bar now so it moves.
  m_progress->repaint();
}

void CVokaDlg::OnOpenImage() { OnPaint(); }

void CVokaDlg::OnFft() { OnPaint(); }

void CVokaDlg::OnRayTrace() { OnPaint(); }

}  // namespace voka
