#include "excel/ui/SpreadsheetAction.h"

#include <QApplication>

#include "text/Cp1251.h"

namespace brenvoll::ui {

void runSpreadsheetAction(AppContext& context, const std::function<void(excel::Spreadsheet&)>& action) {
    std::unique_ptr<excel::Spreadsheet> sheet;
    try {
        if (!context.makeSpreadsheet)
            throw excel::SpreadsheetError(text::w("Табличный редактор недоступен: приложение не установлено"));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        sheet = context.makeSpreadsheet();
        action(*sheet);
        QApplication::restoreOverrideCursor();
    } catch (const AppError& e) {
        QApplication::restoreOverrideCursor();
        context.prompter->error(e.message());
    }
}

}  // namespace brenvoll::ui
