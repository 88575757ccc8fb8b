// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTableWidget>

#include "app/compare/compare_dlg.h"
#include "app/star_image/star_image_dlg.h"
#include "app/sweep/sweep_dlg.h"
#include "pupils/star_pupil.h"
#include "support/run_until.h"

namespace voka {
namespace {

using test::RunUntil;

pupils::PupilDesign Spider(std::vector<double> anglesDeg, double widthMm) {
  pupils::PupilDesign design;
  design.apertureDiameterMm = 200.0;
  design.obstruction = pupils::Obstruction{60.0, 0.0, 0.0};
  for (const double angle : anglesDeg) {
    pupils::Vane vane;
    vane.angleDeg = angle;
    vane.widthMm = widthMm;
    design.vanes.push_back(vane);
  }
  return design;
}

ComparedPupil Designed(const pupils::PupilDesign& design, const char* name) {
  return ComparedPupil{design, {}, QString::fromLatin1(name)};
}

std::vector<QString> ChangeColumn(const QTableWidget* table) {
  std::vector<QString> column;
  for (int row = 0; row < table->rowCount(); ++row) column.push_back(table->item(row, 3)->text());
  return column;
}

TEST(CompareWindow, ChangeIsZeroAgainstItselfNegatedBySwappingAndUnequalAperturesAreRefused) {
  CCompareDlg window(nullptr);
  window.findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  window.findChild<QSpinBox*>(QStringLiteral("padQ"))->setValue(2);
  window.show();
  const auto settle = [&window] { return RunUntil([&window] { return !window.IsComputing(); }); };
  window.SetPupil(0, Designed(Spider({0, 90, 180, 270}, 2.0), "four"));
  window.SetPupil(1, Designed(Spider({0, 90, 180, 270}, 2.0), "same"));
  ASSERT_TRUE(settle());
  ASSERT_TRUE(window.Shown().a && window.Shown().b);
  const std::vector<QString> zero = ChangeColumn(window.NumbersTable());
  ASSERT_EQ(zero.size(), 5u) << "peak ratio, three encircled energies, spike fraction";
  for (const QString& text : zero) EXPECT_EQ(text.toDouble(), 0.0) << text.toStdString();

  window.SetPupil(1, Designed(Spider({90, 210, 330}, 4.0), "three"));
  ASSERT_TRUE(settle());
  const std::vector<QString> forward = ChangeColumn(window.NumbersTable());
  window.Swap();
  const std::vector<QString> backward = ChangeColumn(window.NumbersTable());
  ASSERT_EQ(forward.size(), backward.size());
  for (std::size_t row = 0; row < forward.size(); ++row)
    EXPECT_EQ(forward[row].toDouble(), -backward[row].toDouble()) << forward[row].toStdString();
  EXPECT_NE(forward[4].toDouble(), 0.0) << "the spike fractions differ";

  pupils::PupilDesign wider = Spider({0}, 1.0);
  wider.apertureDiameterMm = 250.0;
  window.SetPupil(1, Designed(wider, "wider"));
  ASSERT_TRUE(settle());
  const QLabel* status = window.findChild<QLabel*>(QStringLiteral("status"));
  EXPECT_FALSE(status->text().isEmpty());
  EXPECT_TRUE(status->styleSheet().contains(QStringLiteral("#b00000"))) << "refused in red";
}

// The check box switches to the camera images made with the settings the
// camera window gives: a row per channel's brightest pixel, then the
// encircled energies and the spike fraction, each changing sign on a swap.
TEST(CompareWindow, CameraModeComparesTheCameraImagesWithTheCameraWindowsSettings) {
  CCompareDlg window(nullptr);
  window.findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  window.cameraSettings = [] {
    CameraWindowSettings camera;
    camera.settings.fieldPixels = 12;
    camera.settings.wavelengthCount = 8;
    camera.settings.colour = camera::ColourMode::kCamera;
    return std::optional<CameraWindowSettings>(camera);
  };
  window.show();
  window.SetPupil(0, Designed(Spider({0, 90, 180, 270}, 2.0), "four"));
  window.SetPupil(1, Designed(Spider({90, 210, 330}, 4.0), "three"));
  window.findChild<QCheckBox*>(QStringLiteral("cameraMode"))->setChecked(true);
  ASSERT_TRUE(RunUntil([&window] { return !window.IsComputing(); }));
  ASSERT_TRUE(window.Shown().IsCamera());
  EXPECT_EQ(window.Shown().cameraA->image.pixels.side, 12);
  const QTableWidget* table = window.NumbersTable();
  ASSERT_EQ(table->rowCount(), 7) << "three channels, three encircled energies, spikes";
  for (int channel = 0; channel < 3; ++channel) {
    EXPECT_TRUE(table->item(channel, 0)
                    ->text()
                    .endsWith(QStringLiteral("(%1)").arg(QStringLiteral("RGB")[channel])))
        << table->item(channel, 0)->text().toStdString();
  }
  const std::vector<QString> forward = ChangeColumn(table);
  window.Swap();
  const std::vector<QString> backward = ChangeColumn(window.NumbersTable());
  for (std::size_t row = 0; row < forward.size(); ++row)
    EXPECT_EQ(forward[row].toDouble(), -backward[row].toDouble()) << forward[row].toStdString();
  EXPECT_NE(forward[6].toDouble(), 0.0) << "the spike fractions differ";
}

void Click(QChartView* view, QPointF scenePosition) {
  const QPoint at = view->mapFromScene(scenePosition);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
  }
}

TEST(SweepWindow, AClickOnAPointShowsThatStepsStarImage) {
  CSweepDlg window;
  window.SetDesign(Spider({0, 90, 180, 270}, 2.0));
  ASSERT_TRUE(window.ChoosePath(QStringLiteral("vanes[0].angle_deg")));
  window.SetRange(-4.0, 4.0, 5);
  window.findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  window.findChild<QSpinBox*>(QStringLiteral("padQ"))->setValue(2);
  window.show();
  bool complete = false;
  QObject::connect(&window, &CSweepDlg::Finished, [&complete](bool all) { complete = all; });
  window.Start();
  ASSERT_TRUE(RunUntil([&window] { return !window.IsComputing(); }));
  ASSERT_TRUE(complete);
  ASSERT_EQ(window.Steps().size(), 5u);
  EXPECT_EQ(window.Steps()[1]->value, -2.0);

  QScatterSeries* points = window.ClickableSeries();
  ASSERT_NE(points, nullptr);
  QApplication::processEvents();
  const QPointF step = points->at(1);
  Click(window.Chart(), window.Chart()->chart()->mapToPosition(step, points));
  CStarImageDlg* starImage = window.StarImageWindow();
  ASSERT_NE(starImage, nullptr) << "the click opened no star image";
  starImage->findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(96);
  ASSERT_TRUE(RunUntil([starImage] {
    return !starImage->IsComputing() && starImage->Shown() && starImage->Shown()->pupil->side == 96;
  }));
  const psf::PupilAmplitude expected = pupils::StarPupilOfDesign(
      studies::StepDesign(window.Request(), window.Steps()[1]->value), 96);
  EXPECT_EQ(starImage->Shown()->pupil->amplitude, expected.amplitude)
      << "the star image is of the clicked step's design";
  const psf::PupilAmplitude neighbour = pupils::StarPupilOfDesign(
      studies::StepDesign(window.Request(), window.Steps()[2]->value), 96);
  EXPECT_NE(expected.amplitude, neighbour.amplitude);
}

}  // namespace
}  // namespace voka
