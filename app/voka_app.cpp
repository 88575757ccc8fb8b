// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/voka_app.h"

#include "app/common/language.h"
#include "app/common/module_dir.h"
#include "app/main_dialog/voka_dlg.h"

namespace voka {

CVokaApp::CVokaApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool CVokaApp::InitInstance() {
  // The program path as a command line would give it, quoted so that spaces
  // in folder names survive.
  const QString commandLine = QLatin1Char('"') + applicationFilePath() + QLatin1Char('"');
  ModuleDir() = ModuleDirFromCommandLine(commandLine.toStdString());

  ApplyLanguage(StartLanguage());
  CVokaDlg dialog;
  dialog.show();
  dialog.exec();
  return false;
}

}  // namespace voka
