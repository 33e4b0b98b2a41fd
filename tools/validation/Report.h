#pragma once

#include <set>
#include <string>

#include "tools/validation/Validation.h"

namespace porvap::validation {

// docs/validation.md from the results; `drawn` names the pictures that exist in
// docs/validation/, the others are left out with a note.
std::string ValidationMarkdown(const ValidationResults& results,
                               const std::set<std::string>& drawn);

}  // namespace porvap::validation
