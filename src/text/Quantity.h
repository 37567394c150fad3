#pragma once
// Quantities are stored as decimal text with the comma as separator and converted at each use.
#include <cstdint>
#include <string>
#include <string_view>

namespace brenvoll::text {

// Shortest form with at most 15 significant digits and a comma: 12, 7,5.
std::string formatReal(double value);
std::string formatWhole(std::int64_t value);

// Comma as separator, blanks around the digits ignored; ConversionError otherwise.
double parseReal(std::string_view text);
// A whole decimal number with optional sign, blanks around ignored; ConversionError otherwise.
std::int64_t parseWhole(std::string_view text);
bool isWholeNumber(std::string_view text);

// A count typed by the user: only its digits, read as a whole number (empty gives 0).
std::int64_t readCount(std::string_view typed);

}  // namespace brenvoll::text
