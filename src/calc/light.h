#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calc/model_traits.h"
#include "calc/options.h"

namespace projcalc {

// One foot-lambert is 1/π candela per square foot: this many nits (cd/m²).
inline constexpr double kNitsPerFootLambert = 3.4262591;

// What a luminance suits, by foot-lamberts: below 12 too dim; 12 up to 27 a dark room (SMPTE
// 196M asks 16 for a cinema); 27 up to 40 a dim room; 40 up to 60 a living room; 60 and more a
// bright room. The lower bound belongs to its band.
enum class LightRating : int {
    TooDim = 0,
    DarkRoom = 1,
    DimRoom = 2,
    LivingRoom = 3,
    BrightRoom = 4
};

[[nodiscard]] LightRating ratingOf(double footLamberts) noexcept;

// The rating as the CLI's JSON and the language files name it: "tooDim", "darkRoom", ...
[[nodiscard]] std::string_view ratingName(LightRating rating) noexcept;

// The two light inputs of a calculation: the screen gain and the share of the rated output, in
// percent, the installer plans with (eco modes give about 70, an aged lamp about 50).
struct LightSettings {
    double gain = 1.0;
    double percent = 100.0;

    friend bool operator==(const LightSettings&, const LightSettings&) = default;
};

inline constexpr double kMaxScreenGain = 10.0;

// A screen gain as typed: a plain number above 0 up to 10; nothing otherwise. Where the interface
// language writes a decimal comma, `decimalComma` accepts it too.
[[nodiscard]] std::optional<double> readScreenGain(std::string_view text,
                                                   bool decimalComma = false) noexcept;

// A light share as typed: a plain number from 1 to 100 (percent); nothing otherwise.
[[nodiscard]] std::optional<double> readLightShare(std::string_view text,
                                                   bool decimalComma = false) noexcept;

// Whether settings hold values the readers above accept.
[[nodiscard]] bool validLightSettings(const LightSettings& settings) noexcept;

// The rated lumens of a zoom end: WIDE has the model's lumens, TELE its TELE lumens or else the
// same; nothing when the model has no lumens or no size line at that end.
[[nodiscard]] std::optional<double> ratedLumens(const ModelTraits& model, Zoom zoom) noexcept;

// Whether the model has light figures at all (its lumens are given).
[[nodiscard]] bool hasLightFigures(const ModelRecord& model) noexcept;

// lumens × percent ÷ 100 × gain ÷ ((width ÷ 12) × (height ÷ 12)), for a screen of `width` by
// `height` inches; nothing when the screen has no area or the result is not a finite number.
[[nodiscard]] std::optional<double> footLamberts(double lumens, const LightSettings& settings,
                                                 double width, double height) noexcept;

// The light of one zoom end on the screen.
struct EndLight {
    double footLamberts = 0.0;
    double nits = 0.0;
    LightRating rating = LightRating::TooDim;

    friend bool operator==(const EndLight&, const EndLight&) = default;
};

[[nodiscard]] EndLight endLightOf(double footLamberts) noexcept;

// The light of each zoom end (by Zoom) for a screen of `width` by `height` inches, as solved.
struct ScreenLight {
    LightSettings settings;
    std::array<std::optional<EndLight>, 2> ends;

    [[nodiscard]] const std::optional<EndLight>& at(Zoom zoom) const noexcept {
        return ends[static_cast<std::size_t>(indexOf(zoom))];
    }
    friend bool operator==(const ScreenLight&, const ScreenLight&) = default;
};

// The light figures of a model for a screen; nothing when the model has no lumens. An end is
// empty where the model has no size line or the screen has no area.
[[nodiscard]] std::optional<ScreenLight> screenLight(const ModelTraits& model,
                                                     const LightSettings& settings, double width,
                                                     double height);

// The foot-lamberts of each zoom end (by Zoom) for a screen; empty where screenLight has none.
using EndFootLamberts = std::array<std::optional<double>, 2>;
[[nodiscard]] EndFootLamberts footLambertsOfEnds(const ModelTraits& model,
                                                 const LightSettings& settings, double width,
                                                 double height) noexcept;

}  // namespace projcalc
