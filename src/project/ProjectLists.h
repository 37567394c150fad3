#pragma once
// The project: eight parallel lists, one entry per row, kept in step by every operation here.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/Units.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::project {

// The eight lists, in the order of the row record.
enum class Column { TVWirt, TVW_Cod, TVW_Cod1, TVW_Name, TVW_Kol, TVW_Izm, TVW_AbsIndex, TVW_Prim, Count };
inline constexpr size_t kColumnCount = static_cast<size_t>(Column::Count);
const char* columnName(Column column);

// Markers of a comment row (Windows-1251 is plain ASCII here).
inline constexpr std::string_view kCommentCode = "--------";
inline constexpr std::string_view kCommentQuantity = "--------------";
inline constexpr std::string_view kCommentUnit = "----";
inline constexpr std::string_view kNoCatalogIndex = "9000000";
inline constexpr std::string_view kCommentNote = " ";

struct Row {
    std::string line;      // TVWirt
    std::string code;      // TVW_Cod
    std::string code1;     // TVW_Cod1
    std::string name;      // TVW_Name
    std::string quantity;  // TVW_Kol
    std::string unit;      // TVW_Izm
    std::string absIndex;  // TVW_AbsIndex
    std::string note;      // TVW_Prim
    bool operator==(const Row&) const = default;
};

// Code, blanks to column 20, name, "_" so that name, fill and quantity make 90 characters, quantity, blank,
// unit. Nothing is ever cut: a fill that would be negative is left out.
std::string composeDisplayLine(std::string_view code, std::string_view name, std::string_view quantity,
                               std::string_view unit);
// "--------", the text, dashes up to 89 characters (at least one).
std::string composeCommentLine(std::string_view text);
Row commentRow(std::string_view text);

// Both non-empty and equal, case counting.
bool codesMatch(std::string_view a, std::string_view b);

using store::isCountedUnit;
using store::unitMetres;
using store::unitPieces;
using store::unitRolls;

// The piece length of a product sold by the metre; none when the catalog's TV_Dlina entry is missing, not a
// number, or not above zero, because such a product cannot be raised to whole pieces.
std::optional<double> pieceLength(const store::CatalogStore& catalog, int absIndex);
// The length raised to whole catalog pieces, as quantity text. AppError(noPieceLengthMessage()) when the
// piece length is unusable.
std::string metreRounding(const store::CatalogStore& catalog, int absIndex, double length);
double roundToPieces(double length, double piece);
const std::string& noPieceLengthMessage();

class ProjectLists {
  public:
    using Lists = std::array<std::vector<std::string>, kColumnCount>;

    size_t size() const { return lists_[0].size(); }
    bool empty() const { return size() == 0; }
    const std::vector<std::string>& list(Column column) const { return lists_[static_cast<size_t>(column)]; }
    const std::string& at(Column column, size_t row) const { return list(column).at(row); }
    const Lists& lists() const { return lists_; }
    // The list called name ("TVW_Cod" …); nullptr for another name.
    const std::vector<std::string>* listByName(std::string_view name) const;
    Row row(size_t i) const;

    void append(Row row);
    // The row goes before row i (i == size() appends).
    void insert(size_t i, Row row);
    void remove(size_t i);
    // TVW_Kol[i] := quantity and the display line recomposed from the row's own code, name and unit.
    void setQuantity(size_t i, std::string quantity);
    // TVW_Kol[i] and TVWirt[i] together, for callers that compose the line from other fields.
    void setQuantityAndLine(size_t i, std::string quantity, std::string line);
    void setNote(size_t i, std::string note);
    void clear();
    // All eight lists at once; std::invalid_argument when their lengths differ.
    void replaceAll(Lists lists);
    // Moves the eight lists out and leaves the project empty, for operations that rebuild it whole.
    Lists takeAll();

    // Indices of the rows whose code matches, in list order.
    std::vector<int> rowsWithCode(std::string_view code) const;

    // The selected line of TVWirt. Follows its row when rows are inserted or removed before it; a removed
    // current row hands the selection to the row now at its place, else to the new last row.
    std::optional<size_t> current() const { return current_; }
    void select(std::optional<size_t> row);

    // Label36: name of the project last opened, empty when none.
    const std::string& projectName() const { return projectName_; }
    void setProjectName(std::string name) { projectName_ = std::move(name); }

    // Changed since the last save, open or close: the main window asks before the program ends.
    bool modified() const { return modified_; }
    void markUnmodified() { modified_ = false; }

  private:
    std::vector<std::string>& mutableList(Column column) { return lists_[static_cast<size_t>(column)]; }
    void rebuildCodeIndex();
    void shiftCodeIndex(size_t from, int by);

    Lists lists_;
    std::optional<size_t> current_;
    std::string projectName_;
    bool modified_ = false;
    // Rows of each code in list order. Appends, inserts and removals keep it up to date in place; a
    // replacement of all lists rebuilds it.
    std::unordered_map<std::string, std::vector<int>> rowsByCode_;
};

}  // namespace brenvoll::project
