#include "browser/ui/KeyFilter.h"

#include <QKeyEvent>

namespace brenvoll::ui {

KeyFilter::KeyFilter(QObject* parent, std::function<bool(QChar)> accept, std::function<void()> refused)
    : QObject(parent), accept_(std::move(accept)), refused_(std::move(refused)) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    QChar typed;
    if (key->key() == Qt::Key_Backspace)
        typed = QChar('\b');
    else if (!text.isEmpty() && text[0].isPrint() &&
             !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        typed = text[0];
    else
        return QObject::eventFilter(watched, event);
    if (accept_(typed)) return QObject::eventFilter(watched, event);
    refused_();
    return true;
}

}  // namespace brenvoll::ui
