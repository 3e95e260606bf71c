// Speed of the core: formatting against a bare std::to_chars, a whole report, a long parse.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "number_text.h"
#include "report.h"

namespace {

// Doubles of the magnitudes a report shows.
std::vector<double> SampleValues() {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-3, 17);
    std::vector<double> values(1024);
    for (double& v : values) {
        v = mantissa(random) * std::pow(10.0, exponent(random));
    }
    return values;
}

void BM_ToCharsGeneral15(benchmark::State& state) {
    const std::vector<double> values = SampleValues();
    std::array<char, 32> buf{};
    std::size_t i = 0;
    for ([[maybe_unused]] auto _ : state) {
        const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), values[i++ & 1023],
                                     std::chars_format::general, 15);
        benchmark::DoNotOptimize(r.ptr);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ToCharsGeneral15);

void BM_FormatNumber(benchmark::State& state) {
    const std::vector<double> values = SampleValues();
    std::size_t i = 0;
    for ([[maybe_unused]] auto _ : state) {
        std::string text = triangle30::FormatNumber(values[i++ & 1023], ",");
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatNumber);

void BM_CalculateBisector(benchmark::State& state) {
    triangle30::StringResultBox box;
    for ([[maybe_unused]] auto _ : state) {
        triangle30::Calculate(5, "2.5", box, ",");
        benchmark::DoNotOptimize(box);
    }
}
BENCHMARK(BM_CalculateBisector);

void BM_ParseMegabyte(benchmark::State& state) {
    const std::string text = "0." + std::string(1 << 20, '7') + " cm";
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(triangle30::ParseNumber(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
