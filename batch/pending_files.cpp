// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/pending_files.h"

#include <filesystem>
#include <system_error>

#include "app/common/library_texts.h"
#include "batch/command_line.h"
#include "output/file_replace.h"
#include "output/write_failure_message.h"

namespace voka {

bool WritePendingFiles(const std::vector<PendingFile>& files, std::ostream& err) {
  bool allWritten = true;
  for (const PendingFile& file : files) {
    const std::filesystem::path target = PathFromArgument(file.path);
    const std::error_code error = ReplaceFileContents(target, file.bytes);
    if (error) {
      err << WriteFailureText(target, error).toStdString() << '\n';
      allWritten = false;
    }
  }
  return allWritten;
}

void ShowProgress(std::ostream& err, bool show, int position, std::string_view what) {
  if (show) err << '\r' << what << ' ' << position << '%' << std::flush;
}

}  // namespace voka
