#include "wizard/ui/TForm_Fnish.h"

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

TForm_Fnish::TForm_Fnish(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TForm_Fnish");
    setWindowTitle(QString::fromUtf8("Завершение расчёта"));
}

}  // namespace brenvoll::ui
