// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Identifiers of the dialog templates, strings, bitmaps, icon, menu command
// and controls. The controls' ids are also their widgets' object names.
namespace voka {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDB_CANVAS = 131;
// Low four bits zero and below 0xF000, where the system's own commands begin.
inline constexpr int IDM_ABOUTBOX = 0x0010;
inline constexpr int IDC_FILE = 1000;
inline constexpr int IDC_FFT = 1002;
inline constexpr int IDC_RAYTRACE = 1006;
inline constexpr int IDC_PROGRESS = 1007;
inline constexpr int IDC_STARIMAGE = 1010;

// System-menu commands carry flags in their four low bits.
inline constexpr int kSysCommandMask = 0xFFF0;

}  // namespace voka
