#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "models/model_catalogue.h"
#include "models/plain_number.h"

namespace projcalc {
namespace {

// The 43 fields every catalogue has, named as the shipped one names them.
std::string headerWith(const std::string& extra) {
    std::string header = "Model";
    for (int column = 1; column <= kLastColumn; ++column)
        header += ",c" + std::to_string(column);
    return header + extra + "\n";
}

// A usable model line: the name, 1, 2, ... in fields 1 to 42, then `extra`.
std::string modelLine(const std::string& name, const std::string& extra) {
    std::string line = name;
    for (int column = 1; column <= kLastColumn; ++column)
        line += "," + std::to_string(column);
    return line + extra + "\n";
}

struct ColumnCase {
    const char* name;
    std::string header;  // after field 42
    std::string fields;  // after field 42
    double lumens;
    double teleLumens;
    std::size_t unused = 0;
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
    *os << c.name;
}

class LightColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(LightColumns, AreFoundByTheirHeaderNames) {
    const ColumnCase& c = GetParam();
    const CatalogueRead read =
        parseModelCatalogue(headerWith(c.header) + modelLine("M", c.fields), "ModelInfo.ini");
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error.has_value()) << error->description;
    ASSERT_EQ(table.size(), 1u);  // a bad light value never costs the model
    EXPECT_TRUE(leftOut.empty());
    EXPECT_EQ(table[0].lumens, c.lumens);
    EXPECT_EQ(table[0].teleLumens, c.teleLumens);
    EXPECT_EQ(unused.size(), c.unused);
    EXPECT_EQ(table[0].wideSizeSlope, 5);  // the geometry stays
}

INSTANTIATE_TEST_SUITE_P(
    Headers, LightColumns,
    ::testing::Values(
        ColumnCase{"both in order", ",Lumens,TeleLumens", ",3000,2400", 3000, 2400},
        ColumnCase{"any order", ",TeleLumens,Lumens", ",2400,3000", 3000, 2400},
        ColumnCase{"case and blanks", ", lUMENS ,TELELUMENS\t", ",3000,2400", 3000, 2400},
        ColumnCase{"unknown names ignored", ",Weight,Lumens,Noise", ",4.2,3000,28", 3000, 0},
        ColumnCase{"first of two counts", ",Lumens,Lumens", ",3000,5000", 3000, 0},
        ColumnCase{"no such column", ",Weight", ",3000", 0, 0},
        ColumnCase{"empty fields are not given", ",Lumens,TeleLumens", ", ,", 0, 0},
        ColumnCase{"line shorter than the header", ",Weight,Lumens", ",4.2", 0, 0},
        ColumnCase{"plain forms", ",Lumens,TeleLumens", ", +3000. , .5", 3000, 0.5},
        ColumnCase{"a decimal", ",Lumens", ",2500.5", 2500.5, 0},
        ColumnCase{"TELE alone is kept, not used", ",TeleLumens", ",2400", 0, 2400},
        ColumnCase{"letters", ",Lumens,TeleLumens", ",3000lm,2400", 0, 2400, 1},
        ColumnCase{"exponent", ",Lumens", ",3e3", 0, 0, 1},
        ColumnCase{"hexadecimal", ",Lumens", ",&HBB8", 0, 0, 1},
        ColumnCase{"zero and negative", ",Lumens,TeleLumens", ",0,-2400", 0, 0, 2},
        ColumnCase{"bad TELE leaves TELE to Lumens", ",Lumens,TeleLumens", ",3000,n/a", 3000, 0, 1},
        ColumnCase{"two points", ",Lumens", ",3.0.0", 0, 0, 1}));

TEST(LightColumns, ANameInTheFirst43FieldsMeansNothing) {
    std::string header = "Model,Lumens";
    for (int column = 2; column <= kLastColumn; ++column)
        header += ",c" + std::to_string(column);
    const CatalogueRead read = parseModelCatalogue(header + "\n" + modelLine("M", ""), "x.ini");
    const auto& table = read.models;
    ASSERT_FALSE(read.error);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].lumens, 0);
    EXPECT_EQ(table[0].limits.minDiagonal43Wide, 1);
}

TEST(LightColumns, AThirteenFieldLineHasNoLightValues) {
    const CatalogueRead read =
        parseModelCatalogue(headerWith(",Lumens") + "M,1,2,3,4,5,6,7,8,9,10,11,12\n", "x.ini");
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].lumens, 0);
    EXPECT_TRUE(unused.empty());
}

TEST(LightColumns, AnUnusedValueNamesFileLineModelColumnAndText) {
    const CatalogueRead read =
        parseModelCatalogue(headerWith(",Lumens,TeleLumens") + modelLine("A", ",3000,") + "\n" +
                                modelLine("Beam 9", ",3000,about 2000"),
                            "/data/ModelInfo.ini");
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error);
    ASSERT_EQ(table.size(), 2u);
    ASSERT_EQ(unused.size(), 1u);
    EXPECT_EQ(describeUnusedLightValue(unused[0]),
              "/data/ModelInfo.ini, line 4, model Beam 9, column TeleLumens (about 2000)");
}

TEST(LightColumns, AModelLeftOutReportsNoLightValue) {
    std::string bad = "Bad";
    for (int column = 1; column <= kLastColumn; ++column)
        bad += column == 5 ? ",abc" : "," + std::to_string(column);
    const CatalogueRead read = parseModelCatalogue(headerWith(",Lumens") + bad + ",x\n", "x.ini");
    const auto& [table, leftOut, unused, error] = read;
    ASSERT_FALSE(error);
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(leftOut.size(), 1u);
    EXPECT_TRUE(unused.empty());
}

TEST(PlainNumber, TakesDigitsWithOnePointAndNothingElse) {
    struct Case {
        const char* text;
        bool comma;
        std::optional<double> value;
    };
    for (const Case& c :
         {Case{"3000", false, 3000.0}, Case{" 3000. ", false, 3000.0}, Case{".5", false, 0.5},
          Case{"+1", false, 1.0}, Case{"\t7\t", false, 7.0}, Case{"1,5", true, 1.5},
          Case{"1,5", false, {}}, Case{"-1", false, {}}, Case{"0.0", false, {}},
          Case{"+", false, {}}, Case{"1e3", false, {}}, Case{"&H10", false, {}},
          Case{"1 000", false, {}}, Case{"", false, {}}, Case{"1.5,", true, {}}}) {
        EXPECT_EQ(readPositivePlainNumber(c.text, c.comma), c.value) << c.text;
    }
    EXPECT_FALSE(readPositivePlainNumber(std::string(400, '9')).has_value());
}

}  // namespace
}  // namespace projcalc
