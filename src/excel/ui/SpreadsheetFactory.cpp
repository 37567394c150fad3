#include "excel/ui/SpreadsheetFactory.h"

#ifdef BRENVOLL_HAVE_SPREADSHEET_BACKEND
#include "excel/lo/CalcSpreadsheet.h"
#endif

namespace brenvoll::ui {

std::function<std::unique_ptr<excel::Spreadsheet>()> realSpreadsheetFactory() {
#ifdef BRENVOLL_HAVE_SPREADSHEET_BACKEND
    return [] { return excel::makeCalcSpreadsheet({}); };
#else
    return {};
#endif
}

}  // namespace brenvoll::ui
