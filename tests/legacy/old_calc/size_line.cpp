#include "old_calc/size_line.h"

#include <cmath>

#include "old_calc/aspect.h"
#include "util/errors.h"

namespace projcalc::legacy {

std::optional<double> panelFactor169(int panelAspect) noexcept {
    switch (panelAspect) {
        case 0:
            return 0.9178779878760819;
        case 1:
            return 1.223837317;
        case 2:
            return 1.1014535847073097;
        default:
            return std::nullopt;
    }
}

std::optional<double> panelFactor1610(int panelAspect) noexcept {
    switch (panelAspect) {
        case 0:
            return 0.9433981132113207;
        case 1:
            return 0.972948721;
        case 2:
            return 1.132077736;
        default:
            return std::nullopt;
    }
}

const char* zoomEndName(int zoomEnd) noexcept {
    return zoomEnd == 0 ? "WIDE" : "TELE";
}

double referenceDiagonal(const ModelRecord& model, int zoomEnd, double distance) noexcept {
    if (zoomEnd == 0) return model.wideSizeSlope * distance + model.wideSizeIntercept;
    return model.teleSizeSlope * distance + model.teleSizeIntercept;
}

double diagonalFromDistance(const ModelRecord& model, int panelAspect, double distance, int zoomEnd,
                            double heightPart, double widthPart) noexcept {
    const double r = referenceDiagonal(model, zoomEnd, distance);
    if (isAspect(heightPart, widthPart, 3, 4)) return r;
    if (isAspect(heightPart, widthPart, 4, 5)) {
        // The 5:4 image is as high as the 4:3 one.
        return (r / 5 * 3) / heightPart *
               std::sqrt(std::pow(widthPart, 2.0) + std::pow(heightPart, 2.0));
    }
    if (isAspect(heightPart, widthPart, 9, 16)) return r * panelFactor169(panelAspect).value_or(0);
    if (isAspect(heightPart, widthPart, 10, 16)) {
        return r * panelFactor1610(panelAspect).value_or(0);
    }
    return 0.0;
}

double distanceFromDiagonal(const ModelRecord& model, int panelAspect, double diagonal, int zoomEnd,
                            double heightPart, double widthPart) {
    double r = 0.0;
    if (isAspect(heightPart, widthPart, 3, 4)) {
        r = diagonal;
    } else if (isAspect(heightPart, widthPart, 4, 5)) {
        r = std::sin(std::atan(1.0 / (widthPart / heightPart))) * diagonal / 3 * 5;
    } else {
        std::optional<double> factor;
        if (isAspect(heightPart, widthPart, 9, 16)) factor = panelFactor169(panelAspect);
        if (isAspect(heightPart, widthPart, 10, 16)) factor = panelFactor1610(panelAspect);
        if (!factor) return 0.0;
        r = diagonal / *factor;
    }
    const double slope = zoomEnd == 0 ? model.wideSizeSlope : model.teleSizeSlope;
    const double intercept = zoomEnd == 0 ? model.wideSizeIntercept : model.teleSizeIntercept;
    if (slope == 0.0) {
        throw ArithmeticFault(makeError(
            ErrorCode::DivisionByZero,
            "the model \"" + model.modelName + "\" has no size line at " + zoomEndName(zoomEnd) +
                " (its slope is 0), so no projection distance can be worked out"));
    }
    const double distance = (r - intercept) / slope;
    if (!std::isfinite(distance)) {
        throw ArithmeticFault(
            makeError(ErrorCode::Overflow, "the projection distance for the model \"" +
                                               model.modelName + "\" is too large to work out"));
    }
    return distance;
}

}  // namespace projcalc::legacy
