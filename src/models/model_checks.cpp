#include "models/model_checks.h"

#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include "util/numbers.h"

namespace projcalc {
namespace {

constexpr std::array<AspectGroup, 3> kGroups = {AspectGroup::Ratio43, AspectGroup::Ratio169,
                                                AspectGroup::Ratio1610};

const char* groupName(AspectGroup group) noexcept {
    switch (group) {
        case AspectGroup::Ratio169:
            return "16:9";
        case AspectGroup::Ratio1610:
            return "16:10";
        case AspectGroup::Ratio43:
            break;
    }
    return "4:3";
}

const char* zoomName(int zoomEnd) noexcept {
    return zoomEnd == 0 ? "WIDE" : "TELE";
}

// The columns of the smallest and largest diagonal of a group at a zoom end.
int smallestColumn(AspectGroup group, int zoomEnd) noexcept {
    const int wide = group == AspectGroup::Ratio43 ? 1 : group == AspectGroup::Ratio169 ? 17 : 21;
    return wide + 2 * zoomEnd;
}

int slopeColumn(int zoomEnd) noexcept {
    return zoomEnd == 0 ? 5 : 7;
}

ModelValueProblem problem(ModelValueProblemKind kind, int column, std::string reason) {
    return ModelValueProblem{kind, column, std::move(reason)};
}

std::optional<ModelValueProblem> checkLimits(const ModelRecord& m, AspectGroup group, int zoomEnd) {
    const std::string where = std::string(groupName(group)) + " " + zoomName(zoomEnd);
    const DiagonalLimitPair pair = m.limits.forGroup(group, zoomEnd);
    const int smallest = smallestColumn(group, zoomEnd);
    for (const auto& [value, column, name] : {std::tuple{pair.smallest, smallest, "smallest"},
                                              std::tuple{pair.largest, smallest + 1, "largest"}}) {
        if (!std::isfinite(value) || !(value > 0.0)) {
            return problem(ModelValueProblemKind::LimitNotAbove0, column,
                           std::string("the ") + name + " " + where + " diagonal is " +
                               formatGeneral(value) + ", not above 0");
        }
    }
    if (pair.smallest > pair.largest) {
        return problem(ModelValueProblemKind::LimitsReversed, smallest,
                       "the smallest " + where + " diagonal (" + formatGeneral(pair.smallest) +
                           ") is above the largest (" + formatGeneral(pair.largest) + ")");
    }
    return std::nullopt;
}

}  // namespace

bool zoomEndInUse(const ModelRecord& m, int zoomEnd) noexcept {
    return zoomEnd == 0 ? (m.wideSizeSlope != 0.0 || m.wideSizeIntercept != 0.0)
                        : (m.teleSizeSlope != 0.0 || m.teleSizeIntercept != 0.0);
}

bool offersGroup(const ModelRecord& m, AspectGroup group) noexcept {
    switch (group) {
        case AspectGroup::Ratio169:
            return (m.aspectMask & 4) != 0;
        case AspectGroup::Ratio1610:
            return (m.aspectMask & 8) != 0;
        case AspectGroup::Ratio43:
            break;
    }
    return (m.aspectMask & 3) != 0;
}

bool columnInUse(const ModelRecord& m, int column) noexcept {
    for (const AspectGroup group : kGroups) {
        for (int zoomEnd = 0; zoomEnd < 2; ++zoomEnd) {
            const int smallest = smallestColumn(group, zoomEnd);
            if (column == smallest || column == smallest + 1) {
                return offersGroup(m, group) && zoomEndInUse(m, zoomEnd);
            }
        }
    }
    if (column >= kFirstRatioColumn && column <= kLastColumn) {
        // Blocks of six per group: WIDE A, WIDE B, TELE A, TELE B, TELE-top A, TELE-top B.
        const int offset = column - kFirstRatioColumn;
        const int zoomEnd = offset % 6 < 2 ? 0 : 1;
        return offersGroup(m, kGroups[static_cast<std::size_t>(offset / 6)]) &&
               zoomEndInUse(m, zoomEnd);
    }
    return column >= 1 && column <= kLastColumn;
}

std::optional<ModelValueProblem> checkModelValues(const ModelRecord& m) {
    for (int column = 1; column <= kLastColumn; ++column) {
        if (!columnInUse(m, column)) continue;
        const OffsetRatio* ratio = ratioColumn(m, column);
        const double* real = realColumn(m, column);
        const double value = real != nullptr ? *real : ratio != nullptr ? ratio->value : 0.0;
        if ((real != nullptr || (ratio != nullptr && ratio->present)) && !std::isfinite(value)) {
            return problem(ModelValueProblemKind::NotFinite, column,
                           "field " + std::to_string(column) + " is not a finite number");
        }
    }
    for (int zoomEnd = 0; zoomEnd < 2; ++zoomEnd) {
        if (!zoomEndInUse(m, zoomEnd)) continue;
        bool offered = false;
        for (const AspectGroup group : kGroups) {
            if (!offersGroup(m, group)) continue;
            offered = true;
            if (auto found = checkLimits(m, group, zoomEnd)) return found;
        }
        const double slope = zoomEnd == 0 ? m.wideSizeSlope : m.teleSizeSlope;
        if (offered && !(slope > 0.0)) {
            return problem(ModelValueProblemKind::SlopeNotAbove0, slopeColumn(zoomEnd),
                           std::string("the ") + zoomName(zoomEnd) + " size slope is " +
                               formatGeneral(slope) + ", not above 0");
        }
    }
    return std::nullopt;
}

}  // namespace projcalc
