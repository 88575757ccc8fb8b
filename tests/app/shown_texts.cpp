// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_texts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

namespace voka::test {

namespace {

bool IsJapanese(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

using Add = std::function<void(const QString&)>;

void AddTableTexts(const QTableWidget& table, const Add& add) {
  for (int column = 0; column < table.columnCount(); ++column)
    if (const QTableWidgetItem* header = table.horizontalHeaderItem(column)) add(header->text());
  for (int row = 0; row < table.rowCount(); ++row)
    for (int column = 0; column < table.columnCount(); ++column)
      if (const QTableWidgetItem* item = table.item(row, column))
        add(item->text() + item->toolTip());
}

void AddChartTexts(const QChartView& view, const Add& add) {
  const QChart* chart = view.chart();
  add(chart->title());
  for (const QAbstractAxis* axis : chart->axes()) add(axis->titleText());
  for (const QAbstractSeries* series : chart->series()) add(series->name());
}

void AddWidgetTexts(QWidget& widget, const Add& add) {
  if (widget.isWindow()) add(widget.windowTitle());
  add(widget.toolTip() + widget.statusTip() + widget.whatsThis());
  for (const QAction* action : widget.actions()) add(action->text() + action->toolTip());
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) add(button->text());
  if (auto* label = qobject_cast<QLabel*>(&widget)) add(label->text());
  if (auto* group = qobject_cast<QGroupBox*>(&widget)) add(group->title());
  if (auto* edit = qobject_cast<QLineEdit*>(&widget)) add(edit->text() + edit->placeholderText());
  if (auto* bar = qobject_cast<QProgressBar*>(&widget)) add(bar->text());
  if (auto* box = qobject_cast<QAbstractSpinBox*>(&widget)) add(box->specialValueText());
  if (auto* box = qobject_cast<QSpinBox*>(&widget)) add(box->prefix() + box->suffix());
  if (auto* box = qobject_cast<QDoubleSpinBox*>(&widget)) add(box->prefix() + box->suffix());
  if (auto* combo = qobject_cast<QComboBox*>(&widget))
    for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i));
  if (auto* list = qobject_cast<QListWidget*>(&widget))
    for (int i = 0; i < list->count(); ++i) add(list->item(i)->text() + list->item(i)->toolTip());
  if (auto* tabs = qobject_cast<QTabWidget*>(&widget))
    for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i) + tabs->tabToolTip(i));
  if (auto* table = qobject_cast<QTableWidget*>(&widget)) AddTableTexts(*table, add);
  if (auto* chart = qobject_cast<QChartView*>(&widget)) AddChartTexts(*chart, add);
}

}  // namespace

bool HasJapanese(const QString& text) {
  for (const char32_t c : text.toUcs4())
    if (IsJapanese(c)) return true;
  return false;
}

QStringList ShownTexts(QWidget& window) {
  QStringList texts;
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    const QString owner = widget->objectName().isEmpty()
                              ? QString::fromLatin1(widget->metaObject()->className())
                              : widget->objectName();
    AddWidgetTexts(*widget, [&texts, &owner](const QString& text) {
      if (!text.isEmpty()) texts << owner + QStringLiteral(": ") + text;
    });
  }
  return texts;
}

void ExpectNoJapanese(const QStringList& texts) {
  for (const QString& text : texts) EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
}

void ExpectNoJapanese(QWidget& window) {
  ExpectNoJapanese(ShownTexts(window));
}

}  // namespace voka::test
