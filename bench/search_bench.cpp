// The keyword search on a 50 000-node catalog filled in memory: a listing search in each area (goal: under
// 10 ms) and one press of the stepping search (goal: under 1 ms), the worst press being a scan to the end.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "browser/CatalogBrowser.h"
#include "search/KeywordSearch.h"
#include "store/CatalogStore.h"
#include "text/Cp1251.h"

namespace {

using namespace brenvoll;
using store::List;
using text::w;

constexpr int kNodes = 50000;

class NoPage final : public browser::PageLoader {
  public:
    void loadText(const std::string&) override {}
    void loadPicture(int, const std::string&) override {}
};

class SilentPrompter final : public Prompter {
  public:
    void message(std::string_view) override {}
    void error(std::string_view) override {}
    bool ask(std::string_view) override { return false; }
    void beep() override {}
};

// Sections of 12 pages of 24 products, with names and codes of realistic length.
const store::CatalogStore& catalog() {
    static const store::CatalogStore store = [] {
        store::CatalogStore s;
        const char* units[] = {"Шт", "Шт", "М", "Шт", "Рул", "Шт", "Шт"};
        std::vector<text::TreeLine> tree;
        std::vector<std::string> codes, codes1, names, unitList, counts, paths;
        int pages = 0, products = 0;
        for (int k = 0; k < kNodes; ++k) {
            std::string caption, code, code1, unit;
            int level = 2;
            const std::string number = std::to_string(100000 + k);
            if (k == 0 || (products >= 24 && pages >= 12)) {
                level = 0;
                caption = w("Раздел каталога номер ") + std::to_string(k);
                pages = 0;
                products = 24;
            } else if (products >= 24) {
                level = 1;
                caption = w("Страница с описанием группы изделий ") + std::to_string(k);
                ++pages;
                products = 0;
            } else {
                caption = w("Изделие кабеленесущей системы оцинкованное, типоразмер ") + number;
                code = "SYN-" + number + (k % 3 ? ".35" : ".60-HDZ");
                code1 = std::to_string(500000 + k);
                unit = w(units[k % 7]);
                ++products;
            }
            tree.push_back({level, caption});
            codes.push_back(code);
            codes1.push_back(code1);
            names.push_back(caption);
            unitList.push_back(unit);
            counts.push_back("1");
            paths.push_back("BLANK\\Text_BLANK.rtf");
        }
        s.setTree(tree);
        s.setList(List::TV_Cod, codes);
        s.setList(List::TV_Cod1, codes1);
        s.setList(List::TV_Name, names);
        s.setList(List::TV_Izm, unitList);
        s.setList(List::TV_N_Pict, counts);
        for (int tab = 0; tab < 6; ++tab) {
            s.setList(static_cast<List>(static_cast<int>(List::TV_Path_T1) + tab), paths);
            s.setList(static_cast<List>(static_cast<int>(List::TV_Path_P1) + tab), paths);
        }
        return s;
    }();
    return store;
}

struct Fixture {
    NoPage loader;
    SilentPrompter prompter;
    browser::Browser browser{catalog(), loader};
    search::Pickers pickers;
    search::Search search{catalog(), browser, pickers, prompter};
    Fixture(search::Area area, search::Mode mode, const std::string& keyword) {
        search.SetArea(area);
        search.SetMode(mode);
        search.SetKeyword(keyword);
    }
};

const char* kAreaNames[] = {"Название", "Артикул", "Код"};

// Keywords that find thousands of products, so that the list is long: a row is built per hit.
std::string frequentKeyword(search::Area area) {
    switch (area) {
        case search::Area::Name:
            return w("ТИПОРАЗМЕР 12");  // capitals: the case is folded
        case search::Area::Code:
            return "hdz";
        case search::Area::Code1:
            return "53";
    }
    return {};
}

// Every product's name holds it: the longest list there is.
void BM_ListingSearchEveryProduct(benchmark::State& state) {
    Fixture f(search::Area::Name, search::Mode::Listing, w("изделие"));
    f.search.SearchKeyword();
    for (auto _ : state) {
        f.search.SearchKeyword();
        benchmark::DoNotOptimize(f.search.TV_Poisk().size());
    }
    state.SetLabel(std::to_string(f.search.TV_Poisk().size()) + " rows");
}
BENCHMARK(BM_ListingSearchEveryProduct)->Unit(benchmark::kMillisecond);

void BM_ListingSearch(benchmark::State& state) {
    const auto area = static_cast<search::Area>(state.range(0));
    Fixture f(area, search::Mode::Listing, frequentKeyword(area));
    f.search.SearchKeyword();  // the first search folds the area once
    for (auto _ : state) {
        f.search.SearchKeyword();
        benchmark::DoNotOptimize(f.search.TV_Poisk().size());
    }
    state.SetLabel(std::string(text::toUtf8(w(kAreaNames[state.range(0)]))) + ", " +
                   std::to_string(f.search.TV_Poisk().size()) + " rows");
}
BENCHMARK(BM_ListingSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One press that finds the next hit; the search starts again from the top when it reaches the end.
void BM_SteppingPressToNextHit(benchmark::State& state) {
    Fixture f(search::Area::Name, search::Mode::Stepping, w("типоразмер 149"));
    for (auto _ : state) {
        f.search.SearchKeyword();
        if (f.search.SeqSearchPos() > kNodes) f.search.RestartStepping();
    }
}
BENCHMARK(BM_SteppingPressToNextHit)->Unit(benchmark::kMicrosecond);

// The slowest press: nothing matches, so it examines every entry of the area.
void BM_SteppingPressWithoutHit(benchmark::State& state) {
    const auto area = static_cast<search::Area>(state.range(0));
    Fixture f(area, search::Mode::Stepping, w("нет такого"));
    f.search.SearchKeyword();
    for (auto _ : state) {
        f.search.RestartStepping();
        f.search.SearchKeyword();
    }
    state.SetLabel(text::toUtf8(w(kAreaNames[state.range(0)])));
}
BENCHMARK(BM_SteppingPressWithoutHit)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The same scan with a one-letter keyword, which the index cannot skip by whole words.
void BM_SteppingPressOneLetterNoHit(benchmark::State& state) {
    Fixture f(search::Area::Code, search::Mode::Stepping, "q");
    f.search.SearchKeyword();
    for (auto _ : state) {
        f.search.RestartStepping();
        f.search.SearchKeyword();
    }
}
BENCHMARK(BM_SteppingPressOneLetterNoHit)->Unit(benchmark::kMicrosecond);

// A keyword made only of letters that fill every name, found nowhere: each of their places is compared.
void BM_SteppingPressCommonLettersNoHit(benchmark::State& state) {
    Fixture f(search::Area::Name, search::Mode::Stepping, w("ое ие"));
    f.search.SearchKeyword();
    for (auto _ : state) {
        f.search.RestartStepping();
        f.search.SearchKeyword();
    }
}
BENCHMARK(BM_SteppingPressCommonLettersNoHit)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
