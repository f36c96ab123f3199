// One conversion line through parse, convert and format, as the single conversion page runs it.
#include "single_conversion.h"
#include "unit_table.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vemlik;

class DiscardedMessages : public MessageSink {
public:
    void showMessage(std::string_view) override {}
};

void convertLine(benchmark::State& benchmarkState, std::string_view line) {
    DiscardedMessages messages;
    const auto state = std::make_unique<EngineState>();
    initialiseEngine(*state, messages, "/nonexistent/");
    for (auto _ : benchmarkState) {
        benchmark::DoNotOptimize(convertSingleLine(*state, messages, line, ","));
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}

void initialise(benchmark::State& benchmarkState) {
    DiscardedMessages messages;
    const auto state = std::make_unique<EngineState>();
    for (auto _ : benchmarkState) {
        initialiseEngine(*state, messages, "/nonexistent/");
        benchmark::DoNotOptimize(state->rowCount);
    }
}

BENCHMARK_CAPTURE(convertLine, SpeedToSi, "36 km/h");
BENCHMARK_CAPTURE(convertLine, EnglishToMetric, "cm/min 12 ft/hr");
BENCHMARK_CAPTURE(convertLine, HeatTransfer, "154,5 kcal/m2/h/C");
BENCHMARK_CAPTURE(convertLine, FahrenheitToCelsius, "C 100 F");
BENCHMARK_CAPTURE(convertLine, UnknownUnit, "5 xyz/h");
BENCHMARK(initialise);

} // namespace
