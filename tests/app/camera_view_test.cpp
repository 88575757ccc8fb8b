// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <fstream>

#include "app/camera_view/camera_picture_view.h"
#include "app/camera_view/camera_view_dlg.h"
#include "app/designer/designer_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "pupils/design_presets.h"
#include "pupils/star_pupil.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using test::RunUntil;

template <typename T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

bool Settle(CCameraViewDlg* window) {
  return RunUntil([window] { return !window->IsComputing(); });
}

int PixelsOfColour(const QImage& picture, QRgb colour) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == colour;
  return count;
}

QStringList NumberTexts(CCameraViewDlg* window) {
  auto* table = Child<QTableWidget>(window, "numbers");
  QStringList texts;
  for (int row = 0; row < table->rowCount(); ++row)
    texts << table->item(row, 0)->text() + QStringLiteral("=") + table->item(row, 1)->text();
  return texts;
}

double ChannelLight(const CameraComputation& shown, int channel) {
  double light = 0.0;
  const std::size_t side = static_cast<std::size_t>(shown.image.pixels.side);
  for (std::size_t p = 0; p < side * side; ++p) light += shown.image.pixels.At(channel, p);
  return light;
}

bool ShowsRefusalRed(QLabel* status) {
  return status->styleSheet().contains(QStringLiteral("#b00000"));
}

// The designer's カメラ像... follows the design; each control changes what its
// name says and nothing else.
TEST(CameraView, FollowsTheDesignerAndEachControlDoesWhatItsNameSays) {
  CVokaDlg dialog;
  dialog.OnDesign();
  CDesignerDlg* designer = dialog.Designer();
  pupils::PupilDesign design = designer->Design();
  design.obstruction.reset();
  design.vanes.clear();
  designer->SetDesign(design);
  Child<QPushButton>(designer, "IDC_DESIGN_CAMERA")->click();
  CCameraViewDlg* window = dialog.CameraWindow();
  ASSERT_NE(window, nullptr);
  Child<QSpinBox>(window, "wavelengthCount")->setValue(8);
  Child<QSpinBox>(window, "fieldPixels")->setValue(32);
  Child<QComboBox>(window, "saturatedColour")->setCurrentIndex(1);  // magenta
  ASSERT_TRUE(RunUntil([window] { return !window->IsComputing() && window->Shown(); }));
  const double roundSpikes = window->Shown()->numbers.spikeFraction;
  EXPECT_LT(roundSpikes, 0.01) << "a clear round aperture";

  const pupils::PupilDesign vanes = *pupils::PresetDesign("4-vanes");
  designer->SetDesign(vanes);
  ASSERT_TRUE(Settle(window));
  EXPECT_GT(window->Shown()->numbers.spikeFraction, roundSpikes + 0.01) << "the vanes followed";

  // Exposure: more of the picture at full well, the numbers unchanged.
  auto* view = Child<CameraPictureView>(window, "cameraPicture");
  const QRgb flag = qRgb(255, 0, 255);
  const int saturatedAtOne = PixelsOfColour(view->Picture(), flag);
  EXPECT_GE(saturatedAtOne, 1) << "at ×1 the brightest pixel just fills the well";
  const QStringList numbers = NumberTexts(window);
  const CameraComputation* computed = window->Shown();
  Child<QSlider>(window, "exposure")->setValue(500);  // × 1e5
  EXPECT_NEAR(window->Exposure(), 1e5, 1e-6);
  EXPECT_GT(PixelsOfColour(view->Picture(), flag), 4 * saturatedAtOne);
  EXPECT_EQ(window->Shown(), computed) << "the exposure only redraws";

  // Stretch: other pixels, the same numbers and no new computation.
  Child<QSlider>(window, "exposure")->setValue(0);
  const QImage asinh = view->Picture();
  Child<QComboBox>(window, "stretch")->setCurrentIndex(static_cast<int>(camera::Stretch::kLinear));
  EXPECT_NE(view->Picture(), asinh);
  EXPECT_EQ(window->Shown(), computed);
  EXPECT_EQ(NumberTexts(window), numbers);

  // Pixel pitch and focal length: Q = λF/(pD), told in words below 2.
  auto* note = Child<QLabel>(window, "samplingNote");
  const double q = window->Shown()->numbers.samplingQ;
  EXPECT_NEAR(q, 550e-6 * 1000.0 / (3.76e-3 * vanes.apertureDiameterMm), 1e-9);
  EXPECT_FALSE(note->text().isEmpty()) << "Q = " << q;
  Child<QDoubleSpinBox>(window, "focal")->setValue(4000.0);
  ASSERT_TRUE(Settle(window));
  EXPECT_NEAR(window->Shown()->numbers.samplingQ, 4.0 * q, 1e-9);
  EXPECT_TRUE(note->text().isEmpty());
  Child<QDoubleSpinBox>(window, "pixelPitch")->setValue(7.52);
  ASSERT_TRUE(Settle(window));
  EXPECT_NEAR(window->Shown()->numbers.samplingQ, 2.0 * q, 1e-9);

  // Temperature: a hot star is bluer than a cool one.
  auto* temperature = Child<QDoubleSpinBox>(window, "temperature");
  temperature->setValue(4000.0);
  ASSERT_TRUE(Settle(window));
  const double coolRedOverBlue =
      ChannelLight(*window->Shown(), 0) / ChannelLight(*window->Shown(), 2);
  temperature->setValue(10000.0);
  ASSERT_TRUE(Settle(window));
  EXPECT_LT(ChannelLight(*window->Shown(), 0) / ChannelLight(*window->Shown(), 2),
            0.8 * coolRedOverBlue);

  // Mono: one channel, drawn grey, one brightest-pixel row.
  Child<QComboBox>(window, "colourMode")
      ->setCurrentIndex(static_cast<int>(camera::ColourMode::kMono));
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(window->Shown()->image.pixels.channelCount, 1);
  EXPECT_EQ(window->Shown()->numbers.brightestPixelFraction.size(), 1u);
  const QImage grey = view->Picture();
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) {
      const QRgb pixel = grey.pixel(x, y);
      if (pixel == flag) continue;
      ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x << "," << y;
    }
}

// A spectrum file that is not a table is refused in red and the last picture
// stays; a good one is taken, and the numbers are saved whole as JSON.
TEST(CameraView, ABadSpectrumFileIsToldInRedAndExportsAreWrittenWhole) {
  test::ScratchFolder folder("camera-view");
  const auto bad = folder.path() / "bad.csv";
  const auto good = folder.path() / "good.csv";
  std::ofstream(bad) << "wavelength,weight\n450,1\nabc,2\n";
  std::ofstream(good) << "450,1\n550,1\n650,2\n";
  CCameraViewDlg window;
  QString openPath;
  QString savePath;
  QStringList messages;
  window.chooseOpenPath = [&](const QString&, const QString&, const QString&) { return openPath; };
  window.chooseSavePath = [&](const QString&, const QString&, const QString&) { return savePath; };
  window.tellUser = [&](const QString& text) { messages << text; };
  window.show();
  Child<QSpinBox>(&window, "wavelengthCount")->setValue(8);
  Child<QSpinBox>(&window, "fieldPixels")->setValue(16);
  window.ShowPupil(pupils::StarPupilOfDesign(*pupils::PresetDesign("4-vanes"), 128), 200.0);
  ASSERT_TRUE(RunUntil([&] { return !window.IsComputing() && window.Shown(); }));
  const CameraComputation* before = window.Shown();
  auto* status = Child<QLabel>(&window, "status");
  EXPECT_FALSE(ShowsRefusalRed(status));

  Child<QComboBox>(&window, "spectrumKind")
      ->setCurrentIndex(static_cast<int>(camera::SpectrumKind::kTable));
  EXPECT_TRUE(ShowsRefusalRed(status)) << "no file chosen yet";
  openPath = QString::fromStdString(bad.string());
  Child<QPushButton>(&window, "spectrumFile")->click();
  ASSERT_TRUE(Settle(&window));
  EXPECT_TRUE(ShowsRefusalRed(status));
  EXPECT_TRUE(status->text().contains(QStringLiteral("bad.csv"))) << status->text().toStdString();
  EXPECT_TRUE(status->text().contains(QStringLiteral("3"))) << "names the line";
  EXPECT_EQ(window.Shown(), before);

  openPath = QString::fromStdString(good.string());
  Child<QPushButton>(&window, "spectrumFile")->click();
  ASSERT_TRUE(Settle(&window));
  EXPECT_FALSE(ShowsRefusalRed(status)) << status->text().toStdString();
  ASSERT_NE(window.Shown(), before);
  EXPECT_EQ(window.Shown()->settings.spectrum.fromNm, 450.0);

  const auto json = folder.path() / "camera.json";
  savePath = QString::fromStdString(json.string());
  Child<QPushButton>(&window, "saveJson")->click();
  ASSERT_TRUE(RunUntil([&] { return !window.IsSaving(); }));
  EXPECT_EQ(test::ReadFileBytes(json), camera::CameraNumbersJson(window.Shown()->numbers));
  const auto png = folder.path() / "camera.png";
  savePath = QString::fromStdString(png.string());
  Child<QPushButton>(&window, "savePng")->click();
  ASSERT_TRUE(RunUntil([&] { return !window.IsSaving(); }));
  QImage saved;
  ASSERT_TRUE(saved.load(QString::fromStdString(png.string())));
  EXPECT_EQ(saved.size(), QSize(16, 16));
  EXPECT_TRUE(messages.isEmpty()) << messages.join(QStringLiteral("\n")).toStdString();
}

}  // namespace
}  // namespace voka
