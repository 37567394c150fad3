#include "text/Cp1251.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace brenvoll::text {
namespace {

#include "text/Cp1251Tables.inc"

// Decodes one UTF-8 sequence at pos; none for a malformed or cut one.
std::optional<char32_t> nextCodePoint(std::string_view s, size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    const int extra = b0 < 0x80 ? 0 : (b0 >> 5) == 6 ? 1 : (b0 >> 4) == 14 ? 2 : (b0 >> 3) == 30 ? 3 : -1;
    if (extra < 0 || pos + extra >= s.size()) return std::nullopt;
    char32_t cp = extra == 0 ? b0 : extra == 1 ? (b0 & 0x1F) : extra == 2 ? (b0 & 0x0F) : (b0 & 0x07);
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[pos + k]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

const std::unordered_map<char32_t, unsigned char>& unicodeToCp1251() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> m;
        for (int b = 0; b < 256; ++b) m.emplace(kCp1251ToUnicode[b], static_cast<unsigned char>(b));
        return m;
    }();
    return table;
}

std::optional<std::string> convertFromUtf8(std::string_view utf8, bool lossy) {
    std::string out;
    out.reserve(utf8.size());
    const auto& table = unicodeToCp1251();
    size_t pos = 0;
    while (pos < utf8.size()) {
        auto cp = nextCodePoint(utf8, pos);
        if (!cp) {
            if (!lossy) return std::nullopt;
            out += '?';
            ++pos;
            continue;
        }
        auto it = table.find(*cp);
        if (it == table.end()) {
            if (!lossy) return std::nullopt;
            out += '?';
        } else {
            out += static_cast<char>(it->second);
        }
    }
    return out;
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string toUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251) appendUtf8(out, kCp1251ToUnicode[static_cast<unsigned char>(c)]);
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) { return convertFromUtf8(utf8, false); }

std::string fromUtf8Lossy(std::string_view utf8) { return *convertFromUtf8(utf8, true); }

std::string w(std::string_view utf8Literal) {
    auto converted = fromUtf8(utf8Literal);
    if (!converted) throw std::logic_error("text literal outside Windows-1251");
    return *converted;
}

char foldCase(char c) { return static_cast<char>(kCp1251Lower[static_cast<unsigned char>(c)]); }

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = foldCase(c);
    return out;
}

bool containsIgnoringCase(std::string_view hay, std::string_view needle) {
    if (needle.empty()) return true;
    auto it = std::search(hay.begin(), hay.end(), needle.begin(), needle.end(),
                          [](char a, char b) { return foldCase(a) == foldCase(b); });
    return it != hay.end();
}

bool sameNameIgnoringCase(std::string_view utf8A, std::string_view utf8B) {
    auto a = fromUtf8(utf8A), b = fromUtf8(utf8B);
    if (!a || !b) return false;
    return foldCase(*a) == foldCase(*b);
}

}  // namespace brenvoll::text
