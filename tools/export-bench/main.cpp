// export-bench [--visible] [ROWS] [RUNS]: starts an office (headless unless --visible) with a profile of its
// own, exports a project of ROWS rows (default 1000) RUNS times (default 5), prints each time, then stops it.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "excel/Export.h"
#include "excel/lo/CalcSpreadsheet.h"
#include "excel/lo/CalcTestSupport.h"
#include "text/Cp1251.h"

namespace fs = std::filesystem;
using namespace brenvoll;

namespace {

std::vector<excel::ExportRow> project(int rows) {
    std::vector<excel::ExportRow> list;
    for (int i = 0; i < rows; ++i) {
        if (i % 25 == 24) {
            list.push_back(
                {"--------", "", text::w("Участок трассы ") + std::to_string(i / 25 + 1), "", "", ""});
            continue;
        }
        const std::string n = std::to_string(i);
        list.push_back({"QZN-" + std::to_string(100 + i % 4 * 100) + ".35", "00" + n,
                        text::w("Лоток прокатный перфорированный, позиция ") + n, text::w("шт"),
                        i % 2 ? "12" : "7,5", i % 3 ? "" : text::w("по месту")});
    }
    return list;
}

double exportSeconds(const excel::CalcOptions& options, const fs::path& cwd,
                     const std::vector<excel::ExportRow>& rows) {
    const auto start = std::chrono::steady_clock::now();
    excel::CalcSpreadsheet sheet(options);
    excel::ExportProject(sheet, cwd, rows);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void closeDocuments(const excel::CalcOptions& options) {
    for (const auto& doc : excel::lo::spreadsheetsForTest(excel::lo::connectForTest(options)))
        excel::lo::closeForTest(doc);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool visible = !args.empty() && args.front() == "--visible";
    if (visible) args.erase(args.begin());
    const int rows = args.size() > 0 ? std::atoi(args[0].c_str()) : 1000;
    const int runs = args.size() > 1 ? std::atoi(args[1].c_str()) : 5;
    char pattern[] = "/tmp/brenvoll-export-bench-XXXXXX";
    const fs::path root = mkdtemp(pattern);
    const fs::path cwd = root / "work";
    fs::create_directories(cwd / "0_TELVA" / "BLANK");
    fs::copy_file(fs::path(BRENVOLL_WORKBOOKS_DIR) / "Spec.xlt", cwd / "0_TELVA" / "BLANK" / "Spec.xlt");

    excel::CalcOptions options;
    options.headless = !visible;
    options.profileDir = root / "profile";
    int status = 0;
    try {
        const double first = exportSeconds(options, cwd, project(3));
        std::printf("office start and a 3-row export: %.2f s\n", first);
        closeDocuments(options);
        const auto list = project(rows);
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            times.push_back(exportSeconds(options, cwd, list));
            std::printf("export of %d rows: %.3f s\n", rows, times.back());
            closeDocuments(options);
        }
        std::sort(times.begin(), times.end());
        if (!times.empty()) std::printf("median: %.3f s\n", times[times.size() / 2]);
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", text::toUtf8(e.message()).c_str());
        status = 1;
    }
    excel::lo::terminateForTest(options);
    fs::remove_all(root);
    return status;
}
