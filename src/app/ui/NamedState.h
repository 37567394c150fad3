#pragma once
// Lists, variables and labels-as-state that the logic holds without a window, by the names users and scenario
// scripts know them by.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace brenvoll::ui {

class NamedState {
public:
    using ListSource = std::function<std::vector<std::string>()>;  // Windows-1251 entries
    using ValueSource = std::function<std::string()>;              // Windows-1251 text

    void addList(const std::string& name, ListSource source) { lists_[name] = std::move(source); }
    void addValue(const std::string& name, ValueSource source) { values_[name] = std::move(source); }

    const ListSource* list(const std::string& name) const {
        auto it = lists_.find(name);
        return it == lists_.end() ? nullptr : &it->second;
    }
    const ValueSource* value(const std::string& name) const {
        auto it = values_.find(name);
        return it == values_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, ListSource> lists_;
    std::map<std::string, ValueSource> values_;
};

}  // namespace brenvoll::ui
