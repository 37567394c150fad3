#pragma once
// Shared by the project tests: a small catalog built in memory and a prompter that records and answers.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/Ports.h"
#include "project/ProjectLists.h"
#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Fields.h"

namespace brenvoll::project::fixture {

using text::w;

struct Node {
    int level = 0;
    std::string caption;  // UTF-8
    std::string code;
    std::string unit;    // UTF-8; empty for a heading
    std::string length;  // TV_Dlina, UTF-8
    std::string kind;    // logic columns 21-40, UTF-8
};

inline store::CatalogStore makeCatalog(const std::vector<Node>& nodes) {
    store::CatalogStore catalog;
    std::vector<text::TreeLine> tree;
    std::vector<std::string> codes, names, units, lengths, logic, codes1;
    for (const auto& n : nodes) {
        tree.push_back({n.level, w(n.caption)});
        codes.push_back(n.code);
        codes1.push_back(n.code.empty() ? "" : "1" + n.code);
        names.push_back(w(n.caption));
        units.push_back(w(n.unit));
        lengths.push_back(w(n.length));
        logic.push_back(text::padRight(n.code, 20) + text::padRight(w(n.kind), 20));
    }
    catalog.setTree(tree);
    catalog.setList(store::List::TV_Cod, codes);
    catalog.setList(store::List::TV_Cod1, codes1);
    catalog.setList(store::List::TV_Name, names);
    catalog.setList(store::List::TV_Izm, units);
    catalog.setList(store::List::TV_Dlina, lengths);
    catalog.setList(store::List::TV_Logik1, logic);
    return catalog;
}

// A product row as adding from the card makes it (texts UTF-8 except the code).
inline Row productRow(std::string code, std::string_view name, std::string quantity, std::string_view unit,
                      std::string absIndex, std::string note = "") {
    return Row{composeDisplayLine(code, w(name), quantity, w(unit)),
               code,
               "1" + code,
               w(name),
               quantity,
               w(unit),
               std::move(absIndex),
               w(note)};
}

class RecordingPrompter : public Prompter {
  public:
    void message(std::string_view text) override { messages.push_back(text::toUtf8(text)); }
    void error(std::string_view text) override { errors.push_back(text::toUtf8(text)); }
    bool ask(std::string_view text) override {
        questions.push_back(text::toUtf8(text));
        if (answers.empty()) throw std::logic_error("question without a queued answer");
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }

    std::deque<bool> answers;
    std::vector<std::string> messages, errors, questions;
    int beeps = 0;
};

}  // namespace brenvoll::project::fixture
