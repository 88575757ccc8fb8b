// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/module_dir.h"

namespace voka {

std::string ModuleDirFromCommandLine(std::string_view commandLine) {
  if (!commandLine.empty() && commandLine.front() == '"') commandLine.remove_prefix(1);
  const std::size_t last = commandLine.find_last_of("\\/");
  if (last == std::string_view::npos) return std::string(commandLine);
  return std::string(commandLine.substr(0, last + 1));
}

std::string& ModuleDir() {
  static std::string folder;
  return folder;
}

}  // namespace voka
