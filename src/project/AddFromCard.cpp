#include "project/AddFromCard.h"

#include <optional>

#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Fields.h"
#include "text/Quantity.h"

namespace brenvoll::project {
namespace {

struct Quantity {
    std::string text;        // goes into the row
    std::string asked;       // shown in the merge question
    double metres = 0;       // for "М"
    std::int64_t count = 0;  // for "Шт" and "Рул"
};

std::string mergeQuestion(std::string_view rowQuantity, std::string_view unit, std::string_view asked) {
    return text::w("В проекте уще есть  ") + std::string(rowQuantity) + "  " + std::string(unit) +
           text::w(".   Добавить ещё  ") + std::string(asked) + " ?";
}

}  // namespace

AddOutcome addFromCard(ProjectLists& project, const store::CatalogStore& catalog, const CardFields& card,
                       Prompter& prompter) {
    const bool metres = card.unit == unitMetres();
    const bool counted = isCountedUnit(card.unit);

    double length = 0;
    if (metres && !text::trimBlanks(card.length).empty()) length = text::parseReal(card.length);
    // A count made only of zeros (or of no digits) would add an empty position, so it counts as zero too.
    const std::int64_t count = counted ? text::readCount(card.count) : 0;
    const bool lengthZero = length == 0;
    const bool countZero = card.count.empty() || card.count == "0" || count == 0;

    const std::string nonZero = text::w("Задайте отличное от нуля количество !");
    if (card.name.empty()) prompter.message(text::w("Выберите продукт !"));
    if (metres && lengthZero) prompter.message(nonZero);
    if (counted && countZero) prompter.message(nonZero);
    const bool taken = !card.name.empty() && ((metres && !lengthZero) || (counted && !countZero));
    if (!taken) return {};

    Quantity q;
    if (metres) {
        const int absIndex = static_cast<int>(text::parseWhole(card.absIndex));
        const auto piece = pieceLength(catalog, absIndex);
        if (!piece) {
            prompter.message(noPieceLengthMessage());
            return {};
        }
        q.metres = roundToPieces(length, *piece);
        q.text = text::formatReal(q.metres);
        q.asked = q.text;
    } else {
        q.count = count;
        q.text = text::formatWhole(count);
        q.asked = card.count;  // the digits as typed, leading zeros included
    }

    // Every row of the code is asked in list order; the last answer decides.
    std::optional<int> target;
    const auto matches = project.rowsWithCode(card.code);
    for (int r : matches) {
        const bool yes = prompter.ask(mergeQuestion(project.at(Column::TVW_Kol, r), card.unit, q.asked));
        target = yes ? std::optional<int>(r) : std::nullopt;
    }
    if (!matches.empty() && !target) return {AddButtonPicture::Normal, false};

    if (target) {
        const std::string& held = project.at(Column::TVW_Kol, static_cast<size_t>(*target));
        const std::string sum = metres ? text::formatReal(text::parseReal(held) + q.metres)
                                       : text::formatWhole(text::parseWhole(held) + q.count);
        project.setQuantityAndLine(static_cast<size_t>(*target), sum,
                                   composeDisplayLine(card.code, card.name, sum, card.unit));
    } else {
        project.append(Row{composeDisplayLine(card.code, card.name, q.text, card.unit), card.code, card.code1,
                           card.name, q.text, card.unit, card.absIndex, ""});
    }
    return {AddButtonPicture::Added, true};
}

}  // namespace brenvoll::project
