// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random design edits, as fast as the event loop takes them,
// while the star-image, camera, comparison and sweep windows follow, open and
// close, and the sweep is cancelled and restarted. A race between their jobs
// does not show in a test that passes once: it shows as a stale picture,
// numbers of one design beside the picture of another, a crash when a window
// closes during a job, or a worker left running. At the end each window must
// show exactly what a fresh computation of the last design gives.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QThreadPool>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>

#include "app/camera_view/camera_picture_view.h"
#include "app/camera_view/camera_view_dlg.h"
#include "app/camera_view/camera_view_job.h"
#include "app/compare/compare_dlg.h"
#include "app/designer/designer_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "app/star_image/design_optics.h"
#include "app/star_image/psf_view.h"
#include "app/star_image/star_image_dlg.h"
#include "app/star_image/star_image_job.h"
#include "app/star_image/star_image_presentation.h"
#include "app/sweep/sweep_dlg.h"
#include "camera/camera_renderer.h"
#include "psfview/camera_picture.h"
#include "pupils/design_json.h"
#include "pupils/design_presets.h"
#include "pupils/open_fraction_render.h"
#include "pupils/star_pupil.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using test::RunUntil;

// As many edits under the sanitizers as without: the edits are cheap, and
// the slower transforms there only mean more jobs are superseded.
constexpr int kEdits = 5000;
// Generous: the run takes well under half of this on two busy cores.
constexpr qint64 kTimeLimitMs = 240'000;

template <typename T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) ADD_FAILURE() << "no control " << name;
  return child;
}

void WriteFile(const std::filesystem::path& path, const QByteArray& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

// The largest difference of a channel between two pictures of one size; the
// same computation may differ in the last bit of a sum summed in another order.
int LargestChannelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return 256;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

class LiveWindowsStress {
 public:
  explicit LiveWindowsStress(unsigned seed) : random_(seed) {
    dialog_.tellUser = [](const QString&) {};
    dialog_.OnDesign();
    designer_ = dialog_.Designer();
    designer_->tellUser = [this](const QString&) { ++messages_; };
    designer_->chooseOpenFile = [this](const QString&) { return nextFile_; };
    const auto presets = pupils::DesignPresets();
    const pupils::PupilDesign vanes = *pupils::PresetDesign(presets.back().name);
    WriteFile(folder_.path() / "good.json", pupils::DesignToJson(vanes));
    WriteFile(folder_.path() / "garbage.json", QByteArray("{\"version\": 2, \"aperture\": [}"));
    WriteFile(folder_.path() / "zero.json", QByteArray(1, '\0'));
    OpenWindows();
    // Small grids, so that many jobs end while the edits run.
    Child<QSpinBox>(star(), "sideN")->setValue(64);
    Child<QSpinBox>(camera(), "wavelengthCount")->setValue(8);
    Child<QSpinBox>(camera(), "fieldPixels")->setValue(32);
    for (QWidget* window : {static_cast<QWidget*>(compare()), static_cast<QWidget*>(sweep())}) {
      Child<QSpinBox>(window, "sideN")->setValue(64);
      Child<QSpinBox>(window, "padQ")->setValue(2);
    }
    sweep()->SetRange(-4.0, 4.0, 5);
  }

  CStarImageDlg* star() const { return dialog_.StarImageWindow(); }
  CCameraViewDlg* camera() const { return dialog_.CameraWindow(); }
  CDesignerDlg* designer() const { return designer_; }
  CCompareDlg* compare() const { return designer_->findChild<CCompareDlg*>(); }
  CSweepDlg* sweep() const { return designer_->findChild<CSweepDlg*>(); }
  int Messages() const { return messages_; }

  void OpenWindows() {
    Child<QPushButton>(designer_, "IDC_DESIGN_STARIMAGE")->click();
    Child<QPushButton>(designer_, "IDC_DESIGN_CAMERA")->click();
    Child<QPushButton>(designer_, "IDC_DESIGN_COMPARE")->click();
    Child<QPushButton>(designer_, "IDC_DESIGN_SWEEP")->click();
  }

  // The sweep turns the first vane, when there is one, cancelling a sweep
  // that runs.
  void RestartSweep() {
    sweep()->Cancel();
    if (!designer_->Design().vanes.empty() &&
        sweep()->ChoosePath(QStringLiteral("vanes[0].angle_deg")))
      sweep()->Start();
  }

  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  double Between(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }

  // One edit a person could make, or a value no person could type.
  void RandomEdit() {
    switch (Pick(14)) {
      case 0:
        designer_->ApplyPreset(Pick(static_cast<int>(pupils::DesignPresets().size())));
        break;
      case 1:  // a slider dragged: several positions in a row
        if (SelectVane()) {
          auto* slider = Child<QSlider>(designer_, "angleSlider");
          for (int step = 0; step < 5; ++step)
            slider->setValue(Pick(slider->maximum() - slider->minimum() + 1) + slider->minimum());
        }
        break;
      case 2:  // out of range on both sides: the control clamps
        Child<QDoubleSpinBox>(designer_, "aperture")->setValue(Between(-100.0, 5000.0));
        break;
      case 3:  // may exceed the aperture: the designer refuses the design
        Child<QDoubleSpinBox>(designer_, "obstruction")->setValue(Between(0.0, 400.0));
        break;
      case 4:
        if (SelectVane()) Child<QDoubleSpinBox>(designer_, "width")->setValue(Between(0.0, 50.0));
        break;
      case 5:
        Child<QPushButton>(designer_, "addVane")->click();
        break;
      case 6:
        if (SelectVane()) Child<QPushButton>(designer_, "removeVane")->click();
        break;
      case 7: {
        const char* names[] = {"good.json", "garbage.json", "zero.json", "missing.json"};
        nextFile_ = QString::fromStdString((folder_.path() / names[Pick(4)]).string());
        designer_->OnOpenDesign();
        break;
      }
      case 8: {  // values the controls would never give
        pupils::PupilDesign design = designer_->Design();
        const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(), -1.0, 0.0, 1e300};
        design.apertureDiameterMm = bad[Pick(5)];
        designer_->SetDesign(design);
        break;
      }
      case 9:  // a window closed in the middle of its job, or opened again
        if (Pick(2) == 0) {
          QWidget* windows[] = {star(), camera(), compare(), sweep()};
          windows[Pick(4)]->close();
        } else {
          OpenWindows();
        }
        break;
      case 10:
        Child<QDoubleSpinBox>(star(), "field")->setValue(Between(2.0, 30.0));
        Child<QSpinBox>(star(), "sideN")->setValue(Pick(2) == 0 ? 32 : 64);
        break;
      case 11: {  // a wavefront slider dragged, defocus to spherical (Noll 4 to 11)
        const std::string name = "zernike" + std::to_string(4 + Pick(8));
        auto* slider = Child<QSlider>(designer_, name.c_str());
        for (int step = 0; step < 5; ++step)
          slider->setValue(Pick(slider->maximum() - slider->minimum() + 1) + slider->minimum());
        break;
      }
      case 12:
        compare()->UseCurrentDesign(Pick(2));
        break;
      default:
        Child<QSlider>(camera(), "exposure")->setValue(Pick(500));
        break;
    }
  }

 private:
  bool SelectVane() {
    auto* list = Child<QListWidget>(designer_, "vanes");
    if (list->count() == 0) return false;
    list->setCurrentRow(Pick(list->count()));
    return true;
  }

  test::ScratchFolder folder_{"stress"};
  CVokaDlg dialog_;
  CDesignerDlg* designer_ = nullptr;
  std::mt19937 random_;
  QString nextFile_;
  int messages_ = 0;
};

PupilRenderer RendererOf(const pupils::PupilDesign& design) {
  return [design](int side) { return pupils::StarPupilOfDesign(design, side); };
}

// The star image of the design computed afresh with the window's settings:
// the pupil, the numbers in the table and the picture must all be its.
void ExpectStarImageOf(CStarImageDlg* window, const pupils::PupilDesign& design) {
  const StarImageComputation* shown = window->Shown();
  ASSERT_NE(shown, nullptr);
  StarImageRequest request;
  request.renderPupil = RendererOf(design);
  request.renderSide = Child<QSpinBox>(window, "sideN")->value();
  request.largestRenderSide = pupils::kMaxRenderSidePixels;
  request.settings.padFactor = Child<QSpinBox>(window, "padQ")->value();
  request.settings.wavelengthNm = Child<QDoubleSpinBox>(window, "wavelength")->value();
  request.settings.apertureDiameterMm = design.apertureDiameterMm;
  request.settings.focalLengthMm = OpticsOfDesign(design).focalLengthMm.value_or(
      Child<QDoubleSpinBox>(window, "focal")->value());
  request.zoomHalfWidthLambdaOverD = Child<QDoubleSpinBox>(window, "field")->value();
  const StarImageOutcome fresh = ComputeStarImageOutcome(request, CancelFlag(), [](int) {});
  ASSERT_EQ(fresh.end, StarImageEnd::kDone) << fresh.refusal.toStdString();
  const StarImageComputation& expected = *fresh.computation;

  EXPECT_EQ(shown->pupil->amplitude, expected.pupil->amplitude) << "the pupil of another design";
  EXPECT_EQ(shown->pupil->opdNm, expected.pupil->opdNm) << "the wavefront of another design";
  EXPECT_EQ(shown->analysis->image.settings.apertureDiameterMm, design.apertureDiameterMm);
  EXPECT_NEAR(shown->analysis->numbers.peakRatio, expected.analysis->numbers.peakRatio, 1e-9);
  auto* table = Child<QTableWidget>(window, "numbers");
  StarImageComputation timed = expected;  // the time it took is the window's own
  timed.seconds = shown->seconds;
  const std::vector<NumberRow> rows = NumberRows(timed);
  ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
  for (int row = 0; row < table->rowCount(); ++row)
    EXPECT_EQ(table->item(row, 1)->text(), rows[row].value) << rows[row].quantity.toStdString();
  const int decades = Child<QSpinBox>(window, "decades")->value();
  EXPECT_LE(LargestChannelDifference(Child<PsfView>(window, "psfView")->Picture().image,
                                     MakePsfPicture(expected, decades).image),
            1)
      << "the picture of another design";
}

void ExpectCameraImageOf(CCameraViewDlg* window, const pupils::PupilDesign& design) {
  const CameraComputation* shown = window->Shown();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->settings.apertureDiameterMm, design.apertureDiameterMm);
  CameraRequest request;
  request.renderPupil = RendererOf(design);
  request.settings = shown->settings;
  request.settings.apertureDiameterMm = design.apertureDiameterMm;
  request.renderer = std::make_shared<camera::CameraRenderer>();
  const CameraOutcomeForWindow fresh = ComputeCameraForWindow(request, CancelFlag(), [](int) {});
  ASSERT_EQ(fresh.end, CameraEnd::kDone) << fresh.refusal.toStdString();
  const CameraComputation& expected = *fresh.computation;

  EXPECT_EQ(shown->pupil->amplitude, expected.pupil->amplitude) << "the pupil of another design";
  EXPECT_NEAR(shown->numbers.spikeFraction, expected.numbers.spikeFraction, 1e-9);
  EXPECT_NEAR(shown->numbers.encircledEnergy1Pixel, expected.numbers.encircledEnergy1Pixel, 1e-9);
  EXPECT_EQ(shown->numbers.brightestPixelFraction.size(),
            expected.numbers.brightestPixelFraction.size());
  const QImage picture =
      psfview::CameraPictureImage(expected.image, window->Exposure(), window->Display());
  EXPECT_LE(LargestChannelDifference(Child<CameraPictureView>(window, "cameraPicture")->Picture(),
                                     picture),
            1)
      << "the picture of another design";
}

// Both sides take the last design: each must be its fresh star image.
void ExpectComparisonOf(CCompareDlg* window, const pupils::PupilDesign& design) {
  const CompareOutcome& shown = window->Shown();
  ASSERT_TRUE(shown.a && shown.b);
  const std::optional<psf::PsfAnalysis> fresh = psf::AnalysePupil(
      pupils::StarPupilOfDesign(design, shown.a->image.pupilSide), shown.a->image.settings);
  ASSERT_TRUE(fresh);
  EXPECT_EQ(shown.a->image.settings.apertureDiameterMm, design.apertureDiameterMm);
  EXPECT_NEAR(shown.a->numbers.peakRatio, fresh->numbers.peakRatio, 1e-9);
  EXPECT_NEAR(shown.b->numbers.peakRatio, fresh->numbers.peakRatio, 1e-9);
}

void Print(const char* window, const LatestOnlyRunner::Tally& tally) {
  std::printf("%s: jobs started %llu, cancelled or superseded %llu, finished and shown %llu\n",
              window, static_cast<unsigned long long>(tally.started),
              static_cast<unsigned long long>(tally.dropped),
              static_cast<unsigned long long>(tally.delivered));
}

TEST(LiveWindowsStress, TheWindowsEndOnTheLastDesignAfterThousandsOfRandomEdits) {
  QElapsedTimer clock;
  clock.start();
  {
    LiveWindowsStress run(20261210);
    for (int edit = 0; edit < kEdits; ++edit) {
      run.RandomEdit();
      QCoreApplication::processEvents();
    }
    // The last edit is a design with light and coma, and the star image's field moves
    // while its job runs: a transform kept for a zoom must be the new one's.
    run.OpenWindows();
    run.designer()->ApplyPreset(run.Pick(static_cast<int>(pupils::DesignPresets().size())));
    auto* coma = Child<QSlider>(run.designer(), "zernike7");
    coma->setValue(coma->maximum() / 4);
    Child<QDoubleSpinBox>(run.star(), "field")->setValue(run.Between(4.0, 16.0));
    run.compare()->UseCurrentDesign(0);
    run.compare()->UseCurrentDesign(1);
    run.RestartSweep();
    ASSERT_TRUE(RunUntil([&run] {
      return !run.star()->IsComputing() && !run.camera()->IsComputing() &&
             !run.compare()->IsComputing() && !run.sweep()->IsComputing();
    }));
    const double seconds = clock.elapsed() / 1000.0;

    std::printf("%d edits in %.1f s, %d messages to the user\n", kEdits, seconds, run.Messages());
    Print("star image", run.star()->Runner().Counts());
    Print("camera image", run.camera()->Runner().Counts());
    for (LatestOnlyRunner* runner : {&run.star()->Runner(), &run.camera()->Runner()}) {
      const LatestOnlyRunner::Tally& tally = runner->Counts();
      EXPECT_EQ(tally.started, tally.delivered + tally.dropped) << "a job never ended";
      EXPECT_GT(tally.dropped, 0u) << "the edits never outran a job: no race was tried";
      EXPECT_GT(tally.delivered, 1u);
    }
    const pupils::PupilDesign last = run.designer()->Design();
    EXPECT_TRUE(run.star()->Shown()->pupil->HasPhase()) << "the coma never reached the window";
    ExpectStarImageOf(run.star(), last);
    ExpectCameraImageOf(run.camera(), last);
    ExpectComparisonOf(run.compare(), last);
    if (!last.vanes.empty()) {
      EXPECT_EQ(run.sweep()->Steps().size(), 5u);
      for (const auto& step : run.sweep()->Steps()) EXPECT_TRUE(step) << "the restarted sweep";
    }

    // Closed in the middle of a job: the window's worker must end with it.
    run.designer()->ApplyPreset(0);
    run.star()->close();
    run.camera()->close();
    run.RestartSweep();
  }
  // Every window is gone; the engines' shared workers must end too.
  EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(10000));
  EXPECT_LT(clock.elapsed(), kTimeLimitMs);
}

}  // namespace
}  // namespace voka
