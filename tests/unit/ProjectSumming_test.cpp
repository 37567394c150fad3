#include <gtest/gtest.h>

#include "ProjectFixture_test.h"
#include "project/Summing.h"
#include "text/Errors.h"

namespace brenvoll::project {
namespace {
using namespace fixture;

class ProjectSumming : public ::testing::Test {
  protected:
    const store::CatalogStore catalog = makeCatalog({{0, "Лоток A", "A", "М", "3", "Лоток"},
                                                     {0, "Подвес H", "H", "Шт", "", "Подвес"},
                                                     {0, "Болт B", "B", "Шт", "", "Метиз"},
                                                     {0, "Крышка C", "C", "М", "3", "Крышка"},
                                                     {0, "Лоток A2", "A", "М", "3", "Лоток"}});
    // Rows named differently from the catalog, so a recomposed line shows.
    Row tray(std::string q, std::string note = "") { return productRow("A", "лоток", q, "М", "0", note); }
    Row hanger(std::string q) { return productRow("H", "подвес", q, "Шт", "1"); }
    Row bolt(std::string q) { return productRow("B", "болт", q, "Шт", "2"); }
    Row cover(std::string q) { return productRow("C", "крышка", q, "М", "3"); }
    Row kvd(std::string q) { return productRow("KVD20", "Соединитель", q, "Шт", "9999"); }
    Row virt(const char* code) { return productRow(code, "Угол", "1", "Шт", "9999"); }

    void fill(const std::vector<Row>& rows) {
        project.clear();
        for (const auto& r : rows) project.append(r);
    }
    std::vector<std::string> column(Column c) const { return project.list(c); }

    ProjectLists project;
};

TEST_F(ProjectSumming, WorkedExampleAndSummingTwice) {
    fill({tray("3", "первая"), hanger("2"), bolt("10"), tray("6", "вторая"), commentRow("к"), cover("1"),
          bolt("5")});
    sumRows(project, catalog);
    EXPECT_EQ(column(Column::TVW_Cod), (std::vector<std::string>{"A", "H", "C", "B"}));
    EXPECT_EQ(column(Column::TVW_Kol), (std::vector<std::string>{"9", "2", "1", "15"}));
    EXPECT_EQ(project.at(Column::TVWirt, 0), composeDisplayLine("A", w("Лоток A"), "9", w("М")))
        << "a merged line is recomposed from the catalog";
    EXPECT_EQ(project.at(Column::TVWirt, 1), hanger("2").line) << "an unmerged row keeps its own line";
    EXPECT_EQ(project.at(Column::TVW_Name, 0), w("лоток")) << "other fields stay those of the first row";
    EXPECT_EQ(project.at(Column::TVW_Prim, 0), w("первая"));

    const auto once = project.lists();
    sumRows(project, catalog);
    EXPECT_EQ(project.lists(), once) << "summing twice gives the result of summing once";
}

TEST_F(ProjectSumming, GroupsMergesAndDrops) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<std::string> codes, quantities;
    };
    const Case cases[] = {
        {"regrouped without repeats",
         {bolt("1"), cover("2"), tray("3"), hanger("4")},
         {"A", "C", "H", "B"},
         {"3", "2", "4", "1"}},
        {"comments only", {commentRow("a"), commentRow("")}, {}, {}},
        {"three rows into one", {hanger("2"), bolt("1"), hanger("3"), hanger("4")}, {"H", "B"}, {"9", "1"}},
        {"metres as reals", {tray("7,5"), tray("3")}, {"A"}, {"10,5"}},
        {"same code, other AbsIndex",
         {tray("3"), productRow("A", "лоток", "6", "М", "4")},
         {"A", "A"},
         {"3", "6"}},
        {"AbsIndex compared as a number",
         {hanger("2"), productRow("H", "подвес", "5", "Шт", "01")},
         {"H"},
         {"7"}},
        {"wizard rows merge by code among others",
         {bolt("4"), virt("virt_01"), kvd("2"), tray("3"), virt("virt_03"), kvd("2"), hanger("1")},
         {"A", "KVD20", "H", "B"},
         {"3", "4", "1", "4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fill(c.rows);
        sumRows(project, catalog);
        EXPECT_EQ(column(Column::TVW_Cod), c.codes);
        EXPECT_EQ(column(Column::TVW_Kol), c.quantities);
    }
    EXPECT_EQ(project.at(Column::TVWirt, 1), composeDisplayLine("KVD20", w("Соединитель"), "4", w("Шт")));
    EXPECT_EQ(project.at(Column::TVW_AbsIndex, 1), "9999");
}

TEST_F(ProjectSumming, FailureLeavesTheProjectExactlyAsItWas) {
    struct Case {
        const char* name;
        Row bad;
        bool conversion;
    };
    const Case cases[] = {
        {"AbsIndex not a number", productRow("B", "болт", "1", "Шт", "x"), true},
        {"AbsIndex beyond the catalog", productRow("B", "болт", "1", "Шт", "5"), false},
        {"empty pasted row", Row{}, true},
        {"quantity not a number when merged", hanger("много"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fill({hanger("2"), commentRow(""), c.bad});
        project.select(1);
        project.markUnmodified();
        const auto before = project.lists();
        if (c.conversion)
            EXPECT_THROW(sumRows(project, catalog), ConversionError);
        else
            EXPECT_THROW(sumRows(project, catalog), AppError);
        EXPECT_EQ(project.lists(), before);
        EXPECT_EQ(project.current(), 1u);
        EXPECT_FALSE(project.modified());
    }
}

TEST_F(ProjectSumming, CatalogIndex9999AndShortCatalogLists) {
    std::vector<Node> nodes(10000, Node{0, "Изделие", "X", "Шт", "", ""});
    nodes[1] = {0, "Подвес H", "H", "Шт", "", "Подвес"};
    nodes[9999] = {0, "Лоток R", "REAL", "М", "3", "Лоток"};
    const auto big = makeCatalog(nodes);
    fill({hanger("1"), kvd("2"), productRow("REAL", "лоток", "3", "М", "9999"), kvd("1"),
          productRow("REAL", "лоток", "6", "М", "9999")});
    sumRows(project, big);
    EXPECT_EQ(column(Column::TVW_Cod), (std::vector<std::string>{"REAL", "H", "KVD20"}))
        << "a real catalog product at 9999 keeps its kind";
    EXPECT_EQ(column(Column::TVW_Kol), (std::vector<std::string>{"9", "1", "3"}));

    auto shortNames =
        makeCatalog({{0, "Подвес H", "H", "Шт", "", "Подвес"}, {0, "Подвес H", "H", "Шт", "", "Подвес"}});
    shortNames.setList(store::List::TV_Name, {});
    fill({hanger("1"), productRow("H", "подвес", "1", "Шт", "1")});
    const auto before = project.lists();
    EXPECT_THROW(sumRows(project, shortNames), AppError);
    EXPECT_EQ(project.lists(), before) << "a merged line that cannot be composed stops before any change";
}

TEST_F(ProjectSumming, SummingMarksModifiedAndDropsTheSelection) {
    fill({hanger("1")});
    project.select(0);
    project.markUnmodified();
    sumRows(project, catalog);
    EXPECT_TRUE(project.modified());
    EXPECT_FALSE(project.current());
}

}  // namespace
}  // namespace brenvoll::project
