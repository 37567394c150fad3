#include "text/ListFile.h"

#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::text {
namespace {

size_t leadingIndent(std::string_view line) {
    size_t n = 0;
    while (n < line.size() && (line[n] == '\t' || line[n] == ' ')) ++n;
    return n;
}

}  // namespace

std::vector<std::string> parsePlainList(std::string_view bytes) {
    if (auto nul = bytes.find('\0'); nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            entries.emplace_back(bytes.substr(start));
            break;
        }
        entries.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return entries;
}

std::vector<TreeLine> parseTreeList(std::string_view bytes, const std::string& fileName) {
    std::vector<TreeLine> lines;
    int previousLevel = 0;
    int lineNumber = 0;
    for (auto& entry : parsePlainList(bytes)) {
        ++lineNumber;
        const size_t indent = leadingIndent(entry);
        const int level = static_cast<int>(indent);
        // The first line is a top-level node whatever its indent; later lines may deepen by one level only.
        int actual = lines.empty() ? 0 : std::min(level, previousLevel + 1);
        if (!lines.empty() && level > previousLevel + 1) {
            throw FileError(w("Неверный уровень ") + std::to_string(level) + w(" в строке ") +
                            std::to_string(lineNumber) + w(" файла \"") + fileName + "\": \"" +
                            entry.substr(indent) + "\"");
        }
        lines.push_back({actual, entry.substr(indent)});
        previousLevel = actual;
    }
    return lines;
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

std::vector<std::string> textsOf(const std::vector<TreeLine>& lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const auto& l : lines) texts.push_back(l.text);
    return texts;
}

}  // namespace brenvoll::text
