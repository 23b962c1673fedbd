#include "models/model_record.h"

namespace projcalc {

DiagonalLimitPair DiagonalLimits::forGroup(AspectGroup group, int zoomEnd) const noexcept {
    const bool wide = zoomEnd == 0;
    switch (group) {
        case AspectGroup::Ratio169:
            return wide ? DiagonalLimitPair{minDiagonal169Wide, maxDiagonal169Wide}
                        : DiagonalLimitPair{minDiagonal169Tele, maxDiagonal169Tele};
        case AspectGroup::Ratio1610:
            return wide ? DiagonalLimitPair{minDiagonal1610Wide, maxDiagonal1610Wide}
                        : DiagonalLimitPair{minDiagonal1610Tele, maxDiagonal1610Tele};
        case AspectGroup::Ratio43:
            break;
    }
    return wide ? DiagonalLimitPair{minDiagonal43Wide, maxDiagonal43Wide}
                : DiagonalLimitPair{minDiagonal43Tele, maxDiagonal43Tele};
}

const double* realColumn(const ModelRecord& m, int column) noexcept {
    const DiagonalLimits& l = m.limits;
    switch (column) {
        case 1:
            return &l.minDiagonal43Wide;
        case 2:
            return &l.maxDiagonal43Wide;
        case 3:
            return &l.minDiagonal43Tele;
        case 4:
            return &l.maxDiagonal43Tele;
        case 5:
            return &m.wideSizeSlope;
        case 6:
            return &m.wideSizeIntercept;
        case 7:
            return &m.teleSizeSlope;
        case 8:
            return &m.teleSizeIntercept;
        case 9:
            return &m.wideOffsetCoefficientA;
        case 10:
            return &m.teleOffsetCoefficientA;
        case 11:
            return &m.wideOffsetCoefficientB;
        case 12:
            return &m.teleOffsetCoefficientB;
        case 15:
            return &m.modelKind;
        case 16:
            return &m.offsetScale169;
        case 17:
            return &l.minDiagonal169Wide;
        case 18:
            return &l.maxDiagonal169Wide;
        case 19:
            return &l.minDiagonal169Tele;
        case 20:
            return &l.maxDiagonal169Tele;
        case 21:
            return &l.minDiagonal1610Wide;
        case 22:
            return &l.maxDiagonal1610Wide;
        case 23:
            return &l.minDiagonal1610Tele;
        case 24:
            return &l.maxDiagonal1610Tele;
        default:
            return nullptr;
    }
}

double* realColumn(ModelRecord& m, int column) noexcept {
    return const_cast<double*>(realColumn(static_cast<const ModelRecord&>(m), column));
}

// Columns 25 to 42 run through the aspect groups (4:3, 16:9, 16:10) in blocks of six: WIDE A,
// WIDE B, TELE A, TELE B, TELE-top A, TELE-top B.
const OffsetRatio* ratioColumn(const ModelRecord& m, int column) noexcept {
    if (column < kFirstRatioColumn || column > kLastColumn) return nullptr;
    const int offset = column - kFirstRatioColumn;
    const auto group = static_cast<AspectGroup>(offset / 6);
    const int within = offset % 6;
    const OffsetKind kind = within % 2 == 0 ? OffsetKind::A : OffsetKind::B;
    const RatioTable& table = within < 2   ? m.ratios.wide
                              : within < 4 ? m.ratios.tele
                                           : m.ratios.teleTop;
    return &table.at(group, kind);
}

OffsetRatio* ratioColumn(ModelRecord& m, int column) noexcept {
    return const_cast<OffsetRatio*>(ratioColumn(static_cast<const ModelRecord&>(m), column));
}

void fillMissingRatios(OffsetRatio& wide, OffsetRatio& tele, OffsetRatio& teleTop) noexcept {
    if (!tele.present) {
        if (teleTop.present) {
            tele = teleTop;
        } else if (wide.present) {
            tele = wide;
        }
    }
    if (!teleTop.present) {
        if (tele.present) {
            teleTop = tele;
        } else if (wide.present) {
            teleTop = wide;
        }
    }
    if (!wide.present && tele.present) wide = tele;
}

void fillMissingRatios(OffsetRatios& ratios) noexcept {
    for (std::size_t i = 0; i < ratios.wide.entries.size(); ++i) {
        fillMissingRatios(ratios.wide.entries[i], ratios.tele.entries[i],
                          ratios.teleTop.entries[i]);
    }
}

}  // namespace projcalc
