#pragma once

#include <optional>
#include <string>

#include "models/model_record.h"

namespace projcalc {

// Why the calculator cannot work with a model's values.
enum class ModelValueProblemKind {
    NoNumber,        // a field the model needs holds text with no number at all
    NotFinite,       // a value is infinite or not a number
    LimitNotAbove0,  // a diagonal limit of an offered aspect is 0 or negative
    LimitsReversed,  // the smallest diagonal of an offered aspect is above the largest
    SlopeNotAbove0,  // the size line of a zoom end in use does not grow with the distance
};

// One value a model cannot be used with: the catalogue column (1 to 42) it comes from and why,
// in English.
struct ModelValueProblem {
    ModelValueProblemKind kind = ModelValueProblemKind::NoNumber;
    int column = 0;
    std::string reason;

    friend bool operator==(const ModelValueProblem&, const ModelValueProblem&) = default;
};

// Whether a zoom end (0 WIDE, 1 TELE) is in use: its size line is not all zero.
[[nodiscard]] bool zoomEndInUse(const ModelRecord& model, int zoomEnd) noexcept;

// Whether the model offers an aspect group: its mask offers 4:3 or 5:4 (which uses the 4:3
// limits), 16:9, or 16:10.
[[nodiscard]] bool offersGroup(const ModelRecord& model, AspectGroup group) noexcept;

// Whether the model uses the value of a catalogue column: limits and offset ratios only for an
// aspect group it offers at a zoom end in use, every other column always.
[[nodiscard]] bool columnInUse(const ModelRecord& model, int column) noexcept;

// The first value of a model the calculator cannot work with, or nothing when every value is
// usable: every value in use is finite; for each aspect group offered at each zoom end in use,
// both limits are above 0, the smallest is not above the largest, and the zoom end's slope is
// above 0. Limits of aspects the model does not offer are not looked at.
[[nodiscard]] std::optional<ModelValueProblem> checkModelValues(const ModelRecord& model);

}  // namespace projcalc
