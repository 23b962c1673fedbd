#include "files/calculation_tail.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/calculation_file.h"
#include "test_support.h"
#include "util/text.h"

namespace projcalc {
namespace {

CalculationFile plainFile() {
    CalculationFile f;
    f.model = sampleModel("Beam 3");
    f.aspect = Aspect::R4x3;
    f.screenDiagonal = 100;
    return f;
}

std::string written(const CalculationFile& f) {
    return std::get<std::string>(writeCalculationFile(f, "plan.cf"));
}

CalculationFile read(const std::string& text) {
    return std::get<CalculationFile>(parseCalculationFile(text, "plan.cf"));
}

TEST(CalculationTail, ACalculationWithDefaultsIsExactlySeventySixLines) {
    const std::string text = written(plainFile());
    EXPECT_EQ(splitLines(text).size(), 76u);
    EXPECT_EQ(text.find('='), std::string::npos);
    EXPECT_EQ(read(text).tail, CalculationTail{});
}

TEST(CalculationTail, WritesOnlyTheKeysThatDifferFromTheirDefaults) {
    struct Case {
        const char* name;
        CalculationTail tail;
        double lumens;
        double teleLumens;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"gain", {1.3, 100, ScopeRatio::None}, 0, 0, {"gain=1.3"}},
        {"share", {1, 70, ScopeRatio::None}, 0, 0, {"lightPercent=70"}},
        {"lumens", {}, 3000, 0, {"lumens=3000"}},
        {"both lumens", {}, 3000, 2400.5, {"lumens=3000", "teleLumens=2400.5"}},
        {"scope", {1, 100, ScopeRatio::R240}, 0, 0, {"scope=2.40"}},
        {"everything",
         {0.00001, 55.5, ScopeRatio::R239},
         3000,
         2400,
         {"gain=1e-05", "lightPercent=55.5", "lumens=3000", "teleLumens=2400", "scope=2.39"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationFile f = plainFile();
        f.tail = c.tail;
        f.model.lumens = c.lumens;
        f.model.teleLumens = c.teleLumens;
        const std::string text = written(f);
        const std::vector<std::string_view> lines = splitLines(text);
        ASSERT_EQ(lines.size(), 76 + c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(lines[76 + i], c.lines[i]);
        const CalculationFile back = read(text);
        EXPECT_EQ(back.tail, c.tail);
        EXPECT_EQ(back.model, f.model);
        EXPECT_EQ(back, f);
    }
}

TEST(CalculationTail, UnknownKeysAreIgnoredAndBadOrMissingValuesDefault) {
    const std::string base = written(plainFile());
    struct Case {
        const char* tail;
        CalculationTail expected;
        double lumens;
    };
    for (const Case& c : {
             Case{"gain=1.5\r\ncolour=blue\r\nno key here\r\n", {1.5, 100, ScopeRatio::None}, 0},
             Case{"  gain = 2 \nlightPercent=50\rscope=2.4\n", {2, 50, ScopeRatio::R240}, 0},
             Case{"gain=11\r\nlightPercent=0.5\r\nscope=2.37\r\nlumens=-3\r\n", {}, 0},
             Case{"gain=1e0\r\nlightPercent=abc\r\nlumens=3000\r\n", {}, 3000},
             Case{"gain=0\r\nlightPercent=1\r\nlumens=3e3x\r\n", {1, 1, ScopeRatio::None}, 0},
             Case{"Gain=2\r\n", {}, 0},
         }) {
        SCOPED_TRACE(c.tail);
        const CalculationFile back = read(base + c.tail);
        EXPECT_EQ(back.tail, c.expected);
        EXPECT_EQ(back.model.lumens, c.lumens);
        EXPECT_EQ(back.model.teleLumens, 0);
    }
}

TEST(CalculationTail, AReaderOfSeventySixValuesStillReadsTheFile) {
    CalculationFile f = plainFile();
    f.tail.gain = 1.3;
    f.model.lumens = 3000;
    const std::string text = written(f);
    // The first 76 lines are the calculation as it always was.
    CalculationFile without = f;
    without.tail = {};
    without.model.lumens = 0;
    EXPECT_EQ(text.substr(0, written(without).size()), written(without));
}

}  // namespace
}  // namespace projcalc
