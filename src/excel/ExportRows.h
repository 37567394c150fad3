#pragma once
// The project as the export reads it: one entry per project row, in list order. Texts are Windows-1251.
#include <string>
#include <vector>

namespace brenvoll::excel {

struct ExportRow {
    std::string code;      // TVW_Cod; "--------" marks a comment row
    std::string code1;     // TVW_Cod1, the second code
    std::string name;      // TVW_Name; the comment text of a comment row
    std::string unit;      // TVW_Izm
    std::string quantity;  // TVW_Kol, quantity text ("12", "7,5")
    std::string note;      // TVW_Prim
};

using ExportRows = std::vector<ExportRow>;

}  // namespace brenvoll::excel
