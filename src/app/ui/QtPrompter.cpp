#include "app/ui/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "app/ui/Qt1251.h"

namespace brenvoll::ui {

namespace {
QWidget* owner() { return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow(); }
}  // namespace

void QtPrompter::message(std::string_view text) {
    QMessageBox::information(owner(), QApplication::applicationDisplayName(), qs(text));
}

void QtPrompter::error(std::string_view text) {
    QMessageBox::critical(owner(), QString::fromUtf8("Ошибка"), qs(text));
}

bool QtPrompter::ask(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral(" "), qs(text), QMessageBox::Yes | QMessageBox::No, owner());
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8("Да"));
    box.button(QMessageBox::No)->setText(QString::fromUtf8("Нет"));
    return box.exec() == QMessageBox::Yes;
}

Prompter::Answer QtPrompter::askYesNoCancel(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral(" "), qs(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner());
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8("Да"));
    box.button(QMessageBox::No)->setText(QString::fromUtf8("Нет"));
    box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("Отмена"));
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? Answer::Yes : answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtPrompter::beep() { QApplication::beep(); }

void SleepPause::sleepMs(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

}  // namespace brenvoll::ui
