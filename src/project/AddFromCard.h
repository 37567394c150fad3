#pragma once
// "Добавить в проект": the product card's row goes into the project, or its quantity onto a row of that code.
#include <string>

#include "app/Ports.h"
#include "project/ProjectLists.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::project {

// The card's texts as the card shows them (Windows-1251).
struct CardFields {
    std::string code;      // Label_Cod
    std::string code1;     // Label_Cod1
    std::string name;      // Label_Name
    std::string unit;      // Label_EdIzm
    std::string absIndex;  // Label_AbsIndex
    std::string count;     // Edit_Kol, for "Шт" and "Рул"
    std::string length;    // Ed_Input_Db, for "М"
};

// Which picture the add button is to carry afterwards.
enum class AddButtonPicture { Keep, Normal, Added };

struct AddOutcome {
    AddButtonPicture picture = AddButtonPicture::Keep;
    bool emptyCount = false;  // Edit_Kol is to be emptied
};

// Checks the card, asks about every row of the same code and adds or merges. A quantity that is not a number
// throws ConversionError before anything changes.
AddOutcome addFromCard(ProjectLists& project, const store::CatalogStore& catalog, const CardFields& card,
                       Prompter& prompter);

}  // namespace brenvoll::project
