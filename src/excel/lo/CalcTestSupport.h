#pragma once
// For tests of the backend only: look at what an action left in the office, and stop a test's own office.
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <filesystem>
#include <vector>

#include "excel/lo/CalcSpreadsheet.h"
#include "excel/lo/OfficeConnection.h"

namespace brenvoll::excel::lo {

// The office of the options' profile; throws SpreadsheetError when it does not run.
OfficeLink connectForTest(const CalcOptions& options);

// Every spreadsheet document open in that office.
std::vector<com::sun::star::uno::Reference<com::sun::star::sheet::XSpreadsheetDocument>> spreadsheetsForTest(
    const OfficeLink& office);

// Stores the document under path (the filter follows the extension: .ods, .xlsx, .xls).
void storeForTest(const com::sun::star::uno::Reference<com::sun::star::sheet::XSpreadsheetDocument>& doc,
                  const std::filesystem::path& path);

// Closes the document without saving it.
void closeForTest(const com::sun::star::uno::Reference<com::sun::star::sheet::XSpreadsheetDocument>& doc);

// Ends the office this process started for the options' profile: asks it to terminate, waits for its
// processes to end and kills them when they do not within the time given. Only ever for a test's own profile.
void terminateForTest(const CalcOptions& options, std::chrono::milliseconds wait = std::chrono::seconds(20));

}  // namespace brenvoll::excel::lo
