#include "wizard/ui/HelperTab.h"

#include <QLabel>
#include <QVBoxLayout>

namespace brenvoll::ui {

HelperTab::HelperTab(AppContext& context, QWidget* sheet) : QWidget(sheet), context_(context) {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QString::fromUtf8("Расчёт трассы пока не входит в эту сборку.\n"
                                              "Каталог, проект и справочник доступны на соседних вкладках."),
                            this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
}

}  // namespace brenvoll::ui
