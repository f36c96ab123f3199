// One conversion line through parse, convert and format, as the single conversion page runs it.
#include "single_conversion.h"
#include "unit_table.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vemlik;

void convertLine(benchmark::State& benchmarkState, std::string_view line) {
    DiscardingSink messages;
    const auto units = std::make_unique<UnitTable>();
    fillBuiltInUnits(*units);
    OperandState operands;
    for (auto _ : benchmarkState) {
        benchmark::DoNotOptimize(convertSingleLine(*units, operands, messages, line, ","));
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}

void initialise(benchmark::State& benchmarkState) {
    const auto units = std::make_unique<UnitTable>();
    for (auto _ : benchmarkState) {
        fillBuiltInUnits(*units);
        benchmark::DoNotOptimize(units->rowCount);
    }
}

BENCHMARK_CAPTURE(convertLine, SpeedToSi, "36 km/h");
BENCHMARK_CAPTURE(convertLine, EnglishToMetric, "cm/min 12 ft/hr");
BENCHMARK_CAPTURE(convertLine, HeatTransfer, "154,5 kcal/m2/h/C");
BENCHMARK_CAPTURE(convertLine, FahrenheitToCelsius, "C 100 F");
BENCHMARK_CAPTURE(convertLine, UnknownUnit, "5 xyz/h");
BENCHMARK(initialise);

} // namespace
