// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_outcome.h"

#include <string>

#include "analysis/analysis_messages.h"

namespace voka {

bool HasPupil(const DibHandle& pupil, const TellUserFn& tell) {
  if (pupil) return true;
  if (tell) tell(kNoPupilMessage);
  return false;
}

AnalysisOutcome TellAnalysisEnd(const TellUserFn& tell, bool noLight,
                                const TableWriteResult& table) {
  if (tell) {
    if (noLight) tell(std::string(kNoLightMessage) + (table.written ? kNanTableNote : ""));
    if (!table.written) tell(table.message);
  }
  return table.written ? AnalysisOutcome::kDone : AnalysisOutcome::kTableFailed;
}

}  // namespace voka
