// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compare/study_commands.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include "app/camera_view/camera_view_dlg.h"
#include "app/compare/compare_dlg.h"
#include "app/designer/designer_dlg.h"
#include "app/star_image/star_image_dlg.h"
#include "app/sweep/sweep_dlg.h"
#include "pupils/design_check.h"

namespace voka {

namespace {

template <typename Window>
void Raise(Window* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

void AddStudyCommands(CDesignerDlg* designer) {
  auto* compare = new QPushButton(CCompareDlg::tr("比較..."), designer);
  compare->setObjectName(QStringLiteral("IDC_DESIGN_COMPARE"));
  auto* sweep = new QPushButton(CSweepDlg::tr("掃引..."), designer);
  sweep->setObjectName(QStringLiteral("IDC_DESIGN_SWEEP"));
  designer->AddCommandButton(compare);
  designer->AddCommandButton(sweep);

  QObject::connect(compare, &QPushButton::clicked, designer, [designer] {
    auto* window = designer->findChild<CCompareDlg*>();
    if (!window) {
      window = new CCompareDlg(
          [designer]() -> std::optional<pupils::PupilDesign> {
            const pupils::PupilDesign& design = designer->Design();
            if (pupils::FindDesignProblem(design) || pupils::FindOpticsProblem(design))
              return std::nullopt;
            return design;
          },
          designer);
      window->cameraSettings = []() -> std::optional<CameraWindowSettings> {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
          auto* camera = qobject_cast<CCameraViewDlg*>(widget);
          if (camera && camera->isVisible()) return camera->WindowSettings();
        }
        return std::nullopt;
      };
    }
    Raise(window);
  });
  QObject::connect(sweep, &QPushButton::clicked, designer, [designer] {
    auto* window = designer->findChild<CSweepDlg*>();
    if (!window) {
      window = new CSweepDlg(designer);
      QObject::connect(designer, &CDesignerDlg::DesignChanged, window, &CSweepDlg::SetDesign);
    }
    window->SetDesign(designer->Design());
    Raise(window);
  });
}

}  // namespace voka
