#pragma once
#include <QWidget>

#include "app/Ports.h"

class QLabel;
class QProgressBar;

namespace brenvoll::ui {

// The borderless progress window of start-up.
class TForm1 : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    TForm1();
    void status(std::string_view text) override;
    void step() override;

private:
    // The event loop does not run while loading, so every change is painted at once.
    void paintNow();
    QLabel* label1_ = nullptr;
    QProgressBar* pb_ = nullptr;
};

}  // namespace brenvoll::ui
