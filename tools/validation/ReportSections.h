#pragma once

#include <set>
#include <string>

#include "tools/validation/Validation.h"

namespace porvap::validation {

// The parts of docs/validation.md, in their order.
std::string Summary(const ValidationResults& r);
std::string ModelLevels();
std::string ConductionSection(const ValidationResults& r, const std::set<std::string>& drawn);
std::string UptakeSection(const ValidationResults& r, const std::set<std::string>& drawn);
std::string EnergySection(const ValidationResults& r, const std::set<std::string>& drawn);
std::string GridSection(const ValidationResults& r, const std::set<std::string>& drawn);
std::string Findings(const ValidationResults& r, const std::set<std::string>& drawn);

}  // namespace porvap::validation
