#pragma once
#include <functional>
#include <memory>

#include "excel/Spreadsheet.h"

namespace brenvoll::ui {

// The spreadsheet application of this machine; empty when the program was built without its backend.
std::function<std::unique_ptr<excel::Spreadsheet>()> realSpreadsheetFactory();

}  // namespace brenvoll::ui
