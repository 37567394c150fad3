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
    if (answers_.empty()) {
        if (onScriptError) onScriptError("a question with no queued answer: " + text::toUtf8(text));
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    printLine("question: " + text::toUtf8(text) + (yes ? " -> yes" : " -> no"));
    return yes;
}

void PrintingPrompter::beep() { printLine("beep"); }

void PrintingProgress::status(std::string_view text) { printLine("status: " + text::toUtf8(text)); }

void PrintingProgress::step() { printLine("progress: " + std::to_string(++steps_) + "/8"); }

}  // namespace brenvoll::drive
