#pragma once
// Reads catalog pages. A page that does not begin as RTF is shown as plain Windows-1251 text.
#include <string>
#include <string_view>
#include <vector>

#include "browser/RtfDocument.h"

namespace brenvoll::browser {

// True when the bytes begin with "{\rtf" after optional whitespace.
bool looksLikeRtf(std::string_view bytes);

// Never throws on bad input: truncated files, unbalanced braces and junk give what could be read.
// Non-RTF bytes become one paragraph per line (lines end at CR, LF or CR LF).
RtfDocument parseRtf(std::string_view bytes);

// The text as plain UTF-8 lines: one per paragraph and per line break, one per table row with its
// cells separated by a tab (paragraphs inside a cell joined by a blank). Pictures give no text.
std::vector<std::string> plainLines(const RtfDocument& doc);

}  // namespace brenvoll::browser
