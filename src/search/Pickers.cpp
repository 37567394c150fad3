#include "search/Pickers.h"

#include <algorithm>

#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::search {

bool pickerLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(text::foldCase(x)) < static_cast<unsigned char>(text::foldCase(y));
    });
}

Picker BuildPicker(const std::vector<std::string>& source, const std::vector<std::string>& units,
                   int initialPosition) {
    Picker picker;
    for (size_t i = 0; i < source.size(); ++i) {
        // The source may be shorter than the contents, never longer than the unit list.
        if (i >= units.size())
            throw AppError(text::w("Индекс ") + std::to_string(i) + text::w(" вне границ списка TV_Izm"));
        if (!units[i].empty()) picker.items.push_back(source[i]);
    }
    // A stable sort places every entry exactly where inserting it at its sorted place, after equals, would.
    std::stable_sort(picker.items.begin(), picker.items.end(), pickerLess);
    if (initialPosition >= 0 && static_cast<size_t>(initialPosition) < picker.items.size())
        picker.selected = initialPosition;
    return picker;
}

}  // namespace brenvoll::search
