#include "files/throw_table_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/units.h"
#include "test_support.h"
#include "util/numbers.h"

namespace projcalc {
namespace {

// A small RFC 4180 reader: records of fields, quotes doubled inside quoted fields.
std::vector<std::vector<std::string>> readCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().push_back(field);
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.back().push_back(field);
            field.clear();
            records.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    if (records.back().empty()) records.pop_back();
    return records;
}

TEST(ThrowTableCsv, ReadsBackAsTheTableInTheChosenUnit) {
    ModelRecord m = sampleModel();
    const auto rows = throwTable(traitsOf(m), Aspect::R16x9, Mount::Bottom, {100, 150, 400});
    for (const Unit unit : kAllUnits) {
        const std::string csv = throwTableCsv(rows, unit, "Sample", Aspect::R16x9);
        const auto records = readCsv(csv);
        ASSERT_EQ(records.size(), rows.size() + 1);
        EXPECT_EQ(records[0][2], "Diagonal (" + std::string(unitSign(unit)) + ")");
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto& fields = records[r + 1];
            ASSERT_EQ(fields.size(), 15u);
            EXPECT_EQ(fields[0], "Sample");
            EXPECT_EQ(fields[1], "16 : 9");
            const auto near = [&](const std::string& text, double inches) {
                EXPECT_NEAR(readLeadingNumber(text).value, fromInches(inches, unit), 0.005) << text;
            };
            near(fields[2], rows[r].diagonal);
            near(fields[3], rows[r].width);
            near(fields[4], rows[r].height);
            near(fields[5], rows[r].ends[0]->solution.distance);
            near(fields[6], rows[r].ends[1]->solution.distance);
            near(fields[7], rows[r].ends[0]->solution.offsetA);
            near(fields[10], rows[r].ends[1]->solution.offsetB);
            EXPECT_EQ(fields[11], rows[r].ends[0]->withinLimits ? "yes" : "no");
        }
        EXPECT_EQ(records[3][12], "no");  // 400 inches is past every limit
    }
}

TEST(ThrowTableCsv, AMissingEndLeavesItsFieldsEmptyAndDecimalsArePoints) {
    ModelRecord m = sampleModel();
    m.teleSizeSlope = m.teleSizeIntercept = 0;
    const std::string csv = throwTableCsv(throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100}),
                                          Unit::Feet, "Sample", Aspect::R4x3);
    const auto records = readCsv(csv);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][3], "6.67");  // 80 inches
    EXPECT_EQ(records[1][6], "");
    EXPECT_EQ(records[1][12], "");
    EXPECT_EQ(csv.find('\n') - 1, csv.find('\r'));  // CR LF line ends
}

TEST(ThrowTableCsv, EachEndHasAFootLambertColumnWithOneDecimal) {
    ModelRecord m = sampleModel();
    m.lumens = 1000;  // 100 inches of 4:3 are 33⅓ square feet: 30 fL
    m.teleLumens = 555;
    std::vector<ThrowRow> rows = throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100});
    auto records = readCsv(throwTableCsv(rows, Unit::Centimeters, "Sample", Aspect::R4x3));
    EXPECT_EQ(records[0][13], "WIDE fL");
    EXPECT_EQ(records[0][14], "TELE fL");
    EXPECT_EQ(records[1][13], "30.0");
    EXPECT_EQ(records[1][14], "16.7");
    m.lumens = 0;
    rows = throwTable(traitsOf(m), Aspect::R4x3, Mount::Top, {100});
    records = readCsv(throwTableCsv(rows, Unit::Centimeters, "Sample", Aspect::R4x3));
    EXPECT_EQ(records[1][13], "");
    EXPECT_EQ(records[1][14], "");
}

TEST(CsvField, QuotesOnlyWhatMustBeQuoted) {
    EXPECT_EQ(csvField("plain"), "plain");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
}

}  // namespace
}  // namespace projcalc
