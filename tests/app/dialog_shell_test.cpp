// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/main_dialog/about_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "canvas/canvas_view.h"
#include "resources/resource_ids.h"
#include "support/context_menu.h"

namespace voka {
namespace {

QString Text(const CVokaDlg& dialog, const char* name) {
  auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
  return button ? button->text() : QStringLiteral("<missing>");
}

TEST(MainDialog, CaptionButtonsAndProgressBar) {
  CVokaDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("スパイダー遮光解析　VOKA Ver1.0"));
  EXPECT_EQ(Text(dialog, "IDC_FILE"), QString::fromUtf8("ファイル"));
  EXPECT_EQ(Text(dialog, "IDC_FFT"), QStringLiteral("FFT"));
  EXPECT_EQ(Text(dialog, "IDC_RAYTRACE"), QString::fromUtf8("ﾚｲﾄﾚｰｽ"));
  ASSERT_NE(dialog.m_progress, nullptr);
  EXPECT_EQ(dialog.m_progress->objectName(), QStringLiteral("IDC_PROGRESS"));
  EXPECT_EQ(dialog.m_progress->value(), 0);
  EXPECT_EQ(dialog.m_progress->minimum(), 0);
  EXPECT_EQ(dialog.m_progress->maximum(), 100);
  EXPECT_FALSE(dialog.m_hIcon.isNull());
}

TEST(MainDialog, ControlsKeepClearOfTheViewAndTheWindowIsFixed) {
  CVokaDlg dialog;
  const QRect view(kViewLeft, kViewTop, kViewWidth, kViewHeight);
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    if (!child->isWindow() && child->parentWidget() == &dialog) {
      EXPECT_FALSE(child->geometry().intersects(view)) << child->objectName().toStdString();
    }
  }
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(dialog.rect().contains(view));
}

TEST(MainDialog, ViewShowsTheBlackCanvasRegion) {
  CVokaDlg dialog;
  dialog.show();
  const QImage shot = dialog.grab().toImage();
  for (int y = kViewTop; y < kViewTop + kViewHeight; ++y)
    for (int x = kViewLeft; x < kViewLeft + kViewWidth; ++x)
      ASSERT_EQ(shot.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
}

TEST(MainDialog, RepaintShowsWhatTheCanvasHoldsAtOnce) {
  CVokaDlg dialog;
  dialog.show();
  FillBox(dialog.canvas(), 0, 0, 3, 3, kWhite);
  FillBox(dialog.canvas(), 409, 164, 5, 5, Rgb(255, 0, 0));
  dialog.OnPaint();
  const QImage shot = dialog.grab().toImage();
  EXPECT_EQ(shot.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(shot.pixel(419, 174) & 0xFFFFFF, 0xFF0000u) << "red in the view's last pixel";
  EXPECT_NE(shot.pixel(420, 175) & 0xFFFFFF, 0xFF0000u) << "beyond the view";
}

// Closes whatever modal dialog is open once the event loop runs, and records
// whether it was the About box.
void CloseAboutBoxSoon(bool* seen) {
  QTimer::singleShot(0, [seen] {
    auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
    *seen = about != nullptr;
    if (!about) return;
    EXPECT_EQ(about->windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報 voka"));
    auto* version = about->findChild<QLabel*>(QStringLiteral("IDC_VERSION"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("voka Version 1.0"));
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("IDOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    ok->click();
  });
}

TEST(MainDialog, AboutCommandIsMaskedAndOthersAreLeftAlone) {
  CVokaDlg dialog;
  for (int id : {IDM_ABOUTBOX, 0x0013, 0x001F}) {
    bool seen = false;
    CloseAboutBoxSoon(&seen);
    EXPECT_TRUE(dialog.OnSysCommand(id, 0)) << id;
    EXPECT_TRUE(seen) << id;
  }
  EXPECT_FALSE(dialog.OnSysCommand(0xF060, 0)) << "close stays with the system";
  EXPECT_FALSE(dialog.OnSysCommand(0x0020, 0));
}

TEST(MainDialog, AboutItemInTheContextMenuOpensTheAboutBox) {
  CVokaDlg dialog;
  dialog.show();
  bool seen = false;
  test::WithContextMenu(dialog, [&seen](QMenu* menu) {
    auto* item = menu ? menu->findChild<QAction*>(QStringLiteral("IDM_ABOUTBOX")) : nullptr;
    EXPECT_EQ(item ? item->text() : QString(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(voka) (&A)..."));
    CloseAboutBoxSoon(&seen);
    test::ChooseMenuItem(menu, "IDM_ABOUTBOX");
  });
  EXPECT_TRUE(seen);
}

TEST(AboutBox, EscapeClosesIt) {
  CAboutDlg about;
  QTimer::singleShot(0, [&about] {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&about, &escape);
  });
  EXPECT_EQ(about.exec(), QDialog::Rejected);
}

TEST(MainDialog, EscapeEndsTheDialog) {
  CVokaDlg dialog;
  QTimer::singleShot(0, [&dialog] {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
  });
  dialog.exec();
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace voka
