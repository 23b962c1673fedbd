// projcalc-cli run as a user runs it: a data folder, a command line, JSON out.
#include <cmath>
#include <set>

#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

const std::vector<std::string> kStateKeys = {
    "screenWidth", "screenHeight",   "screenDiagonal",     "projectionDistance", "offsetA",
    "offsetB",     "frontViewScale", "currentMaxDiagonal", "currentMinDiagonal"};

TEST_F(CliTest, StartUpShowsTheDefaultsAndTheFirstModelAtItsLargestImage) {
    writeData();
    const json r = report({});

    EXPECT_EQ(r["title"], "Projection Distance Calculator");
    EXPECT_EQ(r["model"], json({{"row", 0}, {"name", "Plain 100"}}));
    EXPECT_EQ(r["modelList"], json({"Plain 100", "Wide 169", "Flat Tele"}));
    EXPECT_EQ(r["options"]["units"], "inches");
    EXPECT_EQ(r["options"]["zoom"], "WIDE");
    EXPECT_EQ(r["options"]["position"], "Bottom of Screen");
    EXPECT_EQ(r["options"]["aspect"], "4 : 3");
    EXPECT_EQ(r["options"]["aspectEnabled"], json({true, true, true, true}));
    EXPECT_EQ(r["options"]["zoomEnabled"], json({true, true}));
    // The largest 4:3 WIDE diagonal of the model, thrown from 300 inches by its 1:1 size line.
    EXPECT_EQ(r["state"]["screenDiagonal"], 300.0);
    EXPECT_EQ(r["state"]["projectionDistance"], 300.0);
    EXPECT_EQ(r["boxes"], json({"300", "300", "240", "180"}));
    EXPECT_EQ(r["offsets"], json({"90.0", "18.0"}));
    EXPECT_EQ(r["offsetVisible"], json({true, true}));
    EXPECT_EQ(r["enterVisible"], json({false, false, false, false}));
    EXPECT_EQ(r["messages"], json::array());
    EXPECT_EQ(r["errors"], json::array());
    EXPECT_EQ(r["dataFolder"], dataFolder().string());
    EXPECT_FALSE(r.contains("scenes"));
    for (const std::string& key : kStateKeys) {
        EXPECT_TRUE(r["state"][key].is_number()) << key;
    }
}

TEST_F(CliTest, TypedDiagonalIsRoundedUpToAWholeNumber) {
    writeData();
    const json r = report({"diagonal=12.3"});
    EXPECT_EQ(r["boxes"], json({"13", "13", "10", "8"}));
    EXPECT_EQ(r["state"]["screenDiagonal"], 13.0);
    EXPECT_EQ(r["messages"], json::array());
    EXPECT_EQ(r["enterVisible"], json({false, false, false, false}));
}

TEST_F(CliTest, ValueOutsideTheLimitsIsRefusedAndTheOldTextReturns) {
    writeData();
    const json before = report({"diagonal=120"});
    for (const auto& [typed, message] : std::vector<std::pair<std::string, std::string>>{
             {"diagonal=301", "Too large: at most 300 inches"},
             {"diagonal=abc",
              "Screen Size Diagonal: \u201cabc\u201d is not a number. Use a point for decimals."},
             {"distance=1000", "Too large: at most 300 inches"}}) {
        SCOPED_TRACE(typed);
        const json r = report({"diagonal=120", typed});
        EXPECT_EQ(r["messages"], json({message}));
        EXPECT_EQ(r["boxes"], before["boxes"]);
        EXPECT_EQ(r["state"], before["state"]);
    }
}

TEST_F(CliTest, LeavingABoxUnchangedKeepsEverything) {
    writeData();
    const json r = report({"leave=width"});
    EXPECT_EQ(r["boxes"], json({"300", "300", "240", "180"}));
    EXPECT_EQ(r["messages"], json::array());
}

struct OptionCase {
    std::string action;
    std::string group;
    std::string shown;
};

void PrintTo(const OptionCase& option, std::ostream* out) {
    *out << option.action;
}

class CliOptionTest : public CliTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(CliOptionTest, ClickChecksTheOptionByItsFixedName) {
    writeData();
    const json r = report({GetParam().action});
    EXPECT_EQ(r["options"][GetParam().group], GetParam().shown);
    EXPECT_EQ(r["errors"], json::array());
}

INSTANTIATE_TEST_SUITE_P(Options, CliOptionTest,
                         ::testing::Values(OptionCase{"aspect=16:9", "aspect", "16 : 9"},
                                           OptionCase{"aspect=16 : 10", "aspect", "16 : 10"},
                                           OptionCase{"aspect=5:4", "aspect", "5 : 4"},
                                           OptionCase{"zoom=TELE", "zoom", "TELE"},
                                           OptionCase{"zoom=tele", "zoom", "TELE"},
                                           OptionCase{"units=feet", "units", "Feet"},
                                           OptionCase{"units=centimeters", "units", "centimeters"},
                                           OptionCase{"position=top", "position", "Top of Screen"}),
                         [](const auto& test) { return caseName(test.param.action, test.index); });

TEST_F(CliTest, UnitClickConvertsTheBoxesOnly) {
    writeData();
    const json inches = report({});
    const json feet = report({"units=feet"});
    EXPECT_EQ(feet["boxes"], json({"25", "25", "20", "15"}));
    EXPECT_EQ(feet["state"], inches["state"]);
}

TEST_F(CliTest, AspectClickKeepsTheDistance) {
    writeData();
    const json r = report({"diagonal=100", "aspect=16:9"});
    EXPECT_EQ(r["state"]["projectionDistance"], 100.0);
    EXPECT_NE(r["state"]["screenDiagonal"], 100.0);
}

TEST_F(CliTest, PickedModelOffersOnlyItsOptions) {
    writeData();
    const json r = report({"model=Wide 169"});
    EXPECT_EQ(r["model"], json({{"row", 1}, {"name", "Wide 169"}}));
    EXPECT_EQ(r["options"]["aspect"], "16 : 9");
    EXPECT_EQ(r["options"]["aspectEnabled"], json({false, false, true, false}));
    EXPECT_EQ(r["options"]["zoomEnabled"], json({false, false}));
    // A greyed button's tooltip says why; an enabled one's what it stands for.
    EXPECT_EQ(r["options"]["zoomTips"],
              json({"This model has a fixed lens", "This model has a fixed lens"}));
    EXPECT_EQ(r["options"]["aspectTips"][0], "This model does not offer 4 : 3");
    EXPECT_EQ(r["options"]["aspectTips"][2], "The image's width to its height: 16 : 9");
    EXPECT_EQ(r["offsetVisible"], json({true, false}));
    EXPECT_EQ(r["state"]["screenDiagonal"], 220.0);
    EXPECT_EQ(report({"model-row=1"})["model"], r["model"]);
}

TEST_F(CliTest, ModelNamePicksTheFirstRowWithThatText) {
    writeData({kPlain, kTwinLarge, kTwinSmall});
    const json r = report({"model=Twin"});
    EXPECT_EQ(r["model"]["row"], 1);
    EXPECT_EQ(r["state"]["screenDiagonal"], 150.0);
    EXPECT_EQ(report({"model-row=2"})["state"]["screenDiagonal"], 120.0);
}

struct RefusedCase {
    std::vector<std::string> args;
    std::string reason;  // a part of the message on stderr
};

void PrintTo(const RefusedCase& refused, std::ostream* out) {
    for (const std::string& arg : refused.args)
        *out << arg << ' ';
}

class CliRefusedTest : public CliTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(CliRefusedTest, ExitsWithTwoAndSaysWhyOnStandardError) {
    writeData();
    const CliResult result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(GetParam().reason), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, CliRefusedTest,
    ::testing::Values(RefusedCase{{"model=Wide 169", "aspect=4:3"}, "\"4 : 3\" is disabled"},
                      RefusedCase{{"model=Wide 169", "zoom=TELE"}, "\"TELE\" is disabled"},
                      RefusedCase{{"model=Nobody"}, "has no row \"Nobody\""},
                      RefusedCase{{"model-row=3"}, "3 rows"},
                      RefusedCase{{"model-row=x"}, "row number"},
                      RefusedCase{{"volume=11"}, "unknown action \"volume\""},
                      RefusedCase{{"diagonal"}, "is not an action"},
                      RefusedCase{{"units=yards"}, "\"units=yards\": expected one of inches, feet"},
                      RefusedCase{{"leave=depth"}, "expected one of distance"},
                      RefusedCase{{"--verbose"}, "unknown option \"--verbose\""},
                      RefusedCase{{"--data-dir"}, "--data-dir needs a folder"},
                      RefusedCase{{"undo"}, "nothing to undo"},
                      RefusedCase{{"diagonal=120", "undo", "redo", "redo"}, "nothing to redo"},
                      RefusedCase{{"undo=1"}, "\"undo\" is written without a value"},
                      RefusedCase{{"--text", "--trace"}, "cannot be combined with --trace"},
                      RefusedCase{{"--scenes", "--text"}, "cannot be combined with --scenes"}),
    [](const auto& test) { return caseName(test.param.args.back(), test.index); });

TEST_F(CliTest, BadActionLaterInTheLineFailsBeforeAnythingRuns) {
    writeData();
    const CliResult result = run({"--trace", "diagonal=100", "zoom=SIDEWAYS"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, MissingLanguageTextEndsTheProgramWithAFatalReport) {
    writeData({kPlain}, languageText("LBL5"));
    const CliResult result = run({"diagonal=100"});
    EXPECT_EQ(result.exitCode, 1);
    const json r = parsed(result.out);
    EXPECT_EQ(r["fatal"], true);
    ASSERT_EQ(r["messages"].size(), 1u);
    EXPECT_EQ(r["messages"][0].get<std::string>(),
              "LANGUAGE.INI ERRER !!!! \r\n" + (dataFolder() / "Language.ini").string() +
                  ": the text LBL5 of section [Language] is missing or empty");
    EXPECT_EQ(r["errors"], json::array());
}

TEST_F(CliTest, MissingCatalogueEndsTheProgramNamingTheFile) {
    writeData();
    std::filesystem::remove(dataFolder() / "ModelInfo.ini");
    const CliResult result = run({});
    EXPECT_EQ(result.exitCode, 1);
    const json r = parsed(result.out);
    EXPECT_EQ(r["fatal"], true);
    ASSERT_EQ(r["errors"].size(), 1u);
    EXPECT_EQ(r["errors"][0]["number"], 53);
    const std::string description = r["errors"][0]["description"];
    EXPECT_NE(description.find((dataFolder() / "ModelInfo.ini").string()), std::string::npos)
        << description;
}

TEST_F(CliTest, TraceWritesOneLinePerStepWithThatStepsMessages) {
    writeData();
    const std::vector<std::string> actions = {"diagonal=301", "units=feet", "diagonal=26",
                                              "diagonal=20"};
    std::vector<std::string> args = {"--trace"};
    args.insert(args.end(), actions.begin(), actions.end());
    const CliResult result = run(args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<json> lines = parsedLines(result.out);
    ASSERT_EQ(lines.size(), actions.size() + 1);

    EXPECT_EQ(lines[0]["step"], "start-up");
    EXPECT_EQ(lines[0]["messages"], json::array());
    EXPECT_EQ(lines[1]["step"], "diagonal=301");
    EXPECT_EQ(lines[1]["messages"], json({"Too large: at most 300 inches"}));
    EXPECT_EQ(lines[2]["messages"], json::array());
    EXPECT_EQ(lines[2]["options"]["units"], "Feet");
    EXPECT_EQ(lines[3]["messages"], json({"Too large: at most 25 feet (300 inches)"}));
    EXPECT_EQ(lines[4]["messages"], json::array());

    // The last line is the state a run without --trace ends in.
    json final = report(actions);
    EXPECT_EQ(final["messages"].size(), 2u);
    json last = lines.back();
    for (json* r : {&final, &last}) {
        r->erase("step");
        r->erase("messages");
    }
    EXPECT_EQ(last, final);
}

TEST_F(CliTest, ArithmeticFaultIsReportedAndNoInfinityOrNaNIsShown) {
    writeData();
    const CliResult result =
        run({"--trace", "model=Flat Tele", "zoom=TELE", "diagonal=100", "units=centimeters"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<json> lines = parsedLines(result.out);
    ASSERT_EQ(lines.size(), 5u);
    ASSERT_EQ(lines[2]["errors"].size(), 1u);
    EXPECT_EQ(lines[2]["errors"][0]["number"], 6);
    EXPECT_NE(lines[2]["errors"][0]["description"].get<std::string>().find("Flat Tele"),
              std::string::npos);
    for (const json& line : lines) {
        for (const std::string& key : kStateKeys) {
            ASSERT_TRUE(line["state"][key].is_number()) << line["step"] << " " << key;
            EXPECT_TRUE(std::isfinite(line["state"][key].get<double>()));
        }
        for (const json& text : line["boxes"]) {
            EXPECT_EQ(text.get<std::string>().find_first_not_of("-0123456789."), std::string::npos)
                << text;
        }
        for (const json& text : line["offsets"]) {
            EXPECT_EQ(text.get<std::string>().find_first_not_of("-0123456789."), std::string::npos)
                << text;
        }
    }
}

TEST_F(CliTest, ScenesFollowTheSceneStructure) {
    writeData();
    const json r = report({"--scenes", "diagonal=100"});
    ASSERT_TRUE(r.contains("scenes"));
    const std::set<std::string> pens = {"penRay",        "penScreenOutline", "penAxis",
                                        "penScreenSide", "penDimension",     "penRayFaint",
                                        "penZoomRange"};
    for (const char* name : {"front", "side"}) {
        SCOPED_TRACE(name);
        const json& scene = r["scenes"][name];
        EXPECT_GT(scene["width"].get<int>(), 0);
        EXPECT_GT(scene["height"].get<int>(), 0);
        ASSERT_TRUE(scene["items"].is_array());
        ASSERT_TRUE(scene["controls"].is_object());
        for (const json& item : scene["items"]) {
            const std::string kind = item["kind"];
            if (kind == "image") {
                EXPECT_TRUE(item["name"].is_string());
                EXPECT_EQ(item["at"].size(), 2u);
                continue;
            }
            EXPECT_TRUE(pens.contains(item["pen"].get<std::string>())) << item;
            if (item.contains("brush")) {
                EXPECT_EQ(item["brush"], "brushScreenFill");
            }
            if (kind == "line") {
                EXPECT_EQ(item["from"].size(), 2u);
                EXPECT_EQ(item["to"].size(), 2u);
            } else {
                EXPECT_EQ(kind, "polygon");
                EXPECT_TRUE(item["points"].is_array());
            }
        }
        for (const auto& [control, placement] : scene["controls"].items()) {
            EXPECT_EQ(placement["at"].size(), 2u) << control;
            EXPECT_EQ(placement["size"].size(), 2u) << control;
            EXPECT_TRUE(placement["visible"].is_boolean()) << control;
        }
    }
}

TEST_F(CliTest, BytesThatAreNotUtf8StillGiveValidJson) {
    writeData();
    const CliResult result = run({"--trace", "diagonal=\xff\xfe"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<json> lines = parsedLines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1]["step"], "diagonal=\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(lines[1]["messages"],
              json({"Screen Size Diagonal: \u201c\uFFFD\uFFFD\u201d is not a number. Use a point "
                    "for decimals."}));
}

TEST_F(CliTest, HelpListsTheOptionsAndVersionNamesTheProgram) {
    const CliResult help = runCli({"--help"}, environment());
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"--data-dir DIR", "--trace", "--scenes", "--text", "model=NAME",
                             "leave=", "undo", "redo"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
    const CliResult version = runCli({"--version"}, environment());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "projcalc-cli " PROJCALC_VERSION "\n");
}

}  // namespace
}  // namespace projcalc::cli_test
