// The pieces of projcalc-cli used in process: the command line, the drawings as JSON and the
// numbers of the report compared with the controller's own.
#include "calc/planning.h"
#include "cli/cli_actions.h"
#include "cli/cli_options.h"
#include "cli/json_report.h"
#include "cli_fixture.h"
#include "core/calculator.h"
#include "core/memory_view.h"

namespace projcalc::cli_test {
namespace {

using cli::parseCommandLine;
using cli::UsageError;

TEST(CliCommandLine, ActionsSplitAtTheirFirstEqualsSign) {
    const cli::CliOptions options =
        parseCommandLine({"model=A=B", "--trace", "distance=", "--", "units=feet"});
    ASSERT_EQ(options.actions.size(), 3u);
    EXPECT_EQ(options.actions[0].name, "model");
    EXPECT_EQ(options.actions[0].argument, "A=B");
    EXPECT_EQ(options.actions[1].argument, "");
    EXPECT_TRUE(options.trace);
    EXPECT_FALSE(options.scenes);
    // After "--" even a word that looks like an option is an action, and so is refused by name.
    EXPECT_THROW((void)parseCommandLine({"--", "--trace"}), UsageError);
}

TEST(CliCommandLine, DataDirTakesTheNextWordOrItsOwnValue) {
    EXPECT_EQ(parseCommandLine({"--data-dir", "/a b"}).dataDir, std::filesystem::path("/a b"));
    EXPECT_EQ(parseCommandLine({"--data-dir=/c"}).dataDir, std::filesystem::path("/c"));
    EXPECT_FALSE(parseCommandLine({}).dataDir.has_value());
    EXPECT_THROW((void)parseCommandLine({"--data-dir="}), UsageError);
}

TEST(CliCommandLine, HelpDescribesEveryActionOfTheTable) {
    const std::string help = cli::helpText();
    for (const cli::ActionEntry& entry : cli::actionTable()) {
        std::string usage = std::string(entry.name);
        if (!entry.argument.empty()) usage += "=" + std::string(entry.argument);
        EXPECT_NE(help.find(usage), std::string::npos) << usage;
        EXPECT_NE(help.find(entry.help), std::string::npos) << entry.help;
    }
}

TEST(CliSceneJson, ItemsKeepTheirOrderPensBrushesAndControls) {
    Scene scene;
    scene.width = 453;
    scene.height = 241;
    scene.items.push_back({SceneItem::Kind::Polygon,
                           PenId::ScreenOutline,
                           BrushId::ScreenFill,
                           {{1, 2}, {3, 4}, {5, 6}, {1, 2}},
                           "",
                           {},
                           {}});
    scene.items.push_back(
        {SceneItem::Kind::Line, PenId::Axis, BrushId::None, {{7, 8}, {9, 10}}, "", {}, {}});
    scene.items.push_back({SceneItem::Kind::Image,
                           PenId::Ray,
                           BrushId::None,
                           {},
                           "imgProjectorSide_1",
                           {11, 12},
                           {32, 15}});
    scene.controls.push_back({"txtValue_3", {20, 30}, {60, 20}, false});

    const json expected = json::parse(R"({
        "width": 453, "height": 241,
        "items": [
            {"kind": "polygon", "points": [[1, 2], [3, 4], [5, 6], [1, 2]],
             "pen": "penScreenOutline", "brush": "brushScreenFill"},
            {"kind": "line", "from": [7, 8], "to": [9, 10], "pen": "penAxis"},
            {"kind": "image", "name": "imgProjectorSide_1", "at": [11, 12], "size": [32, 15]}
        ],
        "controls": {"txtValue_3": {"at": [20, 30], "size": [60, 20], "visible": false}}
    })");
    EXPECT_EQ(json::parse(cli::dumpJson(cli::sceneJson(scene), -1)), expected);
}

// The report's numbers, its planning included, read back as the very doubles the controller holds.
TEST_F(CliTest, ReportNumbersReadBackAsTheControllersDoubles) {
    writeData();
    const json r = report({"diagonal=120.2", "aspect=16:9", "zoom=TELE"});

    MemoryView view;
    Calculator calculator(view);
    ASSERT_TRUE(calculator.startUp(dataFolder()));
    ASSERT_TRUE(calculator.commit(Quantity::Diagonal, "120.2"));
    calculator.choose(Aspect::R16x9);
    calculator.choose(Zoom::Tele);

    const Calculation& c = calculator.calculation();
    const std::vector<std::pair<const char*, double>> expected = {
        {"screenWidth", c.results.width},
        {"screenHeight", c.results.height},
        {"screenDiagonal", c.results.diagonal},
        {"projectionDistance", c.results.distance},
        {"offsetA", c.results.offsetA},
        {"offsetB", c.results.offsetB},
        {"frontViewScale", c.frontScale},
        {"currentMaxDiagonal", c.currentLimits().largest},
        {"currentMinDiagonal", c.currentLimits().smallest}};
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(r["state"][key].get<double>(), value) << key;
    }
    EXPECT_EQ(r["boxes"], json(view.screen.boxes));
    EXPECT_EQ(r["offsets"], json(view.screen.offsets));

    // The planning read-outs too.
    ASSERT_TRUE(view.screen.planning.planning.has_value());
    const Planning& planning = *view.screen.planning.planning;
    const json& p = r["planning"];
    for (const Zoom zoom : kAllZooms) {
        const std::string end = zoom == Zoom::Wide ? "wide" : "tele";
        SCOPED_TRACE(end);
        ASSERT_TRUE(planning.throwAt(zoom) && planning.imageAt(zoom));
        EXPECT_EQ(p["throwRange"][end]["distance"].get<double>(),
                  planning.throwAt(zoom)->solution.distance);
        EXPECT_EQ(p["throwRange"][end]["withinLimits"].get<bool>(),
                  planning.throwAt(zoom)->withinLimits);
        EXPECT_EQ(p["imageRange"][end]["diagonal"].get<double>(),
                  planning.imageAt(zoom)->solution.diagonal);
    }
    EXPECT_EQ(p["seating"]["smpte30"].get<double>(), planning.seatFor(SeatingAngle::Smpte30));
    EXPECT_EQ(p["seating"]["thx36"].get<double>(), planning.seatFor(SeatingAngle::Thx36));
    EXPECT_EQ(p["seating"]["thx40"].get<double>(), planning.seatFor(SeatingAngle::Thx40));
}

}  // namespace
}  // namespace projcalc::cli_test
