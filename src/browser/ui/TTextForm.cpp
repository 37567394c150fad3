#include "browser/ui/TTextForm.h"

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

TTextForm::TTextForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TTextForm");
    setWindowTitle(QString::fromUtf8("Текст"));
}

}  // namespace brenvoll::ui
