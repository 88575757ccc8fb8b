// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <atomic>
#include <functional>
#include <numeric>

#include "app/designer/designer_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "app/star_image/curve_chart.h"
#include "app/star_image/psf_view.h"
#include "app/star_image/star_image_dlg.h"
#include "dib/dib_red_channel.h"
#include "psf/curves_csv.h"
#include "psf/psf_analysis.h"
#include "psfview/log_view_image.h"
#include "reference/pupil_images.h"
#include "support/context_menu.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using pupil_shapes::PupilShape;

using test::RunUntil;

psf::PupilAmplitude ShapeAmplitude(PupilShape shape, int side) {
  const bmp_writer::ColourImage image = pupil_shapes::DrawPupil(shape, side);
  std::vector<double> open(static_cast<std::size_t>(side) * side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) open[y * side + x] = RedOf(image.At(x, y)) / 255.0;
  return psf::PupilFromOpenFraction(std::move(open), side, {});
}

double Sum(const psf::PupilAmplitude& pupil) {
  return std::accumulate(pupil.amplitude.begin(), pupil.amplitude.end(), 0.0);
}

// A window driven without a person: saves go where the test says, messages
// are collected.
class StarImageWindow : public testing::Test {
 protected:
  void SetUp() override {
    window_.tellUser = [this](const QString& text) { messages_.push_back(text); };
    window_.chooseSavePath = [this](const QString&, const QString&, const QString&) {
      return savePath_;
    };
    window_.show();
  }
  bool Settle() {
    return RunUntil([this] { return !window_.IsComputing(); });
  }
  template <typename T>
  T* Child(const char* name) {
    return window_.findChild<T*>(QString::fromLatin1(name));
  }
  QString Status() { return Child<QLabel>("status")->text(); }

  test::ScratchFolder folder_{"star-image"};
  CStarImageDlg window_;
  QStringList messages_;
  QString savePath_;
};

TEST_F(StarImageWindow, ComputesABitmapPupilAndShowsItsNumbersWithUnits) {
  window_.ShowBitmapPupil(test::ShapePupil(PupilShape::kFourVanes, 64),
                          QStringLiteral("vanes.bmp"));
  ASSERT_TRUE(Settle());
  const StarImageComputation* shown = window_.Shown();
  ASSERT_NE(shown, nullptr) << Status().toStdString();
  EXPECT_EQ(shown->analysis->image.pupilSide, 64);

  // The peak grows with the square of the light let through; red / 255 of
  // the bitmap is that light.
  const double open = Sum(ShapeAmplitude(PupilShape::kFourVanes, 64));
  const double clear = Sum(ShapeAmplitude(PupilShape::kClear, 64));
  const double expected = (open / clear) * (open / clear);
  EXPECT_NEAR(shown->analysis->numbers.peakRatio, expected, 0.02 * expected);

  auto* table = Child<QTableWidget>("numbers");
  ASSERT_GE(table->rowCount(), 8);
  EXPECT_EQ(table->item(0, 1)->text(), QString::number(shown->analysis->numbers.peakRatio, 'f', 4));
  QString units;
  for (int row = 0; row < table->rowCount(); ++row) units += table->item(row, 1)->text();
  for (const char* unit : {"%", "秒角/画素", "µm/画素", "秒角 ("})
    EXPECT_TRUE(units.contains(QString::fromUtf8(unit))) << unit;

  const PsfPicture& picture = Child<PsfView>("psfView")->Picture();
  EXPECT_FALSE(picture.image.isNull());
  EXPECT_NEAR(picture.halfWidthArcsec, 20.0 * shown->analysis->image.scale.lambdaOverDArcsec, 1e-9);
  const auto charts = window_.findChildren<CurveChart*>();
  ASSERT_EQ(charts.size(), 2);
  EXPECT_EQ(charts[0]->CurveCount() + charts[1]->CurveCount(), 2 + 4);
  EXPECT_TRUE(Child<QPushButton>("saveCsv")->isEnabled());
  EXPECT_TRUE(Status().contains(QStringLiteral("vanes.bmp"))) << Status().toStdString();
}

TEST_F(StarImageWindow, RequestsReturnAtOnceAndCancelKeepsThePreviousResult) {
  // 32 pixels span ±16 λ/D at most: the default field of ±20 is narrowed.
  window_.ShowPupil(ShapeAmplitude(PupilShape::kClear, 32), 200.0);
  ASSERT_TRUE(Settle());
  const StarImageComputation* before = window_.Shown();
  ASSERT_NE(before, nullptr) << Status().toStdString();
  EXPECT_DOUBLE_EQ(before->zoom.window.halfWidthLambdaOverD, 16.0);

  // A 4096² transform takes far longer than a frame. The call returns while
  // it runs (a clock would measure the machine's load, not the window).
  window_.ShowPupil(ShapeAmplitude(PupilShape::kFourVanes, 1024), 200.0);
  EXPECT_TRUE(window_.IsComputing()) << "the request waited for its result";
  EXPECT_EQ(window_.Shown(), before);
  EXPECT_TRUE(Child<QPushButton>("cancel")->isEnabled());
  Child<QPushButton>("cancel")->click();
  ASSERT_TRUE(Settle());

  EXPECT_EQ(window_.Shown(), before);
  EXPECT_FALSE(Child<QPushButton>("cancel")->isEnabled());
  EXPECT_EQ(window_.findChild<QProgressBar*>()->value(), 0);
  EXPECT_TRUE(Status().contains(QString::fromUtf8("中止"))) << Status().toStdString();
}

TEST_F(StarImageWindow, ZoomReusesTheTransformButNeverAStalePupil) {
  window_.ShowPupil(ShapeAmplitude(PupilShape::kClear, 64), 200.0);
  ASSERT_TRUE(Settle());
  const auto analysis = window_.Shown()->analysis;
  Child<QDoubleSpinBox>("field")->setValue(8.0);
  ASSERT_TRUE(Settle());
  EXPECT_EQ(window_.Shown()->analysis, analysis) << "a new field needs no new transform";
  EXPECT_DOUBLE_EQ(window_.Shown()->zoom.window.halfWidthLambdaOverD, 8.0);

  // Twice the wavelength: the same image in λ/D, twice as wide on the sky.
  const double lambdaOverDArcsec = analysis->image.scale.lambdaOverDArcsec;
  Child<QDoubleSpinBox>("wavelength")->setValue(1100.0);
  ASSERT_TRUE(Settle());
  EXPECT_NEAR(window_.Shown()->analysis->image.scale.lambdaOverDArcsec, 2 * lambdaOverDArcsec,
              1e-12 * lambdaOverDArcsec);
  EXPECT_EQ(window_.Shown()->analysis->numbers.peakRatio, analysis->numbers.peakRatio);
  EXPECT_NEAR(Child<PsfView>("psfView")->Picture().halfWidthArcsec, 8 * 2 * lambdaOverDArcsec,
              1e-9);

  // A field change while a new pupil computes must not bring the old back.
  window_.ShowPupil(ShapeAmplitude(PupilShape::kFourVanes, 64), 200.0);
  Child<QDoubleSpinBox>("field")->setValue(12.0);
  ASSERT_TRUE(Settle());
  EXPECT_NE(window_.Shown()->analysis, analysis);
  EXPECT_LT(window_.Shown()->analysis->numbers.peakRatio, 0.95);
  EXPECT_DOUBLE_EQ(window_.Shown()->zoom.window.halfWidthLambdaOverD, 12.0);
}

TEST_F(StarImageWindow, ANewWavelengthRecomputesAPupilWithAPhase) {
  // Defocus given in nanometres is fewer waves at a longer wavelength: the
  // image changes shape, so the old transform cannot be rescaled.
  psf::PupilAmplitude pupil = ShapeAmplitude(PupilShape::kClear, 64);
  for (int row = 0; row < 64; ++row) {
    for (int column = 0; column < 64; ++column) {
      const double x = (column - 31.5) / 32, y = (row - 31.5) / 32;
      pupil.opdNm.push_back(150.0 * (2 * (x * x + y * y) - 1));
    }
  }
  window_.ShowPupil(pupil, 200.0);
  ASSERT_TRUE(Settle());
  Child<QDoubleSpinBox>("wavelength")->setValue(1100.0);
  ASSERT_TRUE(Settle());
  psf::PsfSettings settings = window_.Shown()->analysis->image.settings;
  ASSERT_EQ(settings.wavelengthNm, 1100.0);
  const double expected = psf::AnalysePupil(pupil, settings)->numbers.peakRatio;
  settings.wavelengthNm = 550.0;
  ASSERT_GT(expected, psf::AnalysePupil(pupil, settings)->numbers.peakRatio + 0.05);
  EXPECT_NEAR(window_.Shown()->analysis->numbers.peakRatio, expected, 1e-12);
}

TEST_F(StarImageWindow, RendersAtTheChosenSideAndRefusesAnOversizedGrid) {
  Child<QSpinBox>("sideN")->setValue(96);
  Child<QSpinBox>("padQ")->setValue(8);
  std::atomic<int> renderedSide{0};
  window_.ShowRenderedPupil(
      [&renderedSide](int side) {
        renderedSide = side;
        return ShapeAmplitude(PupilShape::kThreeVanes, side);
      },
      150.0);
  ASSERT_TRUE(Settle());
  ASSERT_NE(window_.Shown(), nullptr) << Status().toStdString();
  EXPECT_EQ(renderedSide, 96);
  EXPECT_EQ(window_.Shown()->analysis->image.paddedSide, 96 * 8);
  EXPECT_EQ(window_.Shown()->analysis->image.settings.apertureDiameterMm, 150.0);
  const StarImageComputation* before = window_.Shown();

  Child<QSpinBox>("sideN")->setValue(4096);
  EXPECT_FALSE(window_.IsComputing());
  EXPECT_TRUE(Status().contains(QStringLiteral("16384"))) << Status().toStdString();
  EXPECT_EQ(window_.Shown(), before);

  // A renderer that draws up to 100 pixels: a larger N is refused as a size.
  Child<QSpinBox>("sideN")->setValue(64);
  window_.ShowRenderedPupil([](int side) { return ShapeAmplitude(PupilShape::kClear, side); },
                            150.0, 100);
  ASSERT_TRUE(Settle());
  ASSERT_NE(window_.Shown(), nullptr) << Status().toStdString();
  EXPECT_EQ(window_.Shown()->analysis->image.pupilSide, 64);
  Child<QSpinBox>("sideN")->setValue(101);
  EXPECT_FALSE(window_.IsComputing());
  EXPECT_TRUE(Status().contains(QStringLiteral(" 100 "))) << Status().toStdString();
}

TEST_F(StarImageWindow, ExportsWriteWholeFilesAndNameTheFileThatFailed) {
  window_.ShowPupil(ShapeAmplitude(PupilShape::kFourVanes, 48), 200.0);
  ASSERT_TRUE(Settle());
  ASSERT_NE(window_.Shown(), nullptr) << Status().toStdString();
  const psf::PsfAnalysis& analysis = *window_.Shown()->analysis;

  savePath_ = QString::fromStdString((folder_.path() / "curves.csv").string());
  Child<QPushButton>("saveCsv")->click();
  EXPECT_EQ(test::ReadFileBytes(folder_.path() / "curves.csv"),
            psf::CurvesCsv(analysis.numbers, analysis.mtf, analysis.image.scale));
  savePath_ = QString::fromStdString((folder_.path() / "star.fits").string());
  Child<QPushButton>("saveFits")->click();
  EXPECT_EQ(test::ReadFileBytes(folder_.path() / "star.fits").substr(0, 9), "SIMPLE  =");
  savePath_ = QString::fromStdString((folder_.path() / "view.png").string());
  Child<QPushButton>("savePng")->click();
  // The same picture as the headless run draws, at the field and decades shown.
  EXPECT_EQ(
      test::ReadFileBytes(folder_.path() / "view.png"),
      psfview::PngBytes(psfview::LogViewImage(analysis.image, Child<QSpinBox>("decades")->value(),
                                              Child<QDoubleSpinBox>("field")->value())));
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();

  savePath_ = QString::fromStdString((folder_.path() / "missing" / "curves.csv").string());
  Child<QPushButton>("saveCsv")->click();
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("curves.csv")));
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "missing"));
}

TEST_F(StarImageWindow, RefusesAnUnreadableBitmapByName) {
  window_.ShowBitmapPupil(DibHandle(), QStringLiteral("/tmp/bad\x01name.bmp"));
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("bad\\x01name.bmp")))
      << messages_[0].toStdString();
  EXPECT_FALSE(window_.IsComputing());
  EXPECT_EQ(window_.Shown(), nullptr);
}

TEST(PsfView, ColourBarRunsFromTheFloorUpToThePeak) {
  PsfView view;
  view.resize(view.sizeHint());
  PsfPicture picture;
  picture.image = QImage(8, 8, QImage::Format_RGB888);
  picture.image.fill(Qt::gray);
  picture.halfWidthArcsec = 3.0;
  picture.decades = 5;
  picture.colourMap = {qRgb(0, 0, 255), qRgb(255, 255, 0)};
  view.Show(picture);
  const QImage shot = view.grab().toImage();
  // The bar stands beside the image, over its whole height.
  int barX = -1;
  for (int x = shot.width() - 1; x >= 0 && barX < 0; --x)
    if (shot.pixel(x, shot.height() / 4) == qRgb(255, 255, 0)) barX = x;
  ASSERT_GE(barX, 0) << "no peak colour in the upper half";
  // Just above the margin of the x axis's labels: the bottom of the bar.
  EXPECT_EQ(shot.pixel(barX, shot.height() - 50), qRgb(0, 0, 255)) << "floor at the bottom";
}

TEST(LatestOnlyRunner, RunsTheFirstAndTheLastOfABurst) {
  LatestOnlyRunner runner;
  std::atomic<bool> release{false};
  std::vector<int> ran;  // written on the runner's thread, read after it is idle
  int delivered = 0;
  const auto task = [&](int id) {
    return [&, id](const CancelFlag& cancel, const LatestOnlyRunner::ProgressSink&) {
      ran.push_back(id);
      while (id == 1 && !release) QThread::msleep(1);
      return cancel.IsRaised() ? LatestOnlyRunner::Delivery()
                               : LatestOnlyRunner::Delivery([&delivered, id] { delivered = id; });
    };
  };
  bool idle = false;
  QObject::connect(&runner, &LatestOnlyRunner::Idle, [&idle](bool) { idle = true; });
  for (int id = 1; id <= 5; ++id) runner.Submit(task(id));
  release = true;
  ASSERT_TRUE(RunUntil([&idle] { return idle; }));
  EXPECT_EQ(ran, (std::vector<int>{1, 5}));
  EXPECT_EQ(delivered, 5);
}

TEST(DibRedChannel, ReadsAnImageLargerThanTheCanvasPixelForPixel) {
  constexpr int kWidth = 600;
  constexpr int kHeight = 530;
  bmp_writer::ColourImage image(kWidth, kHeight);
  const auto red = [](int x, int y) { return static_cast<std::uint8_t>((x * 7 + y * 13) % 256); };
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) image.At(x, y) = Rgb(red(x, y), 9, 200);
  const RedChannel channel = DibRedChannel(test::DibFromImage(image), 1000);
  ASSERT_EQ(channel.width, kWidth);
  ASSERT_EQ(channel.height, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(channel.red[y * kWidth + x], red(x, y)) << x << "," << y;
  EXPECT_EQ(DibRedChannel(test::DibFromImage(image), 599).width, 0) << "over the limit";
}

TEST(MainDialog, StarImageButtonAndMenuOpenTheWindowOnTheOpenPupil) {
  CVokaDlg dialog;
  dialog.chooseFile = [](const QString&) {
    return QString::fromStdString(test::SamplePupilPath("obstructed_4vanes_128_8.bmp").string());
  };
  dialog.show();
  auto* button = dialog.findChild<QPushButton*>(QStringLiteral("IDC_STARIMAGE"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), QRect(432, 152, 88, 24));
  EXPECT_EQ(button->text(), QString::fromUtf8("星像..."));
  dialog.OnOpenImage();
  ASSERT_TRUE(RunUntil([&dialog] { return !dialog.IsOpening(); }));

  bool chosen = false;
  test::WithContextMenu(
      dialog, [&chosen](QMenu* menu) { chosen = test::ChooseMenuItem(menu, "IDC_STARIMAGE"); });
  EXPECT_TRUE(chosen);
  CStarImageDlg* window = dialog.StarImageWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing(); }));
  ASSERT_NE(window->Shown(), nullptr);
  EXPECT_EQ(window->Shown()->analysis->image.pupilSide, 128);

  button->click();
  EXPECT_EQ(dialog.StarImageWindow(), window) << "one window, raised again";
}

}  // namespace
}  // namespace voka

namespace voka {
namespace {

// The designer's 星像... shows the design's star image and follows its changes
// until a bitmap is shown again.
TEST(MainDialog, StarImageFollowsTheDesignerUntilABitmapIsShown) {
  CVokaDlg dialog;
  dialog.OnDesign();
  CDesignerDlg* designer = dialog.Designer();
  ASSERT_NE(designer, nullptr);
  pupils::PupilDesign design = designer->Design();
  design.obstruction.reset();
  design.vanes.clear();
  designer->SetDesign(design);

  auto* button = designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_STARIMAGE"));
  ASSERT_NE(button, nullptr);
  dialog.OnDesign();
  button->click();
  CStarImageDlg* window = dialog.StarImageWindow();
  ASSERT_NE(window, nullptr);
  window->findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing() && window->Shown(); }));
  EXPECT_NEAR(window->Shown()->analysis->numbers.peakRatio, 1.0, 0.02) << "a clear aperture";

  design.obstruction = pupils::Obstruction{design.apertureDiameterMm / 2, 0.0, 0.0};
  designer->SetDesign(design);
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing(); }));
  EXPECT_NEAR(window->Shown()->analysis->numbers.peakRatio, 0.75 * 0.75, 0.02)
      << "a half-diameter obstruction leaves (1 - 1/4)^2 of the peak";

  dialog.OnStarImage();  // no bitmap open: the window keeps what it shows
  design.obstruction.reset();
  designer->SetDesign(design);
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing(); }));
  EXPECT_NEAR(window->Shown()->analysis->numbers.peakRatio, 0.75 * 0.75, 0.02)
      << "no longer following the designer";
}

// Whether the widget shows text in the dark red of a refusal.
bool ShowsRedText(QWidget* widget) {
  const QImage shot = widget->grab().toImage();
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QRgb pixel = shot.pixel(x, y);
      if (qRed(pixel) > 120 && qGreen(pixel) < 60 && qBlue(pixel) < 60) return true;
    }
  return false;
}

// An opaque pupil has no star image: the window must say so, not compute for ever.
TEST(MainDialog, ADesignThatLetsNoLightThroughIsToldInRed) {
  CVokaDlg dialog;
  dialog.OnDesign();
  CDesignerDlg* designer = dialog.Designer();
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_STARIMAGE"))->click();
  CStarImageDlg* window = dialog.StarImageWindow();
  ASSERT_NE(window, nullptr);
  window->findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing() && window->Shown(); }));
  const StarImageComputation* before = window->Shown();
  auto* status = window->findChild<QLabel*>(QStringLiteral("status"));
  EXPECT_FALSE(ShowsRedText(status)) << status->text().toStdString();

  // Four vanes wider than the aperture cover all of it.
  pupils::PupilDesign design = designer->Design();
  design.vanes.clear();
  for (const double angleDeg : {0.0, 90.0, 180.0, 270.0})
    design.vanes.push_back(pupils::Vane{pupils::VaneShape::kStraight, angleDeg,
                                        4 * design.apertureDiameterMm, 0.0, 100.0});
  designer->SetDesign(design);
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing(); }));
  EXPECT_EQ(status->text(), NoLightRefusal());
  EXPECT_TRUE(ShowsRedText(status));
  EXPECT_EQ(window->Shown(), before) << "the last star image stays in view";

  design.vanes.resize(1);
  design.vanes[0].widthMm = 2.0;
  designer->SetDesign(design);
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing(); }));
  EXPECT_NE(window->Shown(), before);
  EXPECT_FALSE(ShowsRedText(status)) << status->text().toStdString();
}

}  // namespace
}  // namespace voka
