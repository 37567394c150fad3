// Parsing a large catalog page: formatted Cyrillic paragraphs as Windows editors write them, and tables.
#include <benchmark/benchmark.h>

#include <string>

#include "browser/RtfReader.h"
#include "text/Cp1251.h"

namespace {

using brenvoll::text::w;

// Cyrillic as \'hh escapes, the way \ansicpg1251 pages carry it.
std::string escaped(std::string_view utf8) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : w(utf8)) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += "\\'";
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::string makePage(size_t size) {
    const std::string words[] = {escaped("Лоток"),       escaped("прокатный"),   escaped("оцинкованный"),
                                 escaped("крышка"),      escaped("соединитель"), escaped("подвес"),
                                 escaped("шпилька"),     escaped("консоль"),     escaped("толщина"),
                                 escaped("длина секции")};
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}"
        "{\\f1\\froman\\fcharset204 Times New "
        "Roman;}}{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}}\r\n";
    for (int n = 0; rtf.size() < size; ++n) {
        if (n % 25 == 24) {
            for (int row = 0; row < 6; ++row) {
                rtf += "\\trowd\\cellx2000\\cellx6000\\cellx8000\r\n";
                for (int cell = 0; cell < 3; ++cell)
                    rtf += "\\pard\\intbl\\f0\\fs18 " + words[(row + cell) % 10] + " " +
                           std::to_string(row * 50) + "\\cell ";
                rtf += "\\row\r\n";
            }
        }
        rtf += "\\pard\\qj\\fi360\\sa120\\f1\\fs20 ";
        for (int k = 0; k < 12; ++k) {
            const std::string& word = words[(n + k) % 10];
            if (k % 5 == 1) {
                rtf += "{\\b " + word + "} ";
            } else if (k % 5 == 3) {
                rtf += "{\\i\\cf2 " + word + "}, ";
            } else {
                rtf += word + " ";
            }
        }
        rtf += "\\u8212\\'97 " + escaped("размеры в мм.") + "\\par\r\n";
    }
    return rtf + "}";
}

void BM_ParseCatalogPage(benchmark::State& state) {
    const std::string page = makePage(200 * 1024);
    for (auto _ : state) {
        auto doc = brenvoll::browser::parseRtf(page);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
    state.counters["page_kb"] = static_cast<double>(page.size()) / 1024.0;
}
BENCHMARK(BM_ParseCatalogPage)->Unit(benchmark::kMillisecond);

void BM_PlainLines(benchmark::State& state) {
    const auto doc = brenvoll::browser::parseRtf(makePage(200 * 1024));
    for (auto _ : state) benchmark::DoNotOptimize(brenvoll::browser::plainLines(doc));
}
BENCHMARK(BM_PlainLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
