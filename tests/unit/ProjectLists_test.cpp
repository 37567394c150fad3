#include <gtest/gtest.h>

#include <random>

#include "ProjectFixture_test.h"
#include "project/ProjectLists.h"
#include "text/Errors.h"

namespace brenvoll::project {
namespace {
using namespace fixture;

TEST(ProjectLists, DisplayLineColumns) {
    struct Case {
        const char* name;
        std::string code, nameText, quantity;
        std::string expected;
    };
    const std::string tray = w("Лоток");
    const std::string name88(88, 'N'), name89(89, 'N');
    const Case cases[] = {
        {"short code and name", "AB123", tray, "12",
         "AB123" + std::string(15, ' ') + tray + std::string(83, '_') + "12 " + w("Шт")},
        {"code of 20 characters", std::string(20, 'C'), tray, "12",
         std::string(20, 'C') + tray + std::string(83, '_') + "12 " + w("Шт")},
        {"code of 25 characters", std::string(25, 'C'), tray, "12",
         std::string(25, 'C') + tray + std::string(83, '_') + "12 " + w("Шт")},
        {"name and quantity of 90", "X", name88, "12", "X" + std::string(19, ' ') + name88 + "12 " + w("Шт")},
        {"name and quantity beyond 90", "X", name89, "12",
         "X" + std::string(19, ' ') + name89 + "12 " + w("Шт")},
        {"empty quantity", "X", tray, "",
         "X" + std::string(19, ' ') + tray + std::string(85, '_') + " " + w("Шт")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(composeDisplayLine(c.code, c.nameText, c.quantity, w("Шт")), c.expected);
    }
    const std::string line = composeDisplayLine("AB", tray, "12", w("Шт"));
    EXPECT_EQ(line.substr(20, 5), tray) << "the name begins in column 21";
    EXPECT_EQ(line.substr(108, 2), "12") << "the quantity ends in column 110";
    EXPECT_EQ(line.substr(111), w("Шт")) << "the unit begins in column 112";
}

TEST(ProjectLists, CommentLineIsAlways89Characters) {
    const std::string text80(80, 'k');
    EXPECT_EQ(composeCommentLine(text80), "--------" + text80 + "-");
    EXPECT_EQ(composeCommentLine(""), std::string(89, '-'));
    const Row row = commentRow(w("Этаж 2"));
    EXPECT_EQ(row.line.size(), 89u);
    EXPECT_EQ(row,
              (Row{row.line, "--------", "--------", w("Этаж 2"), "--------------", "----", "9000000", " "}));
}

TEST(ProjectLists, RowOperationsKeepListsInStepAndSelectionOnItsRow) {
    ProjectLists p;
    for (const char* code : {"A", "B", "C"}) p.append(productRow(code, "Имя", "1", "Шт", "1"));
    p.select(1);  // B
    p.insert(0, productRow("Z", "Имя", "1", "Шт", "1"));
    EXPECT_EQ(p.list(Column::TVW_Cod), (std::vector<std::string>{"Z", "A", "B", "C"}));
    EXPECT_EQ(p.current(), 2u) << "selection stays on B";
    p.remove(0);
    EXPECT_EQ(p.current(), 1u);
    p.remove(1);  // the current row goes: the row now at its place is current
    EXPECT_EQ(p.list(Column::TVW_Cod), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(p.current(), 1u);
    p.remove(1);
    EXPECT_EQ(p.current(), 0u) << "the new last row";
    p.remove(0);
    EXPECT_FALSE(p.current());
    for (const auto& list : p.lists())
        EXPECT_TRUE(list.empty()) << "deleting row 0 of one row empties all lists";
}

TEST(ProjectLists, SetQuantityRecomposesFromTheRowsOwnFields) {
    ProjectLists p;
    p.append(productRow("A", "Лоток", "1", "Шт", "1"));
    p.setQuantity(0, "40");
    EXPECT_EQ(p.at(Column::TVW_Kol, 0), "40");
    EXPECT_EQ(p.at(Column::TVWirt, 0), composeDisplayLine("A", w("Лоток"), "40", w("Шт")));
}

TEST(ProjectLists, RowsWithCodeFollowsEveryChangeInListOrder) {
    ProjectLists p;
    for (const char* code : {"A", "B", "A", ""}) p.append(productRow(code, "Имя", "1", "Шт", "1"));
    EXPECT_EQ(p.rowsWithCode("A"), (std::vector<int>{0, 2}));
    EXPECT_TRUE(p.rowsWithCode("").empty()) << "an empty code matches nothing";
    p.insert(0, productRow("A", "Имя", "1", "Шт", "1"));
    EXPECT_EQ(p.rowsWithCode("A"), (std::vector<int>{0, 1, 3}));
    p.remove(1);
    p.append(productRow("A", "Имя", "1", "Шт", "1"));
    EXPECT_EQ(p.rowsWithCode("A"), (std::vector<int>{0, 2, 4}));
    EXPECT_TRUE(p.rowsWithCode("a").empty()) << "case counts";
    p.clear();
    EXPECT_TRUE(p.rowsWithCode("A").empty());

    // Random edits against a plain scan of the code list.
    std::mt19937 random(3);
    for (int step = 0; step < 300; ++step) {
        const std::string code(1, "ABC"[random() % 3]);
        const size_t at = p.empty() ? 0 : random() % (p.size() + 1);
        if (random() % 3 == 0 && !p.empty())
            p.remove(std::min(at, p.size() - 1));
        else if (step % 50 == 0)
            p.replaceAll(ProjectLists(p).lists());
        else
            p.insert(at, productRow(code, "Имя", "1", "Шт", "1"));
        for (const char* c : {"A", "B", "C"}) {
            std::vector<int> scan;
            for (size_t i = 0; i < p.size(); ++i)
                if (p.at(Column::TVW_Cod, i) == c) scan.push_back(static_cast<int>(i));
            ASSERT_EQ(p.rowsWithCode(c), scan) << "step " << step;
        }
    }
}

TEST(ProjectLists, MetreRoundingRaisesToWholePieces) {
    const auto catalog = makeCatalog({{0, "Лоток", "T3", "М", "3", "Лоток"},
                                      {0, "Профиль", "P25", "М", "2,5", ""},
                                      {0, "Без длины", "Z0", "М", "0", ""},
                                      {0, "Пусто", "Z1", "М", "", ""},
                                      {0, "Текст", "Z2", "М", "abc", ""}});
    struct Case {
        int absIndex;
        double length;
        const char* expected;
    };
    for (const auto& c : {Case{0, 10, "12"}, Case{0, 9, "9"}, Case{0, 2.5, "3"}, Case{0, 9.0001, "12"},
                          Case{1, 6, "7,5"}, Case{1, 2.5, "2,5"}}) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(metreRounding(catalog, c.absIndex, c.length), c.expected);
    }
    for (int unusable : {2, 3, 4, 99}) {
        SCOPED_TRACE(unusable);
        EXPECT_FALSE(pieceLength(catalog, unusable));
        EXPECT_THROW(metreRounding(catalog, unusable, 1), AppError) << "zero, empty, text or missing length";
    }
}

TEST(ProjectLists, EveryChangeMarksTheProjectModified) {
    using Change = void (*)(ProjectLists&);
    const Change changes[] = {
        [](ProjectLists& p) { p.append(commentRow("")); },
        [](ProjectLists& p) { p.insert(0, commentRow("")); },
        [](ProjectLists& p) { p.remove(0); },
        [](ProjectLists& p) { p.setQuantity(0, "5"); },
        [](ProjectLists& p) { p.setNote(0, "n"); },
        [](ProjectLists& p) { p.clear(); },
        [](ProjectLists& p) { p.replaceAll({}); },
    };
    for (const auto change : changes) {
        ProjectLists p;
        p.append(productRow("A", "Имя", "1", "Шт", "1"));
        p.markUnmodified();
        change(p);
        EXPECT_TRUE(p.modified());
    }
}

TEST(ProjectLists, ListsByNameAndUnevenReplacementRefused) {
    ProjectLists p;
    p.append(productRow("A", "Имя", "1", "Шт", "7"));
    ASSERT_NE(p.listByName("TVW_AbsIndex"), nullptr);
    EXPECT_EQ(*p.listByName("TVW_AbsIndex"), std::vector<std::string>{"7"});
    EXPECT_EQ(p.listByName("TV_Cod"), nullptr);
    ProjectLists::Lists uneven;
    uneven[3].push_back("x");
    EXPECT_THROW(p.replaceAll(uneven), std::invalid_argument);
    EXPECT_EQ(p.size(), 1u);
}

}  // namespace
}  // namespace brenvoll::project
