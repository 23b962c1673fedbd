#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/options.h"
#include "calc/planning.h"

namespace projcalc {

// What the planning panel shows where a value does not exist: an end the model lacks, or no
// results at all.
inline constexpr const char* kNoPlanningValue = "\u2014";

// A planning length in the selected unit with its unit sign, rounded half up at either zoom end
// (halves away from zero, so a length and its negative read alike): feet as feet and whole inches
// with 12″ carried into the feet ("12′ 4″"), inches and centimetres to one decimal ("148.5″",
// "377.2 cm"). kNoPlanningValue for a value that is not a finite number.
[[nodiscard]] std::string planningLengthText(double inches, Unit unit);

// One zoom end of a planning row as the panel shows it.
struct PlanningEndText {
    std::string value = kNoPlanningValue;
    bool outsideLimits = false;  // the end exists and its diagonal lies outside its limits

    friend bool operator==(const PlanningEndText&, const PlanningEndText&) = default;
};

// Every text of the planning panel, each end by Zoom and each seat by SeatingAngle.
struct PlanningTexts {
    std::array<PlanningEndText, 2> throwDistance;
    std::array<PlanningEndText, 2> imageDiagonal;
    std::array<std::string, 3> seating = {kNoPlanningValue, kNoPlanningValue, kNoPlanningValue};

    friend bool operator==(const PlanningTexts&, const PlanningTexts&) = default;
};

// The panel's texts for a planning read-out in the selected unit; every value kNoPlanningValue
// when there is none.
[[nodiscard]] PlanningTexts planningTexts(const std::optional<Planning>& planning, Unit unit);

}  // namespace projcalc
