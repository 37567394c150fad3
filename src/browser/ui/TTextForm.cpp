#include "browser/ui/TTextForm.h"

#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

TTextForm::TTextForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TTextForm");
    setWindowTitle(QString::fromUtf8("Текст"));
    setModal(true);
    setFixedSize(994, 665);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Ed_BigText = new QTextEdit(this);
    Ed_BigText->setObjectName("Ed_BigText");
    Ed_BigText->setReadOnly(true);
    Ed_BigText->setAcceptRichText(false);
    QFont font("Arial");
    font.setPixelSize(15);
    Ed_BigText->setFont(font);
    Ed_BigText->document()->setDefaultFont(font);
    layout->addWidget(Ed_BigText);
}

void TTextForm::showLines(const QStringList& lines) {
    Ed_BigText->setPlainText(lines.join(QChar('\n')));
    if (QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    exec();
}

}  // namespace brenvoll::ui
