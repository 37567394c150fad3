#pragma once
// The product card "Результат выбора": codes, name, unit and the quantity input that fits the unit.
#include <string>

namespace brenvoll::browser {

enum class AddButtonPicture { Normal, Added };

inline constexpr int kCountMinimum = 0;
inline constexpr int kCountMaximum = 32000;
inline constexpr int kCountMaxLength = 6;  // characters of Edit_Kol
inline constexpr int kMetreMaxLength = 8;  // characters of Ed_Input_Db

// The card's fields by their control names; texts are Windows-1251.
struct ProductCard {
    std::string Label_Cod1;
    std::string Label_Cod;
    std::string Label_Name;
    std::string Label_EdIzm;
    std::string Label_AbsIndex;  // not shown
    std::string Ed_Izm;          // not shown; its changes switch the quantity input
    std::string Edit_Kol;        // whole-number quantity, with the spinner UpD
    bool countVisible = false;   // Edit_Kol and UpD
    std::string Ed_Input_Db;     // quantity in metres
    bool metresVisible = false;
    bool quantityCaptionVisible = false;  // Label2 "Количество"
    bool addEnabled = false;              // But_ToPrj
    AddButtonPicture addPicture = AddButtonPicture::Normal;

    // Sets Ed_Izm; only a text different from the one it holds switches the quantity input.
    void SetUnitField(const std::string& unit);
    void SwitchQuantityInput(const std::string& unit);

    // True when the typed character (Windows-1251) may go into Ed_Input_Db holding `current`; a refused one
    // is not inserted and the caller beeps.
    static bool FilterMetreKey(char key, const std::string& current);
    // Any change of the metre text, typed or not.
    void SetMetres(const std::string& text);
    // Typing into Edit_Kol keeps the add button's picture.
    void SetCount(const std::string& text) { Edit_Kol = text; }
    // The spinner: steps the count shown in Edit_Kol by delta within 0 … 32000 and writes it with digit
    // grouping.
    void StepCount(int delta);

    // After the project took the card's product: added-state picture, count emptied.
    void MarkAdded();
};

// The spinner's reading of Edit_Kol: its digits, held within 0 … 32000.
int spinnerPosition(const std::string& countText);
// 32000 → "32 000": groups of three digits separated by a blank.
std::string groupDigits(int value);

}  // namespace brenvoll::browser
