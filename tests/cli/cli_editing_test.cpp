// projcalc-cli's editing: undo and redo, refused typed texts, "changed" and the --text summary.
#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

// What the window shows of a calculation, without the messages of the steps that led to it.
json shown(const json& report) {
    return {{"model", report["model"]}, {"options", report["options"]},
            {"boxes", report["boxes"]}, {"offsets", report["offsets"]},
            {"state", report["state"]}, {"changed", report["changed"]},
            {"title", report["title"]}};
}

TEST_F(CliTest, UndoAndRedoTakeBackAndRepeatValuesOptionsAndModelPicks) {
    writeData();
    const json start = report({});
    const json typed = report({"diagonal=120"});
    const json all = report({"diagonal=120", "model=Wide 169", "units=feet"});
    EXPECT_EQ(start["changed"], false);
    EXPECT_EQ(typed["changed"], true);
    // What Edit > Undo and Redo can do, as their menu items show it.
    EXPECT_EQ(json({start["canUndo"], start["canRedo"]}), json({false, false}));
    EXPECT_EQ(json({typed["canUndo"], typed["canRedo"]}), json({true, false}));
    const json undone = report({"diagonal=120", "undo"});
    EXPECT_EQ(json({undone["canUndo"], undone["canRedo"]}), json({false, true}));

    EXPECT_EQ(shown(report({"diagonal=120", "model=Wide 169", "units=feet", "undo", "undo"})),
              shown(typed));
    EXPECT_EQ(
        shown(report({"diagonal=120", "model=Wide 169", "units=feet", "undo", "undo", "undo"})),
        shown(start));
    EXPECT_EQ(shown(report({"diagonal=120", "model=Wide 169", "units=feet", "undo", "undo", "redo",
                            "redo"})),
              shown(all));
    // Refused values and clicks on the checked option are no steps: undo skips nothing.
    EXPECT_EQ(shown(report({"diagonal=120", "diagonal=abc", "units=inches", "width=-1", "undo"})),
              shown(start));
}

TEST_F(CliTest, ChangedFollowsSavesAndTheTitleStaysPlain) {
    writeData();
    const std::string plan = (dir.path() / "plan.cf").string();
    const json saved = report({"diagonal=120", "save-as=" + plan});
    EXPECT_EQ(saved["changed"], false);
    EXPECT_EQ(saved["title"], "Projection Distance Calculator [plan]");
    const json changedAgain = report({"diagonal=120", "save-as=" + plan, "zoom=TELE"});
    EXPECT_EQ(changedAgain["changed"], true);
    EXPECT_EQ(changedAgain["title"], "Projection Distance Calculator [plan]");
    // Open never asks: the changes are discarded.
    const json opened = report({"diagonal=150", "open=" + plan});
    EXPECT_EQ(opened["changed"], false);
    EXPECT_EQ(opened["boxes"][1], "120");
}

TEST_F(CliTest, RefusedTextsNameTheBoxQuoteTheTextAndChangeNothing) {
    writeData();
    const json start = report({});
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"width=150,7", "Width: \u201c150,7\u201d is not a number. Use a point for decimals."},
        {"diagonal=120abc",
         "Screen Size Diagonal: \u201c120abc\u201d is not a number. Use a point for decimals."},
        {"distance=",
         "Projection Distance: \u201c\u201d is not a number. Use a point for decimals."},
        {"width=-120", "Width: \u201c-120\u201d must be above 0."},
        {"height=-0.5", "Height: \u201c-0.5\u201d must be above 0."},
    };
    for (const auto& [action, message] : cases) {
        SCOPED_TRACE(action);
        const json r = report({action});
        EXPECT_EQ(r["messages"], json({message}));
        EXPECT_EQ(shown(r), shown(start));
    }
    // Texts read in full keep their meaning.
    EXPECT_EQ(report({"width= 1 6 0 "})["boxes"], json({"200", "200", "160", "120"}));
    EXPECT_EQ(report({"width=&HA0"})["boxes"], json({"200", "200", "160", "120"}));
    EXPECT_EQ(report({"width=1.6e2"})["boxes"], json({"200", "200", "160", "120"}));
}

TEST_F(CliTest, TextPrintsTheSummaryInsteadOfTheReport) {
    writeData();
    const CliResult result = run({"--text", "units=feet", "diagonal=10"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Model: Plain 100\n"
              "Aspect Ratio: 4 : 3\n"
              "WIDE / TELE: WIDE\n"
              "Position: Bottom of Screen\n"
              "Projection Distance: 10 Feet\n"
              "Screen Size Diagonal: 10 Feet\n"
              "Width: 8 Feet\n"
              "Height: 6 Feet\n"
              "Offset: 3.0 ~ 0.6 Feet\n"
              // The planning panel's figures, as the panel labels them.
              "Distance for this screen, WIDE: 10\u2032 0\u2033\n"
              "Distance for this screen, TELE: 12\u2032 6\u2033\n"
              "Image at this distance, WIDE: 10\u2032 0\u2033\n"
              "Image at this distance, TELE: 8\u2032 0\u2033\n"
              "Seating distance, 30\u00b0 (SMPTE, farthest): 14\u2032 11\u2033\n"
              "Seating distance, 36\u00b0 (THX, farthest): 12\u2032 4\u2033\n"
              "Seating distance, 40\u00b0 (THX, recommended): 11\u2032 0\u2033\n");
}

}  // namespace
}  // namespace projcalc::cli_test
