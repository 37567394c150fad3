#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "excel/CellBlocks.h"
#include "excel/Export.h"
#include "excel/SpreadsheetRecorder.h"
#include "excel/TypedInput.h"
#include "text/Cp1251.h"

namespace brenvoll::excel {
namespace {
namespace fs = std::filesystem;

// The recorder's lines, plus "release" when the action lets the application go.
class Transcript final : public Spreadsheet {
  public:
    explicit Transcript(const fs::path& cwd)
        : recorder_(cwd, [this](const std::string& line) { lines.push_back(line); }) {}
    void createApplication() override { recorder_.createApplication(); }
    void openWorkbook(const fs::path& file) override { recorder_.openWorkbook(file); }
    void setVisible(bool visible) override { recorder_.setVisible(visible); }
    void setCellValue(int r, int c, const std::string& v) override { recorder_.setCellValue(r, c, v); }
    void setCellNumberFormat(int r, int c, const std::string& f) override {
        recorder_.setCellNumberFormat(r, c, f);
    }
    void setRangeHorizontalAlignment(const std::string& a, const std::string& b, int h) override {
        recorder_.setRangeHorizontalAlignment(a, b, h);
    }
    void release() override { lines.push_back("release"); }

    std::vector<std::string> lines;

  private:
    SpreadsheetRecorder recorder_;
};

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cwd_ = fs::temp_directory_path() / ("brenvoll-export-" + std::to_string(std::random_device{}()));
        fs::create_directories(cwd_);
    }
    void TearDown() override { fs::remove_all(cwd_); }

    void touch(const fs::path& relative) {
        fs::create_directories((cwd_ / relative).parent_path());
        std::ofstream(cwd_ / relative) << "x";
    }

    fs::path cwd_;
};

ExportRow product(std::string code, std::string code1, std::string name, std::string quantity) {
    return {std::move(code), std::move(code1), text::w(name), text::w("шт"), std::move(quantity), ""};
}
ExportRow comment(std::string text) {
    return {"--------", "", text::w(text), "", "", ""};
}

std::vector<std::string> productLines(int r, int p, const std::string& code1, const std::string& code,
                                      const std::string& name, const std::string& quantity) {
    const std::string c = "Cells(" + std::to_string(r) + ",";
    return {c + "1).Value = " + std::to_string(p),
            c + "2).NumberFormat = @",
            c + "2).Value = " + code1,
            c + "3).Value = " + code,
            c + "4).Value = " + name,
            c + "5).Value = шт",
            c + "6).Value = " + quantity,
            c + "7).Value = "};
}

const std::vector<std::string> kOpening = {
    "create Excel.Application", "WorkBooks.Open 0_TELVA/BLANK/Spec.xlt, 0, False, 1", "Visible = True"};
const std::vector<std::string> kClosing = {"Range(\"B2\",\"B1000\").HorizontalAlignment = -4108", "release"};

std::vector<std::string> join(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(ExportTest, WritesProductAndCommentRowsFromRowTwo) {
    touch("0_TELVA/BLANK/Spec.xlt");
    struct Case {
        const char* name;
        std::vector<ExportRow> rows;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"three products",
         {product("QZN-100.35", "101", "Лоток", "12"), product("QZN-200.35", "102", "Крышка", "7,5"),
          product("QZN-60.60", "103", "Шпилька", "4")},
         join({kOpening, productLines(2, 1, "101", "QZN-100.35", "Лоток", "12"),
               productLines(3, 2, "102", "QZN-200.35", "Крышка", "7,5"),
               productLines(4, 3, "103", "QZN-60.60", "Шпилька", "4"), kClosing})},
        {"product, comment, product: the comment fills only D and takes no number",
         {product("QZN-100.35", "101", "Лоток", "1"), comment("Этаж 2, секция Б"),
          product("QZN-200.35", "102", "Крышка", "2")},
         join({kOpening,
               productLines(2, 1, "101", "QZN-100.35", "Лоток", "1"),
               {"Cells(3,4).Value = Этаж 2, секция Б"},
               productLines(4, 2, "102", "QZN-200.35", "Крышка", "2"),
               kClosing})},
        {"a virtual row takes no sheet row",
         {product("QZN-100.35", "101", "Лоток", "1"), product("virt_01", "", "Служебная", "1"),
          product("QZN-200.35", "102", "Крышка", "2")},
         join({kOpening, productLines(2, 1, "101", "QZN-100.35", "Лоток", "1"),
               productLines(3, 2, "102", "QZN-200.35", "Крышка", "2"), kClosing})},
        {"short codes and 'Virt' are products",
         {product("vir", "1", "А", "1"), product("Virtual", "2", "Б", "1")},
         join({kOpening, productLines(2, 1, "1", "vir", "А", "1"),
               productLines(3, 2, "2", "Virtual", "Б", "1"), kClosing})},
        {"second code with leading zeros goes as typed, after the text format",
         {product("QZN-100.60", "0012", "Лоток", "3")},
         join({kOpening, productLines(2, 1, "0012", "QZN-100.60", "Лоток", "3"), kClosing})},
        {"empty project: only the opening and the centring", {}, join({kOpening, kClosing})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Transcript sheet(cwd_);
        ExportProject(sheet, cwd_, c.rows);
        EXPECT_EQ(sheet.lines, c.expected);
    }
}

TEST_F(ExportTest, RowsBeyondSheetRowThousandAreWrittenAndTheCentringStaysFixed) {
    touch("0_TELVA/BLANK/Spec.xlt");
    std::vector<ExportRow> rows;
    for (int i = 0; i < 1200; ++i) rows.push_back(product("QZN-100.35", "1", "Лоток", "1"));
    Transcript sheet(cwd_);
    ExportProject(sheet, cwd_, rows);
    ASSERT_EQ(sheet.lines.size(), 3 + 1200 * 8 + 2u);
    EXPECT_EQ(sheet.lines[3 + 1199 * 8], "Cells(1201,1).Value = 1200") << "last product row and its number";
    EXPECT_EQ(sheet.lines[sheet.lines.size() - 2], kClosing[0]);
}

TEST_F(ExportTest, MissingFileStopsTheActionWithAnErrorNamingIt) {
    touch("0_TELVA/Sovmest.xls");
    struct Case {
        const char* name;
        std::function<void(Spreadsheet&)> action;
        std::string file;
    };
    const std::vector<Case> cases = {
        {"template",
         [&](Spreadsheet& s) { ExportProject(s, cwd_, {product("QZN-100.35", "1", "Лоток", "1")}); },
         "0_TELVA/BLANK/Spec.xlt"},
        {"reference workbook", [&](Spreadsheet& s) { OpenReferenceTable(s, cwd_, kLoadTable); },
         "0_TELVA/Nagruzki.xls"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Transcript sheet(cwd_);
        try {
            c.action(sheet);
            ADD_FAILURE() << "the action went on without its file";
        } catch (const SpreadsheetError& e) {
            EXPECT_NE(e.message().find((cwd_ / c.file).string()), std::string::npos)
                << text::toUtf8(e.message());
        }
        const std::vector<std::string> expected = {"create Excel.Application",
                                                   "WorkBooks.Open " + c.file + ", 0, False, 1", "release"};
        EXPECT_EQ(sheet.lines, expected) << "nothing is written after the failed open";
    }
}

TEST_F(ExportTest, FindsFilesWhoseLetterCaseDiffers) {
    touch("0_telva/Blank/SPEC.XLT");
    touch("0_telva/sovmest.xls");
    Transcript sheet(cwd_);
    ExportProject(sheet, cwd_, {});
    EXPECT_EQ(sheet.lines[1], "WorkBooks.Open 0_telva/Blank/SPEC.XLT, 0, False, 1");

    Transcript table(cwd_);
    OpenReferenceTable(table, cwd_, kCompatibilityTable);
    const std::vector<std::string> expected = {"create Excel.Application",
                                               "WorkBooks.Open 0_telva/sovmest.xls, 0, False, 1",
                                               "Visible = True", "release"};
    EXPECT_EQ(table.lines, expected);
}

TEST(TypedInput, QuantityTextBecomesANumberAndEverythingElseStaysText) {
    struct Case {
        const char* text;
        std::optional<double> number;
    };
    const std::vector<Case> cases = {
        {"12", 12},    {"7,5", 7.5},       {"007", 7},   {"0,25", 0.25},
        {"", {}},      {"7.5", {}},        {",5", {}},   {"5,", {}},
        {"1,2,3", {}}, {"-3", {}},         {" 12", {}},  {"12 ", {}},
        {"1e5", {}},   {"QZN-100.35", {}}, {"=1+1", {}}, {"\xcb\xee\xf2\xee\xea", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(typedNumber(c.text), c.number);
    }
}

TEST(CellBlocks, CoverExactlyTheWrittenCellsWithFewRectangles) {
    struct Case {
        const char* name;
        std::vector<CellPos> cells;
        std::vector<CellBlock> blocks;
    };
    const std::vector<Case> cases = {
        {"none", {}, {}},
        {"product rows make one block", {{2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}, {{2, 1, 3, 3}}},
        {"a comment row splits the products",
         {{2, 1}, {2, 2}, {3, 2}, {4, 1}, {4, 2}},
         {{2, 1, 2, 2}, {3, 2, 3, 2}, {4, 1, 4, 2}}},
        {"a gap in a row makes two runs", {{2, 1}, {2, 3}, {3, 1}, {3, 3}}, {{2, 1, 3, 1}, {2, 3, 3, 3}}},
        {"a skipped row is not bridged", {{2, 2}, {4, 2}}, {{2, 2, 2, 2}, {4, 2, 4, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(coverWithBlocks(c.cells), c.blocks);
    }
}

}  // namespace
}  // namespace brenvoll::excel
