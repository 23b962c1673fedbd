// Engine benchmarks: one solve with its display, and loading a full catalogue.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/solver.h"
#include "core/memory_view.h"
#include "models/model_catalogue.h"

namespace projcalc {
namespace {

ModelRecord benchModel() {
    ModelRecord m;
    m.modelName = "Bench 1";
    m.limits = {30, 300, 30, 300, 30, 300, 30, 300, 30, 300, 30, 300};
    m.wideSizeSlope = 0.8333;
    m.wideSizeIntercept = 1.0;
    m.teleSizeSlope = 0.625;
    m.teleSizeIntercept = -0.5;
    m.wideOffsetCoefficientA = 0.5;
    m.teleOffsetCoefficientA = 0.55;
    m.wideOffsetCoefficientB = 0.1;
    m.teleOffsetCoefficientB = 0.12;
    m.aspectMask = 15;
    m.offsetScale169 = 1.1;
    return m;
}

// One solve from a typed diagonal plus the display of all results, on a 16:9 image at TELE
// (the longest offset path).
void BM_SolveAndShowResults(benchmark::State& bench) {
    CalculatorState state;
    state.modelTable = {benchModel()};
    state.aspectIndex = 2;
    state.aspectWidth = 16;
    state.aspectHeight = 9;
    state.aspectRatio = 16.0 / 9.0;
    state.zoomEnd = 1;
    state.offsetScale169 = 1.1;
    state.wideOffsetCoefficients = {0.5, 0.1};
    state.teleOffsetCoefficients = {0.55, 0.12};
    state.limits = state.modelTable[0].limits;
    bool clamp = false;
    const LimitMessages messages;
    MemoryView view;
    SolverContext context{state, clamp, messages, view};
    double diagonal = 100;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(CalcScreenSize(context, kSolveDiagonal, diagonal));
        showResults(state, view);
        diagonal = diagonal < 250 ? diagonal + 1 : 100;
    }
}
BENCHMARK(BM_SolveAndShowResults);

std::string catalogueText(int models) {
    std::string text = "Name,min,max,...\n";
    for (int i = 0; i < models; ++i) {
        text += "Model " + std::to_string(i) +
                ",30,300,30,300,0.8333,1,0.625,-0.5,0.5,0.55,0.1,0.12,0,15,0,0,"
                "30,300,30,300,30,300,30,300,0.05,0.1,,,0.2,,0.05,0.1,,,,,0.05,0.1,,,,\n";
    }
    return text;
}

void BM_LoadThousandModels(benchmark::State& bench) {
    const std::string text = catalogueText(1000);
    for (auto _ : bench) {
        std::vector<ModelRecord> table;
        benchmark::DoNotOptimize(parseModelCatalogue(text, "ModelInfo.ini", table));
        benchmark::DoNotOptimize(table.data());
    }
    bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadThousandModels)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace projcalc

BENCHMARK_MAIN();
