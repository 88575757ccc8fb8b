// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil designer as a user drives it: every change reaches the preview
// and the listeners, bad values are shown and held back, designs survive a
// save and an open, and the main dialog takes the designed pupil.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "analysis/pupil_sampling.h"
#include "app/designer/designer_dlg.h"
#include "app/main_dialog/voka_dlg.h"
#include "pupils/design_presets.h"
#include "pupils/pupil_bitmap.h"
#include "support/context_menu.h"
#include "support/run_until.h"
#include "support/scratch_files.h"

namespace voka {
namespace {

template <typename T>
T* Child(const QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

class Designer : public testing::Test {
 protected:
  Designer() {
    QObject::connect(&designer_, &CDesignerDlg::DesignChanged,
                     [this](const pupils::PupilDesign& design) { changes_.push_back(design); });
    designer_.tellUser = [this](const QString& text) { messages_.push_back(text); };
  }
  QImage Preview() { return Child<QLabel>(designer_, "preview")->pixmap().toImage(); }

  CDesignerDlg designer_;
  std::vector<pupils::PupilDesign> changes_;
  QStringList messages_;
};

TEST_F(Designer, EveryChangeReachesPreviewAndListeners) {
  const QImage before = Preview();
  Child<QDoubleSpinBox>(designer_, "angle")->setValue(45.0);
  ASSERT_EQ(changes_.size(), 1u);
  EXPECT_EQ(changes_.back().vanes[0].angleDeg, 45.0);
  EXPECT_NE(Preview(), before);

  // A radius too short for the rim: named, not sent on, and the pupil cannot be used.
  designer_.ApplyPreset(5);
  const std::size_t sent = changes_.size();
  Child<QDoubleSpinBox>(designer_, "radius")->setValue(20.0);
  EXPECT_EQ(changes_.size(), sent);
  EXPECT_TRUE(Child<QLabel>(designer_, "problem")->text().contains(QStringLiteral("radius_mm")));
  EXPECT_FALSE(Child<QPushButton>(designer_, "usePupil")->isEnabled());
  Child<QDoubleSpinBox>(designer_, "radius")->setValue(-80.0);
  EXPECT_EQ(changes_.back().vanes[0].radiusMm, -80.0);
  EXPECT_TRUE(Child<QPushButton>(designer_, "usePupil")->isEnabled());
}

TEST_F(Designer, SavedDesignOpensAgainAndWriteFailuresAreTold) {
  test::ScratchFolder folder("designer");
  const QString file = QString::fromStdString((folder.path() / "mine.json").string());
  designer_.ApplyPreset(4);
  Child<QDoubleSpinBox>(designer_, "obstructionX")->setValue(3.25);
  const pupils::PupilDesign saved = designer_.Design();
  designer_.chooseSaveFile = [&](const QString&) { return file; };
  designer_.OnSaveDesign();
  designer_.ApplyPreset(0);
  designer_.chooseOpenFile = [&](const QString&) { return file; };
  designer_.OnOpenDesign();
  EXPECT_EQ(designer_.Design(), saved);
  EXPECT_EQ(changes_.back(), saved);

  designer_.chooseSaveFile = [&](const QString&) {
    return QString::fromStdString((folder.path() / "gone" / "pupil.bmp").string());
  };
  designer_.OnSavePupil();
  ASSERT_TRUE(test::RunUntil([this] { return !designer_.IsSaving(); }));
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("pupil.bmp"))) << messages_[0].toStdString();
}

// A second signal for one change would start a star image only to throw it away.
TEST_F(Designer, EachPresetAndEachOpenedFileIsOneChange) {
  const auto presets = pupils::DesignPresets();
  auto* list = Child<QComboBox>(designer_, "presets");
  for (int index = 0; index < static_cast<int>(presets.size()); ++index) {
    changes_.clear();
    designer_.ApplyPreset(index);
    EXPECT_EQ(changes_.size(), 1u) << "preset " << index;
    changes_.clear();
    emit list->activated(index);  // as a person picks it in the list
    EXPECT_EQ(changes_.size(), 1u) << "preset " << index << " from the list";
  }

  test::ScratchFolder folder("designer-once");
  const QString file = QString::fromStdString((folder.path() / "once.json").string());
  designer_.chooseSaveFile = [&](const QString&) { return file; };
  designer_.OnSaveDesign();
  designer_.chooseOpenFile = [&](const QString&) { return file; };
  changes_.clear();
  designer_.OnOpenDesign();
  EXPECT_EQ(changes_.size(), 1u) << "opened file";
}

// A large bitmap is drawn and written on a thread, and a cancelled save
// leaves the file as it was.
TEST_F(Designer, LargeBitmapIsSavedOnAThreadAndCancelWritesNothing) {
  test::ScratchFolder folder("designer-save");
  const std::filesystem::path target = folder.path() / "pupil.bmp";
  designer_.chooseSaveFile = [&](const QString&) {
    return QString::fromStdString(target.string());
  };
  auto* side = Child<QSpinBox>(designer_, "bitmapSide");
  side->setValue(2048);  // long enough to cancel, short enough for a test
  const int sidePixels = side->value();
  designer_.show();

  designer_.OnSavePupil();
  EXPECT_TRUE(designer_.IsSaving()) << "the save held the window";
  EXPECT_TRUE(Child<QPushButton>(designer_, "cancelSave")->isVisible());
  EXPECT_FALSE(Child<QPushButton>(designer_, "savePupil")->isEnabled());
  const pupils::PupilDesign saved = designer_.Design();
  Child<QDoubleSpinBox>(designer_, "angle")->setValue(33.0);  // the designer answers meanwhile
  ASSERT_TRUE(test::RunUntil([this] { return !designer_.IsSaving(); }));
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
  const bmp_writer::Bytes expected = pupils::PupilBitmap(saved, sidePixels);
  EXPECT_EQ(test::ReadFileBytes(target),
            std::string(reinterpret_cast<const char*>(expected.data()), expected.size()))
      << "not the design as it was when saved";
  EXPECT_FALSE(Child<QPushButton>(designer_, "cancelSave")->isVisible());
  EXPECT_TRUE(Child<QPushButton>(designer_, "savePupil")->isEnabled());

  const std::string before = test::ReadFileBytes(target);
  designer_.OnSavePupil();
  Child<QPushButton>(designer_, "cancelSave")->click();
  ASSERT_TRUE(test::RunUntil([this] { return !designer_.IsSaving(); }));
  EXPECT_TRUE(test::ReadFileBytes(target) == before) << "a cancelled save wrote the file";
  EXPECT_TRUE(messages_.isEmpty());
}

TEST(MainDialogDesign, UsedPupilIsTheCurrentPupilWithItsThumbnail) {
  CVokaDlg dialog;
  auto* button = Child<QPushButton>(dialog, "IDC_DESIGN");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), QRect(432, 124, 88, 24));
  EXPECT_EQ(button->text(), QString::fromUtf8("設計..."));
  button->click();
  ASSERT_NE(dialog.Designer(), nullptr);
  EXPECT_TRUE(dialog.Designer()->isVisible());
  Child<QPushButton>(*dialog.Designer(), "usePupil")->click();
  ASSERT_TRUE(dialog.CurrentDib());
  {
    EXPECT_EQ(dialog.CurrentDib().Layout().width, 512);
    EXPECT_EQ(dialog.CurrentDib().Layout().height, 512);
  }
  const int centre = kThumbnailSize / 2;
  EXPECT_EQ(dialog.canvas().GetPixel(kBandThumbnailLeft + centre, kBandThumbnailTop + centre),
            kBlack)
      << "the obstruction";
  EXPECT_EQ(
      dialog.canvas().GetPixel(kBandThumbnailLeft + centre + 40, kBandThumbnailTop + centre - 40),
      kWhite)
      << "open between the vanes";

  // The context menu offers the designer as well.
  bool offered = false;
  dialog.show();
  test::WithContextMenu(dialog, [&offered](QMenu* menu) {
    offered = menu && menu->findChild<QAction*>(QStringLiteral("IDM_DESIGN")) != nullptr;
    if (menu) menu->close();
  });
  EXPECT_TRUE(offered);
}

}  // namespace
}  // namespace voka
