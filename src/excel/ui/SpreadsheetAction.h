#pragma once
#include <functional>

#include "app/ui/AppContext.h"
#include "excel/Export.h"

namespace brenvoll::ui {

// Runs one spreadsheet action on a fresh application object; any failure ends it with the error box.
void runSpreadsheetAction(AppContext& context, const std::function<void(excel::Spreadsheet&)>& action);

}  // namespace brenvoll::ui
