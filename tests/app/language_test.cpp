// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "app/camera_view/camera_view_dlg.h"
#include "app/common/limit_texts.h"
#include "app/compare/compare_dlg.h"
#include "app/designer/designer_dlg.h"
#include "app/main_dialog/about_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "app/star_image/star_image_dlg.h"
#include "app/star_image/star_image_job.h"
#include "app/sweep/sweep_dlg.h"
#include "dib/dib_refusal.h"
#include "limits/refusal.h"
#include "output/shown_text.h"
#include "psf/psf_settings.h"
#include "pupils/design_file.h"
#include "resources/strings.h"
#include "shown_texts.h"
#include "support/context_menu.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

using test::ExpectNoJapanese;
using test::HasJapanese;
using test::ShownTexts;

// The one text shown in both languages on purpose, so that either reader finds it.
const QString kLanguageItem = QStringLiteral("言語 / Language");

// Each test starts and ends in Japanese, the default of every other test,
// with settings of its own.
class Language : public testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("voka"), QStringLiteral("voka")).clear();
    qunsetenv("VOKA_LANG");
  }
  void TearDown() override {
    ApplyLanguage(voka::Language::kJapanese);
    QSettings(QStringLiteral("voka"), QStringLiteral("voka")).clear();
    qunsetenv("VOKA_LANG");
    QStandardPaths::setTestModeEnabled(false);
  }
};

TEST_F(Language, EveryWindowAndMessageIsEnglish) {
  ASSERT_TRUE(ApplyLanguage(voka::Language::kEnglish)) << "the English texts are not embedded";
  CVokaDlg dialog;
  QStringList messages;
  dialog.tellUser = [&messages](const QString& text) { messages << text; };
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spider Obstruction Analysis - VOKA Ver1.0"));
  ExpectNoJapanese(dialog);

  QStringList menuTexts;
  test::WithContextMenu(dialog, [&menuTexts](QMenu* menu) {
    ASSERT_NE(menu, nullptr);
    for (QAction* item : menu->findChildren<QAction*>())
      // Each language is offered in its own name.
      if (item->text() != kLanguageItem && item->objectName() != QStringLiteral("IDM_LANGUAGE_JA"))
        menuTexts << item->text() + item->toolTip();
    menu->close();
  });
  EXPECT_GE(menuTexts.size(), 5) << "design, about, star image, Japanese, English";
  ExpectNoJapanese(menuTexts);

  // The analyses' and the reader's refusals.
  dialog.OnFft();
  dialog.chooseFile = [](const QString&) { return QStringLiteral("/no/such/pupil.bmp"); };
  dialog.OnOpenImage();
  ASSERT_TRUE(test::RunUntil([&dialog] { return !dialog.IsOpening(); }));

  dialog.OnDesign();
  CDesignerDlg* designer = dialog.Designer();
  ASSERT_NE(designer, nullptr);
  designer->tellUser = [&messages](const QString& text) { messages << text; };
  auto* presets = designer->findChild<QComboBox*>(QStringLiteral("presets"));
  for (int preset = 0; preset < presets->count(); ++preset) {
    designer->ApplyPreset(preset);
    ExpectNoJapanese(*designer);
  }
  designer->chooseSaveFile = [](const QString&) { return QStringLiteral("/no/such/d.json"); };
  designer->OnSaveDesign();
  // Design files that are missing, not JSON, or wrong in one field.
  const test::ScratchFolder folder("english-designs");
  const std::filesystem::path notJson = folder.path() / "not.json";
  const std::filesystem::path badField = folder.path() / "field.json";
  std::ofstream(notJson) << "{ aperture";
  std::ofstream(badField)
      << R"({"voka_pupil": 2, "aperture_mm": 200, "focal_mm": -1, "vanes": []})";
  for (const std::filesystem::path& file :
       {std::filesystem::path("/no/such/design.json"), notJson, badField}) {
    designer->chooseOpenFile = [&file](const QString&) {
      return QString::fromStdU16String(file.u16string());
    };
    designer->OnOpenDesign();
  }
  // An obstruction as wide as the aperture is refused beside the preview.
  auto* obstruction = designer->findChild<QDoubleSpinBox*>(QStringLiteral("obstruction"));
  obstruction->setValue(designer->findChild<QDoubleSpinBox*>(QStringLiteral("aperture"))->value());
  const QString problem = designer->findChild<QLabel*>(QStringLiteral("problem"))->text();
  EXPECT_FALSE(problem.isEmpty());
  EXPECT_FALSE(HasJapanese(problem)) << problem.toStdString();
  designer->ApplyPreset(5);  // one curved vane

  dialog.OnStarImage();
  CStarImageDlg* window = dialog.StarImageWindow();
  ASSERT_NE(window, nullptr);
  ExpectNoJapanese(*window);  // "no pupil yet"
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_STARIMAGE"))->click();
  window->findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  ASSERT_TRUE(test::RunUntil([window] { return !window->IsComputing() && window->Shown(); }));
  // The numbers, their units, the curves' names and the chart titles too.
  const QStringList shown = ShownTexts(*window);
  ExpectNoJapanese(shown);
  for (const char* english : {"Peak ratio (to a clear aperture)", "Encircled energy 1.22 λ/D",
                              "Spike fraction", "Airy radius 1.22 λ/D", "arcsec", "µm/px",
                              "Clear aperture (theory)", "Mean of all directions", "cycles/arcsec"})
    EXPECT_TRUE(shown.filter(QString::fromUtf8(english)).size() > 0) << english;

  // The camera image, the comparison and a finished sweep, each with its numbers.
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_CAMERA"))->click();
  CCameraViewDlg* camera = dialog.CameraWindow();
  ASSERT_NE(camera, nullptr);
  camera->findChild<QSpinBox*>(QStringLiteral("wavelengthCount"))->setValue(4);
  camera->findChild<QSpinBox*>(QStringLiteral("fieldPixels"))->setValue(32);
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_COMPARE"))->click();
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_SWEEP"))->click();
  auto* compare = designer->findChild<CCompareDlg*>();
  auto* sweep = designer->findChild<CSweepDlg*>();
  ASSERT_TRUE(compare && sweep);
  for (QWidget* study : {static_cast<QWidget*>(compare), static_cast<QWidget*>(sweep)}) {
    study->findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
    study->findChild<QSpinBox*>(QStringLiteral("padQ"))->setValue(2);
  }
  compare->UseCurrentDesign(0);
  compare->UseCurrentDesign(1);
  sweep->SetRange(-2.0, 2.0, 3);
  ASSERT_TRUE(sweep->ChoosePath(QStringLiteral("vanes[0].angle_deg")));
  sweep->Start();
  ASSERT_TRUE(test::RunUntil([camera, compare, sweep] {
    return !camera->IsComputing() && camera->Shown() && !compare->IsComputing() &&
           compare->Shown().a && !sweep->IsComputing() && sweep->Steps().size() == 3u &&
           sweep->Steps().back();
  }));
  for (QWidget* study : {static_cast<QWidget*>(camera), static_cast<QWidget*>(compare),
                         static_cast<QWidget*>(sweep)})
    ExpectNoJapanese(*study);
  // The comparison of the camera images: its table names each channel.
  compare->SetCameraMode(true);
  ASSERT_TRUE(test::RunUntil([compare] { return !compare->IsComputing(); }));
  ASSERT_TRUE(compare->Shown().IsCamera());
  ExpectNoJapanese(*compare);

  // A setting out of its range, which the boxes otherwise prevent.
  StarImageRequest outOfRange;
  outOfRange.settings.padFactor = 3;
  outOfRange.settings.wavelengthNm = 1e9;
  for (const QString& refusal :
       {CheckStarImageRequest(outOfRange),
        LimitRefusalText(*limits::Check(limits::LimitId::kPupilSide, 1.5, true))}) {
    EXPECT_FALSE(refusal.isEmpty());
    EXPECT_FALSE(HasJapanese(refusal)) << refusal.toStdString();
  }
  const QString wavelengthRefusal = CheckStarImageRequest(outOfRange);
  EXPECT_TRUE(wavelengthRefusal.contains(QStringLiteral("wavelength"), Qt::CaseInsensitive))
      << wavelengthRefusal.toStdString();

  // The About box places its labels by hand: the English must fit them.
  CAboutDlg about;
  ExpectNoJapanese(about);
  for (const QLabel* label : about.findChildren<QLabel*>())
    EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();

  ASSERT_EQ(messages.size(), 6) << messages.join(QLatin1Char('|')).toStdString();
  ExpectNoJapanese(messages);
  EXPECT_TRUE(messages[1].contains(QStringLiteral("/no/such/pupil.bmp")));
  EXPECT_TRUE(messages[3].contains(QStringLiteral("design.json")));
  EXPECT_TRUE(messages[4].contains(QStringLiteral("byte")));
  EXPECT_TRUE(messages[5].contains(QStringLiteral("focal_mm")));
}

// Without a translation the texts are the Japanese ones, byte for byte as
// the libraries and the string table write them.
TEST_F(Language, JapaneseIsTheSourceTextUnchanged) {
  ASSERT_TRUE(ApplyLanguage(voka::Language::kEnglish));
  ASSERT_TRUE(ApplyLanguage(voka::Language::kJapanese));
  CVokaDlg dialog;
  QStringList messages;
  dialog.tellUser = [&messages](const QString& text) { messages << text; };
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("スパイダー遮光解析　VOKA Ver1.0"));
  QString about;
  test::WithContextMenu(dialog, [&about](QMenu* menu) {
    ASSERT_NE(menu, nullptr);
    about = menu->findChild<QAction*>(QStringLiteral("IDM_ABOUTBOX"))->text();
    menu->close();
  });
  const std::string_view table = LoadResourceString(IDS_ABOUTBOX);
  EXPECT_EQ(about.toStdString(), std::string(table));

  const std::filesystem::path missing("/no/such/瞳.bmp");
  dialog.chooseFile = [](const QString&) { return QString::fromUtf8("/no/such/瞳.bmp"); };
  dialog.OnOpenImage();
  ASSERT_TRUE(test::RunUntil([&dialog] { return !dialog.IsOpening(); }));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].toStdString(),
            EscapedForDisplay(DibRefusalMessage(DibRefusal::kCannotOpen, missing)));

  StarImageRequest outOfRange;
  outOfRange.settings.apertureDiameterMm = 0.0;
  EXPECT_EQ(CheckStarImageRequest(outOfRange).toStdString(),
            limits::RefusalMessage(*psf::CheckPsfSettings(outOfRange.settings)));

  dialog.OnDesign();
  auto* designer = dialog.Designer();
  designer->tellUser = [&messages](const QString& text) { messages << text; };
  designer->chooseOpenFile = [](const QString&) { return QStringLiteral("/no/such/設計.json"); };
  designer->OnOpenDesign();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[1].toStdString(),
            pupils::LoadDesignFile(std::filesystem::path(u8"/no/such/設計.json")).message);
  designer->findChild<QDoubleSpinBox*>(QStringLiteral("obstruction"))
      ->setValue(designer->findChild<QDoubleSpinBox*>(QStringLiteral("aperture"))->value());
  EXPECT_EQ(designer->findChild<QLabel*>(QStringLiteral("problem"))->text(),
            QString::fromUtf8(
                "「obstruction.diameter_mm」: 口径（aperture_mm）より小さい値にしてください。"));
}

// The context menu switches every open window at once and remembers the
// choice; VOKA_LANG outranks what was remembered.
TEST_F(Language, TheMenuSwitchesOpenWindowsAndIsRemembered) {
  CVokaDlg dialog;
  dialog.OnDesign();
  pupils::PupilDesign design = dialog.Designer()->Design();
  design.apertureDiameterMm = 123.0;
  dialog.Designer()->SetDesign(design);

  test::WithContextMenu(dialog, [](QMenu* menu) {
    ASSERT_NE(menu, nullptr);
    auto* languages = menu->findChild<QMenu*>(QStringLiteral("IDM_LANGUAGE"));
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->title(), kLanguageItem);
    EXPECT_NE(languages->findChild<QAction*>(QStringLiteral("IDM_LANGUAGE_EN")), nullptr);
    EXPECT_NE(languages->findChild<QAction*>(QStringLiteral("IDM_LANGUAGE_JA")), nullptr);
    menu->close();
  });
  dialog.ChooseLanguage(voka::Language::kEnglish);
  EXPECT_EQ(CurrentLanguage(), voka::Language::kEnglish);
  EXPECT_FALSE(HasJapanese(dialog.windowTitle()));
  ASSERT_NE(dialog.Designer(), nullptr);
  EXPECT_TRUE(dialog.Designer()->isVisible());
  EXPECT_EQ(dialog.Designer()->windowTitle(), QStringLiteral("Pupil designer"));
  EXPECT_EQ(dialog.Designer()->Design().apertureDiameterMm, 123.0) << "the design survives";
  EXPECT_EQ(StartLanguage(), voka::Language::kEnglish) << "remembered for the next start";
  qputenv("VOKA_LANG", "ja");
  EXPECT_EQ(StartLanguage(), voka::Language::kJapanese);
  qputenv("VOKA_LANG", "xx");
  EXPECT_EQ(StartLanguage(), voka::Language::kEnglish) << "an unknown code is ignored";

  dialog.ChooseLanguage(voka::Language::kJapanese);
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("スパイダー遮光解析　VOKA Ver1.0"));
  EXPECT_EQ(dialog.Designer()->windowTitle(), QString::fromUtf8("瞳の設計"));
}

}  // namespace
}  // namespace voka
