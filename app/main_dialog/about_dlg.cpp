// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/about_dlg.h"

#include <QIcon>

#include "app/main_dialog/app_icon.h"
#include "ui_IDD_ABOUTBOX.h"

namespace voka {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::IDD_ABOUTBOX>()) {
  ui_->setupUi(this);
  ui_->IDC_ICON->setPixmap(AppIcon().pixmap(32, 32));
  setFixedSize(size());
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace voka
