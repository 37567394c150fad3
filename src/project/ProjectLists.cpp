#include "project/ProjectLists.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Quantity.h"

namespace brenvoll::project {
namespace {

constexpr const char* kColumnNames[] = {"TVWirt",  "TVW_Cod", "TVW_Cod1",     "TVW_Name",
                                        "TVW_Kol", "TVW_Izm", "TVW_AbsIndex", "TVW_Prim"};
static_assert(std::size(kColumnNames) == kColumnCount);

constexpr size_t kCodeWidth = 20;
constexpr size_t kNameAndQuantityWidth = 90;
constexpr size_t kCommentTextWidth = 81;

}  // namespace

const char* columnName(Column column) {
    return kColumnNames[static_cast<size_t>(column)];
}

std::string composeDisplayLine(std::string_view code, std::string_view name, std::string_view quantity,
                               std::string_view unit) {
    std::string line;
    line.reserve(kCodeWidth + kNameAndQuantityWidth + 2 + unit.size() + code.size());
    line += code;
    if (code.size() < kCodeWidth) line.append(kCodeWidth - code.size(), ' ');
    line += name;
    if (name.size() + quantity.size() < kNameAndQuantityWidth)
        line.append(kNameAndQuantityWidth - name.size() - quantity.size(), '_');
    line += quantity;
    line += ' ';
    line += unit;
    return line;
}

std::string composeCommentLine(std::string_view text) {
    std::string line(kCommentCode);
    line += text;
    line.append(text.size() < kCommentTextWidth ? kCommentTextWidth - text.size() : 1, '-');
    return line;
}

Row commentRow(std::string_view text) {
    return Row{composeCommentLine(text),      std::string(kCommentCode),
               std::string(kCommentCode),     std::string(text),
               std::string(kCommentQuantity), std::string(kCommentUnit),
               std::string(kNoCatalogIndex),  std::string(kCommentNote)};
}

bool codesMatch(std::string_view a, std::string_view b) {
    return !a.empty() && a == b;
}

const std::string& noPieceLengthMessage() {
    static const std::string message = text::w(
        "В каталоге не задана длина одного изделия этого продукта, поэтому его количество "
        "нельзя задать в метрах !");
    return message;
}

std::optional<double> pieceLength(const store::CatalogStore& catalog, int absIndex) {
    const auto& lengths = catalog.list(store::List::TV_Dlina);
    if (absIndex < 0 || static_cast<size_t>(absIndex) >= lengths.size()) return std::nullopt;
    try {
        const double piece = text::parseReal(lengths[static_cast<size_t>(absIndex)]);
        if (piece > 0) return piece;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

double roundToPieces(double length, double piece) {
    double pieces = std::trunc(length / piece);
    if (length > pieces * piece) pieces += 1;
    return pieces * piece;
}

std::string metreRounding(const store::CatalogStore& catalog, int absIndex, double length) {
    const auto piece = pieceLength(catalog, absIndex);
    if (!piece) throw AppError(noPieceLengthMessage());
    return text::formatReal(roundToPieces(length, *piece));
}

const std::vector<std::string>* ProjectLists::listByName(std::string_view name) const {
    for (size_t c = 0; c < kColumnCount; ++c)
        if (name == kColumnNames[c]) return &lists_[c];
    return nullptr;
}

Row ProjectLists::row(size_t i) const {
    return Row{at(Column::TVWirt, i),       at(Column::TVW_Cod, i), at(Column::TVW_Cod1, i),
               at(Column::TVW_Name, i),     at(Column::TVW_Kol, i), at(Column::TVW_Izm, i),
               at(Column::TVW_AbsIndex, i), at(Column::TVW_Prim, i)};
}

void ProjectLists::append(Row row) {
    insert(size(), std::move(row));
}

void ProjectLists::insert(size_t i, Row row) {
    if (i > size()) throw std::out_of_range("project row index");
    if (i < size()) shiftCodeIndex(i, +1);
    if (!row.code.empty()) {
        auto& rows = rowsByCode_[row.code];
        rows.insert(std::lower_bound(rows.begin(), rows.end(), static_cast<int>(i)), static_cast<int>(i));
    }
    std::string* fields[] = {&row.line,     &row.code, &row.code1,    &row.name,
                             &row.quantity, &row.unit, &row.absIndex, &row.note};
    for (size_t c = 0; c < kColumnCount; ++c) {
        auto& list = lists_[c];
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), std::move(*fields[c]));
    }
    if (current_ && *current_ >= i) ++*current_;
    modified_ = true;
}

void ProjectLists::remove(size_t i) {
    if (i >= size()) throw std::out_of_range("project row index");
    if (auto it = rowsByCode_.find(at(Column::TVW_Cod, i)); it != rowsByCode_.end()) {
        auto& rows = it->second;
        rows.erase(std::lower_bound(rows.begin(), rows.end(), static_cast<int>(i)));
        if (rows.empty()) rowsByCode_.erase(it);
    }
    shiftCodeIndex(i, -1);
    for (auto& list : lists_) list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    if (current_) {
        if (*current_ > i)
            --*current_;
        else if (*current_ >= size())
            current_ = empty() ? std::nullopt : std::optional<size_t>(size() - 1);
    }
    modified_ = true;
}

void ProjectLists::setQuantity(size_t i, std::string quantity) {
    std::string line =
        composeDisplayLine(at(Column::TVW_Cod, i), at(Column::TVW_Name, i), quantity, at(Column::TVW_Izm, i));
    setQuantityAndLine(i, std::move(quantity), std::move(line));
}

void ProjectLists::setQuantityAndLine(size_t i, std::string quantity, std::string line) {
    mutableList(Column::TVW_Kol).at(i) = std::move(quantity);
    mutableList(Column::TVWirt).at(i) = std::move(line);
    modified_ = true;
}

void ProjectLists::setNote(size_t i, std::string note) {
    mutableList(Column::TVW_Prim).at(i) = std::move(note);
    modified_ = true;
}

void ProjectLists::clear() {
    for (auto& list : lists_) list.clear();
    rowsByCode_.clear();
    current_.reset();
    modified_ = true;
}

void ProjectLists::replaceAll(Lists lists) {
    for (const auto& list : lists)
        if (list.size() != lists[0].size()) throw std::invalid_argument("project lists of different lengths");
    lists_ = std::move(lists);
    // Room to grow, so that the first additions after an open or a summing do not move every entry.
    for (auto& list : lists_) list.reserve(list.size() + list.size() / 4 + 16);
    // Built now rather than at the first lookup, so that adding stays quick right after an open or a summing.
    rebuildCodeIndex();
    current_.reset();
    modified_ = true;
}

ProjectLists::Lists ProjectLists::takeAll() {
    Lists taken = std::move(lists_);
    clear();
    return taken;
}

void ProjectLists::select(std::optional<size_t> row) {
    current_ = row && *row < size() ? row : std::nullopt;
}

std::vector<int> ProjectLists::rowsWithCode(std::string_view code) const {
    if (code.empty()) return {};
    auto it = rowsByCode_.find(std::string(code));
    return it == rowsByCode_.end() ? std::vector<int>{} : it->second;
}

void ProjectLists::shiftCodeIndex(size_t from, int by) {
    // Rows at and after `from` move; the lists stay sorted because all of them move alike.
    for (auto& [code, rows] : rowsByCode_)
        for (auto it = std::lower_bound(rows.begin(), rows.end(), static_cast<int>(from)); it != rows.end();
             ++it)
            *it += by;
}

void ProjectLists::rebuildCodeIndex() {
    rowsByCode_.clear();
    const auto& codes = list(Column::TVW_Cod);
    rowsByCode_.reserve(codes.size());
    for (size_t i = 0; i < codes.size(); ++i)
        if (!codes[i].empty()) rowsByCode_[codes[i]].push_back(static_cast<int>(i));
}

}  // namespace brenvoll::project
