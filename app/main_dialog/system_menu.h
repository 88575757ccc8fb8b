// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace voka {

// Appends a separator and a text item with the command id to the window's
// system menu. Only Windows lets a program add to that menu; elsewhere this
// does nothing and returns false.
bool AppendSystemMenuItem(QWidget* window, int id, const QString& text);

// The command id of a native system-command message (WM_SYSCOMMAND), or
// nothing for any other message and on platforms without one.
std::optional<int> SystemCommandOf(const QByteArray& eventType, void* message);

}  // namespace voka
