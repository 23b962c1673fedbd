// Every file the program reads can come from anyone. For each bad input: a clear message or a
// sound result, no crash, no hang, no inf or NaN on screen.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "controller_fixture.h"
#include "util/text.h"

namespace projcalc {
namespace {

bool showsNonFinite(const MemoryView& view) {
    for (const auto* texts : {&view.screen.boxes}) {
        for (const std::string& t : *texts) {
            if (t.find("inf") != std::string::npos || t.find("nan") != std::string::npos) {
                return true;
            }
        }
    }
    for (const std::string& t : view.screen.offsets) {
        if (t.find("inf") != std::string::npos || t.find("nan") != std::string::npos) return true;
    }
    return false;
}

bool stateIsFinite(const Calculation& c) {
    const Solution& r = c.results;
    const auto& references = c.traits.frontReference;
    for (double v : {r.width, r.height, r.diagonal, r.distance, r.offsetA, r.offsetB, c.frontScale,
                     c.currentLimits().largest, c.currentLimits().smallest, references[0],
                     references[1], references[2]}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

struct BadCatalogue {
    const char* name;
    std::string lines;     // the catalogue after its header
    bool startsUp;         // the program comes up (otherwise it ends with an error)
    int errorNumber;       // the first error shown, 0 for none
    std::size_t messages;  // how many limit messages start-up shows
    const char* mentions = "ModelInfo.ini";  // what the first error's description names
};

void PrintTo(const BadCatalogue& c, std::ostream* os) {
    *os << c.name;
}

const std::string kGood = kModelPlain;

class BadCatalogueTest : public ControllerFixture,
                         public ::testing::WithParamInterface<BadCatalogue> {};

TEST_P(BadCatalogueTest, GivesAClearMessageOrASoundResult) {
    const BadCatalogue& c = GetParam();
    dir.write("ModelInfo.ini", std::string(kCatalogueHeader) + c.lines);
    dir.write("Language.ini", languageFileText());
    calculator = std::make_unique<Calculator>(view);
    EXPECT_EQ(calculator->startUp(dir.path()), c.startsUp);
    if (c.errorNumber == 0) {
        EXPECT_TRUE(view.errors.empty()) << view.errors.front().description;
    } else {
        ASSERT_FALSE(view.errors.empty());
        EXPECT_EQ(view.errors.front().number(), c.errorNumber);
        EXPECT_NE(view.errors.front().description.find(c.mentions), std::string::npos)
            << view.errors.front().description;
    }
    EXPECT_EQ(view.messages.size(), c.messages);
    EXPECT_FALSE(showsNonFinite(view));
    EXPECT_TRUE(stateIsFinite(calculator->calculation()));
    if (!c.startsUp) return;
    // The user can still work: every option and a typed value.
    for (const Aspect aspect : kAllAspects) {
        if (view.group(OptionGroup::Aspect)[static_cast<std::size_t>(indexOf(aspect))].enabled) {
            calculator->choose(aspect);
        }
    }
    if (view.group(OptionGroup::Zoom)[1].enabled) calculator->choose(Zoom::Tele);
    calculator->choose(Unit::Centimeters);
    calculator->choose(Mount::Top);
    type(Quantity::Diagonal, "100");
    type(Quantity::Distance, "1e300");
    EXPECT_FALSE(showsNonFinite(view));
    EXPECT_TRUE(stateIsFinite(calculator->calculation()));
}

std::string thousandModels(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "M" + std::to_string(i) + kGood.substr(9) + "\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, BadCatalogueTest,
    ::testing::Values(
        // Models the calculator cannot work with are left out; with none left, start-up ends.
        BadCatalogue{"NaN and inf hold no number",
                     "Odd,NaN,300,inf,250,1,0,0.8,0,-inf,0.6,0.1,0.12,0,15\n", false, 9, 0,
                     "holds no projector model"},
        BadCatalogue{"huge number", "Huge,40,1e999,30,250,1,0,0.8,0,0.5,0.6,0,0,0,15\n", false, 6,
                     0},
        BadCatalogue{"huge negative number", "Huge,40,300,30,250,1,0,0.8,0,-1e999,0.6,0,0,0,15\n",
                     false, 6, 0},
        BadCatalogue{"no WIDE line", "NoWide,40,300,30,250,0,0,0.8,0,0.5,0.6,0,0,0,3\n", true, 0,
                     0},
        BadCatalogue{"no line at all", "NoLine,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15\n", true, 11,
                     0, "\"NoLine\" has no size line at WIDE"},
        BadCatalogue{"WIDE slope 0 with an intercept",
                     "Flat,40,300,30,250,0,12,0.8,0,0.5,0.6,0,0,0,3\n", false, 9, 0,
                     "holds no projector model"},
        BadCatalogue{"smallest above largest", "Upside,300,40,250,30,1,0,0.8,0,0.5,0.6,0,0,0,3\n",
                     false, 9, 0, "holds no projector model"},
        BadCatalogue{"negative limits", "Neg,-300,-40,-250,-30,1,0,0.8,0,0.5,0.6,0,0,0,3\n", false,
                     9, 0, "holds no projector model"},
        BadCatalogue{"left out beside a good model",
                     "Upside,300,40,250,30,1,0,0.8,0,0.5,0.6,0,0,0,3\n" + kGood + "\n", true, 0, 1},
        BadCatalogue{"huge but finite values",
                     "Big,1,1e300,1,1e300,1e300,1e300,1e-300,0,1e300,1e300,1e300,0,0,3\n", true, 6,
                     0, "\"Big\" is too large"},
        BadCatalogue{"a 1 MB line", kGood + "," + std::string(1 << 20, '7') + "\n", false, 6, 0},
        BadCatalogue{"a 1 MB name", std::string(1 << 20, 'N') + kGood.substr(9) + "\n", true, 0, 0},
        BadCatalogue{"a NUL byte", std::string("Nul\0Name", 8) + kGood.substr(9) + "\n", true, 0,
                     0},
        BadCatalogue{"binary garbage", std::string("\x01\x02\xff\xfe,\x00\x80\x90", 9) + "\n",
                     false, 9, 0},
        BadCatalogue{"mixed line ends", kGood + "\r\n" + kGood + "\n\r\n" + kGood, true, 0, 0},
        BadCatalogue{"1000 models", thousandModels(1000), true, 0, 0},
        BadCatalogue{"1001 models", thousandModels(1001), false, 9, 0}));

TEST_F(ControllerFixture, AByteOrderMarkIsSkipped) {
    dir.write("ModelInfo.ini", "\xEF\xBB\xBF" + std::string(kCatalogueHeader) + kModelPlain);
    dir.write("Language.ini", "\xEF\xBB\xBF" + languageFileText());
    calculator = std::make_unique<Calculator>(view);
    ASSERT_TRUE(calculator->startUp(dir.path()));
    EXPECT_EQ(view.screen.models.at(0), "Plain 100");
    EXPECT_EQ(view.screen.title, "Projection Distance Calculator");
}

struct BadLanguage {
    const char* name;
    std::string file;
    bool startsUp;
};

void PrintTo(const BadLanguage& c, std::ostream* os) {
    *os << c.name;
}

class BadLanguageTest : public ControllerFixture,
                        public ::testing::WithParamInterface<BadLanguage> {};

TEST_P(BadLanguageTest, EndsWithTheLanguageMessageOrStarts) {
    EXPECT_EQ(start({kModelPlain}, GetParam().file), GetParam().startsUp);
    if (!GetParam().startsUp) {
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].rfind("LANGUAGE.INI ERRER !!!! \r\n", 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadLanguageTest,
    ::testing::Values(
        BadLanguage{"blank caption", "[Language]\nCaption=    \n" + languageFileText(), false},
        BadLanguage{"caption of a tab", "[Language]\nCaption=\t\n" + languageFileText(), true},
        BadLanguage{"binary", std::string("\0\xff\xfe[", 4), false},
        BadLanguage{"over-long values",
                    languageFileText() + "[Language]\nCaption=" + std::string(5000, 'x'), true},
        BadLanguage{"font size not a number", "[Language]\nFontSize=big\n" + languageFileText(),
                    true},
        BadLanguage{"font size huge", "[Language]\nFontSize=1e999\n" + languageFileText(), true}));

TEST_F(ControllerFixture, OverLongTextsAreCutAndStrangeFontSizesIgnored) {
    ASSERT_TRUE(start({kModelPlain}, "[Language]\nCaption=" + std::string(5000, 'x') +
                                         "\nFontSize=-12\n" + languageFileText()));
    EXPECT_EQ(view.screen.title.size(), 1023u);
    EXPECT_EQ(view.texts.fontSize, 0);
}

struct TypedValue {
    const char* text;
    int errorNumber;            // 0: no error
    std::size_t messages;       // limit messages
    const char* shownDiagonal;  // the diagonal box afterwards
};

void PrintTo(const TypedValue& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class TypedValueTest : public ControllerFixture,
                       public ::testing::WithParamInterface<TypedValue> {};

TEST_P(TypedValueTest, IsTakenOrRejectedCleanly) {
    ASSERT_TRUE(start({kModelPlain}));
    type(Quantity::Diagonal, GetParam().text);
    EXPECT_EQ(view.errors.size(), GetParam().errorNumber == 0 ? 0u : 1u);
    if (!view.errors.empty()) {
        EXPECT_EQ(view.errors[0].number(), GetParam().errorNumber);
    }
    EXPECT_EQ(view.messages.size(), GetParam().messages);
    EXPECT_EQ(view.screen.boxes[1], GetParam().shownDiagonal);
    EXPECT_FALSE(showsNonFinite(view));
    EXPECT_TRUE(stateIsFinite(calculator->calculation()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedValueTest,
    ::testing::Values(TypedValue{"1e400", 6, 0, "300"}, TypedValue{"-1e308", 0, 1, "300"},
                      TypedValue{"1e308", 0, 1, "300"}, TypedValue{"&HFFFFFFFF", 0, 1, "300"},
                      TypedValue{"&H64", 0, 0, "100"}, TypedValue{" 1 2 0 ", 0, 0, "120"},
                      TypedValue{" 1 2 0 cm", 0, 1, "300"}, TypedValue{"", 0, 1, "300"},
                      TypedValue{"\xff\xfe", 0, 1, "300"}));

}  // namespace
}  // namespace projcalc

namespace projcalc {
namespace {

// Calculation files cut after every line, or holding a huge model name, or extra values.
class BadCalculationFileInputTest : public ControllerFixture {
  protected:
    std::string saved;

    void SetUp() override {
        ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
        view.dialogAnswers.push_back((dir.path() / "good.cf").string());
        ASSERT_TRUE(askAndSaveAs(*calculator, view));
        saved = dir.read("good.cf");
        type(Quantity::Diagonal, "150");
    }
    bool open(const std::string& contents) {
        dir.write("bad.cf", contents);
        view.dialogAnswers.push_back((dir.path() / "bad.cf").string());
        return askAndOpen(*calculator, view);
    }
};

TEST_F(BadCalculationFileInputTest, AFileCutAnywhereIsReportedAndLosesNothing) {
    const std::vector<std::string_view> lines = splitLines(saved);
    ASSERT_EQ(lines.size(), 76u);
    for (std::size_t keep = 0; keep < 76; ++keep) {
        std::string cut;
        for (std::size_t i = 0; i < keep; ++i)
            cut += std::string(lines[i]) + "\r\n";
        view.errors.clear();
        EXPECT_FALSE(open(cut)) << keep;
        ASSERT_EQ(view.errors.size(), 1u) << keep;
        EXPECT_EQ(view.errors[0].number(), 62) << keep;
        EXPECT_EQ(view.screen.boxes[1], "150") << keep;
        EXPECT_EQ(calculator->currentFile(), (dir.path() / "good.cf").string());
    }
    // Cut inside the last value's line: a shorter number is still a number.
    EXPECT_TRUE(open(saved.substr(0, saved.size() - 3)));
}

TEST_F(BadCalculationFileInputTest, AHugeModelNameJoinsTheListAsAnyOther) {
    const std::string name(1 << 20, 'N');
    std::string text = saved;
    text.replace(1, std::string("Plain 100").size(), name);
    EXPECT_TRUE(open(text));
    EXPECT_EQ(view.screen.models.back().size(), name.size());
    EXPECT_FALSE(showsNonFinite(view));
}

TEST_F(BadCalculationFileInputTest, ExtraValuesAreIgnored) {
    EXPECT_TRUE(open(saved + "\"more\",1,2,#TRUE#\r\n" + saved));
    EXPECT_EQ(view.screen.boxes[1], "300");
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(BadCalculationFileInputTest, BinaryGarbageIsATypeMismatch) {
    EXPECT_FALSE(open(std::string("\x00\xff\x01,\x02\"", 6)));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].number(), 13);
    EXPECT_EQ(view.screen.boxes[1], "150");
}

}  // namespace
}  // namespace projcalc
