#include "calc/light.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "test_support.h"

namespace projcalc {
namespace {

struct BandCase {
    double footLamberts;
    LightRating rating;
    const char* name;
};

void PrintTo(const BandCase& c, std::ostream* os) {
    *os << c.footLamberts << " fL";
}

class RatingBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(RatingBands, TheLowerBoundBelongsToItsBand) {
    EXPECT_EQ(ratingOf(GetParam().footLamberts), GetParam().rating);
    EXPECT_EQ(ratingName(GetParam().rating), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Bands, RatingBands,
                         ::testing::Values(BandCase{0.0, LightRating::TooDim, "tooDim"},
                                           BandCase{11.999, LightRating::TooDim, "tooDim"},
                                           BandCase{12.0, LightRating::DarkRoom, "darkRoom"},
                                           BandCase{16.0, LightRating::DarkRoom, "darkRoom"},
                                           BandCase{26.999, LightRating::DarkRoom, "darkRoom"},
                                           BandCase{27.0, LightRating::DimRoom, "dimRoom"},
                                           BandCase{39.99, LightRating::DimRoom, "dimRoom"},
                                           BandCase{40.0, LightRating::LivingRoom, "livingRoom"},
                                           BandCase{59.99, LightRating::LivingRoom, "livingRoom"},
                                           BandCase{60.0, LightRating::BrightRoom, "brightRoom"},
                                           BandCase{1000.0, LightRating::BrightRoom,
                                                    "brightRoom"}));

struct InputCase {
    const char* text;
    bool decimalComma;
    std::optional<double> gain;
    std::optional<double> share;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << '"' << c.text << '"' << (c.decimalComma ? " (comma)" : "");
}

class LightInputs : public ::testing::TestWithParam<InputCase> {};

TEST_P(LightInputs, AcceptPlainNumbersWithinTheirRanges) {
    const InputCase& c = GetParam();
    EXPECT_EQ(readScreenGain(c.text, c.decimalComma), c.gain);
    EXPECT_EQ(readLightShare(c.text, c.decimalComma), c.share);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LightInputs,
    ::testing::Values(InputCase{"1", false, 1.0, 1.0}, InputCase{" 1.3 ", false, 1.3, 1.3},
                      InputCase{"+2.5", false, 2.5, 2.5}, InputCase{".8", false, 0.8, {}},
                      InputCase{"10", false, 10.0, 10.0}, InputCase{"10.01", false, {}, 10.01},
                      InputCase{"70", false, {}, 70.0}, InputCase{"100", false, {}, 100.0},
                      InputCase{"100.5", false, {}, {}}, InputCase{"0", false, {}, {}},
                      InputCase{"-1", false, {}, {}}, InputCase{"1e1", false, {}, {}},
                      InputCase{"&H5", false, {}, {}}, InputCase{"1.2.3", false, {}, {}},
                      InputCase{"", false, {}, {}}, InputCase{".", false, {}, {}},
                      InputCase{"1,3", false, {}, {}}, InputCase{"1,3", true, 1.3, 1.3},
                      InputCase{"1.3", true, 1.3, 1.3}, InputCase{"1,3.2", true, {}, {}},
                      InputCase{"5 %", false, {}, {}}));

// 16:9 sides of a 100-inch screen: 87.16 by 49.03 inches, 29.68 square feet.
constexpr double kWidth = 87.15755371245492;
constexpr double kHeight = 49.026123963255896;

TEST(FootLamberts, AreLumensTimesShareTimesGainOverSquareFeet) {
    const double area = (kWidth / 12.0) * (kHeight / 12.0);
    struct Case {
        double lumens;
        LightSettings settings;
        double expected;
    };
    for (const Case& c : {Case{3000, {}, 3000 / area}, Case{3000, {1.3, 100}, 3900 / area},
                          Case{3000, {1.0, 70}, 2100 / area}, Case{2000, {0.8, 50}, 800 / area}}) {
        const auto fL = footLamberts(c.lumens, c.settings, kWidth, kHeight);
        ASSERT_TRUE(fL.has_value());
        EXPECT_DOUBLE_EQ(*fL, c.expected);
    }
    EXPECT_FALSE(footLamberts(3000, {}, 0.0, kHeight).has_value());
    EXPECT_FALSE(footLamberts(3000, {}, kWidth, -1.0).has_value());
    EXPECT_FALSE(footLamberts(1e308, {10, 100}, 1e-3, 1e-3).has_value());
}

TEST(FootLamberts, NitsAreFootLambertsTimesOneOverPiCandelaPerSquareFoot) {
    const EndLight light = endLightOf(16.0);
    EXPECT_DOUBLE_EQ(light.nits, 16.0 * 3.4262591);
    EXPECT_NEAR(light.nits, 54.82, 0.01);
    EXPECT_EQ(light.rating, LightRating::DarkRoom);
}

ModelRecord litModel(double lumens, double teleLumens) {
    ModelRecord m = sampleModel();
    m.lumens = lumens;
    m.teleLumens = teleLumens;
    return m;
}

TEST(ScreenLight, EachEndUsesItsOwnRatedLumens) {
    struct Case {
        const char* name;
        ModelRecord model;
        bool figures;
        std::optional<double> wide;
        std::optional<double> tele;
    };
    ModelRecord wideOnly = litModel(3000, 2400);
    wideOnly.teleSizeSlope = wideOnly.teleSizeIntercept = 0;
    ModelRecord teleOnly = litModel(3000, 2400);
    teleOnly.wideSizeSlope = teleOnly.wideSizeIntercept = 0;
    const Case cases[] = {
        {"both given", litModel(3000, 2400), true, 3000, 2400},
        {"TELE as WIDE", litModel(3000, 0), true, 3000, 3000},
        {"TELE alone is not used", litModel(0, 2400), false, {}, {}},
        {"no lumens", litModel(0, 0), false, {}, {}},
        {"WIDE only", wideOnly, true, 3000, {}},
        {"TELE only", teleOnly, true, {}, 2400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModelTraits traits = traitsOf(c.model);
        EXPECT_EQ(ratedLumens(traits, Zoom::Wide), c.wide);
        EXPECT_EQ(ratedLumens(traits, Zoom::Tele), c.tele);
        const auto light = screenLight(traits, {1.0, 100.0}, 120.0, 72.0);  // 60 square feet
        ASSERT_EQ(light.has_value(), c.figures);
        if (!light) continue;
        for (const Zoom zoom : kAllZooms) {
            const auto lumens = zoom == Zoom::Wide ? c.wide : c.tele;
            ASSERT_EQ(light->at(zoom).has_value(), lumens.has_value());
            if (lumens) {
                EXPECT_DOUBLE_EQ(light->at(zoom)->footLamberts, *lumens / 60.0);
            }
        }
    }
}

TEST(ScreenLight, SettingsAreValidWithinTheInputRanges) {
    EXPECT_TRUE(validLightSettings({}));
    EXPECT_TRUE(validLightSettings({10.0, 1.0}));
    EXPECT_FALSE(validLightSettings({0.0, 100.0}));
    EXPECT_FALSE(validLightSettings({10.5, 100.0}));
    EXPECT_FALSE(validLightSettings({1.0, 0.5}));
    EXPECT_FALSE(validLightSettings({1.0, 101.0}));
}

}  // namespace
}  // namespace projcalc
