#pragma once
// A picture shown at its own size, centred; the box reports double-clicks.
#include <QLabel>

namespace brenvoll::ui {

class PictureBox : public QLabel {
    Q_OBJECT
  public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace brenvoll::ui
