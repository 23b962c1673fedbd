#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "calc/solve.h"

namespace projcalc {

// The wide "scope" screen a 16 : 9 projector may fill by the zoom method; None = no scope screen.
enum class ScopeRatio : int { None = 0, R235 = 1, R239 = 2, R240 = 3 };

inline constexpr std::array<ScopeRatio, 3> kScopeRatios = {ScopeRatio::R235, ScopeRatio::R239,
                                                           ScopeRatio::R240};

// Width ÷ height of a scope screen: 2.35, 2.39 or 2.4; 0 for None.
[[nodiscard]] double ratioOf(ScopeRatio ratio) noexcept;

// The ratio as the CLI and the calculation file write it: "2.35", "2.39", "2.40" or "none".
[[nodiscard]] std::string_view scopeRatioText(ScopeRatio ratio) noexcept;

// A ratio as typed: "2.35", "2.39", "2.40" (also "2.4") or "none", blanks around it allowed;
// nothing otherwise.
[[nodiscard]] std::optional<ScopeRatio> readScopeRatio(std::string_view text) noexcept;

// The sides of a screen, in inches.
struct ScreenSides {
    double width = 0.0;
    double height = 0.0;
    double diagonal = 0.0;

    friend bool operator==(const ScreenSides&, const ScreenSides&) = default;
};

// The scope screen of a 16 : 9 picture `height` inches high: that height, `ratio` × height wide.
[[nodiscard]] ScreenSides scopeScreenOf(double ratio, double height) noexcept;

// The diagonal of the 16 : 9 picture as wide as the scope screen: diagonal × ratio ÷ (16 ÷ 9).
[[nodiscard]] double scopePictureDiagonal(double diagonal, double ratio) noexcept;

// Where one zoom end throws the scope picture.
struct ScopeEnd {
    double distance = 0.0;
    bool withinLimits = false;  // the scope picture's diagonal lies within that end's limits

    friend bool operator==(const ScopeEnd&, const ScopeEnd&) = default;
};

// Where the projector serves both pictures by the zoom method, in inches from the screen: from
// the WIDE end's distance of the scope picture up to the TELE end's distance of the 16 : 9
// picture.
struct ZoomMethodStretch {
    double standFrom = 0.0;
    double standTo = 0.0;

    friend bool operator==(const ZoomMethodStretch&, const ZoomMethodStretch&) = default;
};

// Why the zoom method has no stretch: the model has one zoom end (or one end's distance cannot
// be worked out), or its zoom range is shorter than the scope ratio ÷ (16 ÷ 9).
enum class NoStretch : int { OneEnd = 0, RangeTooShort = 1 };

// The scope figures of the current results.
struct ScopePlan {
    ScopeRatio ratio = ScopeRatio::None;
    ScreenSides screen;                           // the scope screen
    double imageDiagonal = 0.0;                   // the scope picture's diagonal (Dz)
    std::array<std::optional<ScopeEnd>, 2> ends;  // by Zoom: empty where the model has none
    std::optional<ZoomMethodStretch> zoomMethod;
    NoStretch noStretch = NoStretch::OneEnd;  // why there is none, when zoomMethod is empty

    [[nodiscard]] const std::optional<ScopeEnd>& at(Zoom zoom) const noexcept {
        return ends[static_cast<std::size_t>(indexOf(zoom))];
    }
    friend bool operator==(const ScopePlan&, const ScopePlan&) = default;
};

// The scope figures for the results (a 16 : 9 picture, unrounded, in inches); nothing when no
// ratio is chosen, the aspect is not 16 : 9 or the results are not finite. The diagonal limits do
// not narrow the stretch; each end says whether the scope picture lies within its limits.
[[nodiscard]] std::optional<ScopePlan> scopePlan(const ModelTraits& model, const Options& options,
                                                 ScopeRatio ratio, const Solution& results);

// The stretch in the selected unit as the planning panel writes lengths: `pattern` with "%1" and
// "%2" replaced by its two ends ("Both pictures from %1 to %2").
[[nodiscard]] std::string stretchText(const ZoomMethodStretch& stretch, Unit unit,
                                      std::string_view pattern);

// The light of an end for the scope picture: the same light spread over the larger picture,
// footLamberts × (diagonal ÷ scope picture diagonal)².
[[nodiscard]] double scopeFootLamberts(double footLamberts, double diagonal,
                                       double imageDiagonal) noexcept;

}  // namespace projcalc
