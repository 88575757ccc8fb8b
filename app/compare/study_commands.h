// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka {

class CDesignerDlg;

// 「比較...」 and 「掃引...」 in the designer's row of commands: the
// comparison window offers the designer's pupil as A or B, and the sweep
// window sweeps a number of the designer's design. Both windows belong to
// the designer.
void AddStudyCommands(CDesignerDlg* designer);

}  // namespace voka
