#include <gtest/gtest.h>

#include "ProjectFixture_test.h"
#include "project/AddFromCard.h"
#include "text/Errors.h"

namespace brenvoll::project {
namespace {
using namespace fixture;

class ProjectAdd : public ::testing::Test {
  protected:
    const store::CatalogStore catalog = makeCatalog({{0, "Лотки", "", "", "", ""},
                                                     {1, "Лоток прокатный", "T3", "М", "3", "Лоток"},
                                                     {1, "Профиль", "P25", "М", "2,5", ""},
                                                     {1, "Болт М8", "B8", "Шт", "", "Метиз"},
                                                     {1, "Кабель", "K0", "М", "", ""},
                                                     {1, "Лента", "R1", "Рул", "", ""},
                                                     {1, "Шкаф", "S1", "Компл", "", ""}});

    CardFields card(int absIndex, std::string count, std::string length = "") const {
        return CardFields{catalog.Entry(store::List::TV_Cod, absIndex),
                          catalog.Entry(store::List::TV_Cod1, absIndex),
                          catalog.caption(absIndex),
                          catalog.Entry(store::List::TV_Izm, absIndex),
                          std::to_string(absIndex),
                          std::move(count),
                          w(length)};
    }
    AddOutcome add(const CardFields& c) { return addFromCard(project, catalog, c, prompter); }

    ProjectLists project;
    RecordingPrompter prompter;
};

TEST_F(ProjectAdd, ChecksReportAndTakeNothing) {
    const std::string chooseProduct = "Выберите продукт !", nonZero = "Задайте отличное от нуля количество !";
    struct Case {
        const char* name;
        CardFields card;
        std::vector<std::string> messages;
    };
    CardFields noName = card(3, "0");
    noName.name.clear();
    const Case cases[] = {
        {"count 0", card(3, "0"), {nonZero}},
        {"empty count", card(5, ""), {nonZero}},
        {"count of zeros only", card(3, "00"), {nonZero}},
        {"length 0", card(1, "", "0"), {nonZero}},
        {"length 0,0", card(1, "", "0,0"), {nonZero}},
        {"empty length", card(1, "5", ""), {nonZero}},
        {"no name and count 0: both messages", noName, {chooseProduct, nonZero}},
        {"a unit without quantity entry", card(6, "5"), {}},
        {"a heading", card(0, "5"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        const auto outcome = add(c.card);
        EXPECT_EQ(prompter.messages, c.messages);
        EXPECT_EQ(outcome.picture, AddButtonPicture::Keep);
        EXPECT_FALSE(outcome.emptyCount);
        EXPECT_TRUE(project.empty());
    }
}

TEST_F(ProjectAdd, NewRowTakesTheCardAndTheQuantity) {
    struct Case {
        const char* name;
        CardFields card;
        const char* quantity;
    };
    const Case cases[] = {
        {"length 10, piece 3", card(1, "", "10"), "12"},
        {"length 9, piece 3", card(1, "", "9"), "9"},
        {"length 6, piece 2,5", card(2, "", "6"), "7,5"},
        {"count with leading zeros", card(3, "005"), "5"},
        {"rolls", card(5, "2"), "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        project.clear();
        const auto outcome = add(c.card);
        EXPECT_EQ(outcome.picture, AddButtonPicture::Added);
        EXPECT_TRUE(outcome.emptyCount);
        ASSERT_EQ(project.size(), 1u);
        const auto& k = c.card;
        EXPECT_EQ(project.row(0), (Row{composeDisplayLine(k.code, k.name, c.quantity, k.unit), k.code,
                                       k.code1, k.name, c.quantity, k.unit, k.absIndex, ""}));
    }
}

TEST_F(ProjectAdd, EveryMatchIsAskedAndTheLastAnswerDecides) {
    struct Case {
        const char* name;
        std::deque<bool> answers;
        std::vector<std::string> quantities;
        AddButtonPicture picture;
    };
    const Case cases[] = {
        {"Yes then No adds nothing", {true, false}, {"3", "4"}, AddButtonPicture::Normal},
        {"No then Yes adds to the second", {false, true}, {"3", "9"}, AddButtonPicture::Added},
        {"Yes then Yes adds to the second only", {true, true}, {"3", "9"}, AddButtonPicture::Added},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        project.clear();
        project.append(productRow("B8", "Болт М8", "3", "Шт", "3"));
        project.append(productRow("X", "Другое", "1", "Шт", "3"));
        project.append(productRow("B8", "Болт М8", "4", "Шт", "3"));
        prompter.questions.clear();
        prompter.answers = c.answers;
        const auto outcome = add(card(3, "005"));
        EXPECT_EQ(prompter.questions,
                  (std::vector<std::string>{"В проекте уще есть  3  Шт.   Добавить ещё  005 ?",
                                            "В проекте уще есть  4  Шт.   Добавить ещё  005 ?"}))
            << "the count shows as typed";
        EXPECT_EQ(project.at(Column::TVW_Kol, 0), c.quantities[0]);
        EXPECT_EQ(project.at(Column::TVW_Kol, 2), c.quantities[1]);
        EXPECT_EQ(project.at(Column::TVWirt, 2),
                  composeDisplayLine("B8", w("Болт М8"), c.quantities[1], w("Шт")));
        EXPECT_EQ(project.size(), 3u);
        EXPECT_EQ(outcome.picture, c.picture);
        EXPECT_EQ(outcome.emptyCount, c.picture == AddButtonPicture::Added);
    }
}

TEST_F(ProjectAdd, MergeAddsRealsForMetresAndWholesForPieces) {
    project.append(productRow("P25", "Старое имя", "7,5", "М", "2", "примечание"));
    project.append(productRow("B8", "Болт М8", "12", "Шт", "3"));
    prompter.answers = {true, true};
    add(card(2, "", "2,5"));
    add(card(3, "3"));
    EXPECT_EQ(prompter.questions[0], "В проекте уще есть  7,5  М.   Добавить ещё  2,5 ?");
    EXPECT_EQ(project.at(Column::TVW_Kol, 0), "10");
    EXPECT_EQ(project.at(Column::TVWirt, 0), composeDisplayLine("P25", w("Профиль"), "10", w("М")))
        << "the line takes the card's name";
    EXPECT_EQ(project.at(Column::TVW_Name, 0), w("Старое имя")) << "the row's other fields stay";
    EXPECT_EQ(project.at(Column::TVW_Prim, 0), w("примечание"));
    EXPECT_EQ(project.at(Column::TVW_Kol, 1), "15");
}

TEST_F(ProjectAdd, UnreadableNumbersChangeNothing) {
    EXPECT_THROW(add(card(1, "", ",")), ConversionError) << "a lone comma in the length field";
    EXPECT_TRUE(project.empty());

    project.append(productRow("B8", "Болт М8", "1,5", "Шт", "3"));
    project.markUnmodified();
    const Row before = project.row(0);
    prompter.answers = {true};
    EXPECT_THROW(add(card(3, "2")), ConversionError) << "a stored count that is not whole";
    EXPECT_EQ(project.row(0), before);
    EXPECT_FALSE(project.modified());
}

TEST_F(ProjectAdd, MetreProductWithoutPieceLengthIsRefused) {
    const auto outcome = add(card(4, "", "10"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], text::toUtf8(noPieceLengthMessage()));
    EXPECT_EQ(outcome.picture, AddButtonPicture::Keep);
    EXPECT_TRUE(project.empty());
}

TEST_F(ProjectAdd, AddingMarksTheProjectModifiedAndKeepsTheSelection) {
    project.append(productRow("X", "Другое", "1", "Шт", "3"));
    project.select(0);
    project.markUnmodified();
    add(card(3, "1"));
    EXPECT_TRUE(project.modified());
    EXPECT_EQ(project.current(), 0u);
}

}  // namespace
}  // namespace brenvoll::project
