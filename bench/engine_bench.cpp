// Engine benchmarks: one solve with its read-out, one planning read-out, a survey of a full
// catalogue, and loading one.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/finder.h"
#include "calc/planning.h"
#include "calc/planning_text.h"
#include "calc/readout.h"
#include "calc/solve.h"
#include "calc/survey.h"
#include "calc/throw_table.h"
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

// One solve from a typed diagonal plus the read-out of all results, on a 16:9 image at TELE
// (the longest offset path).
void BM_SolveAndReadout(benchmark::State& bench) {
    const ModelTraits model = traitsOf(benchModel());
    const Options options{Aspect::R16x9, Zoom::Tele, Mount::Bottom};
    double diagonal = 100;
    for (auto _ : bench) {
        const SolveResult result =
            solve(model, options, {Quantity::Diagonal, diagonal}, OnLimit::Reject);
        benchmark::DoNotOptimize(readout(model, options, Unit::Feet, *result.solution()));
        diagonal = diagonal < 250 ? diagonal + 1 : 100;
    }
}
BENCHMARK(BM_SolveAndReadout);

// One full planning read-out as the window shows it after a commit: both zoom ends for the
// screen and for the distance, the seats, and every text of the panel in feet and inches.
void BM_PlanningReadout(benchmark::State& bench) {
    const ModelTraits model = traitsOf(benchModel());
    const Options options{Aspect::R16x9, Zoom::Tele, Mount::Bottom};
    std::vector<Solution> results;
    for (double diagonal = 100; diagonal <= 250; diagonal += 1) {
        results.push_back(
            *solve(model, options, {Quantity::Diagonal, diagonal}, OnLimit::Reject).solution());
    }
    std::size_t i = 0;
    for (auto _ : bench) {
        const std::optional<Planning> planning = planningFor(model, options, results[i]);
        benchmark::DoNotOptimize(planningTexts(planning, Unit::Feet));
        i = i + 1 < results.size() ? i + 1 : 0;
    }
}
BENCHMARK(BM_PlanningReadout);

std::string catalogueText(int models) {
    std::string text = "Name,min,max,...\n";
    for (int i = 0; i < models; ++i) {
        text += "Model " + std::to_string(i) +
                ",30,300,30,300,0.8333,1,0.625,-0.5,0.5,0.55,0.1,0.12,0,15,0,0,"
                "30,300,30,300,30,300,30,300,0.05,0.1,,,0.2,,0.05,0.1,,,,,0.05,0.1,,,,\n";
    }
    return text;
}

// The same catalogue with the light columns: every model rated, TELE for every other one.
std::string litCatalogueText(int models) {
    std::string text = "Name";
    for (int column = 1; column <= 42; ++column)
        text += ",c" + std::to_string(column);
    text += ",Lumens,TeleLumens\n";
    for (int i = 0; i < models; ++i) {
        text += "Model " + std::to_string(i) +
                ",30,300,30,300,0.8333,1,0.625,-0.5,0.5,0.55,0.1,0.12,0,15,0,0,"
                "30,300,30,300,30,300,30,300,0.05,0.1,,,0.2,,0.05,0.1,,,,,0.05,0.1,,,,," +
                std::to_string(1500 + 7 * i) + "," +
                (i % 2 == 0 ? std::to_string(1200 + 5 * i) : "") + "\n";
    }
    return text;
}

std::vector<ModelTraits> thousandModels(bool lit = false) {
    const std::vector<ModelRecord> records =
        parseModelCatalogue(lit ? litCatalogueText(1000) : catalogueText(1000), "ModelInfo.ini")
            .models;
    std::vector<ModelTraits> models;
    for (const ModelRecord& record : records)
        models.push_back(traitsOf(record));
    return models;
}

// Every model of a 1000-model catalogue at both zoom ends, for one screen diagonal.
void BM_SurveyThousandModels(benchmark::State& bench) {
    const std::vector<ModelTraits> models = thousandModels();
    double diagonal = 100;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            survey(models, Aspect::R16x9, Mount::Top, {Quantity::Diagonal, diagonal}));
        diagonal = diagonal < 250 ? diagonal + 1 : 100;
    }
}
BENCHMARK(BM_SurveyThousandModels)->Unit(benchmark::kMicrosecond);

// The models of a 1000-model catalogue that fit a room, as the finder asks on every key press.
void BM_FindModelsThousand(benchmark::State& bench) {
    const std::vector<ModelTraits> models = thousandModels();
    double diagonal = 100;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            modelsThatFit(models, Aspect::R16x9, Mount::Top, diagonal, Room{80, 220}));
        diagonal = diagonal < 250 ? diagonal + 1 : 100;
    }
}
BENCHMARK(BM_FindModelsThousand)->Unit(benchmark::kMicrosecond);

// The same with light: every model's foot-lamberts at both ends, and an "at least 16 fL" filter.
void BM_FindModelsWithLightThousand(benchmark::State& bench) {
    const std::vector<ModelTraits> models = thousandModels(true);
    const FinderLight light{{1.3, 80.0}, 16.0};
    double diagonal = 100;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            modelsThatFit(models, Aspect::R16x9, Mount::Top, diagonal, Room{80, 220}, light));
        diagonal = diagonal < 250 ? diagonal + 1 : 100;
    }
}
BENCHMARK(BM_FindModelsWithLightThousand)->Unit(benchmark::kMicrosecond);

// A throw table of 100 rows.
void BM_ThrowTableHundredRows(benchmark::State& bench) {
    const ModelTraits model = traitsOf(benchModel());
    const std::vector<double> diagonals = steppedDiagonals(30, 297, 2.7);
    for (auto _ : bench)
        benchmark::DoNotOptimize(throwTable(model, Aspect::R16x10, Mount::Bottom, diagonals));
}
BENCHMARK(BM_ThrowTableHundredRows)->Unit(benchmark::kMicrosecond);

void BM_LoadThousandModels(benchmark::State& bench) {
    const std::string text = catalogueText(1000);
    for (auto _ : bench) {
        CatalogueRead read = parseModelCatalogue(text, "ModelInfo.ini");
        benchmark::DoNotOptimize(read.models.data());
    }
    bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadThousandModels)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace projcalc

BENCHMARK_MAIN();
