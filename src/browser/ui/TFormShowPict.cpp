#include "browser/ui/TFormShowPict.h"

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

TFormShowPict::TFormShowPict(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TFormShowPict");
    setWindowTitle(QString::fromUtf8("Рисунок"));
}

}  // namespace brenvoll::ui
