#include "project/RowEditing.h"

#include "store/CatalogStore.h"
#include "text/Fields.h"
#include "text/Quantity.h"

namespace brenvoll::project {
namespace {

// Entries are lines of list files: a typed tab or line break would split or shift them there.
std::string flatText(std::string text, size_t maxLength) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}

void endQuantityMode(SpecMesDialog& dialog) {
    dialog.hideQuantityControls();
    dialog.close();
}

}  // namespace

void clickRow(ProjectLists& project, EditingState& state, size_t row) {
    project.select(row);
    if (auto i = project.current()) state.EdPrim = project.at(Column::TVW_Prim, *i);
}

void deleteRow(ProjectLists& project) {
    if (auto i = project.current()) project.remove(*i);
}

void cutRow(ProjectLists& project, EditingState& state) {
    if (auto i = project.current()) {
        state.clipboard = project.row(*i);
        project.remove(*i);
    }
}

void copyRow(const ProjectLists& project, EditingState& state) {
    if (auto i = project.current()) state.clipboard = project.row(*i);
}

void pasteRow(ProjectLists& project, const EditingState& state) {
    if (auto i = project.current(); i && state.clipboard) project.insert(*i, *state.clipboard);
}

void appendClipboardRow(ProjectLists& project, const EditingState& state) {
    if (project.current() && state.clipboard) project.append(*state.clipboard);
}

bool beginChangeQuantity(const ProjectLists& project, SpecMesDialog& dialog) {
    auto i = project.current();
    if (!i) return false;
    dialog.show(SpecMesMode::Quantity);
    dialog.showQuantityControls(project.at(Column::TVW_Izm, *i) == unitMetres());
    return true;
}

void applyChangeQuantity(ProjectLists& project, const store::CatalogStore& catalog, SpecMesDialog& dialog,
                         Prompter& prompter) {
    struct Ending {
        SpecMesDialog& dialog;
        ~Ending() { endQuantityMode(dialog); }
    } ending{dialog};

    auto i = project.current();
    if (!i) return;
    if (project.at(Column::TVW_Izm, *i) == unitMetres()) {
        const double length = text::parseReal(dialog.Mask_IzmKol);
        const int absIndex = static_cast<int>(text::parseWhole(project.at(Column::TVW_AbsIndex, *i)));
        const auto piece = pieceLength(catalog, absIndex);
        if (!piece) {
            prompter.message(noPieceLengthMessage());
            return;
        }
        project.setQuantity(*i, text::formatReal(roundToPieces(length, *piece)));
    } else {
        // An empty count would leave a quantity nothing can read later; the old one stays.
        bool hasDigit = false;
        for (char c : dialog.Ed_IzmKol) hasDigit = hasDigit || (c >= '0' && c <= '9');
        if (!hasDigit) return;
        project.setQuantity(*i, text::formatWhole(text::readCount(dialog.Ed_IzmKol)));
    }
}

void cancelChangeQuantity(SpecMesDialog& dialog) {
    endQuantityMode(dialog);
}

std::optional<int> findInCatalog(const ProjectLists& project, const store::CatalogStore& catalog) {
    auto i = project.current();
    if (!i) return std::nullopt;
    const std::string& name = project.at(Column::TVW_Name, *i);
    if (name.empty()) return std::nullopt;
    // Node indices follow depth-first order, which is tree order.
    const auto& nodes = catalog.nodes();
    for (size_t k = 0; k < nodes.size(); ++k)
        if (nodes[k].text.find(name) != std::string::npos) return static_cast<int>(k);
    return std::nullopt;
}

void openCommentPanel(EditingState& state) {
    state.Panel_Input_Prim = false;
    state.Panel_Input_Koment = true;
}

void setCommentText(EditingState& state, std::string text) {
    state.EdKoment = flatText(std::move(text), kCommentMaxLength);
}

void addComment(ProjectLists& project, const EditingState& state) {
    project.append(commentRow(state.EdKoment));
}

void closeCommentPanel(EditingState& state) {
    state.Panel_Input_Koment = false;
}

void openNotePanel(const ProjectLists& project, EditingState& state) {
    auto i = project.current();
    if (!i) return;
    state.Panel_Input_Koment = false;
    state.Panel_Input_Prim = true;
    state.EdPrim = project.at(Column::TVW_Prim, *i);
}

void setNoteText(EditingState& state, std::string text) {
    state.EdPrim = flatText(std::move(text), kNoteMaxLength);
}

void addNote(ProjectLists& project, const EditingState& state) {
    if (auto i = project.current(); i && !state.EdPrim.empty()) project.setNote(*i, state.EdPrim);
}

void closeNotePanel(EditingState& state) {
    state.Panel_Input_Prim = false;
}

}  // namespace brenvoll::project
