#include "calc/survey.h"

#include <cmath>

#include "calc/offsets.h"
#include "calc/size_line.h"

namespace projcalc {
namespace {

// 16:9 and 16:10 images are sized through the factor of the model's panel code; without one,
// every length of such an image would come out as a stand-in 0.
bool sizesAspect(const ModelRecord& model, Aspect aspect) noexcept {
    switch (aspect) {
        case Aspect::R16x9:
            return panelFactor169(model.panelAspect).has_value();
        case Aspect::R16x10:
            return panelFactor1610(model.panelAspect).has_value();
        case Aspect::R4x3:
        case Aspect::R5x4:
            break;
    }
    return true;
}

}  // namespace

BothEnds solveBothEnds(const ModelTraits& model, Aspect aspect, Mount mount, Known known) {
    BothEnds ends;
    if (!sizesAspect(model.record, aspect)) return ends;
    for (const Zoom zoom : kAllZooms) {
        // A size line of slope 0 gives the same image at every distance: not a throw to plan with.
        const double slope =
            zoom == Zoom::Wide ? model.record.wideSizeSlope : model.record.teleSizeSlope;
        if (!model.has(zoom) || slope == 0.0) continue;
        const Options options{aspect, zoom, mount};
        auto image = imageFor(model, options, known);
        auto* solution = std::get_if<Solution>(&image);
        if (solution == nullptr) continue;
        const auto [a, b] = offsetsFor(model, options, solution->height, solution->distance);
        if (!std::isfinite(a) || !std::isfinite(b)) continue;
        solution->offsetA = a;
        solution->offsetB = b;
        ends[static_cast<std::size_t>(indexOf(zoom))] =
            EndResult{*solution, !limitCrossed(model, options, solution->diagonal)};
    }
    return ends;
}

std::vector<BothEnds> survey(std::span<const ModelTraits> models, Aspect aspect, Mount mount,
                             Known known) {
    std::vector<BothEnds> rows;
    rows.reserve(models.size());
    for (const ModelTraits& model : models)
        rows.push_back(solveBothEnds(model, aspect, mount, known));
    return rows;
}

}  // namespace projcalc
