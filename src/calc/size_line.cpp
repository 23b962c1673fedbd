#include "calc/size_line.h"

#include <cmath>

namespace projcalc {

std::optional<double> panelFactor169(int panelAspect) noexcept {
    switch (panelAspect) {
        case kPanel4x3:
            return 0.9178779878760819;
        case kPanel16x9:
            return 1.223837317;
        case kPanel16x10:
            return 1.1014535847073097;
        default:
            return std::nullopt;
    }
}

std::optional<double> panelFactor1610(int panelAspect) noexcept {
    switch (panelAspect) {
        case kPanel4x3:
            return 0.9433981132113207;
        case kPanel16x9:
            return 0.972948721;
        case kPanel16x10:
            return 1.132077736;
        default:
            return std::nullopt;
    }
}

bool hasSizeLine(const ModelRecord& model, Zoom zoom) noexcept {
    return zoom == Zoom::Wide ? model.wideSizeSlope != 0.0 || model.wideSizeIntercept != 0.0
                              : model.teleSizeSlope != 0.0 || model.teleSizeIntercept != 0.0;
}

double referenceDiagonal(const ModelRecord& model, Zoom zoom, double distance) noexcept {
    if (zoom == Zoom::Wide) return model.wideSizeSlope * distance + model.wideSizeIntercept;
    return model.teleSizeSlope * distance + model.teleSizeIntercept;
}

double diagonalFromDistance(const ModelRecord& model, double distance, Zoom zoom,
                            Aspect aspect) noexcept {
    const double r = referenceDiagonal(model, zoom, distance);
    switch (aspect) {
        case Aspect::R4x3:
            return r;
        case Aspect::R5x4:
            // The 5:4 image is as high as the 4:3 one.
            return (r / 5 * 3) / 4.0 * std::sqrt(std::pow(5.0, 2.0) + std::pow(4.0, 2.0));
        case Aspect::R16x9:
            return r * panelFactor169(model.panelAspect).value_or(0);
        case Aspect::R16x10:
            return r * panelFactor1610(model.panelAspect).value_or(0);
    }
    return 0.0;
}

std::variant<double, AppError> distanceFromDiagonal(const ModelRecord& model, double diagonal,
                                                    Zoom zoom, Aspect aspect) {
    double r = 0.0;
    switch (aspect) {
        case Aspect::R4x3:
            r = diagonal;
            break;
        case Aspect::R5x4:
            r = std::sin(std::atan(1.0 / (5.0 / 4.0))) * diagonal / 3 * 5;
            break;
        case Aspect::R16x9:
        case Aspect::R16x10: {
            const std::optional<double> factor = aspect == Aspect::R16x9
                                                     ? panelFactor169(model.panelAspect)
                                                     : panelFactor1610(model.panelAspect);
            if (!factor) return 0.0;
            r = diagonal / *factor;
            break;
        }
    }
    const bool wide = zoom == Zoom::Wide;
    const double slope = wide ? model.wideSizeSlope : model.teleSizeSlope;
    const double intercept = wide ? model.wideSizeIntercept : model.teleSizeIntercept;
    if (slope == 0.0) {
        return makeError(ErrorCode::DivisionByZero,
                         "the model \"" + model.modelName + "\" has no size line at " +
                             std::string(zoomName(zoom)) +
                             " (its slope is 0), so no projection distance can be worked out");
    }
    const double distance = (r - intercept) / slope;
    if (!std::isfinite(distance)) {
        return makeError(ErrorCode::Overflow, "the projection distance for the model \"" +
                                                  model.modelName + "\" is too large to work out");
    }
    return distance;
}

}  // namespace projcalc
