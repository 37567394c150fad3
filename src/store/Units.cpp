#include "store/Units.h"

#include "text/Cp1251.h"

namespace brenvoll::store {

const std::string& unitPieces() {
    static const std::string unit = text::w("Шт");
    return unit;
}

const std::string& unitRolls() {
    static const std::string unit = text::w("Рул");
    return unit;
}

const std::string& unitMetres() {
    static const std::string unit = text::w("М");
    return unit;
}

bool isCountedUnit(std::string_view unit) { return unit == unitPieces() || unit == unitRolls(); }

}  // namespace brenvoll::store
