#include <gtest/gtest.h>

#include "ProjectFixture_test.h"
#include "project/RowEditing.h"
#include "text/Errors.h"

namespace brenvoll::project {
namespace {
using namespace fixture;

class ProjectRowEditing : public ::testing::Test {
  protected:
    void SetUp() override {
        // Rows R0 … R5, each with its own note.
        for (int i = 0; i < 6; ++i)
            project.append(productRow("R" + std::to_string(i), "Изделие", std::to_string(i + 1), "Шт", "3",
                                      "note" + std::to_string(i)));
    }
    std::vector<std::string> codes() const { return project.list(Column::TVW_Cod); }
    void expectRowsInStep() const {
        for (size_t i = 0; i < project.size(); ++i) {
            const Row r = project.row(i);
            EXPECT_EQ(r.code1, "1" + r.code);
            EXPECT_EQ(r.line, composeDisplayLine(r.code, r.name, r.quantity, r.unit));
        }
    }

    const store::CatalogStore catalog = makeCatalog({{0, "Лотки", "", "", "", ""},
                                                     {1, "Лоток прокатный", "T3", "М", "3", "Лоток"},
                                                     {1, "Кабель", "K0", "М", "", ""},
                                                     {0, "Изделие", "R", "Шт", "", ""}});
    ProjectLists project;
    EditingState state;
    SpecMesDialog dialog;
    RecordingPrompter prompter;
};

TEST_F(ProjectRowEditing, CutRow3AndPasteBeforeRow0) {
    clickRow(project, state, 3);
    cutRow(project, state);
    clickRow(project, state, 0);
    pasteRow(project, state);
    EXPECT_EQ(codes(), (std::vector<std::string>{"R3", "R0", "R1", "R2", "R4", "R5"}));
    EXPECT_EQ(project.at(Column::TVW_Prim, 0), "note3");
    expectRowsInStep();
}

TEST_F(ProjectRowEditing, CopyPasteAndAppendUseTheClipboardRow) {
    clickRow(project, state, 4);
    copyRow(project, state);
    clickRow(project, state, 1);
    pasteRow(project, state);
    EXPECT_EQ(project.row(1), project.row(5)) << "the pasted row is the copied one, its note included";
    clickRow(project, state, 2);
    appendClipboardRow(project, state);
    EXPECT_EQ(project.row(project.size() - 1), project.row(5)) << "append goes to the end";
    EXPECT_EQ(project.size(), 8u);
    deleteRow(project);
    EXPECT_EQ(codes(), (std::vector<std::string>{"R0", "R4", "R2", "R3", "R4", "R5", "R4"}));
}

TEST_F(ProjectRowEditing, NothingHappensWithoutCurrentRowOrCopiedRow) {
    const auto before = project.lists();
    clickRow(project, state, 2);
    pasteRow(project, state);
    appendClipboardRow(project, state);
    EXPECT_EQ(project.lists(), before) << "paste and append before anything was copied";

    copyRow(project, state);
    project.select(std::nullopt);
    deleteRow(project);
    cutRow(project, state);
    pasteRow(project, state);
    appendClipboardRow(project, state);
    addNote(project, state);
    openNotePanel(project, state);
    EXPECT_FALSE(beginChangeQuantity(project, dialog));
    EXPECT_FALSE(findInCatalog(project, catalog));
    EXPECT_EQ(project.lists(), before);
    EXPECT_FALSE(state.Panel_Input_Prim);
    EXPECT_FALSE(dialog.isOpen());
}

TEST_F(ProjectRowEditing, ChangeQuantity) {
    project.append(productRow("T3", "Лоток прокатный", "3", "М", "1"));
    project.append(productRow("K0", "Кабель", "3", "М", "2"));
    struct Case {
        const char* name;
        size_t row;
        std::string count, metres;
        bool ok;
        std::string expected;
    };
    const Case cases[] = {
        {"pieces to 40", 0, "40", "", true, "40"},
        {"cancel leaves the row", 0, "50", "", false, "40"},
        {"empty count keeps the old quantity", 0, "", "", true, "40"},
        {"typed 007 becomes 7", 0, "007", "", true, "7"},
        {"metres 10 with piece 3", 6, "", "10", true, "12"},
        {"metre product without piece length refused", 7, "", "10", true, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        const Row before = project.row(c.row);
        clickRow(project, state, c.row);
        ASSERT_TRUE(beginChangeQuantity(project, dialog));
        const bool metres = !c.metres.empty();
        EXPECT_EQ(dialog.visible("Mask_IzmKol"), metres);
        EXPECT_EQ(dialog.visible("Ed_IzmKol"), !metres);
        EXPECT_TRUE(dialog.visible("OK_Kol"));
        dialog.Ed_IzmKol = c.count;
        dialog.Mask_IzmKol = c.metres;
        if (c.ok)
            applyChangeQuantity(project, catalog, dialog, prompter);
        else
            cancelChangeQuantity(dialog);
        EXPECT_EQ(project.at(Column::TVW_Kol, c.row), c.expected);
        EXPECT_EQ(project.at(Column::TVWirt, c.row),
                  composeDisplayLine(before.code, before.name, c.expected, before.unit));
        EXPECT_EQ(prompter.messages.size(), c.row == 7 ? 1u : 0u);
        EXPECT_FALSE(dialog.isOpen());
        for (auto control : {"Label3", "OK_Kol", "Ed_IzmKol", "UpD1", "Mask_IzmKol"})
            EXPECT_FALSE(dialog.visible(control)) << control;
    }
}

TEST_F(ProjectRowEditing, ChangeQuantityWithNoNumberLeavesTheRow) {
    project.append(productRow("T3", "Лоток прокатный", "3", "М", "1"));
    clickRow(project, state, 6);
    beginChangeQuantity(project, dialog);
    dialog.Mask_IzmKol = ",";
    const Row before = project.row(6);
    EXPECT_THROW(applyChangeQuantity(project, catalog, dialog, prompter), ConversionError);
    EXPECT_EQ(project.row(6), before);
    EXPECT_FALSE(dialog.isOpen());
}

TEST_F(ProjectRowEditing, CommentsGoToTheEnd) {
    clickRow(project, state, 1);
    openCommentPanel(state);
    addComment(project, state);
    EXPECT_EQ(project.row(6), commentRow(""));
    EXPECT_EQ(project.at(Column::TVWirt, 6), std::string(89, '-'));
    setCommentText(state, std::string(85, 'k'));
    EXPECT_EQ(state.Kol_Simv(), "80") << "the field holds at most 80 characters";
    addComment(project, state);
    EXPECT_EQ(project.at(Column::TVWirt, 7), "--------" + std::string(80, 'k') + "-");
    EXPECT_TRUE(state.Panel_Input_Koment) << "the panel stays open for more comments";
    EXPECT_EQ(project.current(), 1u);
}

TEST_F(ProjectRowEditing, NoteAddedThenReloadedByClicking) {
    clickRow(project, state, 2);
    openCommentPanel(state);
    openNotePanel(project, state);
    EXPECT_TRUE(state.Panel_Input_Prim);
    EXPECT_FALSE(state.Panel_Input_Koment) << "one panel at a time";
    EXPECT_EQ(state.EdPrim, "note2");
    setNoteText(state, w("Новое примечание"));
    addNote(project, state);
    clickRow(project, state, 5);
    EXPECT_EQ(state.EdPrim, "note5");
    clickRow(project, state, 2);
    EXPECT_EQ(state.EdPrim, w("Новое примечание"));
    setNoteText(state, "");
    addNote(project, state);
    EXPECT_EQ(project.at(Column::TVW_Prim, 2), w("Новое примечание")) << "an empty field changes nothing";
}

TEST_F(ProjectRowEditing, FindInCatalogTakesTheFirstNodeInTreeOrder) {
    project.append(productRow("T3", "Лот", "3", "М", "1"));
    project.append(productRow("T3", "нет такого", "3", "М", "1"));
    project.append(productRow("", "", "3", "М", "1"));
    project.append(productRow("T3", "Лоток", "3", "М", "1"));
    project.append(productRow("T3", "лоток", "3", "М", "1"));
    const std::pair<size_t, std::optional<int>> cases[] = {{6, 0}, {7, std::nullopt},  {8, std::nullopt},
                                                           {9, 1}, {10, std::nullopt}, {0, 3}};
    for (const auto& [row, node] : cases) {
        SCOPED_TRACE(row);
        clickRow(project, state, row);
        EXPECT_EQ(findInCatalog(project, catalog), node);
    }
}

}  // namespace
}  // namespace brenvoll::project
