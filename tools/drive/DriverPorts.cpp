#include "DriverPorts.h"

#include <cstdio>

#include "text/Cp1251.h"

namespace brenvoll::drive {

void printLine(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PrintingPrompter::message(std::string_view text) { printLine("message: " + text::toUtf8(text)); }

void PrintingPrompter::error(std::string_view text) { printLine("error: " + text::toUtf8(text)); }

bool PrintingPrompter::ask(std::string_view text) {
    // A Yes/No box has no Cancel: a queued "cancel" is a script error.
    return answerFor(text, false) == Answer::Yes;
}

Prompter::Answer PrintingPrompter::askYesNoCancel(std::string_view text) { return answerFor(text, true); }

Prompter::Answer PrintingPrompter::answerFor(std::string_view text, bool cancelAllowed) {
    if (answers_.empty() || (!cancelAllowed && answers_.front() == Answer::Cancel)) {
        if (onScriptError) onScriptError("a question with no queued answer: " + text::toUtf8(text));
        return Answer::No;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    const char* said = answer == Answer::Yes ? " -> yes" : answer == Answer::No ? " -> no" : " -> cancel";
    printLine("question: " + text::toUtf8(text) + said);
    return answer;
}

void PrintingPrompter::beep() { printLine("beep"); }

void PrintingProgress::status(std::string_view text) { printLine("status: " + text::toUtf8(text)); }

void PrintingProgress::step() { printLine("progress: " + std::to_string(++steps_) + "/8"); }

}  // namespace brenvoll::drive
