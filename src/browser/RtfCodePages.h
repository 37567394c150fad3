#pragma once
// Byte-to-UTF-8 decoding for the code pages RTF pages are written in.
#include <optional>
#include <string>
#include <string_view>

namespace brenvoll::browser::rtf {

// Symbol is the 8-bit font encoding of symbol fonts; list bullets come that way.
enum class CodePage { Cp1251, Cp1252, Symbol };

// \ansicpgN: 1252 is honoured; every other value reads as Windows-1251, the catalogs' own code page.
CodePage codePageOfAnsicpg(int ansicpg);

// \fcharsetN of a font; none when the charset defers to the document's code page or is unknown.
std::optional<CodePage> codePageOfCharset(int charset);

// The UTF-8 form of one byte.
std::string_view byteToUtf8(CodePage page, unsigned char byte);

// Appends a code point as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void appendCodePoint(std::string& out, char32_t cp);

}  // namespace brenvoll::browser::rtf
