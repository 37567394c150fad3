#pragma once
// The window boundary: program text is Windows-1251, widgets hold QString.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "text/Cp1251.h"

namespace brenvoll::ui {

inline QString qs(std::string_view cp1251) { return QString::fromStdString(text::toUtf8(cp1251)); }

// None when the typed text holds a character the code page cannot hold.
inline std::optional<std::string> cp(const QString& typed) { return text::fromUtf8(typed.toStdString()); }

}  // namespace brenvoll::ui
