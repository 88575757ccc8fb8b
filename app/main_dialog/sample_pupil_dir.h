// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace voka {

// Where installed copies keep the sample pupils, relative to the folder of
// the executable: <prefix>/bin/voka finds <prefix>/share/voka/pupils.
inline constexpr char kInstalledSamplePupilDir[] = "../share/voka/pupils";

// The folder the open dialog starts in, with a trailing separator. An
// installed program starts in the shared sample folder; one run from its
// build folder, where no such folder exists, starts beside itself, where the
// build writes the samples. moduleDir ends with a separator, as ModuleDir().
QString SamplePupilDir(const QString& moduleDir);

}  // namespace voka
