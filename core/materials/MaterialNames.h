#pragma once

#include <string>

namespace porvap {

// Whether two material names are the same name ignoring letter case. Names are UTF-8, but
// catalogs from older systems carry Latin-1: a byte that is not part of a valid UTF-8
// sequence is taken as the Latin-1 character of that code, so a name matches itself in
// either encoding. Case is folded for the letters of ASCII, Latin-1 Supplement and Latin
// Extended-A.
bool SameMaterialName(const std::string& a, const std::string& b);

}  // namespace porvap
