#include "calc/light.h"

#include <cmath>

#include "models/plain_number.h"

namespace projcalc {

LightRating ratingOf(double footLamberts) noexcept {
    if (footLamberts >= 60.0) return LightRating::BrightRoom;
    if (footLamberts >= 40.0) return LightRating::LivingRoom;
    if (footLamberts >= 27.0) return LightRating::DimRoom;
    if (footLamberts >= 12.0) return LightRating::DarkRoom;
    return LightRating::TooDim;
}

std::string_view ratingName(LightRating rating) noexcept {
    switch (rating) {
        case LightRating::DarkRoom:
            return "darkRoom";
        case LightRating::DimRoom:
            return "dimRoom";
        case LightRating::LivingRoom:
            return "livingRoom";
        case LightRating::BrightRoom:
            return "brightRoom";
        case LightRating::TooDim:
            break;
    }
    return "tooDim";
}

std::optional<double> readScreenGain(std::string_view text, bool decimalComma) noexcept {
    const std::optional<double> gain = readPositivePlainNumber(text, decimalComma);
    if (!gain || *gain > kMaxScreenGain) return std::nullopt;
    return gain;
}

std::optional<double> readLightShare(std::string_view text, bool decimalComma) noexcept {
    const std::optional<double> percent = readPositivePlainNumber(text, decimalComma);
    if (!percent || *percent < 1.0 || *percent > 100.0) return std::nullopt;
    return percent;
}

bool validLightSettings(const LightSettings& settings) noexcept {
    return settings.gain > 0.0 && settings.gain <= kMaxScreenGain && settings.percent >= 1.0 &&
           settings.percent <= 100.0;
}

bool hasLightFigures(const ModelRecord& model) noexcept {
    return model.lumens > 0.0 && std::isfinite(model.lumens);
}

std::optional<double> ratedLumens(const ModelTraits& model, Zoom zoom) noexcept {
    if (!hasLightFigures(model.record) || !model.has(zoom)) return std::nullopt;
    const double tele = model.record.teleLumens;
    if (zoom == Zoom::Tele && tele > 0.0 && std::isfinite(tele)) return tele;
    return model.record.lumens;
}

std::optional<double> footLamberts(double lumens, const LightSettings& settings, double width,
                                   double height) noexcept {
    const double area = (width / 12.0) * (height / 12.0);
    if (!(area > 0.0) || !std::isfinite(area)) return std::nullopt;
    const double value = lumens * settings.percent / 100.0 * settings.gain / area;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

EndLight endLightOf(double footLamberts) noexcept {
    return {footLamberts, footLamberts * kNitsPerFootLambert, ratingOf(footLamberts)};
}

EndFootLamberts footLambertsOfEnds(const ModelTraits& model, const LightSettings& settings,
                                   double width, double height) noexcept {
    EndFootLamberts ends;
    for (const Zoom zoom : kAllZooms) {
        if (const std::optional<double> lumens = ratedLumens(model, zoom))
            ends[static_cast<std::size_t>(indexOf(zoom))] =
                footLamberts(*lumens, settings, width, height);
    }
    return ends;
}

std::optional<ScreenLight> screenLight(const ModelTraits& model, const LightSettings& settings,
                                       double width, double height) {
    if (!hasLightFigures(model.record)) return std::nullopt;
    ScreenLight light;
    light.settings = settings;
    const EndFootLamberts ends = footLambertsOfEnds(model, settings, width, height);
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (ends[i]) light.ends[i] = endLightOf(*ends[i]);
    }
    return light;
}

}  // namespace projcalc
