#pragma once
// A key filter on an edit box: a typed character the rule refuses is eaten, and the caller is told (to beep).
#include <QObject>
#include <functional>

namespace brenvoll::ui {

class KeyFilter : public QObject {
    Q_OBJECT
  public:
    // accept(ch) decides for every typed character; control keys (arrows, delete, shortcuts) always pass,
    // backspace is asked as '\b'.
    KeyFilter(QObject* parent, std::function<bool(QChar)> accept, std::function<void()> refused);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool(QChar)> accept_;
    std::function<void()> refused_;
};

}  // namespace brenvoll::ui
