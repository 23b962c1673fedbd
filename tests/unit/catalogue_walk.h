#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/units.h"

namespace projcalc {

// One case of a walk through a catalogue: a model (by its row), an aspect it offers, a zoom end
// it has, a unit and a diagonal typed in that unit.
struct WalkCase {
    int row = 0;
    Aspect aspect = Aspect::R4x3;
    Zoom zoom = Zoom::Wide;
    Unit unit = Unit::Inches;
    std::string diagonal;
    std::string name;  // "Orbis 310, 16 : 9, TELE, cm, 762"
};

// Every model x offered aspect x zoom end it has x unit, at the smallest and at the largest
// diagonal the model allows there, written as whole numbers of the unit that lie inside the
// limits. With `sampleEvery` above 1 only every so many cases are kept (the first always).
inline std::vector<WalkCase> catalogueWalk(const std::vector<ModelTraits>& catalogue,
                                           int sampleEvery = 1) {
    static const char* const kUnitSymbols[] = {"in", "ft", "cm"};
    std::vector<WalkCase> cases;
    int counted = 0;
    for (std::size_t row = 0; row < catalogue.size(); ++row) {
        const ModelTraits& model = catalogue[row];
        for (const Aspect aspect : kAllAspects) {
            if (!model.offers(aspect)) continue;
            for (const Zoom zoom : kAllZooms) {
                if (!model.has(zoom)) continue;
                const DiagonalLimitPair limits = model.limits(aspect, zoom);
                for (const Unit unit : kAllUnits) {
                    const double ends[] = {std::ceil(fromInches(limits.smallest, unit) - 1e-9),
                                           std::floor(fromInches(limits.largest, unit) + 1e-9)};
                    for (const double end : ends) {
                        if (counted++ % sampleEvery != 0) continue;
                        WalkCase c{static_cast<int>(row),
                                   aspect,
                                   zoom,
                                   unit,
                                   std::to_string(static_cast<long long>(end)),
                                   ""};
                        c.name = model.record.modelName + ", " +
                                 std::string(nameOf(aspect).caption) + ", " +
                                 std::string(zoomName(zoom)) + ", " + kUnitSymbols[indexOf(unit)] +
                                 ", " + c.diagonal;
                        cases.push_back(std::move(c));
                    }
                }
            }
        }
    }
    return cases;
}

}  // namespace projcalc
