#include "text/ListFile.h"

#include <algorithm>

#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::text {
namespace {

size_t leadingIndent(std::string_view line) {
    size_t n = 0;
    while (n < line.size() && (line[n] == '\t' || line[n] == ' ')) ++n;
    return n;
}


// Calls visit(line) for every line of a list file, without copying.
template <typename Visit>
void forEachLine(std::string_view bytes, Visit&& visit) {
    if (auto nul = bytes.find('\0'); nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    const char* const first = bytes.data();
    const char* const last = first + bytes.size();
    const char* start = first;
    while (start < last) {
        // A plain loop: find_first_of asks memchr once per character here.
        const char* end = start;
        while (end < last && *end != '\r' && *end != '\n') ++end;
        visit(std::string_view(start, static_cast<size_t>(end - start)));
        if (end == last) return;
        start = end + 1;
        if (*end == '\r' && start < last && *start == '\n') ++start;
    }
}

// Tree-form reading; emit(level, text) for every line in file order.
template <typename Emit>
void readTree(std::string_view bytes, const std::string& fileName, Emit&& emit) {
    int previousLevel = 0;
    int lineNumber = 0;
    forEachLine(bytes, [&](std::string_view line) {
        ++lineNumber;
        const size_t indent = leadingIndent(line);
        const int level = static_cast<int>(indent);
        // The first line is a top-level node whatever its indent; later lines may deepen by one level only.
        if (lineNumber > 1 && level > previousLevel + 1) {
            throw FileError(w("Неверный уровень ") + std::to_string(level) + w(" в строке ") +
                            std::to_string(lineNumber) + w(" файла \"") + fileName + "\": \"" +
                            std::string(line.substr(indent)) + "\"");
        }
        const int actual = lineNumber == 1 ? 0 : level;
        emit(actual, line.substr(indent));
        previousLevel = actual;
    });
}

// About as many entries as the text has line feeds, to fill each list without growing it.
size_t expectedLines(std::string_view bytes) {
    return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
}

}  // namespace

std::vector<std::string> parsePlainList(std::string_view bytes) {
    std::vector<std::string> entries;
    entries.reserve(expectedLines(bytes));
    forEachLine(bytes, [&](std::string_view line) { entries.emplace_back(line); });
    return entries;
}

std::vector<TreeLine> parseTreeList(std::string_view bytes, const std::string& fileName) {
    std::vector<TreeLine> lines;
    lines.reserve(expectedLines(bytes));
    readTree(bytes, fileName, [&](int level, std::string_view text) { lines.push_back({level, std::string(text)}); });
    return lines;
}

std::vector<std::string> parseTreeTexts(std::string_view bytes, const std::string& fileName) {
    std::vector<std::string> texts;
    texts.reserve(expectedLines(bytes));
    readTree(bytes, fileName, [&](int, std::string_view text) { texts.emplace_back(text); });
    return texts;
}

std::vector<std::string> parseFlatList(std::string_view bytes) {
    auto entries = parsePlainList(bytes);
    for (auto& e : entries) e.erase(0, leadingIndent(e));
    return entries;
}

std::string writeTreeList(const std::vector<TreeLine>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out.append(static_cast<size_t>(line.level), '\t');
        out += line.text;
        out += "\r\n";
    }
    return out;
}

std::string writeFlatList(const std::vector<std::string>& entries) {
    std::string out;
    for (const auto& e : entries) {
        out += e;
        out += "\r\n";
    }
    return out;
}

}  // namespace brenvoll::text
