#pragma once
// The automation calls of the export, one function per call.
#include <filesystem>
#include <string>

#include "text/Errors.h"

namespace brenvoll::excel {

// The application is missing, cannot be started or reached, or refused a call (message in Windows-1251).
class SpreadsheetError : public AppError {
public:
    using AppError::AppError;
};

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;
    virtual void createApplication() = 0;                          // create "Excel.Application"
    virtual void openWorkbook(const std::filesystem::path& file) = 0;  // WorkBooks.Open file, 0, False, 1
    virtual void setVisible(bool visible) = 0;                     // Visible := True
    virtual void setCellValue(int row, int column, const std::string& cp1251Text) = 0;  // Cells(r,c).Value
    virtual void setCellNumberFormat(int row, int column, const std::string& format) = 0;
    // Range(from, to).HorizontalAlignment := alignment (-4108 centres).
    virtual void setRangeHorizontalAlignment(const std::string& from, const std::string& to, int alignment) = 0;
    // The action is over: buffered writes are flushed and the application is let go (never closed).
    virtual void release() {}
};

}  // namespace brenvoll::excel
