#include "excel/lo/CalcSpreadsheet.h"

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSheetCellRanges.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/sheet/XUniqueCellFormatRangesSupplier.hpp>
#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/table/CellRangeAddress.hpp>
#include <com/sun/star/util/NumberFormat.hpp>
#include <com/sun/star/util/XNumberFormats.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>
#include <osl/file.hxx>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "excel/CellBlocks.h"
#include "excel/TypedInput.h"
#include "excel/WorkbookFile.h"
#include "excel/lo/OfficeConnection.h"
#include "excel/lo/UnoErrors.h"
#include "excel/lo/UnoText.h"
#include "store/HostFiles.h"

namespace brenvoll::excel {
namespace fs = std::filesystem;
namespace css = com::sun::star;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

css::beans::PropertyValue property(const char* name, const Any& value) {
    css::beans::PropertyValue p;
    p.Name = rtl::OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

bool isTemplate(const fs::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".xlt" || ext == ".xltx" || ext == ".xltm" || ext == ".ots";
}

std::optional<css::table::CellHoriJustify> justifyFor(int alignment) {
    switch (alignment) {
        case -4108:
            return css::table::CellHoriJustify_CENTER;  // xlCenter
        case -4131:
            return css::table::CellHoriJustify_LEFT;  // xlLeft
        case -4152:
            return css::table::CellHoriJustify_RIGHT;  // xlRight
        case -4130:
            return css::table::CellHoriJustify_BLOCK;  // xlJustify
        case 1:
            return css::table::CellHoriJustify_STANDARD;  // xlGeneral
        case 5:
            return css::table::CellHoriJustify_REPEAT;  // xlFill
        default:
            return std::nullopt;
    }
}

std::string cellName(int row, int column) {
    return "Cells(" + std::to_string(row) + "," + std::to_string(column) + ")";
}

}  // namespace

struct CalcSpreadsheet::Impl {
    struct Format {
        sal_Int32 key = 0;
        bool text = false;
    };
    struct PendingValue {
        std::string text;
        // Whether the cell was a text cell when the value was written; none while only the workbook knows.
        std::optional<bool> textCell;
    };

    CalcOptions options;
    std::optional<lo::OfficeLink> office;
    Reference<css::frame::XModel> model;
    Reference<css::sheet::XSpreadsheet> sheet;
    Reference<css::util::XNumberFormats> numberFormats;
    std::map<std::string, Format> formats;  // by format text
    std::map<sal_Int32, bool> textKeys;
    std::map<CellPos, std::string> pendingFormats;
    std::map<CellPos, PendingValue> pendingValues;

    void requireOffice() const {
        if (!office) throw SpreadsheetError(text::w("LibreOffice Calc не запущен."));
    }
    void requireDocument() const {
        requireOffice();
        if (!sheet.is()) throw SpreadsheetError(text::w("В LibreOffice Calc нет открытой книги."));
    }
    static CellPos position(int row, int column) {
        if (row < 1 || column < 1)
            throw SpreadsheetError(text::w("Недопустимая ячейка ") + cellName(row, column) + ".");
        return {row, column};
    }

    bool isTextKey(sal_Int32 key) {
        const auto known = textKeys.find(key);
        if (known != textKeys.end()) return known->second;
        sal_Int16 type = 0;
        numberFormats->getByKey(key)->getPropertyValue("Type") >>= type;
        return textKeys[key] = (type & css::util::NumberFormat::TEXT) != 0;
    }

    Format formatFor(const std::string& cp1251Format) {
        const auto known = formats.find(cp1251Format);
        if (known != formats.end()) return known->second;
        const css::lang::Locale locale;
        const rtl::OUString code = lo::fromCp1251(cp1251Format);
        sal_Int32 key = numberFormats->queryKey(code, locale, false);
        if (key == -1) key = numberFormats->addNew(code, locale);
        return formats[cp1251Format] = Format{key, isTextKey(key)};
    }

    Reference<css::table::XCellRange> range(const CellBlock& b) const {
        return sheet->getCellRangeByPosition(b.left - 1, b.top - 1, b.right - 1, b.bottom - 1);
    }

    // Text-format cells the workbook itself has within the block, as range addresses.
    std::vector<css::table::CellRangeAddress> workbookTextRanges(const CellBlock& box) {
        std::vector<css::table::CellRangeAddress> found;
        Reference<css::sheet::XUniqueCellFormatRangesSupplier> supplier(range(box), UNO_QUERY_THROW);
        const Reference<css::container::XIndexAccess> groups = supplier->getUniqueCellFormatRanges();
        for (sal_Int32 i = 0; i < groups->getCount(); ++i) {
            Reference<css::sheet::XSheetCellRanges> ranges(groups->getByIndex(i), UNO_QUERY_THROW);
            Reference<css::beans::XPropertySet> props(ranges, UNO_QUERY_THROW);
            sal_Int32 key = 0;
            if (!(props->getPropertyValue("NumberFormat") >>= key) || !isTextKey(key)) continue;
            const Sequence<css::table::CellRangeAddress> addresses = ranges->getRangeAddresses();
            found.insert(found.end(), addresses.begin(), addresses.end());
        }
        return found;
    }

    // Values that read as numbers land in cells whose format only the workbook knows: ask it once.
    void decideWorkbookFormattedCells() {
        std::vector<CellPos> undecided;
        for (const auto& [pos, value] : pendingValues)
            if (!value.textCell && typedNumber(value.text)) undecided.push_back(pos);
        if (undecided.empty()) return;
        CellBlock box{undecided.front().row, undecided.front().column, undecided.front().row,
                      undecided.front().column};
        for (const CellPos& p : undecided) {
            box.top = std::min(box.top, p.row);
            box.bottom = std::max(box.bottom, p.row);
            box.left = std::min(box.left, p.column);
            box.right = std::max(box.right, p.column);
        }
        const auto textRanges = workbookTextRanges(box);
        for (const CellPos& p : undecided) {
            const bool text = std::any_of(textRanges.begin(), textRanges.end(), [&](const auto& a) {
                return a.StartRow <= p.row - 1 && p.row - 1 <= a.EndRow && a.StartColumn <= p.column - 1 &&
                       p.column - 1 <= a.EndColumn;
            });
            pendingValues[p].textCell = text;
        }
    }

    void flushFormats() {
        std::map<std::string, std::vector<CellPos>> cellsByFormat;
        for (const auto& [pos, format] : pendingFormats) cellsByFormat[format].push_back(pos);
        for (const auto& [format, cells] : cellsByFormat) {
            const Any key(formatFor(format).key);
            for (const CellBlock& block : coverWithBlocks(cells))
                Reference<css::beans::XPropertySet>(range(block), UNO_QUERY_THROW)
                    ->setPropertyValue("NumberFormat", key);
        }
    }

    Any cellContent(const PendingValue& value) const {
        if (const auto number = typedNumber(value.text); number && !value.textCell.value_or(false))
            return Any(*number);
        return Any(lo::fromCp1251(value.text));
    }

    void flushValues() {
        std::vector<CellPos> cells;
        cells.reserve(pendingValues.size());
        for (const auto& entry : pendingValues) cells.push_back(entry.first);
        for (const CellBlock& block : coverWithBlocks(cells)) {
            Sequence<Sequence<Any>> data(block.bottom - block.top + 1);
            auto rows = data.getArray();
            for (int r = block.top; r <= block.bottom; ++r) {
                Sequence<Any> row(block.right - block.left + 1);
                auto columns = row.getArray();
                for (int c = block.left; c <= block.right; ++c)
                    columns[c - block.left] = cellContent(pendingValues.at({r, c}));
                rows[r - block.top] = row;
            }
            Reference<css::sheet::XCellRangeData>(range(block), UNO_QUERY_THROW)->setDataArray(data);
        }
    }

    void flush() {
        if (!sheet.is() || (pendingFormats.empty() && pendingValues.empty())) return;
        decideWorkbookFormattedCells();  // before our own formats change what the workbook says
        flushFormats();
        flushValues();
    }

    void dropDocument() {
        pendingFormats.clear();
        pendingValues.clear();
        formats.clear();
        textKeys.clear();
        numberFormats.clear();
        sheet.clear();
        model.clear();
    }
    void letGo() {
        dropDocument();
        office.reset();
    }

    Reference<css::sheet::XSpreadsheet> activeSheet(
        const Reference<css::sheet::XSpreadsheetDocument>& doc) const {
        Reference<css::sheet::XSpreadsheetView> view{model->getCurrentController(), UNO_QUERY};
        if (view.is()) {
            if (auto active = view->getActiveSheet(); active.is()) return active;
        }
        Reference<css::container::XIndexAccess> sheets(doc->getSheets(), UNO_QUERY_THROW);
        return Reference<css::sheet::XSpreadsheet>(sheets->getByIndex(0), UNO_QUERY_THROW);
    }
};

CalcSpreadsheet::CalcSpreadsheet(CalcOptions options) : impl_(std::make_unique<Impl>()) {
    impl_->options = std::move(options);
}

CalcSpreadsheet::~CalcSpreadsheet() {
    impl_->letGo();
}

void CalcSpreadsheet::createApplication() {
    impl_->letGo();
    impl_->office = lo::connectOffice(impl_->options);
}

void CalcSpreadsheet::openWorkbook(const fs::path& file) {
    impl_->requireOffice();
    requireWorkbookFile(file);
    lo::guarded(text::w("открытие книги \"") + store::displayPath(file) + "\"", [&] {
        impl_->flush();  // cells meant for a workbook opened before
        impl_->dropDocument();
        rtl::OUString url;
        const fs::path absolute = fs::absolute(file);
        if (osl::FileBase::getFileURLFromSystemPath(lo::fromUtf8(absolute.string()), url) !=
            osl::FileBase::E_None)
            throw SpreadsheetError(text::w("Недопустимое имя файла \"") + store::displayPath(file) + "\".");
        const bool asTemplate = isTemplate(file);
        const css::beans::PropertyValue args[] = {
            property("Hidden", Any(false)),
            property("AsTemplate", Any(asTemplate)),
            property("UpdateDocMode", Any(css::document::UpdateDocMode::NO_UPDATE)),
            property("MacroExecutionMode", Any(css::document::MacroExecMode::NEVER_EXECUTE)),
        };
        Reference<css::frame::XComponentLoader> loader(impl_->office->desktop, UNO_QUERY_THROW);
        // A template makes a new untitled workbook each time; a reference workbook already open is shown
        // again.
        const auto component = loader->loadComponentFromURL(
            url, asTemplate ? rtl::OUString("_blank") : rtl::OUString("_default"), 0,
            Sequence<css::beans::PropertyValue>(args, 4));
        Reference<css::sheet::XSpreadsheetDocument> doc(component, UNO_QUERY);
        if (!doc.is())
            throw SpreadsheetError(text::w("LibreOffice Calc не смог открыть файл \"") +
                                   store::displayPath(file) + text::w("\" как книгу."));
        impl_->model.set(doc, UNO_QUERY_THROW);
        impl_->sheet = impl_->activeSheet(doc);
        impl_->numberFormats =
            Reference<css::util::XNumberFormatsSupplier>(doc, UNO_QUERY_THROW)->getNumberFormats();
    });
}

void CalcSpreadsheet::setVisible(bool visible) {
    impl_->requireOffice();
    if (!impl_->model.is()) return;
    lo::guarded(text::w("показ окна"), [&] {
        const auto controller = impl_->model->getCurrentController();
        if (!controller.is()) return;
        const auto window = controller->getFrame()->getContainerWindow();
        window->setVisible(visible);
        if (Reference<css::awt::XTopWindow> top{window, UNO_QUERY}; top.is() && visible) top->toFront();
    });
}

void CalcSpreadsheet::setCellValue(int row, int column, const std::string& cp1251Text) {
    impl_->requireDocument();
    const CellPos pos = Impl::position(row, column);
    std::optional<bool> textCell;
    if (const auto format = impl_->pendingFormats.find(pos); format != impl_->pendingFormats.end())
        textCell = impl_->formats.at(format->second).text;
    impl_->pendingValues[pos] = Impl::PendingValue{cp1251Text, textCell};
}

void CalcSpreadsheet::setCellNumberFormat(int row, int column, const std::string& format) {
    impl_->requireDocument();
    const CellPos pos = Impl::position(row, column);
    lo::guarded(text::w("формат ячейки"), [&] { impl_->formatFor(format); });
    impl_->pendingFormats[pos] = format;
}

void CalcSpreadsheet::setRangeHorizontalAlignment(const std::string& from, const std::string& to,
                                                  int alignment) {
    impl_->requireDocument();
    const auto justify = justifyFor(alignment);
    if (!justify)
        throw SpreadsheetError(text::w("Неизвестное выравнивание ") + std::to_string(alignment) + ".");
    lo::guarded(text::w("выравнивание"), [&] {
        const auto range = impl_->sheet->getCellRangeByName(lo::fromCp1251(from + ":" + to));
        Reference<css::beans::XPropertySet>(range, UNO_QUERY_THROW)
            ->setPropertyValue("HoriJustify", Any(*justify));
    });
}

void CalcSpreadsheet::release() {
    struct LetGoOnExit {
        Impl& impl;
        ~LetGoOnExit() { impl.letGo(); }
    } letGo{*impl_};
    lo::guarded(text::w("запись ячеек"), [&] { impl_->flush(); });
}

std::unique_ptr<Spreadsheet> makeCalcSpreadsheet(CalcOptions options) {
    return std::make_unique<CalcSpreadsheet>(std::move(options));
}

}  // namespace brenvoll::excel
