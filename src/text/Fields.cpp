#include "text/Fields.h"

namespace brenvoll::text {
namespace {
// Like the authoring tools' trim: blanks and control characters count as white space.
bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string trimBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

std::string fixedField(std::string_view line, int firstColumn, int width) {
    const size_t start = static_cast<size_t>(firstColumn - 1);
    if (firstColumn < 1 || width <= 0 || start >= line.size()) return {};
    return trimBlanks(line.substr(start, static_cast<size_t>(width)));
}

std::string padRight(std::string_view text, size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

}  // namespace brenvoll::text
