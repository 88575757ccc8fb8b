// SPDX-License-Identifier: GPL-3.0-or-later
// The headless program in English: every line it prints, its help and its
// messages carry no Japanese, and choosing no language changes nothing.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <fstream>

#include "support/scratch_files.h"

namespace voka {
namespace {

struct Printed {
  int status = -1;
  QString out;
  QString err;
};

Printed RunBatch(const test::ScratchFolder& folder, const QStringList& arguments,
                 const QString& language = {}) {
  QProcess batch;
  batch.setWorkingDirectory(QString::fromStdString(folder.path().string()));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("VOKA_LANG"));
  if (!language.isEmpty()) environment.insert(QStringLiteral("VOKA_LANG"), language);
  batch.setProcessEnvironment(environment);
  batch.start(QStringLiteral(VOKA_BATCH_PATH), arguments);
  EXPECT_TRUE(batch.waitForFinished(120000));
  return {batch.exitCode(), QString::fromUtf8(batch.readAllStandardOutput()),
          QString::fromUtf8(batch.readAllStandardError())};
}

// Kana, kanji, and the full-width forms and punctuation of Japanese text.
QString JapaneseIn(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
        (u >= 0xFF00 && u <= 0xFFEF)) {
      const qsizetype at = text.indexOf(c);
      return text.mid(std::max<qsizetype>(0, at - 30), 60);
    }
  }
  return {};
}

TEST(BatchEnglish, NothingPrintedIsJapanese) {
  test::ScratchFolder folder("batch-english");
  std::ofstream(folder.path() / "notes.txt") << "notes, not a FITS file";
  const QStringList runs[] = {
      {"--lang", "en", "--help"},
      {"--lang", "en", "--fft"},
      {"--lang", "en", "--raytrace", "--design", "preset:3-vanes"},
      {"--lang", "en", "--psf", "--design", "preset:clear", "--size", "64", "--zernike", "4=30"},
      {"--lang", "en", "--psf", "--design", "preset:clear", "--pad", "9"},
      {"--lang", "en", "--fft", "missing.bmp"},
      {"--lang", "en", "--psf", "--design", "preset:clear", "--json", "missing.bmp", "missing.bmp"},
      {"--lang", "en", "--psf", "--design", "preset:clear", "--size", "64", "--fits", "notes.txt"},
      {"--lang", "en", "--camera", "--design", "preset:4-vanes", "--size", "64", "--field-px", "16",
       "--wavelengths", "8"},
      {"--lang", "en", "--star-test", "4", "--design", "preset:clear", "--size", "64"},
      {"--lang", "en", "--compare", "preset:4-vanes", "preset:3-vanes", "--size", "64"},
      {"--lang", "en", "--compare", "preset:4-vanes", "preset:3-vanes", "--camera", "--size", "64",
       "--field-px", "8", "--wavelengths", "8"},
      {"--lang", "en", "--compare", "preset:4-vanes", "preset:3-vanes", "--camera", "--pad", "4"},
      {"--lang", "en", "--sweep", "vanes[0].angle_deg=-1:1:3", "--design", "preset:4-vanes",
       "--size", "64", "--csv", "s.csv"},
      {"--lang", "en", "--sweep", "vanes[9].angle_deg=-1:1:3", "--design", "preset:4-vanes",
       "--csv", "s.csv"},
  };
  for (const QStringList& arguments : runs) {
    const Printed printed = RunBatch(folder, arguments);
    EXPECT_FALSE(printed.out.isEmpty() && printed.err.isEmpty())
        << arguments.join(' ').toStdString();
    EXPECT_EQ(JapaneseIn(printed.out + printed.err).toStdString(), "")
        << arguments.join(' ').toStdString();
  }
  const Printed environment = RunBatch(folder, {"--fft"}, QStringLiteral("en"));
  EXPECT_TRUE(environment.out.startsWith(QStringLiteral("Aperture ratio")))
      << environment.out.toStdString();
}

// Japanese is the default and --lang ja is the same run, byte for byte.
TEST(BatchEnglish, JapaneseIsUnchangedAndTheStatusesAreTheSame) {
  test::ScratchFolder folder("batch-japanese");
  const Printed plain = RunBatch(folder, {"--fft"});
  const Printed chosen = RunBatch(folder, {"--lang", "ja", "--fft"});
  const Printed english = RunBatch(folder, {"--lang", "en", "--fft"});
  EXPECT_TRUE(plain.out.startsWith(QStringLiteral("開口率"))) << plain.out.toStdString();
  EXPECT_EQ(plain.out, chosen.out);
  EXPECT_NE(plain.out, english.out);
  for (const QStringList& arguments :
       {QStringList{"--psf"}, QStringList{"--fft", "missing.bmp"}, QStringList{"--wrong"}}) {
    EXPECT_EQ(RunBatch(folder, arguments).status,
              RunBatch(folder, QStringList{"--lang", "en"} + arguments).status);
  }
}

}  // namespace
}  // namespace voka
