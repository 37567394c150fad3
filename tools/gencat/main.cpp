// brenvoll-gencat: builds a catalog folder from its readable source (see data/catalog/FORMAT.md).
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Sketches.h"
#include "Source.h"
#include "Synthetic.h"
#include "Writer.h"
#include "text/Cp1251.h"

namespace fs = std::filesystem;

namespace {

int usage() {
    std::cerr << "usage: brenvoll-gencat SOURCE OUT_APP_DIR [--overlay DIR]... [--remove RELPATH]...\n"
                 "       brenvoll-gencat --synthetic N OUT_APP_DIR\n";
    return 2;
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// Files named *.utf8 are test texts written in UTF-8: they land in Windows-1251 without the suffix.
void applyOverlay(const fs::path& overlay, const fs::path& root) {
    for (const auto& entry : fs::recursive_directory_iterator(overlay)) {
        if (!entry.is_regular_file()) continue;
        fs::path target = root / fs::relative(entry.path(), overlay);
        std::string bytes = readBytes(entry.path());
        if (target.extension() == ".utf8") {
            auto converted = brenvoll::text::fromUtf8(bytes);
            if (!converted) throw std::runtime_error(entry.path().string() + ": text outside Windows-1251");
            bytes = *converted;
            target.replace_extension();
        }
        fs::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures are drawn without a screen.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        gencat::QtRenderer renderer;
        if (!args.empty() && args[0] == "--synthetic") {
            if (args.size() != 3) return usage();
            gencat::writeCatalog(gencat::syntheticSource(std::stoi(args[1])), args[2], renderer);
            return 0;
        }
        if (args.size() < 2) return usage();
        const fs::path appDir = args[1];
        std::vector<fs::path> overlays;
        std::vector<std::string> removals;
        for (size_t i = 2; i < args.size(); ++i) {
            if (i + 1 >= args.size()) return usage();
            if (args[i] == "--overlay")
                overlays.push_back(args[++i]);
            else if (args[i] == "--remove")
                removals.push_back(args[++i]);
            else
                return usage();
        }
        gencat::writeCatalog(gencat::readSource(args[0]), appDir, renderer);
        for (const auto& overlay : overlays) applyOverlay(overlay, appDir / "0_TELVA");
        for (const auto& removal : removals) {
            const fs::path target =
                gencat::hostPath(appDir / "0_TELVA", brenvoll::text::fromUtf8Lossy(removal));
            if (!fs::remove(target)) throw std::runtime_error("--remove: no file " + target.string());
        }
    } catch (const std::exception& e) {
        std::cerr << "brenvoll-gencat: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
