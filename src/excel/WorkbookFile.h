#pragma once
// The check every spreadsheet application makes before it opens a workbook.
#include <filesystem>

namespace brenvoll::excel {

// SpreadsheetError naming the file when it is missing or is not a file.
void requireWorkbookFile(const std::filesystem::path& file);

}  // namespace brenvoll::excel
