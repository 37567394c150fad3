#pragma once
// The "Строка:" buttons and the comment and note panels: operations on the current row of the project.
#include <optional>
#include <string>

#include "app/Ports.h"
#include "project/ProjectLists.h"
#include "project/SpecMesDialog.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::project {

inline constexpr size_t kCommentMaxLength = 80;
inline constexpr size_t kNoteMaxLength = 60;

// What the project tab shows besides the lists. Lives as long as the program.
struct EditingState {
    std::optional<Row> clipboard;  // none until the first copy or cut
    bool Panel_Input_Koment = false;
    bool Panel_Input_Prim = false;
    std::string EdKoment;  // comment field, at most 80 characters
    std::string EdPrim;    // note field, at most 60 characters

    // Kol_Simv: the running count of the comment field's characters.
    std::string Kol_Simv() const { return std::to_string(EdKoment.size()); }
};

// A click on a line: it becomes the current row and its note is loaded into the note field.
void clickRow(ProjectLists& project, EditingState& state, size_t row);

// Each of these does nothing without a current row; paste and append also need a copied row.
void deleteRow(ProjectLists& project);
void cutRow(ProjectLists& project, EditingState& state);
void copyRow(const ProjectLists& project, EditingState& state);
void pasteRow(ProjectLists& project, const EditingState& state);            // before the current row
void appendClipboardRow(ProjectLists& project, const EditingState& state);  // at the end

// "Изменить кол" in steps: begin shows the dialog in its quantity mode; apply is its "OK", cancel its
// "Отмена". Apply with an empty count keeps the old quantity; a length that is no number throws
// ConversionError and a metre product without a usable piece length is refused with a message, the row
// unchanged either way. Both steps close the dialog and hide the quantity controls.
bool beginChangeQuantity(const ProjectLists& project, SpecMesDialog& dialog);
void applyChangeQuantity(ProjectLists& project, const store::CatalogStore& catalog, SpecMesDialog& dialog,
                         Prompter& prompter);
void cancelChangeQuantity(SpecMesDialog& dialog);

// "Найти в Кат": the first node in tree order whose text contains the current row's name; the caller shows
// it.
std::optional<int> findInCatalog(const ProjectLists& project, const store::CatalogStore& catalog);

// Comment panel.
void openCommentPanel(EditingState& state);
void setCommentText(EditingState& state, std::string text);  // cut to 80 characters
void addComment(ProjectLists& project, const EditingState& state);
void closeCommentPanel(EditingState& state);

// Note panel.
void openNotePanel(const ProjectLists& project, EditingState& state);
void setNoteText(EditingState& state, std::string text);  // cut to 60 characters
void addNote(ProjectLists& project, const EditingState& state);
void closeNotePanel(EditingState& state);

}  // namespace brenvoll::project
