// brenvoll-check: reports what in a catalog folder the program would trip over.
#include <filesystem>
#include <iostream>

#include "store/CatalogCheck.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr
            << "usage: brenvoll-check CATALOG_APP_DIR   (the folder holding 0_TELVA, or 0_TELVA itself)\n";
        return 2;
    }
    fs::path dir = argv[1];
    // Accept the catalog folder itself as well as the program's folder that holds it.
    if (!fs::is_directory(dir / "0_TELVA") && fs::is_directory(dir / "Structure")) {
        dir = fs::absolute(dir).lexically_normal();
        if (dir.filename().empty()) dir = dir.parent_path();
        if (dir.filename() != "0_TELVA") {
            std::cerr << "brenvoll-check: the catalog folder must be named 0_TELVA: " << dir.string() << "\n";
            return 2;
        }
        dir = dir.parent_path();
    }
    if (!fs::is_directory(dir / "0_TELVA")) {
        std::cerr << "brenvoll-check: no catalog folder 0_TELVA in " << dir.string() << "\n";
        return 2;
    }
    const auto problems = brenvoll::store::CheckCatalog(dir);
    for (const auto& p : problems) std::cout << p.file << ":" << p.line << ": " << p.what << "\n";
    if (!problems.empty()) std::cerr << problems.size() << " problem(s)\n";
    return problems.empty() ? 0 : 1;
}
