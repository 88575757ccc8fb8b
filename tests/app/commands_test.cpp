// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <fstream>

#include "app/common/module_dir.h"
#include "app/main_dialog/voka_dlg.h"
#include "canvas/canvas_view.h"
#include "pupils/pupil_bitmap.h"
#include "reference/pupil_images.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

// A dialog driven without a person: the file choice is injected, and
// messages are collected instead of shown; it works in a scratch folder
// where VOKA.TXT lands.
class DialogCommands : public testing::Test {
 protected:
  void SetUp() override {
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
    dialog_.tellUser = [this](const QString& text) { messages_.push_back(text); };
    dialog_.chooseFile = [this](const QString& initialPath) {
      initialPaths_.push_back(initialPath);
      return nextChoice_;
    };
    dialog_.show();
  }
  void TearDown() override { std::filesystem::current_path(previousFolder_); }

  void Open(const QString& path) {
    nextChoice_ = path;
    dialog_.findChild<QPushButton*>(QStringLiteral("IDC_FILE"))->click();
    ASSERT_TRUE(test::RunUntil([this] { return !dialog_.IsOpening(); }));
  }
  void Press(const char* button) {
    dialog_.findChild<QPushButton*>(QString::fromLatin1(button))->click();
  }
  QString Sample(const char* name) {
    return QString::fromStdString(test::SamplePupilPath(name).string());
  }
  std::string Table() { return test::ReadFileBytes(folder_.path() / "VOKA.TXT"); }
  QImage Shown() { return dialog_.grab().toImage(); }
  ColourValue At(int x, int y) { return dialog_.canvas().GetPixel(x, y); }

  test::ScratchFolder folder_{"dialog"};
  std::filesystem::path previousFolder_;
  CVokaDlg dialog_;
  QStringList messages_;
  QStringList initialPaths_;
  QString nextChoice_;
};

TEST_F(DialogCommands, OpeningASamplePupilShowsItsThumbnail) {
  ModuleDir() = "/opt/voka/";
  Open(Sample("clear_512_24.bmp"));
  ASSERT_EQ(initialPaths_.size(), 1);
  EXPECT_EQ(initialPaths_[0], QStringLiteral("/opt/voka/*.bmp"));
  EXPECT_TRUE(messages_.isEmpty());
  ASSERT_TRUE(dialog_.CurrentDib());
  EXPECT_EQ(At(2 + 64, 25 + 64), kWhite) << "centre of the aperture";
  EXPECT_EQ(At(2, 25), kBlack) << "corner outside the circle";
  EXPECT_EQ(At(131, 90), kBlack);
  // Shown at once, at (10, 10) in the window.
  EXPECT_EQ(Shown().pixel(10 + 2 + 64, 10 + 25 + 64) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(DialogCommands, CancelChangesNothing) {
  Open(Sample("clear_128_8.bmp"));
  const DibHandle before = dialog_.CurrentDib();
  Open(QString());
  EXPECT_TRUE(dialog_.CurrentDib());
  EXPECT_EQ(At(2 + 64, 25 + 64), kWhite);
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(DialogCommands, RefusedFileIsNamedAndLeavesTheBoxBlack) {
  Open(Sample("clear_512_24.bmp"));
  const auto text = folder_.path() / "notes.txt";
  std::ofstream(text) << "not a bitmap\n";
  Open(QString::fromStdString(text.string()));
  EXPECT_FALSE(dialog_.CurrentDib());
  EXPECT_EQ(At(2 + 64, 25 + 64), kBlack);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("notes.txt"))) << messages_[0].toStdString();

  Open(QString::fromStdString((folder_.path() / "gone.bmp").string()));
  EXPECT_EQ(messages_.size(), 2) << "a file that cannot be opened is refused too";
}

TEST_F(DialogCommands, JapaneseFolderNamesWork) {
  const auto folder = folder_.path() / std::filesystem::path(u8"観測データ");
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(test::SamplePupilPath("obstructed_4vanes_128_24.bmp"),
                             folder / std::filesystem::path(u8"瞳.bmp"));
  Open(QString::fromStdU16String((folder / std::filesystem::path(u8"瞳.bmp")).u16string()));
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QStringLiteral("\n")).toStdString();
  EXPECT_TRUE(dialog_.CurrentDib());
}

// A large bitmap is read on a thread: the window answers, the bar follows
// the read, and a newer choice wins over a read still running.
TEST_F(DialogCommands, ALargeBitmapIsReadWhileTheWindowAnswers) {
  constexpr int kSide = 4096;  // 16 MiB at 8 bits a pixel: four pieces of the read
  const std::filesystem::path large = folder_.path() / "large.bmp";
  {
    const bmp_writer::Bytes bytes =
        pupils::PupilBitmap(pupils::PupilDesign{}, kSide, pupils::PupilBitmapForm::kGrey8);
    std::ofstream(large, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  Open(Sample("clear_128_24.bmp"));
  Press("IDC_FFT");
  const int fftProgress = dialog_.m_progress->value();
  QList<int> barValues;
  QObject::connect(dialog_.m_progress, &QProgressBar::valueChanged,
                   [&barValues](int value) { barValues.push_back(value); });

  nextChoice_ = QString::fromStdString(large.string());
  dialog_.OnOpenImage();
  EXPECT_TRUE(dialog_.IsOpening()) << "the read held the window";
  EXPECT_FALSE(dialog_.findChild<QPushButton*>(QStringLiteral("IDC_FFT"))->isEnabled());
  EXPECT_EQ(dialog_.CurrentDib().Layout().width, 128) << "the old pupil until the new one is read";
  ASSERT_TRUE(test::RunUntil([this] { return !dialog_.IsOpening(); }));
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QStringLiteral("\n")).toStdString();
  ASSERT_TRUE(dialog_.CurrentDib());
  EXPECT_EQ(dialog_.CurrentDib().Layout().width, kSide);
  EXPECT_TRUE(std::any_of(barValues.begin(), barValues.end(), [](int value) {
    return value > 0 && value < 100;
  })) << "the bar did not follow the read";
  EXPECT_EQ(dialog_.m_progress->value(), fftProgress) << "the bar keeps the last command's end";
  EXPECT_TRUE(dialog_.findChild<QPushButton*>(QStringLiteral("IDC_FFT"))->isEnabled());

  dialog_.OnOpenImage();
  Open(Sample("clear_128_8.bmp"));
  EXPECT_EQ(dialog_.CurrentDib().Layout().width, 128) << "a superseded read came last";
}

TEST_F(DialogCommands, FftDrawsTheResultsAndWritesTheTable) {
  Open(Sample("obstructed_4vanes_512_24.bmp"));
  Press("IDC_FFT");
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QStringLiteral("\n")).toStdString();
  EXPECT_EQ(dialog_.m_progress->value(), 99);
  EXPECT_EQ(At(0, 0), kDarkBlue) << "band";
  EXPECT_EQ(At(2 + 100, 25 + 40), kWhite) << "thumbnail: open aperture";
  EXPECT_EQ(At(2 + 64, 25 + 64), kBlack) << "thumbnail: the obstruction";
  EXPECT_EQ(At(200, 89), kWhite) << "enlarged centre";
  EXPECT_EQ(At(330, 30), kWhite) << "profile starts at the centre point";
  int captionPixels = 0;
  for (int x = 0; x < 400; ++x)
    for (int y = 5; y < 25; ++y) captionPixels += At(x, y) == kWhite;
  EXPECT_GT(captionPixels, 200) << "captions";
  EXPECT_EQ(dialog_.canvas().TextColour(), kWhite);
  EXPECT_EQ(dialog_.canvas().TextBackground(), kBlack);
  EXPECT_EQ(Table().substr(0, 13), "VOKA \x82\x65\x82\x65\x82\x73\r\n");
  EXPECT_EQ(Shown().pixel(10 + 200, 10 + 89) & 0xFFFFFF, 0xFFFFFFu) << "on screen at once";
}

TEST_F(DialogCommands, AnalysesBeforeAnyImageOnlyTellTheUser) {
  FillBox(dialog_.canvas(), 0, 0, 50, 50, kWhite);
  Press("IDC_FFT");
  Press("IDC_RAYTRACE");
  ASSERT_EQ(messages_.size(), 2);
  EXPECT_TRUE(messages_[0].contains(QString::fromUtf8("ファイル")));
  EXPECT_EQ(At(10, 10), kWhite);
  EXPECT_EQ(dialog_.m_progress->value(), 0);
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "VOKA.TXT"));
}

TEST_F(DialogCommands, RayTraceDrawsAndEndsAt100) {
  Open(Sample("clear_128_24.bmp"));
  Press("IDC_RAYTRACE");
  EXPECT_TRUE(messages_.isEmpty());
  EXPECT_EQ(dialog_.m_progress->value(), 100);
  EXPECT_EQ(At(130 + 64, 2 + 64), kWhite) << "the brightest point at the focus";
  EXPECT_EQ(At(2 + 64, 2 + 64), kWhite) << "thumbnail at (2, 2)";
  EXPECT_EQ(Table().substr(0, 19), "VOKA \x83\x8C\x83\x43\x83\x67\x83\x8C\x81\x5B\x83\x58\r\n");
}

TEST_F(DialogCommands, AReadOnlyTableStaysAndTheUserIsTold) {
  const auto table = folder_.path() / "VOKA.TXT";
  std::ofstream(table, std::ios::binary) << "kept";
  std::filesystem::permissions(table, std::filesystem::perms::owner_read);
  Open(Sample("clear_128_24.bmp"));
  Press("IDC_RAYTRACE");
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(
      messages_[0].contains(QString::fromUtf8("VOKA.TXT を書き込めませんでした（書き込みが")))
      << messages_[0].toStdString();
  EXPECT_EQ(Table(), "kept");
}

std::string RunBatch(const std::filesystem::path& folder, const QStringList& arguments) {
  QProcess batch;
  batch.setWorkingDirectory(QString::fromStdString(folder.string()));
  batch.start(QStringLiteral(VOKA_BATCH_PATH), arguments);
  EXPECT_TRUE(batch.waitForFinished(120000));
  EXPECT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
  return test::ReadFileBytes(folder / "VOKA.TXT");
}

TEST_F(DialogCommands, BatchWritesTheSameTableAsTheDialog) {
  for (const char* sample : {"obstructed_3vanes_512_8.bmp", "offcentre_obstruction_128_24.bmp"}) {
    Open(Sample(sample));
    Press("IDC_FFT");
    const std::string fromDialog = Table();
    test::ScratchFolder batchFolder("batch");
    EXPECT_EQ(RunBatch(batchFolder.path(), {QStringLiteral("--fft"), Sample(sample)}), fromDialog)
        << sample;
  }
  Open(Sample("obstructed_curved_vane_128_8.bmp"));
  Press("IDC_RAYTRACE");
  const std::string fromDialog = Table();
  test::ScratchFolder batchFolder("batch-ray");
  EXPECT_EQ(RunBatch(batchFolder.path(),
                     {QStringLiteral("--raytrace"), Sample("obstructed_curved_vane_128_8.bmp")}),
            fromDialog);
}

}  // namespace
}  // namespace voka
