// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace voka {

// The application: builds ModuleDir and runs the main dialog once.
class CVokaApp : public QApplication {
 public:
  CVokaApp(int& argc, char** argv);
  // Runs the main dialog modally; false when it has closed, so the process ends.
  bool InitInstance();
};

}  // namespace voka
