#pragma once
// The unit texts the program gives meaning to, as the catalog writes them (Windows-1251).
#include <string>
#include <string_view>

namespace brenvoll::store {

const std::string& unitPieces();  // "Шт"
const std::string& unitRolls();   // "Рул"
const std::string& unitMetres();  // "М"
// Counted in whole pieces: "Шт" and "Рул".
bool isCountedUnit(std::string_view unit);

}  // namespace brenvoll::store
