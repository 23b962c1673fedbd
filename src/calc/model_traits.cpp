#include "calc/model_traits.h"

#include "calc/size_line.h"
#include "util/numbers.h"

namespace projcalc {
namespace {

// A drawing reference distance. A size line that cannot be inverted (slope 0) gives 0: such a
// zoom end cannot be drawn to scale, and every solve there reports the fault in plain words.
double referenceDistance(const ModelRecord& model, double diagonal, Zoom zoom, Aspect aspect) {
    const auto distance = distanceFromDiagonal(model, diagonal, zoom, aspect);
    const double* value = std::get_if<double>(&distance);
    return value != nullptr ? *value : 0.0;
}

// The front view's reference distances by aspect group. The 4:3 group takes the farthest of the
// 4:3 and 5:4 throws at both ends; 16:9 and 16:10 use the WIDE line (or the TELE line of a
// model without one) for both ends' largest images, and fall back on the 4:3 values when the
// model does not offer them.
std::array<double, 3> frontReferences(const ModelRecord& r, bool wide, bool tele) {
    double w43 = 0, w54 = 0, t43 = 0, t54 = 0;
    if (wide) {
        w43 = referenceDistance(r, r.limits.maxDiagonal43Wide, Zoom::Wide, Aspect::R4x3);
        w54 = referenceDistance(r, r.limits.maxDiagonal43Wide, Zoom::Wide, Aspect::R5x4);
    }
    if (tele) {
        t43 = referenceDistance(r, r.limits.maxDiagonal43Tele, Zoom::Tele, Aspect::R4x3);
        t54 = referenceDistance(r, r.limits.maxDiagonal43Tele, Zoom::Tele, Aspect::R5x4);
    }
    std::array<double, 3> references{};
    references[0] = maxOf(maxOf(maxOf(w43, t43), w54), t54);

    const Zoom lineZoom = wide ? Zoom::Wide : Zoom::Tele;
    const bool anyLine = wide || tele;
    double a = w43;
    double b = t43;
    if ((r.aspectMask & maskBitOf(Aspect::R16x9)) != 0) {
        a = anyLine ? referenceDistance(r, r.limits.maxDiagonal169Wide, lineZoom, Aspect::R16x9)
                    : 0.0;
        b = anyLine ? referenceDistance(r, r.limits.maxDiagonal169Tele, lineZoom, Aspect::R16x9)
                    : 0.0;
    }
    references[1] = maxOf(a, b);
    // Without 16:10, the group keeps what the 16:9 step left in a and b.
    if ((r.aspectMask & maskBitOf(Aspect::R16x10)) != 0) {
        a = anyLine ? referenceDistance(r, r.limits.maxDiagonal1610Wide, lineZoom, Aspect::R16x10)
                    : 0.0;
        b = anyLine ? referenceDistance(r, r.limits.maxDiagonal1610Tele, lineZoom, Aspect::R16x10)
                    : 0.0;
    }
    references[2] = maxOf(a, b);
    return references;
}

}  // namespace

double ModelTraits::coefficient(Zoom zoom, OffsetKind offset) const noexcept {
    if (zoom == Zoom::Wide) {
        return offset == OffsetKind::A ? record.wideOffsetCoefficientA
                                       : record.wideOffsetCoefficientB;
    }
    return offset == OffsetKind::A ? record.teleOffsetCoefficientA : record.teleOffsetCoefficientB;
}

ModelTraits traitsOf(const ModelRecord& record) {
    ModelTraits t;
    t.record = record;
    t.kind = static_cast<int>(roundHalfEven(record.modelKind));
    for (const Aspect aspect : kAllAspects) {
        t.offersAspect[static_cast<std::size_t>(indexOf(aspect))] =
            (record.aspectMask & maskBitOf(aspect)) != 0;
    }
    for (const Aspect aspect : kAllAspects) {
        if (t.offers(aspect)) {
            t.firstAspect = aspect;
            break;
        }
    }
    const bool wide = hasSizeLine(record, Zoom::Wide);
    const bool tele = hasSizeLine(record, Zoom::Tele);
    t.hasZoom = {wide, tele};
    t.startZoom = tele && !wide ? Zoom::Tele : Zoom::Wide;
    t.offsetCount = {record.wideOffsetCoefficientB != 0.0 ? 2 : 1,
                     record.teleOffsetCoefficientB != 0.0 ? 2 : 1};
    t.frontReference = frontReferences(record, wide, tele);
    for (const AspectGroup group :
         {AspectGroup::Ratio43, AspectGroup::Ratio169, AspectGroup::Ratio1610}) {
        t.hasWideRatio[static_cast<std::size_t>(group)] =
            record.ratios.wide.at(group, OffsetKind::A).present ||
            record.ratios.wide.at(group, OffsetKind::B).present;
    }
    return t;
}

}  // namespace projcalc
