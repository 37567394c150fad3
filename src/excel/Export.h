#pragma once
// Handing the project to the spreadsheet application, and opening the reference workbooks.
#include <filesystem>
#include <string>
#include <vector>

#include "excel/ExportRows.h"
#include "excel/Spreadsheet.h"

namespace brenvoll::excel {

// The reference workbooks of the "Справочник" tab, in the catalog folder.
inline constexpr const char* kCompatibilityTable = "Sovmest.xls";  // But_Open_41
inline constexpr const char* kConnectionTable = "Connect.xls";     // But_Open_42
inline constexpr const char* kHangingTable = "Podves.xls";         // But_Open_43
inline constexpr const char* kLoadTable = "Nagruzki.xls";          // RzToolButton36

// A new visible workbook from cwd/0_TELVA/BLANK/Spec.xlt, one sheet row per written project row from row 2.
// Throws SpreadsheetError (nothing written when the application or the template is missing).
void ExportProject(Spreadsheet& sheet, const std::filesystem::path& cwd, const std::vector<ExportRow>& rows);

// cwd/0_TELVA/<fileName> (a host file name, UTF-8) shown in the application. Throws SpreadsheetError.
void OpenReferenceTable(Spreadsheet& sheet, const std::filesystem::path& cwd, const std::string& fileName);

// The file an action opens: each component matched ignoring letter case when the exact name is missing.
std::filesystem::path TemplatePath(const std::filesystem::path& cwd);
std::filesystem::path ReferenceTablePath(const std::filesystem::path& cwd, const std::string& fileName);

}  // namespace brenvoll::excel
