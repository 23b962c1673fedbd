#include "files/calculation_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"
#include "util/text.h"

namespace projcalc {
namespace {

// A record whose every column holds a different value, so that any mix-up shows.
CalculationFile distinctFile() {
    CalculationFile f;
    ModelRecord& m = f.model;
    m.modelName = "Orbis, 310";
    for (int column = 1; column <= kLastColumn; ++column) {
        if (double* real = realColumn(m, column)) *real = column + 0.25;
        if (OffsetRatio* ratio = ratioColumn(m, column)) {
            ratio->value = column / 100.0;
            ratio->present = column % 3 != 0;
        }
    }
    m.panelAspect = 13;
    m.aspectMask = 14;
    f.zoom = Zoom::Tele;
    f.mount = Mount::Top;
    f.aspect = Aspect::R5x4;
    f.unit = Unit::Centimeters;
    f.screenWidth = 0.1;
    f.screenHeight = 1.0 / 3.0;
    f.screenDiagonal = 123.456;
    f.projectionDistance = 1e20;
    f.offsetA = -2.5e-7;
    f.offsetB = 0;
    f.offsetCountWide = 1;
    f.offsetCountTele = 2;
    f.frontViewScale = 987.654321;
    return f;
}

std::string writeText(const CalculationFile& f) {
    auto written = writeCalculationFile(f, "plan.cf");
    EXPECT_TRUE(std::holds_alternative<std::string>(written));
    return std::get<std::string>(written);
}

CalculationFile readOk(const std::string& text) {
    auto read = parseCalculationFile(text, "plan.cf");
    if (auto* error = std::get_if<AppError>(&read)) {
        ADD_FAILURE() << error->description;
        return {};
    }
    return std::get<CalculationFile>(read);
}

AppError readError(const std::string& text) {
    auto read = parseCalculationFile(text, "plan.cf");
    if (!std::holds_alternative<AppError>(read)) {
        ADD_FAILURE() << "expected an error";
        return {};
    }
    return std::get<AppError>(read);
}

void expectSame(const CalculationFile& a, const CalculationFile& b) {
    EXPECT_EQ(a.model, b.model);
    EXPECT_EQ(a.zoom, b.zoom);
    EXPECT_EQ(a.mount, b.mount);
    EXPECT_EQ(a.aspect, b.aspect);
    EXPECT_EQ(a.unit, b.unit);
    EXPECT_EQ(a.screenWidth, b.screenWidth);
    EXPECT_EQ(a.screenHeight, b.screenHeight);
    EXPECT_EQ(a.screenDiagonal, b.screenDiagonal);
    EXPECT_EQ(a.projectionDistance, b.projectionDistance);
    EXPECT_EQ(a.offsetA, b.offsetA);
    EXPECT_EQ(a.offsetB, b.offsetB);
    EXPECT_EQ(a.offsetCountWide, b.offsetCountWide);
    EXPECT_EQ(a.offsetCountTele, b.offsetCountTele);
    EXPECT_EQ(a.frontViewScale, b.frontViewScale);
}

TEST(CalculationFile, EveryValueReadsBackExactly) {
    const CalculationFile f = distinctFile();
    expectSame(readOk(writeText(f)), f);
}

TEST(CalculationFile, HoldsSeventySixValuesInTheirOrderAndEncodings) {
    const std::string text = writeText(distinctFile());
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string_view> lines = splitLines(text);
    ASSERT_EQ(lines.size(), 76u);
    for (std::string_view line : lines)
        EXPECT_EQ(line.find('\r'), std::string_view::npos);
    EXPECT_EQ(lines[0], "\"Orbis, 310\"");
    EXPECT_EQ(lines[1], "1.25");    // column 1
    EXPECT_EQ(lines[12], "12.25");  // column 12
    EXPECT_EQ(lines[13], "13");     // panel, a whole number
    EXPECT_EQ(lines[14], "14");     // aspect mask
    EXPECT_EQ(lines[15], "15.25");  // column 15
    EXPECT_EQ(lines[24], "24.25");  // column 24
    // Flags of columns 25, 26, 31, 32, 37, 38 (present unless the column divides by 3).
    const std::vector<std::string_view> wideFlags(lines.begin() + 25, lines.begin() + 31);
    EXPECT_EQ(wideFlags, (std::vector<std::string_view>{"#TRUE#", "#TRUE#", "#TRUE#", "#TRUE#",
                                                        "#TRUE#", "#TRUE#"}));
    EXPECT_EQ(lines[31], "0.25");  // value of column 25
    EXPECT_EQ(lines[36], "0.38");  // value of column 38
    // Flags of 27, 29, 28, 30, 33, 35, 34, 36, 39, 41, 40, 42, then their values.
    EXPECT_EQ(lines[37], "#FALSE#");  // 27
    EXPECT_EQ(lines[38], "#TRUE#");   // 29
    EXPECT_EQ(lines[41], "#FALSE#");  // 33
    EXPECT_EQ(lines[42], "#TRUE#");   // 35
    EXPECT_EQ(lines[48], "#FALSE#");  // 42
    EXPECT_EQ(lines[49], "0.27");
    EXPECT_EQ(lines[50], "0.29");
    EXPECT_EQ(lines[51], "0.28");
    EXPECT_EQ(lines[60], "0.42");
    const std::vector<std::string_view> tail(lines.begin() + 61, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string_view>{"1", "0", "1.25", "4", "5", "2", "0.1",
                                                   "0.3333333333333333", "123.456", "1e+20",
                                                   "-2.5e-07", "0", "1", "2", "987.654321"}));
}

TEST(CalculationFile, ValuesMayShareLinesAndExtraValuesAreIgnored) {
    std::string text = writeText(distinctFile());
    text = replaceAll(text, "\r\n", " ,  ");
    text += "\"extra\", 1, 2\r\n";
    expectSame(readOk(text), distinctFile());
}

TEST(CalculationFile, AFileThatEndsEarlyIsInputPastEnd) {
    const std::string text = writeText(distinctFile());
    const auto lines = splitLines(text);
    for (std::size_t keep : {0u, 1u, 40u, 75u}) {
        std::string cut;
        for (std::size_t i = 0; i < keep; ++i)
            cut += std::string(lines[i]) + "\r\n";
        const AppError error = readError(cut);
        EXPECT_EQ(error.number(), 62) << keep;
        // Said first in words, then where.
        EXPECT_TRUE(error.description.starts_with(
            "This is not a complete calculation file: it ends after " + std::to_string(keep) +
            " of its 76 values."))
            << error.description;
        EXPECT_NE(error.description.find("plan.cf"), std::string::npos) << error.description;
    }
}

struct WrongValue {
    std::size_t line;  // 1-based
    const char* text;
    int number;
};

void PrintTo(const WrongValue& w, std::ostream* os) {
    *os << "line " << w.line << ": " << w.text;
}

class WrongValueTest : public ::testing::TestWithParam<WrongValue> {};

TEST_P(WrongValueTest, IsReportedWithItsLine) {
    const WrongValue& w = GetParam();
    std::vector<std::string> lines;
    const std::string original = writeText(distinctFile());
    for (std::string_view line : splitLines(original))
        lines.emplace_back(line);
    lines[w.line - 1] = w.text;
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    const AppError error = readError(text);
    EXPECT_EQ(error.number(), w.number);
    EXPECT_NE(error.description.find("(line " + std::to_string(w.line) + ")"), std::string::npos)
        << error.description;
    EXPECT_NE(error.description.find("plan.cf"), std::string::npos) << error.description;
}

INSTANTIATE_TEST_SUITE_P(Values, WrongValueTest,
                         ::testing::Values(WrongValue{1, "Orbis", 13}, WrongValue{1, "\"Orbis", 13},
                                           WrongValue{1, "\"Orbis\" 310", 13},
                                           WrongValue{2, "\"1.5\"", 13}, WrongValue{2, "1.5.2", 13},
                                           WrongValue{2, "12cm", 13}, WrongValue{2, " , ", 13},
                                           WrongValue{2, "1e999", 6}, WrongValue{14, "2.5", 13},
                                           WrongValue{14, "4294967296", 13},
                                           WrongValue{26, "#true#", 13}, WrongValue{26, "-1", 13},
                                           WrongValue{62, "32768", 13}, WrongValue{62, "&H1", 13},
                                           WrongValue{76, "inf", 13}, WrongValue{76, "nan", 13}));

// The text of distinctFile() with some lines (1-based) replaced.
std::string withLines(const std::vector<std::pair<std::size_t, std::string>>& replacements) {
    std::vector<std::string> lines;
    const std::string original = writeText(distinctFile());
    for (std::string_view line : splitLines(original))
        lines.emplace_back(line);
    for (const auto& [line, text] : replacements)
        lines[line - 1] = text;
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

struct StoredChoice {
    const char* what;
    std::vector<std::pair<std::size_t, std::string>> lines;
    Zoom zoom;
    Mount mount;
    Aspect aspect;
    Unit unit;
};

void PrintTo(const StoredChoice& c, std::ostream* os) {
    *os << c.what;
}

class StoredChoiceTest : public ::testing::TestWithParam<StoredChoice> {};

TEST_P(StoredChoiceTest, ReadsAsItsChoice) {
    const StoredChoice& c = GetParam();
    const CalculationFile f = readOk(withLines(c.lines));
    EXPECT_EQ(f.zoom, c.zoom);
    EXPECT_EQ(f.mount, c.mount);
    EXPECT_EQ(f.aspect, c.aspect);
    EXPECT_EQ(f.unit, c.unit);
}

// distinctFile() holds TELE, top, 5:4 and centimetres.
INSTANTIATE_TEST_SUITE_P(
    Choices, StoredChoiceTest,
    ::testing::Values(
        StoredChoice{"as written", {}, Zoom::Tele, Mount::Top, Aspect::R5x4, Unit::Centimeters},
        StoredChoice{"wide, bottom, inches",
                     {{62, "0"}, {63, "1"}, {67, "0"}},
                     Zoom::Wide,
                     Mount::Bottom,
                     Aspect::R5x4,
                     Unit::Inches},
        StoredChoice{"feet", {{67, "1"}}, Zoom::Tele, Mount::Top, Aspect::R5x4, Unit::Feet},
        StoredChoice{
            "4:3", {{65, "3"}, {66, "4"}}, Zoom::Tele, Mount::Top, Aspect::R4x3, Unit::Centimeters},
        StoredChoice{"16:9",
                     {{65, "9"}, {66, "16"}},
                     Zoom::Tele,
                     Mount::Top,
                     Aspect::R16x9,
                     Unit::Centimeters},
        StoredChoice{"16:10 with a ratio that does not match",
                     {{64, "99"}, {65, "10"}, {66, "16"}},
                     Zoom::Tele,
                     Mount::Top,
                     Aspect::R16x10,
                     Unit::Centimeters},
        StoredChoice{"3 wide and 4 high, which no aspect is",
                     {{64, "1.3333333333333333"}, {65, "4"}, {66, "3"}},
                     Zoom::Tele,
                     Mount::Top,
                     Aspect::R5x4,
                     Unit::Centimeters}));

struct BadChoice {
    const char* what;
    std::vector<std::pair<std::size_t, std::string>> lines;
    int number;
    std::string description;
};

void PrintTo(const BadChoice& b, std::ostream* os) {
    *os << b.what;
}

class BadChoiceTest : public ::testing::TestWithParam<BadChoice> {};

TEST_P(BadChoiceTest, IsReportedWithItsLine) {
    const BadChoice& b = GetParam();
    const AppError error = readError(withLines(b.lines));
    EXPECT_EQ(error.number(), b.number);
    EXPECT_EQ(error.description, b.description);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, BadChoiceTest,
    ::testing::Values(
        BadChoice{"zoom 2",
                  {{62, "2"}},
                  13,
                  "Type mismatch: plan.cf, line 62: the zoom end 2 is not 0 (WIDE) or 1 (TELE)"},
        BadChoice{"zoom -1",
                  {{62, "-1"}},
                  13,
                  "Type mismatch: plan.cf, line 62: the zoom end -1 is not 0 (WIDE) or 1 (TELE)"},
        BadChoice{"mount 2",
                  {{63, "2"}},
                  13,
                  "Type mismatch: plan.cf, line 63: the position 2 is not 0 (top) or 1 (bottom)"},
        BadChoice{"unit 3",
                  {{67, "3"}},
                  13,
                  "Type mismatch: plan.cf, line 67: the unit 3 is not 0, 1 or 2"},
        BadChoice{"zoom and unit: the zoom is named",
                  {{62, "5"}, {67, "9"}},
                  13,
                  "Type mismatch: plan.cf, line 62: the zoom end 5 is not 0 (WIDE) or 1 (TELE)"},
        BadChoice{"a bad value after a bad zoom is named first",
                  {{62, "5"}, {70, "wide"}},
                  13,
                  "This is not a calculation file, or a damaged one: value 70 (line 70) should "
                  "be a number, but it is \"wide\". (Type mismatch: plan.cf)"}));

TEST(CalculationFile, AnAspectTheModelDoesNotOfferIsRefused) {
    ModelRecord model;
    model.modelName = "Orbis";
    model.aspectMask = 1 | 4;  // 4:3 and 16:9
    EXPECT_EQ(checkAspectOffered(model, Aspect::R4x3, "plan.cf"), std::nullopt);
    EXPECT_EQ(checkAspectOffered(model, Aspect::R16x9, "plan.cf"), std::nullopt);
    EXPECT_EQ(checkAspectOffered(model, Aspect::R16x10, "plan.cf"),
              (AppError{ErrorCode::InvalidArgument,
                        "Invalid procedure call or argument: plan.cf, lines 65 and 66: the model "
                        "\"Orbis\" does not offer the aspect ratio 16 : 10"}));
    model.aspectMask = 16;  // no aspect among the four: any is taken
    EXPECT_EQ(checkAspectOffered(model, Aspect::R5x4, "plan.cf"), std::nullopt);
}

TEST(CalculationFile, ReadsSignsExponentsAndTinyNumbers) {
    std::vector<std::string> lines;
    const std::string original = writeText(distinctFile());
    for (std::string_view line : splitLines(original))
        lines.emplace_back(line);
    lines[1] = "+6.5E-02";
    lines[61] = "+1";
    lines[67] = "1e-400";
    lines[68] = ".5";
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";  // LF alone works too
    const CalculationFile f = readOk(text);
    EXPECT_EQ(f.model.limits.minDiagonal43Wide, 0.065);
    EXPECT_EQ(f.zoom, Zoom::Tele);
    EXPECT_EQ(f.screenWidth, 0.0);
    EXPECT_EQ(f.screenHeight, 0.5);
}

TEST(CalculationFile, ReadsWindows1252NamesAsUtf8) {
    CalculationFile f = distinctFile();
    f.model.modelName = "Caf\xC3\xA9";
    std::string text = writeText(f);
    text.replace(text.find("Caf\xC3\xA9"), 5, "Caf\xE9");
    EXPECT_EQ(readOk(text).model.modelName, "Caf\xC3\xA9");
}

TEST(CalculationFile, RefusesToWriteANameItCouldNotReadBack) {
    for (const char* name : {"The \"big\" one", "two\nlines", "cr\rhere"}) {
        CalculationFile f = distinctFile();
        f.model.modelName = name;
        const auto written = writeCalculationFile(f, "plan.cf");
        ASSERT_TRUE(std::holds_alternative<AppError>(written)) << name;
        EXPECT_NE(std::get<AppError>(written).description.find("plan.cf"), std::string::npos);
    }
}

TEST(CalculationFile, RefusesToWriteANumberItCouldNotReadBack) {
    CalculationFile f = distinctFile();
    f.offsetA = std::numeric_limits<double>::infinity();
    f.frontViewScale = std::numeric_limits<double>::quiet_NaN();
    const auto written = writeCalculationFile(f, "plan.cf");
    ASSERT_TRUE(std::holds_alternative<AppError>(written));
    EXPECT_EQ(std::get<AppError>(written).number(), 6);
    EXPECT_NE(std::get<AppError>(written).description.find("the value of line 72"),
              std::string::npos)
        << std::get<AppError>(written).description;
}

}  // namespace
}  // namespace projcalc
