#pragma once
// Text crossing the bridge: the office speaks UTF-16, the program Windows-1251.
#include <rtl/ustring.hxx>

#include <string>
#include <string_view>

#include "text/Cp1251.h"

namespace brenvoll::excel::lo {

inline rtl::OUString fromUtf8(std::string_view utf8) {
    return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}
inline rtl::OUString fromCp1251(std::string_view cp1251) {
    return fromUtf8(text::toUtf8(cp1251));
}
inline std::string toUtf8(const rtl::OUString& s) {
    const rtl::OString bytes = rtl::OUStringToOString(s, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}
// For messages: what the code page lacks becomes '?'.
inline std::string toCp1251(const rtl::OUString& s) {
    return text::fromUtf8Lossy(toUtf8(s));
}

}  // namespace brenvoll::excel::lo
