#pragma once
// Shared state of the catalog check's passes (CatalogCheck.cpp, CatalogCheckWizard.cpp).
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/CatalogCheck.h"
#include "store/CatalogStore.h"

namespace brenvoll::store::check {

class Checker {
  public:
    explicit Checker(const std::filesystem::path& appDir) : store(appDir) {}

    CatalogStore store;
    std::vector<CheckProblem> problems;

    // relative: backslash-separated Windows-1251 catalog path. Texts of problems are UTF-8.
    void report(const std::string& relative, int line, const std::string& what);
    // Reports a missing file once, with the first reason that needed it.
    bool requireFile(const std::string& relative, const std::string& neededBy);
    bool fileExists(const std::string& relative);
    // A kit or compatibility list; none (and reported) when it cannot be read.
    const std::vector<std::string>* kitFile(const std::string& relative, const std::string& neededBy);

    // The product whose logic code (columns 1-20) equals code, last match wins.
    std::optional<int> byLogicCode(const std::string& code) const;
    std::string field(int k, int first, int width) const { return store.LogicField(k, first, width); }
    std::string code(int k) const { return store.Entry(List::TV_Cod, k); }

    std::unordered_map<std::string, int> lastByLogicCode;

  private:
    std::map<std::string, bool> exists_;
    std::map<std::string, std::optional<std::vector<std::string>>> kits_;
    std::set<std::string> reportedMissing_;
};

std::string kitEntryCode(const std::string& entry);
// "Structure\Krep\X" as "Structure/Krep/X" in UTF-8, for messages.
std::string shown(const std::string& relative);

void checkWizardFiles(Checker& checker);

}  // namespace brenvoll::store::check
