// Models whose values the calculator cannot work with are left out of the list and reported;
// the texts catalogues in use rely on keep their meaning. Catalogues in UTF-16 and with classic
// Mac line ends are read.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "models/model_catalogue.h"
#include "test_support.h"

namespace projcalc {
namespace {

// Every aspect at both zoom ends, 25 fields (one offset ratio, 4:3 WIDE A).
const std::vector<std::string> kGoodFields = {
    "M", "40", "300", "30", "250", "1.0", "0",  "0.8", "0",  "0.5", "0.6", "0.1", "0.12",
    "0", "15", "0",   "0",  "40",  "280", "30", "240", "40", "290", "30",  "245", "0.2"};

struct FieldCase {
    const char* name;
    std::vector<std::pair<int, std::string>> fields;  // column and its text
    bool kept;
    int column = 0;           // the field named when left out
    const char* reason = "";  // part of the reason
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class CatalogueFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CatalogueFieldTest, KeepsOrLeavesOutTheModelAndSaysWhy) {
    const FieldCase& c = GetParam();
    std::vector<std::string> fields = kGoodFields;
    for (const auto& [column, text] : c.fields) {
        if (fields.size() <= static_cast<std::size_t>(column)) fields.resize(column + 1U);
        fields[static_cast<std::size_t>(column)] = text;
    }
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : ",") + field;
    const std::string good = "Good,40,300,30,250,1.0,0,0.8,0,0.5,0.6,0,0,0,3";

    const CatalogueRead read =
        parseModelCatalogue(kShortCatalogueHeader + line + "\n" + good, "ModelInfo.ini");
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error);
    if (c.kept) {
        EXPECT_EQ(table.size(), 2u);
        EXPECT_TRUE(leftOut.empty()) << describeLeftOutLine(leftOut.front());
        return;
    }
    ASSERT_EQ(table.size(), 1u);  // the next model is read on
    EXPECT_EQ(table[0].modelName, "Good");
    ASSERT_EQ(leftOut.size(), 1u);
    const LeftOutLine& out = leftOut[0];
    EXPECT_EQ(out.file, "ModelInfo.ini");
    EXPECT_EQ(out.line, 2u);
    EXPECT_EQ(out.modelName, "M");
    EXPECT_EQ(out.problem.column, c.column);
    EXPECT_EQ(out.text, fields[static_cast<std::size_t>(c.column)]);
    EXPECT_NE(out.problem.reason.find(c.reason), std::string::npos) << out.problem.reason;
    // The report names the model and the column as the header line calls it.
    const std::string described = describeLeftOutLine(out);
    EXPECT_NE(described.find("ModelInfo.ini, line 2: the model \"M\", "), std::string::npos)
        << described;
    const std::vector<std::string_view> names = {"Name",   "min43W", "max43W", "min43T", "max43T",
                                                 "slopeW", "icptW",  "slopeT", "icptT"};
    const auto column = static_cast<std::size_t>(c.column);
    const std::string label =
        column < names.size()
            ? "column \"" + std::string(names[column]) + "\" (field " + std::to_string(column) + ")"
            : "field " + std::to_string(column) + " \"";
    EXPECT_NE(described.find(label), std::string::npos) << described;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CatalogueFieldTest,
    ::testing::Values(
        // Texts that hold no number at all, in a field the model uses.
        FieldCase{"letters", {{1, "abc"}}, false, 1, "holds no number"},
        FieldCase{"nan", {{2, "nan"}}, false, 2, "holds no number"},
        FieldCase{"inf slope", {{5, "inf"}}, false, 5, "holds no number"},
        FieldCase{"sign only", {{9, "-"}}, false, 9, "holds no number"},
        FieldCase{"mask", {{14, "all"}}, false, 14, "holds no number"},
        FieldCase{"model kind", {{15, "x"}}, false, 15, "holds no number"},
        FieldCase{"ratio of an offered aspect", {{25, "n/a"}}, false, 25, "holds no number"},
        // Texts that keep the meaning they always had.
        FieldCase{"number then letters", {{2, "280abc"}}, true},
        FieldCase{"blanks inside", {{1, " 0. 9 "}}, true},
        FieldCase{"hexadecimal", {{1, "&H1E"}}, true}, FieldCase{"blank ratio", {{25, "  "}}, true},
        FieldCase{"empty ratio", {{25, ""}}, true},
        FieldCase{"empty offset coefficient", {{11, ""}}, true},
        FieldCase{"negative intercept", {{6, "-3"}}, true},
        // Limits and slopes of what the model offers.
        FieldCase{"empty limit reads 0", {{2, ""}}, false, 2, "largest 4:3 WIDE diagonal is 0"},
        FieldCase{"negative limit", {{17, "-40"}}, false, 17, "smallest 16:9 WIDE diagonal is -40"},
        FieldCase{"zero limit", {{23, "0"}}, false, 23, "16:10 TELE"},
        FieldCase{"smallest above largest", {{3, "251"}}, false, 3, "above the largest (250)"},
        FieldCase{"negative slope", {{7, "-0.8"}}, false, 7, "TELE size slope is -0.8"},
        FieldCase{"zero slope with an intercept", {{5, "0"}, {6, "2"}}, false, 5, "WIDE"},
        // What the model does not offer is not looked at.
        FieldCase{"TELE without a size line", {{7, "0"}, {8, ""}, {3, "abc"}, {4, "-1"}}, true},
        FieldCase{"16:9 not offered", {{14, "3"}, {17, "abc"}, {18, "-5"}, {31, "x"}}, true},
        FieldCase{"5:4 uses the 4:3 limits", {{14, "2"}, {1, "0"}}, false, 1, "4:3 WIDE"},
        FieldCase{"4:3 not offered", {{14, "12"}, {1, "0"}, {2, "abc"}}, true},
        FieldCase{"no aspect offered", {{14, ""}, {1, "-1"}, {5, "-1"}}, true}));

TEST(CatalogueValues, EveryShippedModelIsKept) {
    const CatalogueRead read = loadModelCatalogue(
        std::string(PROJCALC_SOURCE_DIR) + "/data/ModelInfo.ini", localFileSystem());
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error);
    EXPECT_TRUE(leftOut.empty()) << describeLeftOutLine(leftOut.front());
    EXPECT_EQ(table.size(), 16u);
}

TEST(CatalogueValues, ACatalogueOfUnusableModelsHoldsNone) {
    const CatalogueRead read =
        parseModelCatalogue(kShortCatalogueHeader + "A,abc,300,30,250,1,0,0.8,0,0,0,0,0,0,1\n" +
                                "B,40,30,30,250,1,0,0.8,0,0,0,0,0,0,1\n",
                            "ModelInfo.ini");
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error);
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(leftOut.size(), 2u);
}

TEST(CatalogueValues, OneRecordIsCheckedAsACatalogueLineIs) {
    ModelRecord m = sampleModel();
    EXPECT_FALSE(checkModelValues(m).has_value());
    m.teleOffsetCoefficientA = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(checkModelValues(m).has_value());
    EXPECT_EQ(checkModelValues(m)->kind, ModelValueProblemKind::NotFinite);
    EXPECT_EQ(checkModelValues(m)->column, 10);
    m = sampleModel();
    m.limits.maxDiagonal1610Tele = std::numeric_limits<double>::infinity();
    EXPECT_EQ(checkModelValues(m)->column, 24);
    m.aspectMask = 7;  // 16:10 no longer offered
    EXPECT_FALSE(checkModelValues(m).has_value());
}

std::string utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        const char low = c == '\x01' ? '\xE9' : c;  // \x01 stands for e-acute
        out += bigEndian ? std::string{'\0', low} : std::string{low, '\0'};
    }
    return out;
}

TEST(CatalogueValues, ReadsUtf16InBothByteOrdersAndClassicMacLineEnds) {
    const std::string models =
        "Caf\x01 "
        "1,40,300,30,250,1,0,0.8,0,0,0,0,0,0,1\r\nSecond,40,300,30,250,1,0,0.8,0,0,0,0,0,0,1\r\n";
    std::string macEnds =
        "Name,a\rFirst,40,300,30,250,1,0,0.8,0,0,0,0,0,0,1\r\rSecond,40,300,"
        "30,250,1,0,0.8,0,0,0,0,0,0,1\r";
    for (const auto& [what, bytes, first] :
         {std::tuple{"UTF-16 LE", utf16("Name,a\r\n" + models, false), "Caf\xC3\xA9 1"},
          std::tuple{"UTF-16 BE", utf16("Name,a\r\n" + models, true), "Caf\xC3\xA9 1"},
          std::tuple{"CR only", macEnds, "First"}}) {
        const CatalogueRead read = parseModelCatalogue(bytes, "ModelInfo.ini");
        const auto& [table, leftOut, unused, error] = read;
        ASSERT_FALSE(error.has_value()) << what << ": " << error->description;
        ASSERT_EQ(table.size(), 2u) << what;
        EXPECT_EQ(table[0].modelName, first) << what;
        EXPECT_EQ(table[1].modelName, "Second") << what;
        EXPECT_EQ(table[1].limits.maxDiagonal43Wide, 300) << what;
        EXPECT_TRUE(leftOut.empty()) << what;
    }
}

}  // namespace
}  // namespace projcalc
