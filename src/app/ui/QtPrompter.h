#pragma once
#include "app/Ports.h"

namespace brenvoll::ui {

// Real message boxes.
class QtPrompter final : public Prompter {
public:
    void message(std::string_view text) override;
    void error(std::string_view text) override;
    bool ask(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    void beep() override;
};

class SleepPause final : public Pause {
public:
    void sleepMs(int milliseconds) override;
};

}  // namespace brenvoll::ui
