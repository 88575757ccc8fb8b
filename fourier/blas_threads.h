// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka::fourier {

// Gives OpenBLAS the thread budget's count before its products run. OpenBLAS
// keeps one pool for the whole process and would otherwise size it by
// itself; the count is passed on only when the budget has changed.
void UseThreadBudgetForBlas();

}  // namespace voka::fourier
