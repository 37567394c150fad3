#pragma once
// The catalog's list-file format: one entry per line, 8-bit text.
#include <string>
#include <string_view>
#include <vector>

namespace brenvoll::text {

struct TreeLine {
    int level = 0;
    std::string text;
    bool operator==(const TreeLine&) const = default;
};

// Lines end at CR, LF or CR LF; a NUL ends the text; no entry after a final line end.
std::vector<std::string> parsePlainList(std::string_view bytes);

// Leading TABs and blanks give the level. fileName names the file in the invalid-level error (FileError).
std::vector<TreeLine> parseTreeList(std::string_view bytes, const std::string& fileName);

// The texts of a tree-form file whose levels carry no meaning (the product lists), checked like a tree.
std::vector<std::string> parseTreeTexts(std::string_view bytes, const std::string& fileName);

// Project files: each line's leading TABs and blanks are dropped, with no nesting check.
std::vector<std::string> parseFlatList(std::string_view bytes);

// One TAB per level, the text and CR LF for every line.
std::string writeTreeList(const std::vector<TreeLine>& lines);

// Every entry unchanged on its own line, ended by CR LF.
std::string writeFlatList(const std::vector<std::string>& entries);


}  // namespace brenvoll::text
