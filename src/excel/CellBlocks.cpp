#include "excel/CellBlocks.h"

#include <cstddef>
#include <map>
#include <utility>

namespace brenvoll::excel {

std::vector<CellBlock> coverWithBlocks(const std::vector<CellPos>& cells) {
    std::vector<CellBlock> blocks;
    // Blocks that end on the previous row, by their column span.
    std::map<std::pair<int, int>, std::size_t> openAbove;
    std::map<std::pair<int, int>, std::size_t> openHere;
    std::size_t i = 0;
    while (i < cells.size()) {
        const int row = cells[i].row;
        openHere.clear();
        while (i < cells.size() && cells[i].row == row) {
            const int left = cells[i].column;
            int right = left;
            ++i;
            while (i < cells.size() && cells[i].row == row && cells[i].column == right + 1) {
                right = cells[i].column;
                ++i;
            }
            const auto span = std::make_pair(left, right);
            const auto above = openAbove.find(span);
            if (above != openAbove.end() && blocks[above->second].bottom == row - 1) {
                blocks[above->second].bottom = row;
                openHere[span] = above->second;
            } else {
                blocks.push_back({row, left, row, right});
                openHere[span] = blocks.size() - 1;
            }
        }
        std::swap(openAbove, openHere);
    }
    return blocks;
}

}  // namespace brenvoll::excel
