#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/light.h"
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

// A throw ratio as the panel shows it, two decimals: "1.52 : 1"; kNoPlanningValue without one.
[[nodiscard]] std::string throwRatioText(const std::optional<double>& ratio);

// The light of a zoom end as the panel shows it: `pattern` with "%1" the foot-lamberts to one
// decimal, "%2" the nits whole and "%3" the rating's words (`ratingWords` by LightRating);
// kNoPlanningValue for an end without a figure.
[[nodiscard]] std::string lightEndText(const std::optional<EndLight>& light,
                                       std::string_view pattern,
                                       const std::array<std::string, 5>& ratingWords);

}  // namespace projcalc
