#include "app/ui/TForm1.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "app/ui/Qt1251.h"

namespace brenvoll::ui {

TForm1::TForm1() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen) {
    setObjectName("TForm1");
    setFixedSize(645, 425);
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 645, 425);
    panel->setStyleSheet("#Panel1 { background-color: #e8eef8; border: 1px solid #1f3c78; }");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* picture = new QLabel(panel);
    picture->setObjectName("Image1");
    picture->setText(QString::fromUtf8("BRENVOLL\nкаталог кабеленесущих систем"));
    picture->setStyleSheet("color: #1f3c78; font-size: 30px; font-weight: bold;");
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture, 1);
    label1_ = new QLabel(QString::fromUtf8("Загрузка файлов каталога....."), panel);
    label1_->setObjectName("Label1");
    QFont font("Times New Roman");
    font.setPixelSize(13);
    label1_->setFont(font);
    label1_->setStyleSheet("color: navy;");
    layout->addWidget(label1_);
    pb_ = new QProgressBar(panel);
    pb_->setObjectName("PB");
    pb_->setRange(0, 8);
    pb_->setValue(0);
    pb_->setTextVisible(false);
    layout->addWidget(pb_);
}

void TForm1::status(std::string_view text) {
    label1_->setText(qs(text));
    paintNow();
}

void TForm1::step() {
    pb_->setValue(pb_->value() + 1);
    paintNow();
}

void TForm1::paintNow() {
    if (isVisible()) repaint();
}

}  // namespace brenvoll::ui
