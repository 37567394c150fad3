#include "browser/ProductCard.h"

#include <algorithm>

#include "store/Units.h"
#include "text/Cp1251.h"

namespace brenvoll::browser {

using store::unitMetres;
using store::unitPieces;
using store::unitRolls;

void ProductCard::SetUnitField(const std::string& unit) {
    if (unit == Ed_Izm) return;
    Ed_Izm = unit;
    SwitchQuantityInput(unit);
}

void ProductCard::SwitchQuantityInput(const std::string& unit) {
    if (unit == unitPieces() || unit == unitRolls()) {
        Edit_Kol.clear();
        countVisible = true;
        metresVisible = false;
        addEnabled = true;
        quantityCaptionVisible = true;
    } else if (unit == unitMetres()) {
        countVisible = false;
        SetMetres("");
        metresVisible = true;
        addEnabled = true;
        quantityCaptionVisible = true;
    } else if (unit.empty()) {
        countVisible = false;
        metresVisible = false;
        addEnabled = false;
        quantityCaptionVisible = false;
    }
    // Any other unit keeps the input of the unit shown before.
}

bool ProductCard::FilterMetreKey(char key, const std::string& current) {
    if ((key >= '0' && key <= '9') || key == '\b') return true;
    return key == ',' && current.find(',') == std::string::npos;
}

void ProductCard::SetMetres(const std::string& text) {
    Ed_Input_Db = text;
    addPicture = AddButtonPicture::Normal;
}

void ProductCard::StepCount(int delta) {
    const long long next = static_cast<long long>(spinnerPosition(Edit_Kol)) + delta;
    Edit_Kol = groupDigits(static_cast<int>(std::clamp<long long>(next, kCountMinimum, kCountMaximum)));
}

void ProductCard::MarkAdded() {
    addPicture = AddButtonPicture::Added;
    Edit_Kol.clear();
}

int spinnerPosition(const std::string& countText) {
    long long value = 0;
    for (char c : countText) {
        if (c < '0' || c > '9') continue;
        value = std::min<long long>(value * 10 + (c - '0'), kCountMaximum + 1LL);
    }
    return static_cast<int>(std::clamp<long long>(value, kCountMinimum, kCountMaximum));
}

std::string groupDigits(int value) {
    std::string digits = std::to_string(value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

}  // namespace brenvoll::browser
