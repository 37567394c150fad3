#include "excel/WorkbookFile.h"

#include <system_error>

#include "excel/Spreadsheet.h"
#include "store/HostFiles.h"
#include "text/Cp1251.h"

namespace brenvoll::excel {

void requireWorkbookFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) return;
    throw SpreadsheetError(text::w("Не удаётся найти файл \"") + store::displayPath(file) +
                           text::w("\". Проверьте, что файл есть и путь к нему указан верно."));
}

}  // namespace brenvoll::excel
