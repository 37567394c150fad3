#include "browser/ui/PictureBox.h"

namespace brenvoll::ui {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setScaledContents(false);
    setMinimumSize(1, 1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setProperty("filePath", QString());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

}  // namespace brenvoll::ui
