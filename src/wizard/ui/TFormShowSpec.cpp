#include "wizard/ui/TFormShowSpec.h"

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

TFormShowSpec::TFormShowSpec(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TFormShowSpec");
    setWindowTitle(QString::fromUtf8("Спецификация"));
}

}  // namespace brenvoll::ui
