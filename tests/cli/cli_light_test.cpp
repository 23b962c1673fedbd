// projcalc-cli's light, scope and throw-ratio figures: the "planning" keys, gain=, light=,
// minfl= and scope=, the finder's and the throw table's fL, and the CSV columns.
#include <algorithm>
#include <cmath>

#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

// A catalogue whose header names the light columns after the 43 fields of the geometry.
std::string litHeader() {
    std::string header = kHeader;
    for (int field = 25; field < 43; ++field)
        header += ",x" + std::to_string(field);
    return header + ",Lumens,TeleLumens";
}

// A model line with 18 empty fields up to field 42, then its lumens.
std::string lit(const std::string& line, const std::string& lumens) {
    return line + std::string(18, ',') + "," + lumens;
}

// "Plain 100" starts at its largest 4:3 WIDE picture, 300 inches: 240 × 180 inches, 300 square
// feet, thrown from 300 inches (TELE: 375). With 3000 lumens at WIDE and 2400 at TELE that is
// 10 and 8 fL at gain 1 and full light.
const std::string kLitPlain = lit(kPlain, "3000,2400");
// The same lens with a tenth of the light.
const std::string kDimPlain =
    lit("Dim 100,10,300,10,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,10,280,10,240,10,290,10,245",
        "300,");
// A zoom range of 1 ÷ 0.6 ≈ 1.67, long enough for the zoom method at every scope ratio.
const std::string kLongZoom =
    lit("Long Zoom,10,300,10,300,1.0,0,0.6,0,0.5,0.6,0.1,0.12,0,15,0,0,10,300,10,300,10,300,10,300",
        "3000,");
// Without lumens.
const std::string kUnlit = lit(
    "Unlit,10,300,10,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,10,280,10,240,10,290,10,245", ",");

// A test name made of a case's actions.
std::string actionsName(const std::vector<std::string>& actions, std::size_t index) {
    std::string text;
    for (const std::string& action : actions)
        text += action + "_";
    return caseName(text, index);
}

class CliLightTest : public CliTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(dataFolder());
        std::string catalogue = litHeader() + "\n";
        for (const std::string& model : {kLitPlain, kDimPlain, kLongZoom, kUnlit})
            catalogue += model + "\n";
        std::ofstream(dataFolder() / "ModelInfo.ini", std::ios::binary) << catalogue;
        std::ofstream(dataFolder() / "Language.ini", std::ios::binary) << languageText();
    }
};

// ---- "planning": "light" ----------------------------------------------------------------------

struct LightCase {
    std::vector<std::string> actions;
    double gain, percent;
    double wideFL, teleFL;
    const char* wideRating;
    const char* teleRating;
    const char* message;  // a word the one message must hold, or nullptr for no message
};

class CliLightReport : public CliLightTest, public ::testing::WithParamInterface<LightCase> {};

TEST_P(CliLightReport, GivesEachEndsLightForTheGainAndShare) {
    const LightCase& c = GetParam();
    const json r = report(c.actions);
    const json& light = r["planning"]["light"];
    ASSERT_TRUE(light.is_object()) << r.dump();
    EXPECT_EQ(light["gain"].get<double>(), c.gain);
    EXPECT_EQ(light["lightPercent"].get<double>(), c.percent);
    EXPECT_NEAR(light["wide"]["fL"].get<double>(), c.wideFL, 1e-9);
    EXPECT_NEAR(light["tele"]["fL"].get<double>(), c.teleFL, 1e-9);
    EXPECT_NEAR(light["wide"]["nits"].get<double>(), c.wideFL * 3.4262591, 1e-9);
    EXPECT_EQ(light["wide"]["rating"], c.wideRating);
    EXPECT_EQ(light["tele"]["rating"], c.teleRating);
    // No scope screen: no scope light.
    EXPECT_FALSE(light["wide"].contains("scopeFL"));
    if (c.message == nullptr) {
        EXPECT_TRUE(r["messages"].empty()) << r["messages"].dump();
    } else {
        ASSERT_EQ(r["messages"].size(), 1u) << r["messages"].dump();
        EXPECT_NE(r["messages"][0].get<std::string>().find(c.message), std::string::npos)
            << r["messages"][0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, CliLightReport,
    ::testing::Values(
        LightCase{{}, 1, 100, 10, 8, "tooDim", "tooDim", nullptr},
        LightCase{{"gain=1.2"}, 1.2, 100, 12, 9.6, "darkRoom", "tooDim", nullptr},
        LightCase{{"gain=4", "light=50"}, 4, 50, 20, 16, "darkRoom", "darkRoom", nullptr},
        LightCase{{"gain=6"}, 6, 100, 60, 48, "brightRoom", "livingRoom", nullptr},
        LightCase{{"gain= 3.5 "}, 3.5, 100, 35, 28, "dimRoom", "dimRoom", nullptr},
        LightCase{{"light=70.5"}, 1, 70.5, 7.05, 5.64, "tooDim", "tooDim", nullptr},
        // Refused like a box value: the input named, the text quoted, nothing changed.
        LightCase{{"gain=2", "gain=abc"}, 2, 100, 20, 16, "darkRoom", "darkRoom", "Screen gain"},
        LightCase{{"gain=10.5"}, 1, 100, 10, 8, "tooDim", "tooDim", "\u201c10.5\u201d"},
        LightCase{{"gain=0"}, 1, 100, 10, 8, "tooDim", "tooDim", "Screen gain"},
        LightCase{{"gain=1,5"}, 1, 100, 10, 8, "tooDim", "tooDim", "\u201c1,5\u201d"},
        LightCase{{"light=0.5"}, 1, 100, 10, 8, "tooDim", "tooDim", "Light share"},
        LightCase{{"light=101"}, 1, 100, 10, 8, "tooDim", "tooDim", "\u201c101\u201d"},
        LightCase{{"light=-50"}, 1, 100, 10, 8, "tooDim", "tooDim", "Light share"},
        // An undo step, and the picture it is worked out for follows the box.
        LightCase{{"gain=2", "undo"}, 1, 100, 10, 8, "tooDim", "tooDim", nullptr},
        LightCase{{"gain=2", "undo", "redo"}, 2, 100, 20, 16, "darkRoom", "darkRoom", nullptr},
        LightCase{{"diagonal=150"}, 1, 100, 40, 32, "livingRoom", "dimRoom", nullptr}),
    [](const ::testing::TestParamInfo<LightCase>& param) {
        return actionsName(param.param.actions, param.index);
    });

TEST_F(CliLightTest, ALightChangeIsAChangeAndAModelWithoutLumensHasNoLight) {
    EXPECT_FALSE(report({"gain=1.0"})["changed"].get<bool>());
    EXPECT_TRUE(report({"light=80"})["changed"].get<bool>());
    const json unlit = report({"model=Unlit", "gain=2"});
    EXPECT_TRUE(unlit["planning"].is_object());
    EXPECT_TRUE(unlit["planning"]["light"].is_null());
}

// ---- "planningInputs" -------------------------------------------------------------------------

// What the panel's inputs show: the values in force, with or without figures to show them in.
TEST_F(CliLightTest, PlanningInputsHoldTheValuesInForce) {
    const std::vector<std::pair<std::vector<std::string>, json>> cases = {
        {{}, {{"gain", "1"}, {"share", "100"}, {"scope", "none"}}},
        {{"gain=1.30", "light=70", "scope=2.4"},
         {{"gain", "1.3"}, {"share", "70"}, {"scope", "2.40"}}},
        {{"gain=2", "gain=abc"}, {{"gain", "2"}, {"share", "100"}, {"scope", "none"}}},
        {{"gain=2", "undo"}, {{"gain", "1"}, {"share", "100"}, {"scope", "none"}}},
        // Without lumens and without 16 : 9 there are no light or scope figures, only the inputs.
        {{"model=Unlit", "gain=2", "scope=2.39"},
         {{"gain", "2"}, {"share", "100"}, {"scope", "2.39"}}},
    };
    for (const auto& [actions, inputs] : cases) {
        EXPECT_EQ(report(actions)["planningInputs"], inputs) << actionsName(actions, 0);
    }
}

// ---- "planning": "throwRatio" -----------------------------------------------------------------

TEST_F(CliLightTest, ThrowRatioIsEachEndsDistanceOverTheImageWidth) {
    const json r = report({});
    EXPECT_EQ(r["planning"]["throwRatio"],
              json({{"wide", 300.0 / 240.0}, {"tele", 375.0 / 240.0}}));
    // A fixed lens has no TELE throw distance.
    writeData({kPlain, kWide169});
    const json fixed = report({"model=Wide 169"});
    const json& ratio = fixed["planning"]["throwRatio"];
    EXPECT_TRUE(ratio["tele"].is_null());
    EXPECT_DOUBLE_EQ(ratio["wide"].get<double>(),
                     fixed["state"]["projectionDistance"].get<double>() /
                         fixed["state"]["screenWidth"].get<double>());
}

// ---- "planning": "scope" and scope= -----------------------------------------------------------

struct ScopeCase {
    std::vector<std::string> actions;
    double ratio;  // 0: "scope" is null
    bool stretch;  // "zoomMethod" is an object
};

class CliScopeReport : public CliLightTest, public ::testing::WithParamInterface<ScopeCase> {};

TEST_P(CliScopeReport, GivesTheScopeScreenAndTheZoomMethod) {
    const ScopeCase& c = GetParam();
    const json r = report(c.actions);
    const json& scope = r["planning"]["scope"];
    if (c.ratio == 0) {
        EXPECT_TRUE(scope.is_null()) << scope.dump();
        return;
    }
    ASSERT_TRUE(scope.is_object()) << r.dump();
    const json& state = r["state"];
    const double height = state["screenHeight"].get<double>();
    const double diagonal = state["screenDiagonal"].get<double>();
    EXPECT_EQ(scope["ratio"].get<double>(), c.ratio);
    EXPECT_EQ(scope["height"].get<double>(), height);
    EXPECT_DOUBLE_EQ(scope["width"].get<double>(), c.ratio * height);
    EXPECT_DOUBLE_EQ(scope["diagonal"].get<double>(), height * std::sqrt(1 + c.ratio * c.ratio));
    EXPECT_DOUBLE_EQ(scope["imageDiagonal"].get<double>(), diagonal * c.ratio / (16.0 / 9.0));
    ASSERT_TRUE(scope["wide"].is_object());
    EXPECT_TRUE(scope["wide"]["withinLimits"].is_boolean());
    const json& method = scope["zoomMethod"];
    ASSERT_EQ(method.is_object(), c.stretch) << method.dump();
    if (c.stretch) {
        EXPECT_EQ(method["standFrom"], scope["wide"]["distance"]);
        EXPECT_EQ(method["standTo"], r["planning"]["throwRange"]["tele"]["distance"]);
    }
    // The scope picture's light is the screen's spread over the larger picture.
    const json& light = r["planning"]["light"];
    if (light.is_object() && light["wide"].is_object()) {
        const double share = diagonal / scope["imageDiagonal"].get<double>();
        EXPECT_DOUBLE_EQ(light["wide"]["scopeFL"].get<double>(),
                         light["wide"]["fL"].get<double>() * share * share);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, CliScopeReport,
    ::testing::Values(
        ScopeCase{{"aspect=16:9"}, 0, false},
        ScopeCase{{"scope=2.39"}, 0, false},  // 4:3: the zoom method needs 16:9
        ScopeCase{{"aspect=16:9", "diagonal=100", "scope=2.35"}, 2.35, false},
        ScopeCase{{"model=Long Zoom", "aspect=16:9", "diagonal=100", "scope=2.35"}, 2.35, true},
        ScopeCase{{"model=Long Zoom", "aspect=16:9", "diagonal=100", "scope=2.39"}, 2.39, true},
        ScopeCase{{"model=Long Zoom", "aspect=16:9", "diagonal=100", "scope=2.4"}, 2.4, true},
        ScopeCase{{"model=Long Zoom", "aspect=16:9", "scope= 2.40 "}, 2.4, true},
        ScopeCase{{"aspect=16:9", "scope=2.39", "scope=none"}, 0, false},
        ScopeCase{{"aspect=16:9", "scope=2.39", "undo"}, 0, false},
        ScopeCase{{"aspect=16:9", "scope=2.39", "aspect=4:3"}, 0, false}),
    [](const ::testing::TestParamInfo<ScopeCase>& param) {
        return actionsName(param.param.actions, param.index);
    });

// ---- settings that can never be right exit with 2 ---------------------------------------------

class CliLightUsage : public CliLightTest,
                      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(CliLightUsage, NamesTheSettingAndQuotesTheText) {
    const auto& [action, named] = GetParam();
    const CliResult result = run({action});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(std::string("\"") + action + "\""), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Actions, CliLightUsage,
                         ::testing::Values(std::pair{"scope=2.5", "scope screen"},
                                           std::pair{"scope=", "scope screen"},
                                           std::pair{"scope=2.390", "scope screen"},
                                           std::pair{"minfl=-1", "minimum light"},
                                           std::pair{"minfl=ten", "minimum light"},
                                           std::pair{"minfl=1e3", "minimum light"}));

// ---- fit= with fL and minfl= ------------------------------------------------------------------

struct FitCase {
    std::vector<std::string> actions;
    std::vector<std::string> listed;
    double gain = 1;
};

class CliLightFit : public CliLightTest, public ::testing::WithParamInterface<FitCase> {};

// At a 100-inch 4:3 diagonal (80 × 60 inches, 33⅓ square feet) Plain 100 gives 90 fL at WIDE
// and 72 at TELE, Dim 100 a tenth of that; TELE within its limits only below 250 inches.
TEST_P(CliLightFit, ListsTheModelsThatReachTheMinimum) {
    const FitCase& c = GetParam();
    const json r = report(c.actions);
    std::vector<std::string> listed;
    for (const json& model : r["fit"]["models"]) {
        listed.push_back(model["name"]);
        if (model["name"] == "Unlit") {
            EXPECT_TRUE(model["wide"]["fL"].is_null());
        }
        if (model["name"] == "Plain 100") {
            EXPECT_NEAR(model["wide"]["fL"].get<double>(), 90 * c.gain, 1e-9);
            EXPECT_NEAR(model["tele"]["fL"].get<double>(), 72 * c.gain, 1e-9);
        }
    }
    EXPECT_EQ(listed, c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, CliLightFit,
    ::testing::Values(
        FitCase{{"diagonal=100", "fit=0..1000"}, {"Plain 100", "Dim 100", "Long Zoom", "Unlit"}},
        FitCase{{"diagonal=100", "minfl=0", "fit=0..1000"},
                {"Plain 100", "Dim 100", "Long Zoom", "Unlit"}},
        FitCase{{"diagonal=100", "minfl=9", "fit=0..1000"}, {"Plain 100", "Dim 100", "Long Zoom"}},
        FitCase{{"diagonal=100", "minfl=9.5", "fit=0..1000"}, {"Plain 100", "Long Zoom"}},
        FitCase{{"diagonal=100", "minfl=91", "fit=0..1000"}, {}},
        // The gain of the calculation counts.
        FitCase{
            {"diagonal=100", "gain=2", "minfl=100", "fit=0..1000"}, {"Plain 100", "Long Zoom"}, 2},
        // minfl= takes effect for what follows only.
        FitCase{{"diagonal=100", "fit=0..1000", "minfl=50"},
                {"Plain 100", "Dim 100", "Long Zoom", "Unlit"}}));

// ---- table= with fL, and --csv ----------------------------------------------------------------

TEST_F(CliLightTest, ThrowTableRowsAndCsvCarryEachEndsLight) {
    const json r = report({"gain=1.5", "table=100..300:100"});
    ASSERT_EQ(r["table"].size(), 3u);
    // 100 inches: 33⅓ ft², 3000 × 1.5 lumens at WIDE.
    EXPECT_NEAR(r["table"][0]["wide"]["fL"].get<double>(), 135, 1e-9);
    EXPECT_NEAR(r["table"][0]["tele"]["fL"].get<double>(), 108, 1e-9);
    // 300 inches: 300 ft²; the TELE end lies outside its limits there, and still has light.
    EXPECT_NEAR(r["table"][2]["wide"]["fL"].get<double>(), 15, 1e-9);
    EXPECT_NEAR(r["table"][2]["tele"]["fL"].get<double>(), 12, 1e-9);
    EXPECT_TRUE(report({"model=Unlit", "table=100..100:1"})["table"][0]["wide"]["fL"].is_null());

    const CliResult csv = run({"--csv", "gain=1.5", "table=100..300:100"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> split;
        std::istringstream in(csv.out);
        for (std::string line; std::getline(in, line);)
            split.push_back(line);
        return split;
    }();
    ASSERT_EQ(lines.size(), 4u) << csv.out;
    EXPECT_NE(lines[0].find(",WIDE fL,TELE fL\r"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(",135.0,108.0\r"), std::string::npos) << lines[1];
    EXPECT_NE(lines[3].find(",15.0,12.0\r"), std::string::npos) << lines[3];
    const CliResult unlit = run({"--csv", "model=Unlit", "table=100..100:1"});
    EXPECT_NE(unlit.out.find(",,\r\n"), std::string::npos) << unlit.out;
}

// ---- a calculation file keeps the light inputs and the scope screen ---------------------------

TEST_F(CliLightTest, ACalculationFileKeepsGainShareAndScope) {
    const std::string file = (dir.path() / "lit.cf").string();
    const json saved =
        report({"aspect=16:9", "gain=1.3", "light=70", "scope=2.39", "save-as=" + file});
    EXPECT_FALSE(saved["changed"].get<bool>());
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\r\ngain=1.3\r\nlightPercent=70\r\nlumens=3000\r\nteleLumens=2400\r\n"
                        "scope=2.39\r\n"),
              std::string::npos)
        << text;
    const json opened = report({"open=" + file});
    EXPECT_EQ(opened["planning"]["light"]["gain"].get<double>(), 1.3);
    EXPECT_EQ(opened["planning"]["light"]["lightPercent"].get<double>(), 70);
    EXPECT_EQ(opened["planning"]["scope"]["ratio"].get<double>(), 2.39);
    EXPECT_EQ(opened["planning"]["light"], saved["planning"]["light"]);
    // A calculation with the defaults and a model without lumens is saved as before, 76 lines.
    const std::string plain = (dir.path() / "plain.cf").string();
    (void)report({"model=Unlit", "gain=2", "gain=1", "save-as=" + plain});
    std::ifstream plainIn(plain, std::ios::binary);
    const std::string plainText((std::istreambuf_iterator<char>(plainIn)),
                                std::istreambuf_iterator<char>());
    EXPECT_EQ(plainText.find('='), std::string::npos);
    EXPECT_EQ(std::count(plainText.begin(), plainText.end(), '\n'), 76);
}

// A model the file brings along keeps its lumens; a model the catalogue holds takes the
// catalogue's.
TEST_F(CliLightTest, TheCataloguesLumensWinForAModelItHolds) {
    const std::string file = (dir.path() / "lit.cf").string();
    (void)report({"save-as=" + file});
    // The catalogue now gives Plain 100 twice the light.
    std::string catalogue = litHeader() + "\n" + lit(kPlain, "6000,4800") + "\n";
    std::ofstream(dataFolder() / "ModelInfo.ini", std::ios::binary) << catalogue;
    EXPECT_NEAR(report({"open=" + file})["planning"]["light"]["wide"]["fL"].get<double>(), 20,
                1e-9);
    // A catalogue without it: the file's model joins the list with its own lumens.
    catalogue = litHeader() + "\n" + kLongZoom + "\n";
    std::ofstream(dataFolder() / "ModelInfo.ini", std::ios::binary) << catalogue;
    const json carried = report({"open=" + file});
    EXPECT_EQ(carried["model"]["name"], "Plain 100");
    EXPECT_NEAR(carried["planning"]["light"]["wide"]["fL"].get<double>(), 10, 1e-9);
    EXPECT_NEAR(carried["planning"]["light"]["tele"]["fL"].get<double>(), 8, 1e-9);
}

// A light value that is not a plain number is reported once, naming the model and the column,
// and the model keeps its place.
TEST_F(CliLightTest, AnUnusableLightValueIsReportedAndTheModelKept) {
    std::string catalogue = litHeader() + "\n" + lit(kPlain, "lots,2400") + "\n" + kLongZoom + "\n";
    std::ofstream(dataFolder() / "ModelInfo.ini", std::ios::binary) << catalogue;
    const json r = report({});
    EXPECT_EQ(r["modelList"], json({"Plain 100", "Long Zoom"}));
    ASSERT_EQ(r["messages"].size(), 1u) << r.dump();
    const std::string message = r["messages"][0];
    for (const char* part : {"ModelInfo.ini", "Plain 100", "Lumens", "lots"})
        EXPECT_NE(message.find(part), std::string::npos) << part << " in " << message;
    EXPECT_TRUE(r["planning"]["light"].is_null());
}

}  // namespace
}  // namespace projcalc::cli_test
