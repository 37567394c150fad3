#include "project/Summing.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Quantity.h"

namespace brenvoll::project {
namespace {

constexpr std::string_view kWizardIndex = "9999";

enum class Group : std::uint8_t { Unknown, Trays, Others, Fasteners };

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

int catalogIndex(std::string_view absIndex) {
    const std::int64_t value = text::parseWhole(absIndex);
    if (value < 0 || value > INT_MAX)
        throw AppError(text::w("Индекс ") + std::string(absIndex) + text::w(" вне границ списка TV_Logik1"));
    return static_cast<int>(value);
}

// Plain digit strings (the usual counts) read without the general parser; same value.
double readQuantity(std::string_view text) {
    if (!text.empty() && text.size() <= 15) {
        std::int64_t value = 0;
        bool digits = true;
        for (char c : text) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (digits) return static_cast<double>(value);
    }
    return text::parseReal(text);
}

// The value the sum's text reads back as: merges add to the written text, not to the exact sum. Whole sums
// below 10^15 are written exactly, so only the others need the round trip.
double asWritten(double sum) {
    if (sum == std::trunc(sum) && std::fabs(sum) < 1e15) return sum;
    return text::parseReal(text::formatReal(sum));
}

// A row of the result: the project row that brought the product, and the running sum once merged into.
struct Slot {
    size_t first = 0;
    int absIndex = -1;  // -1 for a wizard row
    bool merged = false;
    double held = 0;  // the value of the slot's quantity text, valid once merged
};

}  // namespace

void sumRows(ProjectLists& project, const store::CatalogStore& catalog) {
    if (project.empty()) return;

    static const std::string tray = text::w("Лоток");
    static const std::string fastener = text::w("Метиз");
    const auto& codes = project.list(Column::TVW_Cod);
    const auto& indices = project.list(Column::TVW_AbsIndex);
    const auto& quantities = project.list(Column::TVW_Kol);
    const size_t n = project.size();

    // The first pass reads every row's kind, so a bad index stops the summing whatever its kind.
    // The catalog's kind at each AbsIndex, read once.
    std::vector<Group> kindByIndex(catalog.list(store::List::TV_Logik1).size(), Group::Unknown);
    std::vector<Group> groups(n, Group::Unknown);
    std::vector<int> absIndex(n, -1);
    for (size_t r = 0; r < n; ++r) {
        if (isDropped(codes[r])) continue;
        if (isWizardRow(indices[r], codes[r], catalog)) {
            groups[r] = Group::Others;
            continue;
        }
        const int a = catalogIndex(indices[r]);
        if (static_cast<size_t>(a) >= kindByIndex.size()) catalog.LogicField(a, 21, 20);  // reports the index
        Group& kind = kindByIndex[static_cast<size_t>(a)];
        if (kind == Group::Unknown) {
            const std::string text = catalog.LogicField(a, 21, 20);
            kind = text == tray ? Group::Trays : text == fastener ? Group::Fasteners : Group::Others;
        }
        groups[r] = kind;
        absIndex[r] = a;
    }

    // Three passes in list order. Each row finds the result row of its product as the full scan of the result
    // would: by AbsIndex value, and for the wizard's rows by code.
    std::vector<Slot> slots;
    std::unordered_map<int, size_t> slotByIndex;
    std::unordered_map<std::string_view, size_t> wizardSlotByCode;
    for (Group group : {Group::Trays, Group::Others, Group::Fasteners}) {
        for (size_t r = 0; r < n; ++r) {
            if (groups[r] != group) continue;
            const bool wizard = absIndex[r] < 0;
            const size_t next = slots.size();
            size_t j = next;
            if (wizard) {
                if (!codes[r].empty()) j = wizardSlotByCode.try_emplace(codes[r], next).first->second;
            } else {
                j = slotByIndex.try_emplace(absIndex[r], next).first->second;
            }
            if (j == next) {
                slots.push_back(Slot{r, absIndex[r]});
                continue;
            }
            Slot& slot = slots[j];
            if (!slot.merged && !wizard) {
                // The merged line is composed from these at the end, where nothing may fail any more.
                for (auto l : {store::List::TV_Cod, store::List::TV_Name, store::List::TV_Izm})
                    catalog.Entry(l, slot.absIndex);
            }
            const double add = readQuantity(quantities[r]);
            if (!slot.merged) slot.held = readQuantity(quantities[slot.first]);
            slot.held = asWritten(add + slot.held);
            slot.merged = true;
        }
    }

    // Nothing can fail from here on: the project is rebuilt from its own rows in one step.
    ProjectLists::Lists source = project.takeAll();
    ProjectLists::Lists result;
    for (auto& list : result) list.reserve(slots.size());
    auto field = [&](Column c, size_t r) -> std::string& { return source[static_cast<size_t>(c)][r]; };
    for (const Slot& slot : slots) {
        const size_t r = slot.first;
        std::string quantity =
            slot.merged ? text::formatReal(slot.held) : std::move(field(Column::TVW_Kol, r));
        std::string line;
        if (!slot.merged)
            line = std::move(field(Column::TVWirt, r));
        else if (slot.absIndex < 0)
            line = composeDisplayLine(field(Column::TVW_Cod, r), field(Column::TVW_Name, r), quantity,
                                      field(Column::TVW_Izm, r));
        else
            line = composeDisplayLine(catalog.Entry(store::List::TV_Cod, slot.absIndex),
                                      catalog.Entry(store::List::TV_Name, slot.absIndex), quantity,
                                      catalog.Entry(store::List::TV_Izm, slot.absIndex));
        for (size_t c = 0; c < kColumnCount; ++c) {
            const auto column = static_cast<Column>(c);
            if (column == Column::TVWirt)
                result[c].push_back(std::move(line));
            else if (column == Column::TVW_Kol)
                result[c].push_back(std::move(quantity));
            else
                result[c].push_back(std::move(source[c][r]));
        }
    }
    project.replaceAll(std::move(result));
}

}  // namespace brenvoll::project
