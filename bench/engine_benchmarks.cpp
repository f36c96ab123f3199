// One conversion line through parse, convert and format, as the single conversion page runs it.
#include "vemlik/engine.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vemlik;

void convertLine(benchmark::State& benchmarkState, std::string_view line) {
    DiscardingSink messages;
    Engine engine;
    for (auto _ : benchmarkState) {
        benchmark::DoNotOptimize(engine.convertLine(line, ",", messages));
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}

void startEngine(benchmark::State& benchmarkState) {
    for (auto _ : benchmarkState) {
        Engine engine;
        benchmark::DoNotOptimize(engine.counts());
    }
}

BENCHMARK_CAPTURE(convertLine, SpeedToSi, "36 km/h");
BENCHMARK_CAPTURE(convertLine, EnglishToMetric, "cm/min 12 ft/hr");
BENCHMARK_CAPTURE(convertLine, HeatTransfer, "154,5 kcal/m2/h/C");
BENCHMARK_CAPTURE(convertLine, FahrenheitToCelsius, "C 100 F");
BENCHMARK_CAPTURE(convertLine, UnknownUnit, "5 xyz/h");
BENCHMARK(startEngine);

} // namespace
