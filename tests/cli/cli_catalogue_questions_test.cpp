// The questions about the whole catalogue and a whole model: fit= and table=, and --csv.
#include <gtest/gtest.h>

#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

TEST_F(CliTest, FitListsTheModelsThatThrowTheScreenFromTheRoom) {
    writeData({kPlain, kWide169, kFlatTele});
    const json r = report({"diagonal=100", "fit=90..200"});
    // Plain throws 100 inches at WIDE and 125 at TELE; Flat Tele only at WIDE (its TELE end
    // cannot be worked out); Wide 169 does not offer 4:3.
    const json expected = json::parse(R"({
        "diagonal": 100.0, "near": 90.0, "far": 200.0,
        "models": [
            {"row": 0, "name": "Plain 100",
             "wide": {"distance": 100.0, "withinLimits": true, "fL": null},
             "tele": {"distance": 125.0, "withinLimits": true, "fL": null},
             "standFrom": 100.0, "standTo": 125.0},
            {"row": 2, "name": "Flat Tele",
             "wide": {"distance": 100.0, "withinLimits": true, "fL": null}, "tele": null,
             "standFrom": 100.0, "standTo": 100.0}]})");
    EXPECT_EQ(r["fit"], expected);

    // The room is in the selected unit; NEAR..FAR outside every place lists nothing.
    EXPECT_EQ(report({"units=feet", "diagonal=10", "fit=20..30"})["fit"]["models"], json::array());
    for (const char* bad : {"fit=200..100", "fit=-5..10", "fit=1,5..3", "fit=10", "fit=a..b"}) {
        const CliResult result = run({bad});
        EXPECT_EQ(result.exitCode, 2) << bad;
        EXPECT_NE(result.err.find(bad), std::string::npos) << result.err;
    }
}

TEST_F(CliTest, TableSolvesBothEndsForEachDiagonalAndPrintsCsv) {
    writeData({kPlain});
    const json r = report({"table=100..125:10"});
    ASSERT_EQ(r["table"].size(), 3u);  // 100, 110, 120: 130 would pass TO
    const json& first = r["table"][0];
    EXPECT_EQ(first["diagonal"], 100.0);
    EXPECT_EQ(first["width"], 80.0);
    EXPECT_EQ(first["height"], 60.0);
    EXPECT_EQ(first["wide"]["distance"], 100.0);
    EXPECT_DOUBLE_EQ(first["wide"]["offsetA"].get<double>(), 30.0);
    EXPECT_DOUBLE_EQ(first["tele"]["offsetB"].get<double>(), 0.12 * 60);
    EXPECT_EQ(first["tele"]["withinLimits"], true);
    EXPECT_EQ(r["table"][2]["diagonal"], 120.0);

    // In centimetres: 254 cm is 100 inches.
    EXPECT_EQ(report({"units=centimeters", "table=254..254:1"})["table"][0]["diagonal"], 100.0);

    const CliResult csv = run({"units=centimeters", "table=254..508:254", "--csv"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(
        csv.out.rfind("Model,Aspect,Diagonal (cm),Width (cm),Height (cm),WIDE distance (cm)", 0),
        0u);
    EXPECT_NE(csv.out.find("\r\nPlain 100,4 : 3,254.00,203.20,152.40,254.00,317.50,"),
              std::string::npos)
        << csv.out;
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"table=120..100:10"},
                                               {"table=100..120:0"},
                                               {"table=100..120"},
                                               {"table=1..2:x"},
                                               {"--csv", "diagonal=100"},
                                               {"--csv", "--trace", "table=1..2:1"}}) {
        EXPECT_EQ(run(bad).exitCode, 2) << bad[0];
    }
}

}  // namespace
}  // namespace projcalc::cli_test
