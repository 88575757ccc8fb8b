// voka-batch: the analyses without a window, for scripts and for machines
// without a display.
#include <QGuiApplication>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define VOKA_ISATTY _isatty
#define VOKA_FILENO _fileno
#else
#include <unistd.h>
#define VOKA_ISATTY isatty
#define VOKA_FILENO fileno
#endif

#include "app/batch/batch_options.h"
#include "app/batch/batch_run.h"
#include "output/result_table.h"

namespace {

// The toolkit's own notices (a missing runtime folder on a headless machine
// and the like) are not the user's business here; its errors still are.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
#ifdef _WIN32
  // The texts are UTF-8; a Japanese console expects code page 932 unless told.
  SetConsoleOutputCP(CP_UTF8);
#endif
  // Captions need a font database, which needs a GUI application; the
  // offscreen platform gives one without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  std::vector<std::string> arguments;
  for (const QString& argument : QGuiApplication::arguments().mid(1))
    arguments.push_back(argument.toStdString());

  std::string error;
  const auto options = voka::ParseBatchOptions(arguments, error);
  if (!options) {
    std::cerr << error << "\n\n" << voka::BatchUsage();
    return voka::kBatchUsageError;
  }
  const bool showProgress = VOKA_ISATTY(VOKA_FILENO(stderr)) != 0;
  return voka::RunBatch(*options, std::cout, std::cerr, showProgress,
                        std::filesystem::path(std::string(voka::kResultTableName)));
}
