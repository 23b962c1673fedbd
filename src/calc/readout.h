#pragma once

#include <array>
#include <string>
#include <variant>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"
#include "util/errors.h"

namespace projcalc {

// What the value and offset boxes show for a solution.
struct Readout {
    std::array<std::string, 4> boxes;    // by Quantity: distance, diagonal, width, height
    std::array<std::string, 2> offsets;  // offset A, offset B

    friend bool operator==(const Readout&, const Readout&) = default;
};

// A length in whole units of the selected unit, rounded by the zoom end's rule.
[[nodiscard]] std::string lengthText(double inches, Unit unit, Zoom zoom);

// The box texts of a solution: every length in whole units of the selected unit, rounded by the
// zoom end's rule; the offsets worked out again from the shown height (see offsetTexts). An error
// when an offset is not a finite number.
[[nodiscard]] std::variant<Readout, AppError> readout(const ModelTraits& model,
                                                      const Options& options, Unit unit,
                                                      const Solution& solution);

}  // namespace projcalc
