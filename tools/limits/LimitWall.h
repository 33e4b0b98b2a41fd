#pragma once

#include "core/cases/CaseRecord.h"
#include "core/engine/Layer.h"

namespace porvap {

// The element and period of a limit measurement.
struct LimitRun {
    int nodes = kMaxElementSections + 1;
    int level = 0;         // model level 0..5
    int hours = 24;        // of the interval, from 1 January 00h; 1..8760
    int profileHours = 0;  // a profile kept every so many hours, as the window does; 0 none
};

// Eight layers cycling through the template's layers, the nodes shared out evenly among
// them, on the template's climate and coefficients. Each layer keeps its template's section
// thickness, so the element thickens with the nodes: thinner sections would measure the
// single-precision equations' round-off instead (docs/limits.md). A template without
// layers is handed back as it is, for validation to refuse.
CaseRecord LimitWall(const CaseRecord& base, const LimitRun& run);

}  // namespace porvap
