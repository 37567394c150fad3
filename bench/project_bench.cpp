// Project operations on a project of 20 000 rows.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/Ports.h"
#include "project/AddFromCard.h"
#include "project/ProjectFiles.h"
#include "project/ProjectLists.h"
#include "project/Summing.h"
#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Fields.h"

using namespace brenvoll;
using namespace brenvoll::project;
namespace fs = std::filesystem;

namespace {

constexpr int kRows = 20000;
constexpr int kProducts = 20000;

class YesPrompter : public Prompter {
  public:
    void message(std::string_view) override {}
    void error(std::string_view) override {}
    bool ask(std::string_view) override { return true; }
    void beep() override {}
};

std::string codeOf(int k) {
    return "C" + std::to_string(100000 + k);
}

const store::CatalogStore& catalog() {
    static const store::CatalogStore store = [] {
        store::CatalogStore c;
        std::vector<text::TreeLine> tree;
        std::vector<std::string> codes, names, units, lengths, logic;
        const std::string kinds[] = {text::w("Лоток"), text::w("Подвес"), text::w("Метиз"),
                                     text::w("Крышка")};
        for (int k = 0; k < kProducts; ++k) {
            const std::string name = text::w("Изделие номер ") + std::to_string(k);
            tree.push_back({0, name});
            codes.push_back(codeOf(k));
            names.push_back(name);
            units.push_back(k % 4 == 0 ? text::w("М") : text::w("Шт"));
            lengths.push_back("3");
            logic.push_back(text::padRight(codes.back(), 20) + text::padRight(kinds[k % 4], 20));
        }
        c.setTree(tree);
        c.setList(store::List::TV_Cod, codes);
        c.setList(store::List::TV_Name, names);
        c.setList(store::List::TV_Izm, units);
        c.setList(store::List::TV_Dlina, lengths);
        c.setList(store::List::TV_Logik1, logic);
        return c;
    }();
    return store;
}

// Rows of random products (so many repeat), a comment every 50 rows and wizard connector rows.
ProjectLists bigProject() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> product(0, kProducts / 4 - 1);
    ProjectLists p;
    const auto& c = catalog();
    for (int r = 0; r < kRows; ++r) {
        if (r % 50 == 0) {
            p.append(commentRow(text::w("Комментарий ") + std::to_string(r)));
            continue;
        }
        if (r % 97 == 0) {
            p.append(Row{composeDisplayLine("KVD20", "KVD", "2", text::w("Шт")), "KVD20", "517302", "KVD",
                         "2", text::w("Шт"), "9999", ""});
            continue;
        }
        const int k = product(random);
        const std::string& unit = c.Entry(store::List::TV_Izm, k);
        const std::string q = std::to_string(1 + r % 9);
        p.append(Row{composeDisplayLine(codeOf(k), c.caption(k), q, unit), codeOf(k), "1", c.caption(k), q,
                     unit, std::to_string(k), ""});
    }
    return p;
}

void BM_Summing(benchmark::State& state) {
    const ProjectLists source = bigProject();

    for (auto _ : state) {
        state.PauseTiming();
        ProjectLists p = source;
        state.ResumeTiming();
        sumRows(p, catalog());
        benchmark::DoNotOptimize(p.size());
    }
}
BENCHMARK(BM_Summing)->Unit(benchmark::kMillisecond);

// The card's code stands in the project twice: both rows are asked, the last one takes the quantity.
void BM_AddMergeWithDuplicateCheck(benchmark::State& state) {
    ProjectLists p = bigProject();
    p.append(Row{"", codeOf(kProducts - 1), "", "x", "1", text::w("Шт"), "0", ""});
    p.append(Row{"", codeOf(kProducts - 1), "", "x", "1", text::w("Шт"), "0", ""});
    YesPrompter yes;
    const int k = kProducts - 1;
    const CardFields card{
        codeOf(k), "1", catalog().caption(k), catalog().Entry(store::List::TV_Izm, k), std::to_string(k),
        "3",       ""};
    p.rowsWithCode("");  // the index exists after the project was built
    for (auto _ : state) benchmark::DoNotOptimize(addFromCard(p, catalog(), card, yes));
}
BENCHMARK(BM_AddMergeWithDuplicateCheck)->Unit(benchmark::kMicrosecond);

// A paste (which moves every later row, in all eight lists and the index by code) followed by adding a new
// product; fixed iterations, because the project grows by two rows each time.
void BM_PasteThenAddNewRow(benchmark::State& state) {
    ProjectLists p = bigProject();
    YesPrompter yes;
    int serial = 0;
    for (auto _ : state) {
        p.insert(0, commentRow("x"));
        const CardFields card{"NEW" + std::to_string(serial++), "1", "x", text::w("Шт"), "1", "3", ""};
        benchmark::DoNotOptimize(addFromCard(p, catalog(), card, yes));
    }
}
BENCHMARK(BM_PasteThenAddNewRow)->Unit(benchmark::kMicrosecond)->Iterations(300);

// The first addition after an open or a summing builds the index by code.
void BM_FirstAddAfterOpen(benchmark::State& state) {
    const ProjectLists source = bigProject();
    YesPrompter yes;
    const CardFields card{"NEW", "1", "x", text::w("Шт"), "1", "3", ""};
    ProjectLists p;
    for (auto _ : state) {
        state.PauseTiming();
        p.replaceAll(source.lists());
        state.ResumeTiming();
        benchmark::DoNotOptimize(addFromCard(p, catalog(), card, yes));
    }
}
BENCHMARK(BM_FirstAddAfterOpen)->Unit(benchmark::kMicrosecond)->Iterations(100);

fs::path projectsDir() {
    static const fs::path dir = [] {
        std::string pattern = (fs::temp_directory_path() / "brenvoll-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        std::ofstream(fs::path(pattern) / "ListNmPr");
        return fs::path(pattern);
    }();
    return dir;
}

void BM_Save(benchmark::State& state) {
    const ProjectLists p = bigProject();
    const ProjectFiles files(projectsDir());
    for (auto _ : state) files.save("Bench", p);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state) {
    const ProjectFiles files(projectsDir());
    files.save("Bench", bigProject());
    for (auto _ : state) {
        ProjectLists p;
        p.replaceAll(files.load("Bench"));
        benchmark::DoNotOptimize(p.size());
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(projectsDir());
    return 0;
}
