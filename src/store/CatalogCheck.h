#pragma once
// Consistency check of a catalog folder: what the program would trip over at run time, found in one pass
// (list lengths, page files, logic codes, kit and compatibility files, the wizard's fixed files).
#include <filesystem>
#include <string>
#include <vector>

namespace brenvoll::store {

struct CheckProblem {
    std::string file;  // relative to the catalog root, '/'-separated, UTF-8
    int line = 0;      // 1-based; 0 when the problem is the file as a whole
    std::string what;  // UTF-8
    bool operator==(const CheckProblem&) const = default;
};

// appDir holds the catalog folder 0_TELVA. Problems come in file order: lists, pages, kits, wizard files.
std::vector<CheckProblem> CheckCatalog(const std::filesystem::path& appDir);

}  // namespace brenvoll::store
