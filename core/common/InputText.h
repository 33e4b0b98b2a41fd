#pragma once

#include <string>

namespace porvap {

// Typed inputs of a case window.

// Decimal conversion with strtod rules; the rest of the text after the number is ignored.
// A text is refused exactly when it converts to 0 and does not begin with '0', so "0abc"
// gives 0 and "12abc" gives 12, while "", " 0", "-0" and ".0" are refused.
bool ParseNumber(const std::string& text, double& value);

// The text without leading and trailing blanks and control characters.
std::string TrimFileName(const std::string& text);

// A decimal integer greater than 0 and nothing else.
bool ParseSectionCount(const std::string& text, int& sections);

// A finite real number greater than 0 and nothing else, in single precision; m.
bool ParseThickness(const std::string& text, float& thickness);

// value truncated toward zero; false when that lies outside the int range or is not a
// number.
bool TruncateToInt(double value, int& result);

// value in single precision; beyond the float range it becomes an infinity of its sign.
float ToSingle(double value);

}  // namespace porvap
