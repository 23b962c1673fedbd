// projcalc-cli's "planning" object: both zoom ends for this screen and this distance, and the
// seats, in inches that read back as the controller's doubles.
#include <cmath>

#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

constexpr const char* kNoLines = "No Lines,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15";

// The start-up model throws its largest WIDE image, 300 inches, from 300 inches (its WIDE line is
// 1:1); at TELE (0.8 × distance, limits 10 to 250) the same screen needs 375 inches.
TEST_F(CliTest, PlanningReportsBothEndsAndTheSeats) {
    writeData();
    const json r = report({});
    ASSERT_TRUE(r.contains("planning"));
    const json& p = r["planning"];
    EXPECT_EQ(p["throwRange"]["wide"], json({{"distance", 300.0}, {"withinLimits", true}}));
    EXPECT_EQ(p["throwRange"]["tele"], json({{"distance", 375.0}, {"withinLimits", false}}));
    EXPECT_EQ(p["imageRange"]["wide"], json({{"diagonal", 300.0}}));
    EXPECT_EQ(p["imageRange"]["tele"], json({{"diagonal", 240.0}}));
    // A 240-inch-wide image spans 30° from 240 × (2 + √3) / 2 inches.
    EXPECT_NEAR(p["seating"]["smpte30"].get<double>(), 240 * (2 + std::sqrt(3.0)) / 2, 1e-9);
    EXPECT_NEAR(p["seating"]["thx36"].get<double>(), 369.3220244610305, 1e-9);
    EXPECT_NEAR(p["seating"]["thx40"].get<double>(), 329.6972903345547, 1e-9);
    // The same figures as the planning panel writes them, in the selected unit.
    const json& texts = r["planningTexts"];
    EXPECT_EQ(texts["throwRange"]["wide"], json({{"text", "300.0″"}, {"outsideLimits", false}}));
    EXPECT_EQ(texts["throwRange"]["tele"], json({{"text", "375.0″"}, {"outsideLimits", true}}));
    EXPECT_EQ(texts["imageRange"]["tele"]["text"], "240.0″");
    EXPECT_EQ(texts["seating"]["thx40"], "329.7″");
    const json feet = report({"units=feet"})["planningTexts"];
    EXPECT_EQ(feet["throwRange"]["tele"]["text"], "31′ 3″");
    EXPECT_EQ(feet["seating"]["smpte30"], "37′ 4″");
}

// Every traced line carries the planning of its step: a missing end is null, never 0, and
// without results the whole object is null.
TEST_F(CliTest, EveryTracedStepCarriesItsPlanning) {
    writeData({kPlain, kWide169, kFlatTele, kNoLines});
    const CliResult result = run({"--trace", "units=feet", "model=Wide 169", "model=Flat Tele",
                                  "model=No Lines", "model=Plain 100"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<json> lines = parsedLines(result.out);
    ASSERT_EQ(lines.size(), 6u);
    std::istringstream text(result.out);
    for (std::string line; std::getline(text, line);) {
        // Its place in the report: after the calculator's numbers, before the messages.
        const auto planning = line.find("\"planning\":");
        ASSERT_NE(planning, std::string::npos) << line;
        EXPECT_LT(line.find("\"state\":"), planning);
        EXPECT_GT(line.find("\"messages\":"), planning);
    }
    // Lengths stay in inches whatever the unit.
    EXPECT_EQ(lines[1]["planning"], lines[0]["planning"]);
    // A fixed 16:9 lens: WIDE only.
    const json& fixed = lines[2]["planning"];
    EXPECT_TRUE(fixed["throwRange"]["wide"]["distance"].is_number());
    EXPECT_TRUE(fixed["throwRange"]["tele"].is_null());
    EXPECT_TRUE(fixed["imageRange"]["tele"].is_null());
    // A TELE line so flat that no distance can be worked out there gives no value.
    const json& zero = lines[3]["planning"];
    EXPECT_TRUE(zero["throwRange"]["wide"].is_object());
    EXPECT_TRUE(zero["throwRange"]["tele"].is_null());
    // ...while the image it gives at a distance, however small, is a value.
    EXPECT_TRUE(zero["imageRange"]["tele"]["diagonal"].is_number());
    // No size line at all: no results, no planning.
    EXPECT_TRUE(lines[4]["planning"].is_null());
    EXPECT_TRUE(lines[4]["planningTexts"].is_null());
    EXPECT_EQ(lines[4]["errors"].size(), 1u);
    EXPECT_TRUE(lines[5]["planning"].is_object());
    for (const json& line : lines) {
        if (line["planning"].is_null()) continue;
        for (const char* seat : {"smpte30", "thx36", "thx40"}) {
            const double value = line["planning"]["seating"][seat].get<double>();
            EXPECT_TRUE(std::isfinite(value) && value > 0) << seat;
        }
    }
}

TEST_F(CliTest, AStartUpThatEndsTheProgramReportsNoPlanning) {
    writeData({kPlain}, languageText("LBL5"));
    const CliResult result = run({});
    EXPECT_EQ(result.exitCode, 1);
    const json r = parsed(result.out);
    ASSERT_TRUE(r.contains("planning"));
    EXPECT_TRUE(r["planning"].is_null());
}

TEST_F(CliTest, HelpDescribesThePlanningObject) {
    const CliResult help = runCli({"--help"}, environment());
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"planning", "throwRange", "imageRange", "seating", "withinLimits"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace projcalc::cli_test
