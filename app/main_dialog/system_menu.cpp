// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_dialog/system_menu.h"

#include <QWidget>

// The Windows headers define macros named like many of our identifiers
// (IDOK, TextOut, ...), so they stay inside this one file.
#ifdef _WIN32
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace voka {

#ifdef _WIN32

bool AppendSystemMenuItem(QWidget* window, int id, const QString& text) {
  HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
  if (menu == nullptr || text.isEmpty()) return false;
  const std::wstring wide = text.toStdWString();
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  return ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), wide.c_str()) != FALSE;
}

std::optional<int> SystemCommandOf(const QByteArray& eventType, void* message) {
  if (eventType != "windows_generic_MSG") return std::nullopt;
  const auto* msg = static_cast<const MSG*>(message);
  if (msg->message != WM_SYSCOMMAND) return std::nullopt;
  return static_cast<int>(msg->wParam);
}

#else

bool AppendSystemMenuItem(QWidget*, int, const QString&) {
  return false;
}

std::optional<int> SystemCommandOf(const QByteArray&, void*) {
  return std::nullopt;
}

#endif

}  // namespace voka
