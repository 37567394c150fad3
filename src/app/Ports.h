#pragma once
// The logic's seams to the outside world; windows give real ones, tests and the driver give recording ones.
#include <string_view>

namespace brenvoll {

// Texts are Windows-1251.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void message(std::string_view text) = 0;  // a box with an OK button
    virtual void error(std::string_view text) = 0;    // the error box
    virtual bool ask(std::string_view text) = 0;      // Yes/No, caption a single blank, exclamation icon
    enum class Answer { Yes, No, Cancel };
    // Да / Нет / Отмена; a prompter that knows only Yes and No never cancels.
    virtual Answer askYesNoCancel(std::string_view text) { return ask(text) ? Answer::Yes : Answer::No; }
    virtual void beep() = 0;
};

class Pause {
public:
    virtual ~Pause() = default;
    virtual void sleepMs(int milliseconds) = 0;
};

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void status(std::string_view text) = 0;
    virtual void step() = 0;
};

class NoPause final : public Pause {
public:
    void sleepMs(int) override {}
};

}  // namespace brenvoll
