#pragma once
// The spreadsheet application for real: LibreOffice Calc, driven through its component bridge. The office
// runs with a profile of our own, so the user's own running office is never touched.
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "excel/Spreadsheet.h"

namespace brenvoll::excel {

struct CalcOptions {
    bool headless = false;                     // no windows at all (tests, benchmarks)
    std::filesystem::path profileDir;          // empty: $XDG_CONFIG_HOME (or ~/.config)/brenvoll/lo-profile
    std::chrono::milliseconds timeout{45000};  // for the office to answer; a first start builds the profile
    std::filesystem::path officeProgram;       // empty: the installation's soffice
};

// Each action connects to the office of its profile, starting it when it is not running. Cell writes are
// kept and sent in a few bulk calls by release(); every cell ends as one call per write would leave it.
// release() lets the document go and leaves the office running for the user.
class CalcSpreadsheet final : public Spreadsheet {
  public:
    explicit CalcSpreadsheet(CalcOptions options);
    ~CalcSpreadsheet() override;

    void createApplication() override;
    void openWorkbook(const std::filesystem::path& file) override;
    void setVisible(bool visible) override;
    void setCellValue(int row, int column, const std::string& cp1251Text) override;
    void setCellNumberFormat(int row, int column, const std::string& format) override;
    void setRangeHorizontalAlignment(const std::string& from, const std::string& to, int alignment) override;
    void release() override;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

std::unique_ptr<Spreadsheet> makeCalcSpreadsheet(CalcOptions options = {});

// The profile folder and the office program the options stand for.
std::filesystem::path calcProfileDir(const CalcOptions& options);
std::filesystem::path calcOfficeProgram(const CalcOptions& options);

}  // namespace brenvoll::excel
