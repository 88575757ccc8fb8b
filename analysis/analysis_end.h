#pragma once

#include "analysis/feedback.h"
#include "output/result_table.h"

namespace voka {

// Tells the user what the end of an analysis needs telling: a pupil that lets
// no light through (and that its table holds nan, if it was written), and a
// table that could not be written. Returns whether the table was written.
bool TellAnalysisEnd(const TellUserFn& tell, bool noLight, const TableWriteResult& table);

}  // namespace voka
