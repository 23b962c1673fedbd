#include "models/model_catalogue.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "test_support.h"

namespace projcalc {
namespace {

// A model line with the given number of fields: the name, then 1, 2, 3, ... in the numeric
// fields, so that every column can be recognised.
std::string lineWithFields(const std::string& name, int fields) {
    std::string line = name;
    for (int column = 1; column < fields; ++column)
        line += "," + std::to_string(column);
    return line;
}

struct Loaded {
    std::vector<ModelRecord> table;
    std::optional<AppError> error;
};

Loaded load(const std::string& text) {
    Loaded result;
    CatalogueRead read = parseModelCatalogue(text, "ModelInfo.ini");
    result.table = std::move(read.models);
    result.error = std::move(read.error);
    return result;
}

TEST(Catalogue, EmptyFileAndHeaderOnlyLoadNoModel) {
    for (const std::string& text :
         {std::string(), kShortCatalogueHeader, std::string("Name,a,b")}) {
        const Loaded l = load(text);
        EXPECT_FALSE(l.error.has_value());
        EXPECT_TRUE(l.table.empty());
    }
}

TEST(Catalogue, ReadsEveryColumnIntoItsMember) {
    const Loaded l = load(kShortCatalogueHeader + lineWithFields("  Model X  ", 43) + "\n");
    ASSERT_FALSE(l.error.has_value()) << l.error->description;
    ASSERT_EQ(l.table.size(), 1u);
    const ModelRecord& m = l.table[0];
    EXPECT_EQ(m.modelName, "Model X");  // trimmed
    EXPECT_EQ(m.limits.minDiagonal43Wide, 1);
    EXPECT_EQ(m.limits.maxDiagonal43Tele, 4);
    EXPECT_EQ(m.wideSizeSlope, 5);
    EXPECT_EQ(m.teleSizeIntercept, 8);
    EXPECT_EQ(m.teleOffsetCoefficientB, 12);
    EXPECT_EQ(m.panelAspect, 13);
    EXPECT_EQ(m.aspectMask, 14);
    EXPECT_EQ(m.modelKind, 15);
    EXPECT_EQ(m.offsetScale169, 16);
    EXPECT_EQ(m.limits.minDiagonal169Wide, 17);
    EXPECT_EQ(m.limits.maxDiagonal1610Tele, 24);
    EXPECT_EQ(m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::A), (OffsetRatio{25, true}));
    EXPECT_EQ(m.ratios.wide.at(AspectGroup::Ratio43, OffsetKind::B), (OffsetRatio{26, true}));
    EXPECT_EQ(m.ratios.tele.at(AspectGroup::Ratio43, OffsetKind::A), (OffsetRatio{27, true}));
    EXPECT_EQ(m.ratios.teleTop.at(AspectGroup::Ratio43, OffsetKind::B), (OffsetRatio{30, true}));
    EXPECT_EQ(m.ratios.wide.at(AspectGroup::Ratio169, OffsetKind::A), (OffsetRatio{31, true}));
    EXPECT_EQ(m.ratios.tele.at(AspectGroup::Ratio1610, OffsetKind::B), (OffsetRatio{40, true}));
    EXPECT_EQ(m.ratios.teleTop.at(AspectGroup::Ratio1610, OffsetKind::B), (OffsetRatio{42, true}));
}

TEST(Catalogue, ThirteenFieldsLoadWithEveryRatioAbsent) {
    const Loaded l = load(kShortCatalogueHeader + lineWithFields("M", 13) + "\r\n");
    ASSERT_FALSE(l.error.has_value());
    ASSERT_EQ(l.table.size(), 1u);
    EXPECT_EQ(l.table[0].teleOffsetCoefficientB, 12);
    EXPECT_EQ(l.table[0].panelAspect, 0);
    EXPECT_EQ(l.table[0].limits.maxDiagonal1610Tele, 0);
    EXPECT_EQ(l.table[0].ratios, OffsetRatios{});
}

TEST(Catalogue, AShortLineFailsTheLoadNamingFileLineAndFieldCount) {
    const Loaded l = load(kShortCatalogueHeader + lineWithFields("A", 13) + "\n\n" +
                          lineWithFields("B", 12) + "\n" + lineWithFields("C", 13));
    ASSERT_TRUE(l.error.has_value());
    EXPECT_EQ(l.error->number(), 9);
    EXPECT_NE(l.error->description.find("the model \"B\" has 12 fields where a model needs at "
                                        "least 13"),
              std::string::npos)
        << l.error->description;
    ASSERT_EQ(l.table.size(), 1u);  // models before the error stay
    EXPECT_EQ(l.table[0].modelName, "A");
}

TEST(Catalogue, BlankAndCommaLinesAreSkippedWithoutTakingAnIndex) {
    const Loaded l = load(kShortCatalogueHeader + "\n   \n,comment line\n  ,x\n" +
                          lineWithFields("A", 13) + "\n\n" + lineWithFields("B", 13));
    ASSERT_FALSE(l.error.has_value());
    ASSERT_EQ(l.table.size(), 2u);
    EXPECT_EQ(l.table[1].modelName, "B");
}

TEST(Catalogue, BlankRatioFieldIsPresentWithZero) {
    std::string line = lineWithFields("M", 25) + ", ";  // column 25 is a single blank
    const Loaded l = load(kShortCatalogueHeader + line);
    ASSERT_FALSE(l.error.has_value());
    const OffsetRatios& r = l.table[0].ratios;
    EXPECT_EQ(r.wide.at(AspectGroup::Ratio43, OffsetKind::A), (OffsetRatio{0, true}));
    EXPECT_EQ(r.tele.at(AspectGroup::Ratio43, OffsetKind::A), (OffsetRatio{0, true}));
    EXPECT_FALSE(r.wide.at(AspectGroup::Ratio43, OffsetKind::B).present);
}

TEST(Catalogue, ReadsNumbersLenientlyAndRoundsIntegerColumnsHalfToEven) {
    const std::string line = "M,1 0, 12.5 ,&H1E,abc,2.5e1,-1.5,,,,,,, 2.5 , 2.5 ";
    const Loaded l = load(kShortCatalogueHeader + line);
    ASSERT_FALSE(l.error.has_value());
    ASSERT_EQ(l.table.size(), 1u);
    const ModelRecord& m = l.table[0];
    EXPECT_EQ(m.limits.minDiagonal43Wide, 10);
    EXPECT_EQ(m.limits.maxDiagonal43Wide, 12.5);
    EXPECT_EQ(m.limits.minDiagonal43Tele, 30);
    EXPECT_EQ(m.limits.maxDiagonal43Tele, 0);  // not in use: no TELE size line
    EXPECT_EQ(m.wideSizeSlope, 25);
    EXPECT_EQ(m.wideSizeIntercept, -1.5);
    EXPECT_EQ(m.panelAspect, 2);
    EXPECT_EQ(m.aspectMask, 2);
}

TEST(Catalogue, ANumberTooLargeForADoubleFailsTheLoad) {
    const Loaded l = load(kShortCatalogueHeader + "M,1e999,2,3,4,5,6,7,8,9,10,11,12");
    ASSERT_TRUE(l.error.has_value());
    EXPECT_EQ(l.error->number(), 6);
    EXPECT_NE(l.error->description.find("column \"min43W\" (field 1)"), std::string::npos)
        << l.error->description;
    EXPECT_NE(l.error->description.find("ModelInfo.ini, line 2"), std::string::npos);
}

TEST(Catalogue, WholeNumberColumnsOutsideThirtyTwoBitsFailTheLoad) {
    for (const auto& [line, field] :
         {std::pair{"M,1,2,3,4,5,6,7,8,9,10,11,12,1e12", "field 13"},
          std::pair{"M,1,2,3,4,5,6,7,8,9,10,11,12,0,-3e9", "field 14"},
          std::pair{"M,1,2,3,4,5,6,7,8,9,10,11,12,0,15,1e300", "field 15"}}) {
        const Loaded l = load(kShortCatalogueHeader + line);
        ASSERT_TRUE(l.error.has_value()) << line;
        EXPECT_EQ(l.error->number(), 6);
        EXPECT_NE(l.error->description.find(field), std::string::npos) << l.error->description;
    }
    EXPECT_FALSE(
        load(kShortCatalogueHeader + "M,1,2,3,4,5,6,7,8,9,10,11,12,0,15,2.5").error.has_value());
}

TEST(Catalogue, HoldsAThousandModelsAndRefusesTheNext) {
    std::string text = kShortCatalogueHeader;
    for (int i = 0; i < 1000; ++i)
        text += lineWithFields("M" + std::to_string(i), 13) + "\n";
    EXPECT_FALSE(load(text).error.has_value());
    EXPECT_EQ(load(text).table.size(), 1000u);

    text += lineWithFields("One too many", 13) + "\n";
    const Loaded l = load(text);
    ASSERT_TRUE(l.error.has_value());
    EXPECT_EQ(l.error->number(), 9);
    EXPECT_NE(l.error->description.find("line 1002"), std::string::npos);
    EXPECT_NE(l.error->description.find("at most 1000 can be read"), std::string::npos);
    EXPECT_EQ(l.table.size(), 1000u);
}

TEST(Catalogue, ReadsWindows1252NamesAndSkipsAByteOrderMark) {
    const Loaded bom =
        load("\xEF\xBB\xBF" + kShortCatalogueHeader + lineWithFields("Caf\xC3\xA9", 13));
    ASSERT_EQ(bom.table.size(), 1u);
    EXPECT_EQ(bom.table[0].modelName, "Caf\xC3\xA9");
    const Loaded legacy = load(kShortCatalogueHeader + lineWithFields("Caf\xE9", 13));
    ASSERT_EQ(legacy.table.size(), 1u);
    EXPECT_EQ(legacy.table[0].modelName, "Caf\xC3\xA9");
}

TEST(Catalogue, LoadingAMissingFileReportsFileNotFoundWithItsPath) {
    TempDir dir;
    const auto error = loadModelCatalogue(dir.path() / "ModelInfo.ini", localFileSystem()).error;
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), 53);
    EXPECT_NE(error->description.find((dir.path() / "ModelInfo.ini").string()), std::string::npos);
    const auto folder = loadModelCatalogue(dir.path(), localFileSystem()).error;
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->number(), 75);
}

struct FillCase {
    OffsetRatio wide, tele, teleTop;
    OffsetRatio wantWide, wantTele, wantTeleTop;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.wide.present << c.tele.present << c.teleTop.present;
}

class FillMissingRatiosTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillMissingRatiosTest, CompletesTheTriple) {
    FillCase c = GetParam();
    fillMissingRatios(c.wide, c.tele, c.teleTop);
    EXPECT_EQ(c.wide, c.wantWide);
    EXPECT_EQ(c.tele, c.wantTele);
    EXPECT_EQ(c.teleTop, c.wantTeleTop);
}

constexpr OffsetRatio kNone{};
constexpr OffsetRatio kW{0.1, true};
constexpr OffsetRatio kT{0.2, true};
constexpr OffsetRatio kP{0.3, true};

INSTANTIATE_TEST_SUITE_P(
    Triples, FillMissingRatiosTest,
    ::testing::Values(FillCase{kNone, kNone, kNone, kNone, kNone, kNone},  // all absent
                      FillCase{kW, kNone, kNone, kW, kW, kW},              // only WIDE
                      FillCase{kNone, kT, kNone, kT, kT, kT},              // only TELE
                      FillCase{kNone, kNone, kP, kP, kP, kP},              // only TELE-top
                      FillCase{kW, kNone, kP, kW, kP, kP},  // TELE from TELE-top, not WIDE
                      FillCase{kW, kT, kNone, kW, kT, kT},  // TELE-top from TELE
                      FillCase{kNone, kT, kP, kT, kT, kP},  // WIDE from TELE
                      FillCase{kW, kT, kP, kW, kT, kP}));   // all present stay

}  // namespace
}  // namespace projcalc
