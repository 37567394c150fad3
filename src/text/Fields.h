#pragma once
#include <string>
#include <string_view>

namespace brenvoll::text {

// Columns firstColumn … firstColumn+width-1 (1-based) of a fixed-column line, blanks removed at both ends;
// fewer or no characters when the line is shorter.
std::string fixedField(std::string_view line, int firstColumn, int width);

std::string trimBlanks(std::string_view text);

// text followed by blanks up to width characters (none when it is already that long).
std::string padRight(std::string_view text, size_t width);

}  // namespace brenvoll::text
