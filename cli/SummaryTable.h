#pragma once

#include <string>
#include <vector>

#include "cli/BatchRunner.h"

namespace porvap {

// The batch's closing table, one row per case in the order of the reports, columns aligned:
// case, status, peak heat gain and peak heat loss of the room (W/m2, positive, with the
// date and hour), yearly heating and cooling (kWh/m2, positive; arq.txt's yearly figures,
// which are Wh/m2, divided by 1000). Only completed cases have figures.
std::string SummaryTable(const std::vector<CaseReport>& reports);

}  // namespace porvap
