// The diagrams after a typed value: the whole commit (the transition with the front view's refit,
// then present's Screen with both scenes) with both scenes painted offscreen by SceneViews, as
// the window does after every commit. Runs on the shipped catalogue and texts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <string>
#include <utility>

#include "core/calculator.h"
#include "core/memory_view.h"
#include "ui/scene_view.h"

namespace projcalc {
namespace {

// An in-memory view that paints every scene it is shown into an image, through a SceneView of
// the picture box's size.
class PaintingView : public MemoryView {
  public:
    PaintingView() {
        for (const DiagramId id : {DiagramId::Front, DiagramId::Side}) {
            const Size size = id == DiagramId::Front ? sizes.front.picture : sizes.side.picture;
            Picture& picture = pictureOf(id);
            picture.view.resize(size.width, size.height);
            picture.image = QImage(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
        }
    }

    void show(const Screen& shown) override {
        MemoryView::show(shown);
        if (!painting) return;
        for (const auto& [diagram, scene] :
             {std::pair{DiagramId::Front, &shown.front}, std::pair{DiagramId::Side, &shown.side}}) {
            Picture& picture = pictureOf(diagram);
            picture.view.setScene(*scene);
            QPainter painter(&picture.image);
            picture.view.paintScene(painter);
        }
    }

    bool painting = true;

  private:
    struct Picture {
        ui::SceneView view;
        QImage image;
    };
    Picture& pictureOf(DiagramId id) { return pictures_[id == DiagramId::Front ? 0 : 1]; }

    std::array<Picture, 2> pictures_;
};

// Commits a new diagonal each round, alternating between two sizes so that every commit solves
// and redraws.
void runCommits(benchmark::State& bench, bool painting) {
    PaintingView view;
    view.painting = painting;
    Calculator calculator(view);
    if (!calculator.startUp(PROJCALC_SOURCE_DIR "/data")) {
        bench.SkipWithError("the shipped data folder does not start the calculator");
        return;
    }
    const std::array<std::string, 2> diagonals = {"100", "120"};
    std::size_t round = 0;
    for (auto _ : bench)
        (void)calculator.commit(Quantity::Diagonal, diagonals[round++ % 2]);
    if (view.screen.front.items.empty() || view.screen.side.items.empty()) {
        bench.SkipWithError("a diagram was not drawn");
    }
}

void BM_CommitChainPaintingBothViews(benchmark::State& bench) {
    runCommits(bench, true);
}
BENCHMARK(BM_CommitChainPaintingBothViews)->Unit(benchmark::kMicrosecond);

void BM_CommitChainScenesOnly(benchmark::State& bench) {
    runCommits(bench, false);
}
BENCHMARK(BM_CommitChainScenesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace projcalc

int main(int argc, char** argv) {
    // Painting needs a platform; offscreen unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
