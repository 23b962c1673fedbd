#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"

namespace projcalc {

// One zoom end of a model solved for a known value, whether or not the image lies within the
// model's limits there.
struct EndResult {
    Solution solution;  // offsets included
    bool withinLimits = false;

    friend bool operator==(const EndResult&, const EndResult&) = default;
};

// Both zoom ends of one model (by Zoom). An end is empty when the model has no size line there,
// when its size line has a slope of 0, or when a value of it cannot be worked out (a 16:9 or
// 16:10 image on a panel code without a factor, an overflow): never inf, NaN or a stand-in 0.
using BothEnds = std::array<std::optional<EndResult>, 2>;

// One model's ends for a known value, at the given aspect and mounting.
[[nodiscard]] BothEnds solveBothEnds(const ModelTraits& model, Aspect aspect, Mount mount,
                                     Known known);

// Every model at each zoom end it has, solved for one known value: one entry per model, in
// catalogue order.
[[nodiscard]] std::vector<BothEnds> survey(std::span<const ModelTraits> models, Aspect aspect,
                                           Mount mount, Known known);

}  // namespace projcalc
