// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/sample_pupil_dir.h"

#include <QDir>
#include <QFileInfo>

namespace voka {

QString SamplePupilDir(const QString& moduleDir) {
  if (moduleDir.isEmpty()) return moduleDir;
  const QString installed =
      QDir::cleanPath(moduleDir + QLatin1Char('/') + QLatin1String(kInstalledSamplePupilDir));
  if (QFileInfo(installed).isDir()) return installed + QLatin1Char('/');
  return moduleDir;
}

}  // namespace voka
