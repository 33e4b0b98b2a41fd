#pragma once

#include <string>

namespace porvap {

// The path by which the catalog refers to a chosen material file: the bare file name when
// the file lies in the first directory and that directory is the working directory (the
// catalog's relative paths are taken from there), otherwise the path as given. Both '/'
// and '\' end a directory.
std::string CatalogPathFor(const std::string& file, const std::string& firstDirectory);

// Why the catalog could not keep `name` as typed, or empty when it can: the catalog file
// gives a name 40 columns, and a longer name would run into its path.
std::string MaterialNameProblem(const std::string& name);

// Whether a typed property value can go into a material file: a number by the rule of the
// typed inputs that stays finite in single precision, in which the file is mostly read back.
bool IsMaterialValue(const std::string& text);

}  // namespace porvap
