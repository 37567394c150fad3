#include "project/ui/TSpecMesForm.h"

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

TSpecMesForm::TSpecMesForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TSpecMesForm");
    setWindowTitle(QString::fromUtf8("Проект"));
}

}  // namespace brenvoll::ui
