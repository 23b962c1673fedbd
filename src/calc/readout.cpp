#include "calc/readout.h"

#include "calc/offsets.h"
#include "calc/units.h"
#include "util/numbers.h"

namespace projcalc {

std::string lengthText(double inches, Unit unit, Zoom zoom) {
    return formatFixed(roundForDisplay(fromInches(inches, unit), Step::Whole, zoom), 0);
}

std::variant<Readout, AppError> readout(const ModelTraits& model, const Options& options, Unit unit,
                                        const Solution& solution) {
    auto offsets = offsetTexts(model, options, unit, solution.height, solution.distance);
    if (!offsets) {
        return makeError(ErrorCode::Overflow, "the image offsets for the model \"" +
                                                  model.record.modelName +
                                                  "\" are too large to work out");
    }
    Readout r;
    const Zoom zoom = options.zoom;
    r.boxes = {lengthText(solution.distance, unit, zoom), lengthText(solution.diagonal, unit, zoom),
               lengthText(solution.width, unit, zoom), lengthText(solution.height, unit, zoom)};
    r.offsets = std::move(*offsets);
    return r;
}

}  // namespace projcalc
