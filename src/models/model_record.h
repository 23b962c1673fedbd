#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace projcalc {

// Aspect groups that share diagonal limits and offset ratios: 4:3 (also used by 5:4), 16:9 and
// 16:10.
enum class AspectGroup : int { Ratio43 = 0, Ratio169 = 1, Ratio1610 = 2 };

// The two image offsets a model may have.
enum class OffsetKind : int { A = 1, B = 2 };

// An optional offset ratio: the offset per inch of image diagonal, present when its catalogue
// field was not empty (a field of blanks is present with the value 0).
struct OffsetRatio {
    double value = 0.0;
    bool present = false;

    friend bool operator==(const OffsetRatio&, const OffsetRatio&) = default;
};

// Six offset ratios of one zoom situation, one per aspect group and offset kind, in the order
// 4:3 A, 4:3 B, 16:9 A, 16:9 B, 16:10 A, 16:10 B.
struct RatioTable {
    std::array<OffsetRatio, 6> entries{};

    [[nodiscard]] static constexpr int indexOf(AspectGroup group, OffsetKind kind) noexcept {
        return static_cast<int>(group) * 2 + (kind == OffsetKind::A ? 0 : 1);
    }
    [[nodiscard]] const OffsetRatio& at(AspectGroup group, OffsetKind kind) const noexcept {
        return entries[static_cast<std::size_t>(indexOf(group, kind))];
    }
    [[nodiscard]] OffsetRatio& at(AspectGroup group, OffsetKind kind) noexcept {
        return entries[static_cast<std::size_t>(indexOf(group, kind))];
    }
    friend bool operator==(const RatioTable&, const RatioTable&) = default;
};

// The three ratio tables of a model: used at WIDE, at TELE, and at TELE with the projector at the
// top for model kinds 5 and 6. The entry `wide.at(Ratio43, A)` is the catalogue's wideRatio43A
// with its presence flag hasWideRatio43A, and so on for every ratio.
struct OffsetRatios {
    RatioTable wide;
    RatioTable tele;
    RatioTable teleTop;

    friend bool operator==(const OffsetRatios&, const OffsetRatios&) = default;
};

// The smallest and largest image diagonal, in inches, for one aspect group and zoom end.
struct DiagonalLimitPair {
    double smallest = 0.0;
    double largest = 0.0;
};

// The twelve diagonal limits of a model, in inches.
struct DiagonalLimits {
    double minDiagonal43Wide = 0.0;
    double maxDiagonal43Wide = 0.0;
    double minDiagonal43Tele = 0.0;
    double maxDiagonal43Tele = 0.0;
    double minDiagonal169Wide = 0.0;
    double maxDiagonal169Wide = 0.0;
    double minDiagonal169Tele = 0.0;
    double maxDiagonal169Tele = 0.0;
    double minDiagonal1610Wide = 0.0;
    double maxDiagonal1610Wide = 0.0;
    double minDiagonal1610Tele = 0.0;
    double maxDiagonal1610Tele = 0.0;

    // The pair that applies to an aspect group at a zoom end (0 WIDE, any other value TELE).
    [[nodiscard]] DiagonalLimitPair forGroup(AspectGroup group, int zoomEnd) const noexcept;

    friend bool operator==(const DiagonalLimits&, const DiagonalLimits&) = default;
};

// One model of the catalogue: a line of ModelInfo.ini. Lengths are in inches.
struct ModelRecord {
    std::string modelName;                // column 0
    DiagonalLimits limits;                // columns 1 to 4 and 17 to 24
    double wideSizeSlope = 0.0;           // column 5: 4:3 diagonal per inch of distance, WIDE
    double wideSizeIntercept = 0.0;       // column 6: 4:3 diagonal at distance 0, WIDE
    double teleSizeSlope = 0.0;           // column 7
    double teleSizeIntercept = 0.0;       // column 8
    double wideOffsetCoefficientA = 0.0;  // column 9: offset A per image height, WIDE
    double teleOffsetCoefficientA = 0.0;  // column 10
    double wideOffsetCoefficientB = 0.0;  // column 11: 0 = one offset at WIDE
    double teleOffsetCoefficientB = 0.0;  // column 12
    std::int32_t panelAspect = 0;         // column 13: 0 4:3, 1 16:9, 2 16:10
    std::int32_t aspectMask = 0;  // column 14: 1 "4 : 3", 2 "5 : 4", 4 "16 : 9", 8 "16 : 10"
    double modelKind = 0.0;       // column 15, used as an integer
    double offsetScale169 = 0.0;  // column 16: 0 = not used
    OffsetRatios ratios;          // columns 25 to 42
    // The rated light output (ISO 21118 lumens) at WIDE and at TELE, from the optional columns
    // "Lumens" and "TeleLumens" the header names after column 42; 0 = not given. A TELE value of
    // 0 means the same as `lumens`; without `lumens` the model has no light figures.
    double lumens = 0.0;
    double teleLumens = 0.0;

    friend bool operator==(const ModelRecord&, const ModelRecord&) = default;
};

// The first and last catalogue columns, and the number of columns a model line must have.
inline constexpr int kLastColumn = 42;
inline constexpr int kRequiredColumns = 13;
inline constexpr int kFirstRatioColumn = 25;

// The real-valued member behind catalogue column 1 to 12 or 15 to 24; nullptr for the others.
[[nodiscard]] double* realColumn(ModelRecord& model, int column) noexcept;
[[nodiscard]] const double* realColumn(const ModelRecord& model, int column) noexcept;

// The offset ratio behind catalogue column 25 to 42; nullptr for the others.
[[nodiscard]] OffsetRatio* ratioColumn(ModelRecord& model, int column) noexcept;
[[nodiscard]] const OffsetRatio* ratioColumn(const ModelRecord& model, int column) noexcept;

// Completes one ratio given at WIDE, TELE and TELE-top: a missing TELE value is taken from
// TELE-top, else from WIDE; a missing TELE-top value from TELE, else WIDE; a missing WIDE value
// from TELE. Afterwards all three are present or all three absent.
void fillMissingRatios(OffsetRatio& wide, OffsetRatio& tele, OffsetRatio& teleTop) noexcept;

// Applies fillMissingRatios to the six ratios of a model, in table order.
void fillMissingRatios(OffsetRatios& ratios) noexcept;

}  // namespace projcalc
