// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designer/misalignment_panel.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "pupils/misalignment.h"

namespace voka {

namespace {

constexpr double kLargestErrorMm = 100.0;
constexpr double kLargestTurnDeg = 45.0;

QDoubleSpinBox* ErrorBox(double largest, double value, const QString& suffix, const char* name) {
  auto* box = new QDoubleSpinBox();
  box->setRange(-largest, largest);
  box->setDecimals(3);
  box->setValue(value);
  box->setSuffix(suffix);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

MisalignmentPanel::MisalignmentPanel(DesignSource current, DesignSink apply, QWidget* parent)
    : QGroupBox(tr("ずれ"), parent), current_(std::move(current)), apply_(std::move(apply)) {
  setObjectName(QStringLiteral("misalignment"));
  vane_ = new QSpinBox();
  vane_->setRange(0, pupils::kMaxVanes - 1);
  vane_->setObjectName(QStringLiteral("misalignedVane"));
  turnDeg_ = ErrorBox(kLargestTurnDeg, 0.5, tr("°"), "turnDeg");
  shiftMm_ = ErrorBox(kLargestErrorMm, 0.5, tr(" mm"), "shiftMm");
  offsetXMm_ = ErrorBox(kLargestErrorMm, 1.0, tr(" mm"), "spiderDxMm");
  offsetYMm_ = ErrorBox(kLargestErrorMm, 0.0, tr(" mm"), "spiderDyMm");
  auto* turn = new QPushButton(tr("羽根を回す"));
  turn->setObjectName(QStringLiteral("turnVane"));
  auto* shift = new QPushButton(tr("羽根を横にずらす"));
  shift->setObjectName(QStringLiteral("shiftVane"));
  auto* offCentre = new QPushButton(tr("スパイダーを中心からずらす"));
  offCentre->setObjectName(QStringLiteral("shiftSpider"));
  for (QPushButton* button : {turn, shift, offCentre}) button->setAutoDefault(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("羽根の番号 (0 から)")), 0, 0);
  layout->addWidget(vane_, 0, 1);
  layout->addWidget(new QLabel(tr("δ")), 1, 0);
  layout->addWidget(turnDeg_, 1, 1);
  layout->addWidget(turn, 1, 2);
  layout->addWidget(new QLabel(tr("s")), 2, 0);
  layout->addWidget(shiftMm_, 2, 1);
  layout->addWidget(shift, 2, 2);
  layout->addWidget(new QLabel(tr("dx, dy")), 3, 0);
  auto* offsets = new QHBoxLayout();
  offsets->addWidget(offsetXMm_);
  offsets->addWidget(offsetYMm_);
  layout->addLayout(offsets, 3, 1);
  layout->addWidget(offCentre, 3, 2);

  connect(turn, &QPushButton::clicked, this, [this] {
    apply_(pupils::WithVaneRotated(current_(), std::size_t(vane_->value()), turnDeg_->value()));
  });
  connect(shift, &QPushButton::clicked, this, [this] {
    apply_(pupils::WithVaneShifted(current_(), std::size_t(vane_->value()), shiftMm_->value()));
  });
  connect(offCentre, &QPushButton::clicked, this, [this] {
    apply_(pupils::WithSpiderShifted(current_(), offsetXMm_->value(), offsetYMm_->value()));
  });
}

}  // namespace voka
