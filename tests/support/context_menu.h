// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace voka::test {

// Opens the widget's context menu as a right click inside it would, and hands
// the menu (null if none came up) to `onMenu` once it is shown; `onMenu` must
// choose an item or close the menu, which returns control to the caller.
inline void WithContextMenu(QWidget& widget, std::function<void(QMenu*)> onMenu) {
  QTimer::singleShot(0, [onMenu = std::move(onMenu)] {
    onMenu(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
  });
  const QPoint inside(widget.width() / 2, widget.height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget.mapToGlobal(inside));
  QApplication::sendEvent(&widget, &event);
}

// The item of that object name, chosen with the keyboard; false, and the menu
// closed, when there is no such item.
inline bool ChooseMenuItem(QMenu* menu, const char* objectName) {
  if (!menu) return false;
  auto* item = menu->findChild<QAction*>(QString::fromLatin1(objectName));
  if (!item) {
    menu->close();
    return false;
  }
  menu->setActiveAction(item);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(menu, &enter);
  return true;
}

}  // namespace voka::test
