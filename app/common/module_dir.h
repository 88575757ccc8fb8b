// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace voka {

// The folder of a program from the command line that started it: a leading
// double quote is dropped and the text is cut right after its last path
// separator, which stays. Text without a separator is returned whole.
// Both separators count, so Windows and POSIX paths work alike.
std::string ModuleDirFromCommandLine(std::string_view commandLine);

// The folder of the running executable with its trailing separator (UTF-8),
// set once at start-up; the file dialog opens there.
std::string& ModuleDir();

}  // namespace voka
