#include "browser/ui/CountSpinner.h"

#include <QLineEdit>

namespace brenvoll::ui {

CountSpinner::CountSpinner(QWidget* parent, std::function<void(int)> step)
    : QAbstractSpinBox(parent), step_(std::move(step)) {
    // Only the arrows are shown: the number lives in the field beside them.
    setFocusPolicy(Qt::NoFocus);
    lineEdit()->setVisible(false);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
}

void CountSpinner::stepBy(int steps) {
    step_(steps);
}

}  // namespace brenvoll::ui
