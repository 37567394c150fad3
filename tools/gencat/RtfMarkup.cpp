#include "RtfMarkup.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "text/ListFile.h"

namespace gencat {
namespace {

const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
    "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}{\\f1\\froman\\fcharset204 Times New Roman;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\r\n";

std::string escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c >= 0x80) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\'%02x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// **bold** and //italic// runs become RTF groups.
std::string inlineRuns(const std::string& text) {
    std::string out, run;
    bool bold = false, italic = false;
    auto flush = [&] {
        out += escape(run);
        run.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "**") == 0) {
            flush();
            out += bold ? "}" : "{\\b ";
            bold = !bold;
            ++i;
        } else if (text.compare(i, 2, "//") == 0) {
            flush();
            out += italic ? "}" : "{\\i ";
            italic = !italic;
            ++i;
        } else {
            run += text[i];
        }
    }
    flush();
    if (italic) out += "}";
    if (bold) out += "}";
    return out;
}

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> out;
    std::string inner = trim(row);
    if (!inner.empty() && inner.front() == '|') inner.erase(0, 1);
    if (!inner.empty() && inner.back() == '|') inner.pop_back();
    size_t start = 0;
    while (true) {
        size_t bar = inner.find('|', start);
        out.push_back(trim(inner.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out;
}

std::string table(const std::vector<std::string>& rows) {
    std::string out;
    const size_t columns = cells(rows.front()).size();
    const int width = static_cast<int>(9000 / (columns ? columns : 1));
    for (size_t r = 0; r < rows.size(); ++r) {
        auto row = cells(rows[r]);
        out += "\\trowd\\trgaph80\\trleft100";
        for (size_t c = 0; c < columns; ++c)
            out +=
                "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                "\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                std::to_string(100 + width * static_cast<int>(c + 1));
        out += "\r\n\\pard\\intbl\\f0\\fs20 ";
        for (size_t c = 0; c < columns; ++c) {
            const std::string cell = c < row.size() ? inlineRuns(row[c]) : std::string();
            out += r == 0 ? "{\\b " + cell + "}" : cell;
            out += "\\cell ";
        }
        out += "\\row\r\n";
    }
    return out + "\\pard\\sa80\\par\r\n";
}

std::string hexOf(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        out += digits[c >> 4];
        out += digits[c & 15];
        if (i % 64 == 63) out += "\r\n";
    }
    return out;
}

// [image SKETCH "caption" WxH]
std::string embeddedImage(const std::string& line, Renderer& renderer) {
    std::string inner = trim(line.substr(1, line.size() - 2));
    std::istringstream words(inner.substr(5));
    std::string sketch;
    words >> sketch;
    std::string caption, size;
    size_t q1 = inner.find('"'), q2 = inner.rfind('"');
    if (q1 != std::string::npos && q2 > q1) {
        caption = inner.substr(q1 + 1, q2 - q1 - 1);
        size = trim(inner.substr(q2 + 1));
    }
    int w = 320, h = 200;
    if (!size.empty()) std::sscanf(size.c_str(), "%dx%d", &w, &h);
    const std::string jpeg = renderer.render(sketch, caption, w, h, "jpg");
    return "\\pard\\qc{\\pict\\jpegblip\\picw" + std::to_string(w) + "\\pich" + std::to_string(h) +
           "\\picwgoal" + std::to_string(w * 15) + "\\pichgoal" + std::to_string(h * 15) + "\r\n" +
           hexOf(jpeg) + "}\\par\r\n";
}

}  // namespace

std::string blankRtf() {
    return std::string(kHeader) + "\\pard\\f0\\fs20\\par\r\n}\r\n";
}

std::string markupToRtf(const std::string& markup, Renderer& renderer) {
    std::string out = kHeader;
    std::vector<std::string> tableRows;
    std::string paragraph;
    auto endParagraph = [&] {
        if (!paragraph.empty()) out += "\\pard\\sa80\\f0\\fs20 " + inlineRuns(paragraph) + "\\par\r\n";
        paragraph.clear();
    };
    auto endTable = [&] {
        if (!tableRows.empty()) out += table(tableRows);
        tableRows.clear();
    };
    for (const std::string& raw : brenvoll::text::parsePlainList(markup)) {
        const std::string line = trim(raw);
        if (!line.empty() && line.front() == '|') {
            endParagraph();
            tableRows.push_back(line);
            continue;
        }
        endTable();
        if (line.empty()) {
            endParagraph();
        } else if (line.rfind("== ", 0) == 0) {
            endParagraph();
            out +=
                "\\pard\\sb120\\sa60\\cf1\\b\\f0\\fs24 " + inlineRuns(line.substr(3)) + "\\cf0\\b0\\par\r\n";
        } else if (line.rfind("= ", 0) == 0) {
            endParagraph();
            out +=
                "\\pard\\sb60\\sa120\\cf1\\b\\f0\\fs32 " + inlineRuns(line.substr(2)) + "\\cf0\\b0\\par\r\n";
        } else if (line.rfind("- ", 0) == 0) {
            endParagraph();
            out += "\\pard\\fi-280\\li420\\sa40\\f0\\fs20 \\'95\\tab " + inlineRuns(line.substr(2)) +
                   "\\par\r\n";
        } else if (line.rfind("[image ", 0) == 0 && line.back() == ']') {
            endParagraph();
            out += embeddedImage(line, renderer);
        } else {
            if (!paragraph.empty()) paragraph += ' ';
            paragraph += line;
        }
    }
    endTable();
    endParagraph();
    return out + "}\r\n";
}

}  // namespace gencat
