// Loading a 50 000-node catalog: LoadCatalog end to end against reading the same files with cat, the pickers,
// and look-ups by code. A timed tool: prints its figures.
//   load_bench [APP_DIR]   (default: a synthetic catalog made with brenvoll-gencat --synthetic 50000)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/LoadCatalog.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class QuietProgress final : public brenvoll::ProgressSink {
public:
    void status(std::string_view) override {}
    void step() override {}
};

std::uintmax_t catalogBytes(const fs::path& structure) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::directory_iterator(structure))
        if (entry.is_regular_file()) total += entry.file_size();
    return total;
}

}  // namespace

int main(int argc, char* argv[]) {
    fs::path app;
    if (argc > 1) {
        app = argv[1];
    } else {
        app = fs::temp_directory_path() / "brenvoll-bench-50000";
        const fs::path gencat = fs::canonical("/proc/self/exe").parent_path().parent_path() / "tools/gencat/brenvoll-gencat";
        if (!fs::exists(app / "0_TELVA/Structure/FileTreeView")) {
            const std::string command = "QT_QPA_PLATFORM=offscreen '" + gencat.string() + "' --synthetic 50000 '" + app.string() + "' > /dev/null";
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "cannot generate the synthetic catalog with %s\n", gencat.c_str());
                return 1;
            }
        }
    }
    const fs::path structure = app / "0_TELVA/Structure";

    // cat of the same files, twice so that both runs read from the page cache.
    const std::string cat = "cat '" + structure.string() + "'/* > /dev/null";
    std::system(cat.c_str());
    auto start = Clock::now();
    std::system(cat.c_str());
    const double catMs = msSince(start);

    brenvoll::store::CatalogStore store(app);
    brenvoll::search::Pickers pickers;
    QuietProgress progress;
    brenvoll::NoPause noPause;
    start = Clock::now();
    brenvoll::app::LoadCatalog(store, pickers, progress, noPause);
    const double loadMs = msSince(start);

    start = Clock::now();
    const auto& izm = store.list(brenvoll::store::List::TV_Izm);
    auto codes = brenvoll::search::BuildPicker(store.list(brenvoll::store::List::ComBoxCod0), izm, 115);
    auto names = brenvoll::search::BuildPicker(store.list(brenvoll::store::List::ComBoxName0), izm, 45);
    const double pickersMs = msSince(start);

    const auto& tvCod = store.list(brenvoll::store::List::TV_Cod);
    start = Clock::now();
    long found = 0;
    for (int k = 0; k < 10000; ++k) found += store.FindByCode(tvCod[(k * 7919) % tvCod.size()]).has_value();
    const double findMs = msSince(start);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double bytes = static_cast<double>(catalogBytes(structure));
    std::printf("nodes: %d, list files: %.1f MB\n", store.nodeCount(), bytes / 1e6);
    std::printf("cat of the list files: %.1f ms\n", catMs);
    std::printf("LoadCatalog (no pauses, pickers included): %.1f ms, ratio to cat %.2f\n", loadMs, loadMs / catMs);
    std::printf("BuildPickers (both): %.1f ms (%zu codes, %zu names)\n", pickersMs, codes.items.size(), names.items.size());
    std::printf("10000 FindByCode: %.3f ms (%ld found)\n", findMs, found);
    std::printf("peak memory: %.1f MB (%.2f x the catalog's bytes)\n", usage.ru_maxrss / 1024.0,
                usage.ru_maxrss * 1024.0 / bytes);
    return 0;
}
