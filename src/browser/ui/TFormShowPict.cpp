#include "browser/ui/TFormShowPict.h"

#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ui/AppContext.h"
#include "browser/ui/PictureBox.h"

namespace brenvoll::ui {

TFormShowPict::TFormShowPict(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TFormShowPict");
    setWindowTitle(QString::fromUtf8("Рисунок"));
    setModal(true);
    resize(735, 642);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Image_BigPict = new PictureBox("Image_BigPict", this);
    layout->addWidget(Image_BigPict);
    connect(Image_BigPict, &PictureBox::doubleClicked, this, &QDialog::accept);
}

void TFormShowPict::ShowPictureWindow(const QPixmap& picture, const QString& filePath) {
    Image_BigPict->setPixmap(picture.copy());
    Image_BigPict->setProperty("filePath", filePath);
    if (QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    exec();
}

}  // namespace brenvoll::ui
