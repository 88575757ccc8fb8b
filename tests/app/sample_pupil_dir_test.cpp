// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/sample_pupil_dir.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/common/module_dir.h"
#include "app/main_dialog/voka_dlg.h"
#include "reference/pupil_images.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

QString Native(const std::filesystem::path& path) {
  return QString::fromStdString(path.generic_string());
}

// The layouts the program meets: <prefix>/bin beside <prefix>/share/voka/pupils
// once installed, and the build folder holding the samples beside the program.
TEST(SamplePupilDir, InstalledFolderWinsAndTheBuildFolderFallsBack) {
  const test::ScratchFolder prefix("prefix");
  std::filesystem::create_directories(prefix.path() / "bin");
  const QString bin = Native(prefix.path() / "bin") + QLatin1Char('/');
  EXPECT_EQ(SamplePupilDir(bin), bin) << "nothing installed yet";

  std::filesystem::create_directories(prefix.path() / "share/voka/pupils");
  EXPECT_EQ(SamplePupilDir(bin), Native(prefix.path() / "share/voka/pupils") + QLatin1Char('/'));
  EXPECT_EQ(SamplePupilDir(QString()), QString()) << "no program folder is not the root";
}

TEST(SamplePupilDir, AFileInThePlaceOfTheFolderIsIgnored) {
  const test::ScratchFolder prefix("prefix");
  std::filesystem::create_directories(prefix.path() / "bin");
  std::filesystem::create_directories(prefix.path() / "share/voka");
  { std::ofstream(prefix.path() / "share/voka/pupils") << "not a folder"; }
  const QString bin = Native(prefix.path() / "bin") + QLatin1Char('/');
  EXPECT_EQ(SamplePupilDir(bin), bin);
}

TEST(SamplePupilDir, TheOpenDialogStartsInTheInstalledFolder) {
  const test::ScratchFolder prefix("prefix");
  std::filesystem::create_directories(prefix.path() / "bin");
  std::filesystem::create_directories(prefix.path() / "share/voka/pupils");
  const std::string previous = ModuleDir();
  ModuleDir() = (prefix.path() / "bin").generic_string() + "/";

  CVokaDlg dialog;
  QStringList initialPaths;
  dialog.chooseFile = [&initialPaths](const QString& initialPath) {
    initialPaths.push_back(initialPath);
    return QString();
  };
  dialog.findChild<QPushButton*>(QStringLiteral("IDC_FILE"))->click();
  ModuleDir() = previous;
  ASSERT_EQ(initialPaths.size(), 1);
  EXPECT_EQ(initialPaths[0],
            Native(prefix.path() / "share/voka/pupils") + QStringLiteral("/*.bmp"));
}

}  // namespace
}  // namespace voka
