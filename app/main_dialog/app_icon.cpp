// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/app_icon.h"

namespace voka {

QIcon AppIcon() {
  return QIcon(QStringLiteral(":/voka.ico"));
}

}  // namespace voka
