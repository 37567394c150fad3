#include "excel/Export.h"

#include "store/HostFiles.h"

namespace brenvoll::excel {
namespace fs = std::filesystem;

namespace {

const std::string kCommentCode = "--------";
constexpr int kFirstRow = 2;
constexpr int kCentred = -4108;

bool isVirtual(const std::string& code) {
    return code.compare(0, 4, "virt") == 0;
}

// Lets the application go on every way out of an action; on the error path the first error is the one
// the user must see, so a second one from letting go is dropped.
class ReleaseOnExit {
  public:
    explicit ReleaseOnExit(Spreadsheet& sheet) : sheet_(sheet) {}
    ~ReleaseOnExit() {
        if (released_) return;
        try {
            sheet_.release();
        } catch (...) {
        }
    }
    void release() {
        released_ = true;
        sheet_.release();
    }

  private:
    Spreadsheet& sheet_;
    bool released_ = false;
};

void openVisible(Spreadsheet& sheet, const fs::path& file) {
    sheet.createApplication();
    sheet.openWorkbook(file);
    sheet.setVisible(true);
}

}  // namespace

fs::path TemplatePath(const fs::path& cwd) {
    return store::resolveIgnoringCase(cwd, {"0_TELVA", "BLANK", "Spec.xlt"});
}

fs::path ReferenceTablePath(const fs::path& cwd, const std::string& fileName) {
    return store::resolveIgnoringCase(cwd, {"0_TELVA", fileName});
}

void ExportProject(Spreadsheet& sheet, const fs::path& cwd, const std::vector<ExportRow>& rows) {
    ReleaseOnExit guard(sheet);
    openVisible(sheet, TemplatePath(cwd));

    int r = kFirstRow;
    int position = 1;
    for (const ExportRow& row : rows) {
        if (row.code == kCommentCode) {
            sheet.setCellValue(r, 4, row.name);
            ++r;
            continue;
        }
        if (isVirtual(row.code)) continue;
        sheet.setCellValue(r, 1, std::to_string(position));
        // A text cell before the value, so a second code keeps its leading zeros.
        sheet.setCellNumberFormat(r, 2, "@");
        sheet.setCellValue(r, 2, row.code1);
        sheet.setCellValue(r, 3, row.code);
        sheet.setCellValue(r, 4, row.name);
        sheet.setCellValue(r, 5, row.unit);
        sheet.setCellValue(r, 6, row.quantity);
        sheet.setCellValue(r, 7, row.note);
        ++r;
        ++position;
    }
    sheet.setRangeHorizontalAlignment("B2", "B1000", kCentred);
    guard.release();
}

void OpenReferenceTable(Spreadsheet& sheet, const fs::path& cwd, const std::string& fileName) {
    ReleaseOnExit guard(sheet);
    openVisible(sheet, ReferenceTablePath(cwd, fileName));
    guard.release();
}

}  // namespace brenvoll::excel
