#include "calc/offsets.h"

#include <cmath>

#include "calc/size_line.h"
#include "calc/units.h"
#include "util/numbers.h"

namespace projcalc {
namespace {

std::string negatedText(const std::string& text) {
    return formatGeneral(-readLeadingNumber(text).value);
}

std::string offsetText(double offset, Unit unit, Zoom zoom) {
    const double magnitude = std::fabs(offset);
    switch (unit) {
        case Unit::Feet:
            return formatFixed(roundForDisplay(magnitude * kFeetPerInch, Step::Tenth, zoom), 1);
        case Unit::Centimeters:
            return formatFixed(roundForDisplay(magnitude * kCentimetersPerInch, Step::Whole, zoom),
                               0);
        case Unit::Inches:
            break;
    }
    return formatFixed(roundForDisplay(magnitude, Step::Tenth, zoom), 1);
}

}  // namespace

const RatioTable& offsetRatioTable(const ModelTraits& model, Mount mount, Zoom zoom) noexcept {
    if (zoom == Zoom::Wide) return model.record.ratios.wide;
    if (mount == Mount::Top && model.hasTeleTopRatios()) {
        return model.record.ratios.teleTop;
    }
    return model.record.ratios.tele;
}

double offsetFor(const ModelTraits& model, Aspect aspect, Mount mount, Zoom zoom, double height,
                 double coefficient, double distance, OffsetKind kind) noexcept {
    const ModelRecord& record = model.record;
    const int panel = record.panelAspect;

    // Reference images of each aspect at this distance and zoom end.
    const double d43 = diagonalFromDistance(record, distance, zoom, Aspect::R4x3);
    const double h43 = std::sin(std::atan(1.0 / (4.0 / 3.0))) * d43;
    const double d169 = diagonalFromDistance(record, distance, zoom, Aspect::R16x9);
    const double h169 = std::sin(std::atan(1.0 / (16.0 / 9.0))) * d169;
    const double d1610 = diagonalFromDistance(record, distance, zoom, Aspect::R16x10);
    const double h1610 = std::sin(std::atan(1.0 / (16.0 / 10.0))) * d1610;

    const bool is43 = aspect == Aspect::R4x3;
    const bool is169 = aspect == Aspect::R16x9;
    const bool is1610 = aspect == Aspect::R16x10;

    // A ratio entry for exactly this aspect wins; a 5:4 image never takes one.
    const RatioTable& table = offsetRatioTable(model, mount, zoom);
    if (is43 && table.at(AspectGroup::Ratio43, kind).present) {
        return table.at(AspectGroup::Ratio43, kind).value * d43;
    }
    if (is169 && table.at(AspectGroup::Ratio169, kind).present) {
        return table.at(AspectGroup::Ratio169, kind).value * d169;
    }
    if (is1610 && table.at(AspectGroup::Ratio1610, kind).present) {
        return table.at(AspectGroup::Ratio1610, kind).value * d1610;
    }

    const double base = height * coefficient;
    if (coefficient == 0.0 && panel != kPanel16x10) return base;
    if (!is169 && !is1610) return base;

    const double scale169 = record.offsetScale169;
    if (scale169 != 0.0) {
        if (is1610) return base;
        switch (panel) {
            case kPanel16x10:
                return (h1610 - (9.0 / 10.0) * h1610) / 2 + h1610 * coefficient;
            case kPanel4x3:
                if (zoom == Zoom::Wide) return h43 * coefficient - h43 / 2 + h169 / 2;
                {
                    // At TELE the offset is that of a WIDE image scaled by offsetScale169,
                    // moved away from the axis by half the height the scaling added.
                    const double s = scale169 * d169 * std::sin(std::atan(1.0 / (16.0 / 9.0)));
                    const double q = offsetFor(model, aspect, mount, Zoom::Wide, s,
                                               model.coefficient(Zoom::Wide, kind), distance, kind);
                    const double e = (s - s / scale169) / 2;
                    return q >= 0 ? q + e : q - e;
                }
            default:
                return base;
        }
    }

    if (is169) {
        switch (panel) {
            case kPanel4x3:
                return h43 * coefficient - h43 * (3.0 / 2.0 / 12.0);
            case kPanel16x10:
                return h43 * coefficient - h43 * (1.0 / 2.0 / 10.0);
            default:
                return base;
        }
    }
    if (panel == kPanel4x3) return h43 * coefficient - h43 * (2.0 / 2.0 / 12.0);
    return base;
}

std::array<double, 2> offsetsFor(const ModelTraits& model, const Options& options, double height,
                                 double distance) noexcept {
    const auto offset = [&](OffsetKind kind) {
        return offsetFor(model, options.aspect, options.mount, options.zoom, height,
                         model.coefficient(options.zoom, kind), distance, kind);
    };
    return {offset(OffsetKind::A), offset(OffsetKind::B)};
}

std::optional<std::array<std::string, 2>> offsetTexts(const ModelTraits& model,
                                                      const Options& options, Unit unit,
                                                      double height, double distance) {
    const Zoom zoom = options.zoom;
    const double shownHeight = roundForDisplay(height, Step::Whole, zoom);
    const auto [a, b] = offsetsFor(model, options, shownHeight, distance);
    if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;

    std::array<std::string, 2> texts = {offsetText(a, unit, zoom), offsetText(b, unit, zoom)};

    // Signs follow the ratio table of the aspect's group (5:4 uses the 4:3 entries).
    const RatioTable& table = offsetRatioTable(model, options.mount, zoom);
    const AspectGroup group = groupOf(options.aspect);
    bool tableApplied = false;
    const OffsetKind kinds[2] = {OffsetKind::A, OffsetKind::B};
    for (std::size_t i = 0; i < 2; ++i) {
        const OffsetRatio& entry = table.at(group, kinds[i]);
        if (!entry.present) continue;
        tableApplied = true;
        if (entry.value < 0) texts[i] = negatedText(texts[i]);
    }
    if (!tableApplied && model.centresOnAxis() && a > 0) texts[0] = negatedText(texts[0]);
    return texts;
}

}  // namespace projcalc
