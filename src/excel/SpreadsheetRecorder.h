#pragma once
// A spreadsheet application that only tells each automation call as a line, for tests and the driver.
#include <filesystem>
#include <functional>
#include <string>

#include "excel/Spreadsheet.h"

namespace brenvoll::excel {

class SpreadsheetRecorder final : public Spreadsheet {
  public:
    using LineSink = std::function<void(const std::string& utf8Line)>;

    // Opened files are told relative to cwd, with '/' separators.
    SpreadsheetRecorder(std::filesystem::path cwd, LineSink sink);

    void createApplication() override;
    // Tells the call, then fails like the real application when the file is missing.
    void openWorkbook(const std::filesystem::path& file) override;
    void setVisible(bool visible) override;
    void setCellValue(int row, int column, const std::string& cp1251Text) override;
    void setCellNumberFormat(int row, int column, const std::string& format) override;
    void setRangeHorizontalAlignment(const std::string& from, const std::string& to, int alignment) override;

  private:
    std::filesystem::path cwd_;
    LineSink sink_;
};

}  // namespace brenvoll::excel
