#pragma once
// The driver's stand-ins for the outside world: every box, beep and progress report becomes a printed line.
#include <deque>
#include <functional>
#include <string>

#include "app/Ports.h"

namespace brenvoll::drive {

// One UTF-8 line on standard output, at once.
void printLine(const std::string& utf8);

class PrintingPrompter final : public Prompter {
public:
    void message(std::string_view text) override;
    void error(std::string_view text) override;
    bool ask(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    void beep() override;
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    // Called when a question finds no queued answer: the script is wrong, and the run ends there.
    std::function<void(const std::string& why)> onScriptError;

private:
    Answer answerFor(std::string_view text, bool cancelAllowed);
    std::deque<Answer> answers_;
};

class PrintingProgress final : public ProgressSink {
public:
    void status(std::string_view text) override;
    void step() override;

private:
    int steps_ = 0;
};

}  // namespace brenvoll::drive
