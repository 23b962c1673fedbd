#pragma once

#include <array>
#include <optional>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"
#include "calc/survey.h"

namespace projcalc {

// The viewing angles the seats are worked out for: the farthest seat SMPTE EG-18 recommends
// (30°), the farthest THX recommends (36°) and THX's recommended seat (40°).
enum class SeatingAngle : int { Smpte30 = 0, Thx36 = 1, Thx40 = 2 };

inline constexpr std::array<SeatingAngle, 3> kAllSeatingAngles = {
    SeatingAngle::Smpte30, SeatingAngle::Thx36, SeatingAngle::Thx40};

// The angle, in degrees, that the image width spans from the seat.
[[nodiscard]] constexpr double degreesOf(SeatingAngle angle) noexcept {
    return angle == SeatingAngle::Smpte30 ? 30.0 : angle == SeatingAngle::Thx36 ? 36.0 : 40.0;
}

// What an installer plans with, for the selected model, aspect and mounting and the results
// shown. Every length is in inches. An end is empty where the model has no size line, where its
// slope is 0, or where a value cannot be worked out (see solveBothEnds); never inf, NaN or 0.
struct Planning {
    // Both zoom ends solved for the current diagonal: where the lens may stand for this screen,
    // each end with whether the diagonal lies within that end's limits.
    BothEnds throwRange;
    // Both zoom ends solved for the current projection distance: the image each end gives there.
    BothEnds imageRange;
    // The viewing distances at which the image width spans each angle, by SeatingAngle.
    std::array<double, 3> seating{};

    [[nodiscard]] const std::optional<EndResult>& throwAt(Zoom zoom) const noexcept {
        return throwRange[static_cast<std::size_t>(indexOf(zoom))];
    }
    [[nodiscard]] const std::optional<EndResult>& imageAt(Zoom zoom) const noexcept {
        return imageRange[static_cast<std::size_t>(indexOf(zoom))];
    }
    [[nodiscard]] double seatFor(SeatingAngle angle) const noexcept {
        return seating[static_cast<std::size_t>(angle)];
    }

    friend bool operator==(const Planning&, const Planning&) = default;
};

// The distance from which an image `width` inches wide spans `angle`: width / (2 tan(angle / 2)).
[[nodiscard]] double seatingDistance(double width, SeatingAngle angle) noexcept;

// Both zoom ends solved for the solution's diagonal, at the options' aspect and mounting. The
// options' own zoom end, when the model has it, is the solution itself.
[[nodiscard]] BothEnds throwRangeFor(const ModelTraits& model, const Options& options,
                                     const Solution& solution);

// A length at each zoom end, by Zoom; empty where the end has none.
using ZoomLengths = std::array<std::optional<double>, 2>;

// The projection distance of each zoom end.
[[nodiscard]] ZoomLengths distancesOf(const BothEnds& ends) noexcept;

// The throw ratio of a zoom end: its projection distance ÷ the image width; nothing when either
// is not a finite number above 0.
[[nodiscard]] std::optional<double> throwRatio(double distance, double width) noexcept;

// The throw ratio of each end of a throw range (by Zoom) for an image `width` inches wide; empty
// where the end has no distance.
[[nodiscard]] ZoomLengths throwRatiosOf(const BothEnds& throwRange, double width) noexcept;

// The planning read-outs of a solution the calculator keeps (at the options' zoom end both ranges
// hold the solution itself). Nothing when the solution's
// diagonal, distance or width is not a finite number, or a seat lies too far to work out.
[[nodiscard]] std::optional<Planning> planningFor(const ModelTraits& model, const Options& options,
                                                  const Solution& solution);

}  // namespace projcalc
