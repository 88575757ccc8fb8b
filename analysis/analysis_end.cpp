#include "analysis/analysis_end.h"

#include <string>

#include "analysis/analysis_messages.h"

namespace voka {

bool TellAnalysisEnd(const TellUserFn& tell, bool noLight, const TableWriteResult& table) {
  if (!tell) return table.written;
  if (noLight) tell(std::string(kNoLightMessage) + (table.written ? kNanTableNote : ""));
  if (!table.written) tell(table.message);
  return table.written;
}

}  // namespace voka
