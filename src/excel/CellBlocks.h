#pragma once
// Cells written one by one, sent to the application as a few rectangles instead.
#include <compare>
#include <vector>

namespace brenvoll::excel {

struct CellPos {
    int row = 0;  // from 1, as in Cells(row, column)
    int column = 0;
    auto operator<=>(const CellPos&) const = default;
};

struct CellBlock {
    int top = 0, left = 0, bottom = 0, right = 0;  // inclusive
    auto operator<=>(const CellBlock&) const = default;
};

// Rectangles that cover exactly the given cells (sorted by row, then column, no repeats), top to bottom:
// each row's runs of adjacent columns, joined with the run of the row above when it spans the same columns.
std::vector<CellBlock> coverWithBlocks(const std::vector<CellPos>& sortedCells);

}  // namespace brenvoll::excel
