// SPDX-License-Identifier: GPL-3.0-or-later
// voka-batch: the analyses without a window, for scripts and for machines
// without a display.
#include <QCoreApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#define NOMINMAX
#include <io.h>
#include <shellapi.h>
#include <windows.h>
#define VOKA_ISATTY _isatty
#define VOKA_FILENO _fileno
#else
#include <unistd.h>
#define VOKA_ISATTY isatty
#define VOKA_FILENO fileno
#endif

#include "app/common/language.h"
#include "batch/batch_run.h"
#include "batch/command_line.h"
#include "output/result_table.h"

namespace {

// The toolkit's own notices (a missing runtime folder on a headless machine
// and the like) are not the user's business here; its errors still are.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// The arguments after the program name, as the user typed them. On POSIX
// systems those are bytes, and a file name that is not UTF-8 must reach the
// file system unchanged; Windows hands them over as UTF-16, kept as UTF-8.
std::vector<std::string> UserArguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; wide != nullptr && i < count; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
      WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
    arguments.push_back(std::move(argument));
  }
  LocalFree(wide);
  return arguments;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

// Output that was lost (a full disk behind a redirection, a closed pipe) is
// a failure like any file that could not be written.
bool StandardOutputWritten() {
  std::cout.flush();
  return std::cout.good() && std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
#ifdef _WIN32
  // The texts are UTF-8; a Japanese console expects code page 932 unless told.
  SetConsoleOutputCP(CP_UTF8);
#else
  // Past a file size limit a write fails with EFBIG and is reported, instead
  // of the signal ending the program in the middle of its output.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Captions need a font database, which needs a GUI application; the
  // offscreen platform gives one without a display, whatever the environment
  // asks for. The toolkit sees no user argument: its own options (-platform,
  // -style, -reverse) are not ours to accept.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int toolkitArgc = 1;
  char* toolkitArgv[] = {argv[0], nullptr};
  QGuiApplication app(toolkitArgc, toolkitArgv);

  const std::vector<std::string> arguments = UserArguments(argc, argv);
  // The language is chosen before the arguments are read, so that even a
  // usage error is worded in it: --lang first, then VOKA_LANG.
  const std::optional<std::string> code = voka::LanguageArgument(arguments);
  const std::optional<voka::Language> language =
      code ? voka::LanguageFromCode(*code) : voka::LanguageFromEnvironment();
  if (language) voka::ApplyLanguage(*language);

  const voka::RunContext context{std::cout, std::cerr, VOKA_ISATTY(VOKA_FILENO(stderr)) != 0,
                                 std::filesystem::path(std::string(voka::kResultTableName))};
  int status = voka::RunBatchArguments(arguments, context);
  if (!StandardOutputWritten()) {
    std::cerr << QCoreApplication::translate(
                     "voka-batch",
                     "標準出力に書き込めませんでした（出力先のディスクの空きや、"
                     "パイプの読み手を確かめてください）。")
                     .toStdString()
              << '\n';
    if (status == voka::kBatchSuccess) status = voka::kBatchFailure;
  }
  return status;
}
