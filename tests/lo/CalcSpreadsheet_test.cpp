// The backend against a real office: headless, with a profile of the test's own that is removed afterwards.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/configuration/theDefaultProvider.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormats.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>
#include <osl/file.hxx>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "excel/Export.h"
#include "excel/lo/CalcSpreadsheet.h"
#include "excel/lo/CalcTestSupport.h"
#include "excel/lo/UnoText.h"
#include "text/Cp1251.h"

namespace brenvoll::excel {
namespace {
namespace fs = std::filesystem;
namespace css = com::sun::star;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;
using Document = Reference<css::sheet::XSpreadsheetDocument>;

// What a user finds in a cell.
struct Cell {
    enum Kind { Empty, Number, Text, Formula } kind = Empty;
    double number = 0;
    std::string text;  // UTF-8
    bool textFormat = false;
    bool centred = false;
};

Cell readCell(const Document& doc, int row, int column) {
    Reference<css::container::XIndexAccess> sheets(doc->getSheets(), UNO_QUERY_THROW);
    Reference<css::sheet::XSpreadsheet> sheet(sheets->getByIndex(0), UNO_QUERY_THROW);
    const Reference<css::table::XCell> cell = sheet->getCellByPosition(column - 1, row - 1);
    Cell c;
    switch (cell->getType()) {
        case css::table::CellContentType_VALUE:
            c.kind = Cell::Number;
            break;
        case css::table::CellContentType_TEXT:
            c.kind = Cell::Text;
            break;
        case css::table::CellContentType_FORMULA:
            c.kind = Cell::Formula;
            break;
        default:
            break;
    }
    c.number = cell->getValue();
    c.text = lo::toUtf8(Reference<css::text::XText>(cell, UNO_QUERY_THROW)->getString());
    Reference<css::beans::XPropertySet> props(cell, UNO_QUERY_THROW);
    sal_Int32 key = 0;
    props->getPropertyValue("NumberFormat") >>= key;
    sal_Int16 type = 0;
    Reference<css::util::XNumberFormatsSupplier>(doc, UNO_QUERY_THROW)
        ->getNumberFormats()
        ->getByKey(key)
        ->getPropertyValue("Type") >>= type;
    c.textFormat = (type & css::util::NumberFormat::TEXT) != 0;
    css::table::CellHoriJustify justify = css::table::CellHoriJustify_STANDARD;
    props->getPropertyValue("HoriJustify") >>= justify;
    c.centred = justify == css::table::CellHoriJustify_CENTER;
    return c;
}

void expectText(const Document& doc, int row, int column, const std::string& utf8, const char* what) {
    const Cell c = readCell(doc, row, column);
    EXPECT_EQ(c.kind, Cell::Text) << what;
    EXPECT_EQ(c.text, utf8) << what;
}
void expectNumber(const Document& doc, int row, int column, double value, const char* what) {
    const Cell c = readCell(doc, row, column);
    EXPECT_EQ(c.kind, Cell::Number) << what;
    EXPECT_DOUBLE_EQ(c.number, value) << what;
}

sal_Int32 textFormatKey(const Document& doc) {
    const auto formats =
        Reference<css::util::XNumberFormatsSupplier>(doc, UNO_QUERY_THROW)->getNumberFormats();
    const css::lang::Locale locale;
    const sal_Int32 key = formats->queryKey("@", locale, false);
    return key != -1 ? key : formats->addNew("@", locale);
}

bool dailyTipShown(const lo::OfficeLink& office) {
    const css::uno::Any args[] = {css::uno::Any(css::beans::NamedValue(
        "nodepath", css::uno::Any(lo::fromUtf8("/org.openoffice.Office.Common/Misc"))))};
    const Reference<css::container::XNameAccess> misc(
        css::configuration::theDefaultProvider::get(office.context)
            ->createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess",
                                          css::uno::Sequence<css::uno::Any>(args, 1)),
        UNO_QUERY_THROW);
    bool show = true;
    misc->getByName("ShowTipOfTheDay") >>= show;
    return show;
}

std::string urlOf(const Document& doc) {
    return lo::toUtf8(Reference<css::frame::XModel>(doc, UNO_QUERY_THROW)->getURL());
}

std::string fileUrl(const fs::path& path) {
    rtl::OUString url;
    osl::FileBase::getFileURLFromSystemPath(lo::fromUtf8(path.string()), url);
    return lo::toUtf8(url);
}

class CalcSpreadsheetTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/brenvoll-lo-test-XXXXXX";
        root_ = mkdtemp(pattern);
        cwd_ = root_ / "work";
        fs::create_directories(cwd_ / "0_TELVA" / "BLANK");
        const fs::path workbooks = BRENVOLL_WORKBOOKS_DIR;
        fs::copy_file(workbooks / "Spec.xlt", cwd_ / "0_TELVA" / "BLANK" / "Spec.xlt");
        fs::copy_file(workbooks / "Sovmest.xls", cwd_ / "0_TELVA" / "Sovmest.xls");
        options_.headless = true;
        options_.profileDir = root_ / "profile";
        options_.timeout = std::chrono::seconds(90);
    }
    static void TearDownTestSuite() {
        lo::terminateForTest(options_);
        fs::remove_all(root_);
    }
    void TearDown() override {
        if (auto office = lo::connectRunningOffice(options_))
            for (const Document& doc : lo::spreadsheetsForTest(*office)) lo::closeForTest(doc);
    }

    static std::vector<Document> documents() { return lo::spreadsheetsForTest(lo::connectForTest(options_)); }
    static Document onlyDocument() {
        const auto docs = documents();
        EXPECT_EQ(docs.size(), 1u);
        if (docs.empty()) throw std::runtime_error("no document open");
        return docs.front();
    }

    static fs::path root_;
    static fs::path cwd_;
    static CalcOptions options_;
};
fs::path CalcSpreadsheetTest::root_;
fs::path CalcSpreadsheetTest::cwd_;
CalcOptions CalcSpreadsheetTest::options_;

TEST_F(CalcSpreadsheetTest, ExportFillsANewWorkbookFromTheTemplateAsTypedInputWould) {
    const std::vector<ExportRow> rows = {
        {"QZN-100.35", "0012", text::w("Лоток прокатный 100x35"), text::w("шт"), "12",
         text::w("до отметки +3,000")},
        {"--------", "", text::w("Секция Б, этаж 2"), "", "", ""},
        {"virt_01", "1", text::w("Служебная строка"), text::w("шт"), "1", ""},
        {"QZN-200.60", "007", text::w("Крышка лотка"), text::w("м"), "7,5", ""},
        {"12345", "", text::w("Шпилька M8"), text::w("шт"), "3", "=1+1"},
    };
    CalcSpreadsheet sheet(options_);
    ExportProject(sheet, cwd_, rows);

    const Document doc = onlyDocument();
    EXPECT_EQ(urlOf(doc), "") << "the template opens as a new untitled workbook";
    EXPECT_FALSE(dailyTipShown(lo::connectForTest(options_))) << "no tip dialog over the workbook";
    expectText(doc, 1, 1, "№ п/п", "the template's header stays");

    expectNumber(doc, 2, 1, 1, "position number");
    expectText(doc, 2, 2, "0012", "second code keeps its leading zeros");
    EXPECT_TRUE(readCell(doc, 2, 2).textFormat) << "second code is a text cell";
    expectText(doc, 2, 3, "QZN-100.35", "code");
    expectText(doc, 2, 4, "Лоток прокатный 100x35", "Cyrillic name");
    expectText(doc, 2, 5, "шт", "unit");
    expectNumber(doc, 2, 6, 12, "whole quantity");
    expectText(doc, 2, 7, "до отметки +3,000", "note");

    expectText(doc, 3, 4, "Секция Б, этаж 2", "comment in column D");
    for (int column : {1, 2, 3, 5, 6, 7})
        EXPECT_EQ(readCell(doc, 3, column).kind, Cell::Empty) << "comment row, column " << column;

    expectNumber(doc, 4, 1, 2, "the virtual row takes no number");
    expectText(doc, 4, 2, "007", "leading zeros");
    expectNumber(doc, 4, 6, 7.5, "decimal comma quantity");
    EXPECT_EQ(readCell(doc, 4, 7).kind, Cell::Empty) << "empty note";

    expectNumber(doc, 5, 3, 12345, "a code of digits reads as a number, as typed");
    expectText(doc, 5, 7, "=1+1", "a value is never a formula");
    EXPECT_EQ(readCell(doc, 6, 1).kind, Cell::Empty);

    EXPECT_TRUE(readCell(doc, 2, 2).centred);
    EXPECT_TRUE(readCell(doc, 1000, 2).centred);
    EXPECT_FALSE(readCell(doc, 1001, 2).centred) << "centring ends at B1000";
    EXPECT_FALSE(readCell(doc, 2, 3).centred);

    // What a user saves keeps the text cells and the numbers.
    const fs::path saved = root_ / "saved.xlsx";
    lo::storeForTest(doc, saved);
    lo::closeForTest(doc);
    css::beans::PropertyValue hidden[1];
    hidden[0].Name = "Hidden";
    hidden[0].Value <<= true;
    Reference<css::frame::XComponentLoader> loader(lo::connectForTest(options_).desktop, UNO_QUERY_THROW);
    const Document reloaded(
        loader->loadComponentFromURL(lo::fromUtf8(fileUrl(saved)), "_blank", 0,
                                     css::uno::Sequence<css::beans::PropertyValue>(hidden, 1)),
        UNO_QUERY_THROW);
    expectText(reloaded, 2, 2, "0012", "second code after saving");
    EXPECT_TRUE(readCell(reloaded, 2, 2).textFormat);
    expectNumber(reloaded, 4, 6, 7.5, "quantity after saving");
    expectText(reloaded, 3, 4, "Секция Б, этаж 2", "Cyrillic after saving");
}

TEST_F(CalcSpreadsheetTest, CellsEndAsOneCallPerWriteWouldLeaveThem) {
    CalcSpreadsheet sheet(options_);
    sheet.createApplication();
    sheet.openWorkbook(cwd_ / "0_TELVA" / "BLANK" / "Spec.xlt");
    // A text cell the workbook itself has, unknown to the backend until it writes there.
    Reference<css::beans::XPropertySet> presetCell(
        Reference<css::sheet::XSpreadsheet>(
            Reference<css::container::XIndexAccess>(onlyDocument()->getSheets(), UNO_QUERY_THROW)
                ->getByIndex(0),
            UNO_QUERY_THROW)
            ->getCellByPosition(0, 2),
        UNO_QUERY_THROW);
    presetCell->setPropertyValue("NumberFormat", css::uno::Any(textFormatKey(onlyDocument())));
    sheet.setCellValue(2, 1, "5");
    sheet.setCellNumberFormat(2, 1, "@");  // a format after the value leaves the number
    sheet.setCellValue(2, 2, "1");
    sheet.setCellValue(2, 2, "2");  // the last write wins
    sheet.setCellValue(2, 3, "");
    sheet.setCellValue(3, 1, "0042");
    sheet.setCellValue(3, 3, "0042");
    sheet.release();

    const Document doc = onlyDocument();
    expectNumber(doc, 2, 1, 5, "value written before the text format");
    EXPECT_TRUE(readCell(doc, 2, 1).textFormat);
    expectNumber(doc, 2, 2, 2, "second write");
    EXPECT_EQ(readCell(doc, 2, 3).kind, Cell::Empty);
    expectText(doc, 3, 1, "0042", "the workbook's own text cell");
    expectNumber(doc, 3, 3, 42, "a general cell");
}

TEST_F(CalcSpreadsheetTest, ReferenceTableOpensAsItselfAndOnceOnly) {
    for (int i = 0; i < 2; ++i) {
        CalcSpreadsheet sheet(options_);
        OpenReferenceTable(sheet, cwd_, kCompatibilityTable);
    }
    const Document doc = onlyDocument();
    EXPECT_EQ(urlOf(doc), fileUrl(cwd_ / "0_TELVA" / "Sovmest.xls"));
    expectText(doc, 1, 1, "Таблица совместимости лотков и аксессуаров", "title");
}

TEST_F(CalcSpreadsheetTest, FailuresAreReportedInRussianAndNamedFiles) {
    CalcSpreadsheet sheet(options_);
    try {
        OpenReferenceTable(sheet, cwd_, kLoadTable);
        ADD_FAILURE() << "missing workbook opened";
    } catch (const SpreadsheetError& e) {
        EXPECT_NE(e.message().find("Nagruzki.xls"), std::string::npos) << text::toUtf8(e.message());
    }
    EXPECT_TRUE(documents().empty());

    CalcOptions missing = options_;
    missing.officeProgram = root_ / "no-such-office";
    CalcSpreadsheet absent(missing);
    try {
        absent.createApplication();
        ADD_FAILURE() << "an absent office started";
    } catch (const SpreadsheetError& e) {
        EXPECT_NE(text::toUtf8(e.message()).find("не найден"), std::string::npos)
            << text::toUtf8(e.message());
    }
}

TEST_F(CalcSpreadsheetTest, AnOfficeThatNeverAnswersIsStoppedAfterTheTimeOut) {
    const fs::path silent = root_ / "silent-office";
    std::ofstream(silent) << "#!/bin/sh\nexec sleep 60\n";
    fs::permissions(silent, fs::perms::owner_all);
    CalcOptions options = options_;
    options.officeProgram = silent;
    options.profileDir = root_ / "silent-profile";
    options.timeout = std::chrono::seconds(1);
    CalcSpreadsheet sheet(options);
    try {
        sheet.createApplication();
        ADD_FAILURE() << "a silent office answered";
    } catch (const SpreadsheetError& e) {
        EXPECT_NE(text::toUtf8(e.message()).find("не отвечает"), std::string::npos)
            << text::toUtf8(e.message());
    }
    const int group = lo::startedOfficeGroup(options);
    ASSERT_GT(group, 0);
    // The killed processes are gone once the system has reaped them.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (::kill(-group, 0) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_NE(::kill(-group, 0), 0) << "the silent office was killed";
}

}  // namespace
}  // namespace brenvoll::excel
