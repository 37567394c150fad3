#include "excel/ui/SpreadsheetAction.h"

#include <QApplication>

#include "text/Cp1251.h"

namespace brenvoll::ui {

namespace {
// Starting the application can take seconds: the wait cursor shows it, and goes away however the action ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

void runSpreadsheetAction(AppContext& context, const std::function<void(excel::Spreadsheet&)>& action) {
    try {
        if (!context.makeSpreadsheet)
            throw excel::SpreadsheetError(text::w("Табличный редактор недоступен: приложение не установлено"));
        WaitCursor wait;
        auto sheet = context.makeSpreadsheet();
        action(*sheet);
    } catch (const AppError& e) {
        context.prompter->error(e.message());
    }
}

}  // namespace brenvoll::ui
