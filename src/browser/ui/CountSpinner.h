#pragma once
// The up-down arrows beside the whole-number quantity field; the field itself is a separate edit box.
#include <QAbstractSpinBox>
#include <functional>

namespace brenvoll::ui {

class CountSpinner : public QAbstractSpinBox {
    Q_OBJECT
  public:
    // step(n) moves the field's count by n steps.
    CountSpinner(QWidget* parent, std::function<void(int)> step);
    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

  private:
    std::function<void(int)> step_;
};

}  // namespace brenvoll::ui
