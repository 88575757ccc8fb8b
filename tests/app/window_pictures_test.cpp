// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace voka {
namespace {

// Enough colours that the picture shows a window's controls and text, not a
// flat or empty surface (a blank grab has one or two).
constexpr int kFewestColours = 32;

int DistinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

// The README's script still runs and draws every window in both languages.
TEST(WindowPictures, TheScriptDrawsEachWindowInBothLanguages) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QProcess script;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("VOKA_WINDOW_PICTURES"), QStringLiteral(VOKA_WINDOW_PICTURES));
  script.setProcessEnvironment(environment);
  script.start(QStringLiteral("bash"),
               {QStringLiteral(VOKA_SOURCE_DIR "/tools/screenshots.sh"), folder.path()});
  ASSERT_TRUE(script.waitForFinished(300000));
  ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();

  const QStringList english = QDir(folder.path()).entryList({QStringLiteral("*-en.png")});
  for (const char* window : {"main-dialog", "designer", "star-image", "camera-view"})
    EXPECT_TRUE(english.contains(QStringLiteral("%1-en.png").arg(QLatin1String(window)))) << window;
  for (const QString& name : english) {
    const QString japanese =
        QString(name).replace(QStringLiteral("-en.png"), QStringLiteral("-ja.png"));
    for (const QString& file : {name, japanese}) {
      const QImage picture(folder.filePath(file));
      ASSERT_FALSE(picture.isNull()) << file.toStdString();
      EXPECT_GE(DistinctColours(picture), kFewestColours) << file.toStdString();
    }
  }
}

}  // namespace
}  // namespace voka
