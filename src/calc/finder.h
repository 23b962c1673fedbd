#pragma once

#include <span>
#include <vector>

#include "calc/light.h"
#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/survey.h"

namespace projcalc {

// The stretch of a room, in inches from the screen, where the projector may stand.
struct Room {
    double nearest = 0.0;
    double farthest = 0.0;
};

// A model that can throw the screen from somewhere in the room.
struct FittingModel {
    int model = 0;           // its index in the catalogue
    BothEnds ends;           // both zoom ends solved for the screen's diagonal
    double standFrom = 0.0;  // where in the room it can stand, in inches
    double standTo = 0.0;
    // The light of each end on the screen (by Zoom): empty without lumens or without that end.
    EndFootLamberts footLamberts{};

    friend bool operator==(const FittingModel&, const FittingModel&) = default;
};

// What the finder works the light out with, and the least it asks for.
struct FinderLight {
    LightSettings settings;
    // With a value above 0, a model fits only when some end that counts reaches this many
    // foot-lamberts (a model without lumens never does).
    double minimumFootLamberts = 0.0;
};

// Whether an end of a model counts for a screen: the end exists, its distance can be worked out
// and the diagonal lies within that end's limits.
[[nodiscard]] bool endCounts(const std::optional<EndResult>& end) noexcept;

// Where one model can throw a screen of the given diagonal and aspect from within the room, or
// nothing. The model must offer the aspect. With both ends counting, the projector can stand
// anywhere between their two distances; with one, only at that distance; with none, nowhere. The
// model fits when that place overlaps the room; the overlap is where it can stand, and, with a
// light minimum, some end that counts reaches it.
[[nodiscard]] std::optional<FittingModel> fitOf(const ModelTraits& model, int index, Aspect aspect,
                                                Mount mount, double diagonal, Room room,
                                                const FinderLight& light = {});

// Every model of the catalogue that fits, in catalogue order.
[[nodiscard]] std::vector<FittingModel> modelsThatFit(std::span<const ModelTraits> models,
                                                      Aspect aspect, Mount mount, double diagonal,
                                                      Room room, const FinderLight& light = {});

}  // namespace projcalc
