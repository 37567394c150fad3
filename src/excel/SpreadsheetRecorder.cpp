#include "excel/SpreadsheetRecorder.h"

#include <utility>

#include "excel/WorkbookFile.h"
#include "text/Cp1251.h"

namespace brenvoll::excel {
namespace fs = std::filesystem;

namespace {

std::string cell(int row, int column) {
    return "Cells(" + std::to_string(row) + "," + std::to_string(column) + ")";
}

std::string relativeTo(const fs::path& base, const fs::path& file) {
    const fs::path absoluteFile = fs::absolute(file).lexically_normal();
    const fs::path relative = absoluteFile.lexically_relative(fs::absolute(base).lexically_normal());
    return (relative.empty() ? absoluteFile : relative).generic_string();
}

}  // namespace

SpreadsheetRecorder::SpreadsheetRecorder(fs::path cwd, LineSink sink)
    : cwd_(std::move(cwd)), sink_(std::move(sink)) {}

void SpreadsheetRecorder::createApplication() {
    sink_("create Excel.Application");
}

void SpreadsheetRecorder::openWorkbook(const fs::path& file) {
    sink_("WorkBooks.Open " + relativeTo(cwd_, file) + ", 0, False, 1");
    requireWorkbookFile(file);
}

void SpreadsheetRecorder::setVisible(bool visible) {
    sink_(visible ? "Visible = True" : "Visible = False");
}

void SpreadsheetRecorder::setCellValue(int row, int column, const std::string& cp1251Text) {
    sink_(cell(row, column) + ".Value = " + text::toUtf8(cp1251Text));
}

void SpreadsheetRecorder::setCellNumberFormat(int row, int column, const std::string& format) {
    sink_(cell(row, column) + ".NumberFormat = " + text::toUtf8(format));
}

void SpreadsheetRecorder::setRangeHorizontalAlignment(const std::string& from, const std::string& to,
                                                      int alignment) {
    sink_("Range(\"" + from + "\",\"" + to + "\").HorizontalAlignment = " + std::to_string(alignment));
}

}  // namespace brenvoll::excel
