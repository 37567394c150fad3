#include "project/Summing.h"

#include <climits>
#include <cstdint>
#include <unordered_map>

#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Quantity.h"

namespace brenvoll::project {
namespace {

constexpr const char* kScratchNames[] = {"TV_S",     "TV_S_Cod", "TV_S_Cod1", "TV_S_Name",
                                         "TV_S_Kol", "TV_S_Izm", "TV_S_AI",   "TV_S_Prim"};
static_assert(std::size(kScratchNames) == kColumnCount);

constexpr std::string_view kWizardIndex = "9999";

enum class Group : std::uint8_t { None, Trays, Others, Fasteners };

bool isDropped(std::string_view code) {
    return code == "virt_01" || code == "virt_02" || code == "virt_03" || code == kCommentCode;
}

// The wizard marks its connector rows with "9999"; a catalog that really holds that index for the row's own
// code keeps the row a catalog product.
bool isWizardRow(std::string_view absIndex, std::string_view code, const store::CatalogStore& catalog) {
    if (absIndex != kWizardIndex) return false;
    const auto& codes = catalog.list(store::List::TV_Cod);
    const size_t k = 9999;
    return k >= codes.size() || codes[k] != code;
}

int catalogIndex(std::string_view absIndex, std::int64_t value) {
    if (value < 0 || value > INT_MAX)
        throw AppError(text::w("Индекс ") + std::string(absIndex) + text::w(" вне границ списка TV_Logik1"));
    return static_cast<int>(value);
}

std::string& at(ProjectLists::Lists& lists, Column c, size_t i) { return lists[static_cast<size_t>(c)][i]; }

}  // namespace

const std::vector<std::string>* Summing::listByName(std::string_view name) const {
    for (size_t c = 0; c < kColumnCount; ++c)
        if (name == kScratchNames[c]) return &scratch_[c];
    return nullptr;
}

void Summing::run(ProjectLists& project, const store::CatalogStore& catalog) {
    for (auto& list : scratch_) list.clear();
    if (project.empty()) return;

    static const std::string tray = text::w("Лоток");
    static const std::string fastener = text::w("Метиз");
    const auto& codes = project.list(Column::TVW_Cod);
    const auto& indices = project.list(Column::TVW_AbsIndex);
    const auto& quantities = project.list(Column::TVW_Kol);
    const size_t n = project.size();

    // The first pass reads every row's kind, so a bad index stops the summing whatever its kind.
    std::vector<Group> groups(n, Group::None);
    std::vector<int> absIndex(n, -1);
    std::vector<bool> wizard(n, false);
    for (size_t r = 0; r < n; ++r) {
        if (isDropped(codes[r])) continue;
        if (isWizardRow(indices[r], codes[r], catalog)) {
            groups[r] = Group::Others;
            wizard[r] = true;
            continue;
        }
        absIndex[r] = catalogIndex(indices[r], text::parseWhole(indices[r]));
        const std::string kind = catalog.LogicField(absIndex[r], 21, 20);
        groups[r] = kind == tray ? Group::Trays : kind == fastener ? Group::Fasteners : Group::Others;
    }

    // Scratch rows by AbsIndex value and, for the wizard's rows, by code: the row the full scan would find.
    ProjectLists::Lists scratch;
    std::unordered_map<int, size_t> scratchByIndex;
    std::unordered_map<std::string_view, size_t> wizardScratchByCode;
    const auto& lists = project.lists();
    for (Group group : {Group::Trays, Group::Others, Group::Fasteners}) {
        for (size_t r = 0; r < n; ++r) {
            if (groups[r] != group) continue;
            size_t j = 0;
            bool found = false;
            if (wizard[r]) {
                auto it = codes[r].empty() ? wizardScratchByCode.end() : wizardScratchByCode.find(codes[r]);
                if ((found = it != wizardScratchByCode.end())) j = it->second;
            } else {
                auto it = scratchByIndex.find(absIndex[r]);
                if ((found = it != scratchByIndex.end())) j = it->second;
            }
            if (!found) {
                const size_t added = scratch[0].size();
                for (size_t c = 0; c < kColumnCount; ++c) scratch[c].push_back(lists[c][r]);
                if (wizard[r]) {
                    if (!codes[r].empty()) wizardScratchByCode.emplace(codes[r], added);
                } else {
                    scratchByIndex.emplace(absIndex[r], added);
                }
                continue;
            }
            std::string& held = at(scratch, Column::TVW_Kol, j);
            std::string sum = text::formatReal(text::parseReal(quantities[r]) + text::parseReal(held));
            std::string line =
                wizard[r] ? composeDisplayLine(at(scratch, Column::TVW_Cod, j), at(scratch, Column::TVW_Name, j), sum,
                                               at(scratch, Column::TVW_Izm, j))
                          : composeDisplayLine(catalog.Entry(store::List::TV_Cod, absIndex[r]),
                                               catalog.Entry(store::List::TV_Name, absIndex[r]), sum,
                                               catalog.Entry(store::List::TV_Izm, absIndex[r]));
            held = std::move(sum);
            at(scratch, Column::TVWirt, j) = std::move(line);
        }
    }

    scratch_ = scratch;
    project.replaceAll(std::move(scratch));
}

}  // namespace brenvoll::project
