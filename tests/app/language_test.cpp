// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/language.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QValueAxis>

#include "app/designer/designer_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "app/star_image/star_image_dlg.h"
#include "dib/dib_refusal.h"
#include "output/shown_text.h"
#include "resources/strings.h"
#include "support/context_menu.h"
#include "support/run_until.h"

namespace voka {
namespace {

// Kana (half-width too), CJK ideographs, their punctuation and the full-width
// forms: what an English window must not show.
bool IsJapanese(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool HasJapanese(const QString& text) {
  for (const char32_t c : text.toUcs4())
    if (IsJapanese(c)) return true;
  return false;
}

// The one text shown in both languages on purpose, so that either reader finds it.
const QString kLanguageItem = QStringLiteral("言語 / Language");

// Every text a person can see in the window and its children, with where it is.
QStringList ShownTexts(QWidget& window) {
  QStringList texts;
  auto add = [&texts](const QObject* owner, const QString& text) {
    texts << owner->objectName() + QStringLiteral(": ") + text;
  };
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    if (widget->isWindow()) add(widget, widget->windowTitle());
    add(widget, widget->toolTip());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) add(button, button->text());
    if (auto* label = qobject_cast<QLabel*>(widget)) add(label, label->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) add(group, group->title());
    if (auto* box = qobject_cast<QSpinBox*>(widget)) add(box, box->prefix() + box->suffix());
    if (auto* box = qobject_cast<QDoubleSpinBox*>(widget))
      add(box, box->prefix() + box->suffix() + box->specialValueText());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i) add(combo, combo->itemText(i));
    if (auto* list = qobject_cast<QListWidget*>(widget))
      for (int i = 0; i < list->count(); ++i) add(list, list->item(i)->text());
    if (auto* table = qobject_cast<QTableWidget*>(widget))
      for (int column = 0; column < table->columnCount(); ++column)
        add(table, table->horizontalHeaderItem(column)->text());
    if (auto* chart = qobject_cast<QChartView*>(widget))
      for (QAbstractAxis* axis : chart->chart()->axes()) add(chart, axis->titleText());
  }
  return texts;
}

void ExpectNoJapanese(const QStringList& texts) {
  for (const QString& text : texts) EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
}

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
  ExpectNoJapanese(ShownTexts(dialog));

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
    ExpectNoJapanese(ShownTexts(*designer));
  }
  designer->chooseSaveFile = [](const QString&) { return QStringLiteral("/no/such/d.json"); };
  designer->OnSaveDesign();
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
  ExpectNoJapanese(ShownTexts(*window));  // "no pupil yet"
  designer->findChild<QPushButton*>(QStringLiteral("IDC_DESIGN_STARIMAGE"))->click();
  window->findChild<QSpinBox*>(QStringLiteral("sideN"))->setValue(64);
  ASSERT_TRUE(test::RunUntil([window] { return !window->IsComputing() && window->Shown(); }));
  // The numbers table and the curves' names are worded elsewhere and are
  // not yet translated; every other text is checked.
  ExpectNoJapanese(ShownTexts(*window));

  ASSERT_EQ(messages.size(), 3) << messages.join(QLatin1Char('|')).toStdString();
  ExpectNoJapanese(messages);
  EXPECT_TRUE(messages[1].contains(QStringLiteral("/no/such/pupil.bmp")));
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

  dialog.OnDesign();
  auto* designer = dialog.Designer();
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
