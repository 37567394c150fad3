#include <string>
#include <variant>

#include "browser/RtfReader.h"

namespace brenvoll::browser {
namespace {

std::string paragraphText(const Paragraph& p) {
    std::string text;
    for (const Inline& piece : p.content)
        if (const auto* run = std::get_if<Run>(&piece)) text += run->text;
    return text;
}

// One line per line break.
void appendLines(const std::string& text, std::vector<std::string>& lines) {
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
}

std::string cellText(const TableCell& cell) {
    std::string text;
    for (const Paragraph& p : cell.paragraphs) {
        std::string part = paragraphText(p);
        for (char& c : part)
            if (c == '\n' || c == '\t') c = ' ';
        if (part.empty()) continue;
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

}  // namespace

std::vector<std::string> plainLines(const RtfDocument& doc) {
    std::vector<std::string> lines;
    for (const Block& block : doc.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            appendLines(paragraphText(*p), lines);
            continue;
        }
        for (const TableRow& row : std::get<Table>(block).rows) {
            std::string line;
            for (size_t i = 0; i < row.cells.size(); ++i) {
                if (i > 0) line += '\t';
                line += cellText(row.cells[i]);
            }
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

}  // namespace brenvoll::browser
