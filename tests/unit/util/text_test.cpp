#include "util/text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "test_support.h"
#include "util/errors.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/profile.h"
#include "util/text_decoding.h"

namespace projcalc {
namespace {

TEST(ReplaceAll, ReplacesEveryOccurrenceCaseSensitively) {
    EXPECT_EQ(replaceAll("Projection<BR>Distance<BR>Here", "<BR>", "\r\n"),
              "Projection\r\nDistance\r\nHere");
    EXPECT_EQ(replaceAll("a<br>b", "<BR>", "\r\n"), "a<br>b");
    EXPECT_EQ(replaceAll("no marker", "<BR>", "x"), "no marker");
    EXPECT_EQ(replaceAll("%1 and %1", "%1", "60"), "60 and 60");
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");  // never loops on its own replacement
    EXPECT_EQ(replaceAll("text", "", "x"), "text");
}

TEST(Lines, SplitAtLineFeedsWithOrWithoutCarriageReturns) {
    const auto lines = splitLines("a\r\nb\nc\r\n\nd");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "d");
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("only\n").size(), 1u);
}

TEST(Decoding, SkipsTheByteOrderMarkAndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBFModel"), "Model");
    EXPECT_EQ(decodeText("Caf\xC3\xA9"), "Caf\xC3\xA9");  // valid UTF-8 stays
    EXPECT_EQ(decodeText("Caf\xE9"), "Caf\xC3\xA9");      // 1252 e-acute
    EXPECT_EQ(decodeText("\x80 5"), "\xE2\x82\xAC 5");    // 1252 euro sign
    EXPECT_EQ(decodeText(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));      // cut short
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x93\xBD"));
}

TEST(Decoding, ReadsUtf16InEitherByteOrderByItsByteOrderMark) {
    using namespace std::string_literals;
    EXPECT_EQ(decodeText("\xFF\xFE"
                         "C\0a\0f\0\xE9\0\n\0"s),
              "Caf\xC3\xA9\n");
    EXPECT_EQ(decodeText("\xFE\xFF"
                         "\0C\0a\0f\0\xE9\0\n"s),
              "Caf\xC3\xA9\n");
    EXPECT_EQ(decodeText("\xFF\xFE"
                         "\x3D\xD8\xFD\xDC"s),
              "\xF0\x9F\x93\xBD");  // a pair
    EXPECT_EQ(decodeText("\xFF\xFE"
                         "\x3D\xD8"
                         "A\0"
                         "B"s),
              "\xEF\xBF\xBD"
              "A\xEF\xBF\xBD");
}

TEST(Lines, ACarriageReturnAloneEndsALineWhereAskedFor) {
    EXPECT_EQ(splitLinesAtAnyEnd("a\rb\r\nc\n\rd\r"),
              (std::vector<std::string_view>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(splitLines("a\rb\n").size(), 1u);  // elsewhere a lone CR stays in the line
}

// Texts from outside (a path handed over by another process, a file name) never make a message
// taller or wider than the screen.
TEST(MessageTexts, LongTextsKeepTheirEndsAndControlCharactersShow) {
    const struct {
        std::string text;
        std::size_t limit;
        std::string shown;
    } cases[] = {
        {"/plans/hall.cf", 40, "/plans/hall.cf"},
        {"/plans/two\nlines\t.cf", 40, "/plans/two?lines?.cf"},
        {"abcdefghijklmnopqrstuvwxyz", 13, "abc...tuvwxyz"},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 7,
         "\xC3\xA9...\xC3\xA9\xC3\xA9\xC3\xA9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortenForMessage(c.text, c.limit), c.shown) << c.text;

    const std::string garbage = "/" + std::string(64 * 1024, 'x') + "\n" + std::string(100, 'y');
    const AppError error =
        fileError(std::make_error_code(std::errc::no_such_file_or_directory), garbage);
    EXPECT_LT(error.description.size(), 400u);
    EXPECT_EQ(error.description.find('\n'), std::string::npos);
    EXPECT_NE(error.description.find("yyyy"), std::string::npos);  // the file's end stays
    EXPECT_LE(utf8Length(displayPath(garbage)), kShownPathCharacters);
}

// A quote from a file shows what is there without letting a binary file into the message.
TEST(MessageTexts, QuotesEscapeControlsAndBadBytesAndStopAfterAFewDozenCharacters) {
    using namespace std::string_literals;
    const struct {
        std::string text;
        std::size_t limit;
        std::string shown;
    } cases[] = {
        {"150.7", 32, "\"150.7\""},
        {"Caf\xC3\xA9", 32, "\"Caf\xC3\xA9\""},
        {"\x89PNG\r\n\x1A\n\0\0"s, 32, "\"\\x89PNG\\x0D\\x0A\\x1A\\x0A\\x00\\x00\""},
        {"a\x7F"
         "b\xC2\x85"
         "c\xEF\xBF\xBD",
         32, "\"a\\x7Fb\\u{85}c\\u{FFFD}\""},
        {"\xE9t\xE9", 32, "\"\\xE9t\\xE9\""},         // not UTF-8
        {"\xED\xA0\x80", 32, "\"\\xED\\xA0\\x80\""},  // a surrogate is not UTF-8 either
        {"abcdefghij", 4, "\"abcd...\""},
        {std::string(100000, '\0'), 32,
         "\"" +
             [] {
                 std::string s;
                 for (int i = 0; i < 32; ++i)
                     s += "\\x00";
                 return s;
             }() +
             "...\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quoteForMessage(c.text, c.limit), c.shown) << c.shown;
}

TEST(Paths, FileNameOfTakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(fileNameOf("D:\\plans\\hall.cf"), "hall.cf");
    EXPECT_EQ(fileNameOf("/home/ann/plans/hall.cf"), "hall.cf");
    EXPECT_EQ(fileNameOf("hall.cf"), "");
    EXPECT_EQ(fileNameOf("D:\\plans\\"), "");
    EXPECT_EQ(fileNameOf("/plans/"), "");
}

TEST(Paths, StripExtensionDropsTheLastExtensionOnly) {
    EXPECT_EQ(stripExtension("hall.plan.cf"), "hall.plan");
    EXPECT_EQ(stripExtension("hall"), "hall");
    EXPECT_EQ(stripExtension(".cf"), "");
}

TEST(Paths, TrailingSeparatorIsAddedExactlyOnce) {
    EXPECT_EQ(withTrailingBackslash("/opt/projcalc"), "/opt/projcalc/");
    EXPECT_EQ(withTrailingBackslash("/opt/projcalc/"), "/opt/projcalc/");
    EXPECT_EQ(withTrailingBackslash(""), "/");
}

TEST(Paths, FileExistsAnswersForRegularFilesOnly) {
    TempDir dir;
    const auto file = dir.write("Hall.cf", "x");
    FileSystem& files = localFileSystem();
    EXPECT_TRUE(files.fileExists(file));
    EXPECT_FALSE(files.fileExists(dir.path() / "hall.cf"));  // names are case-sensitive here
    EXPECT_FALSE(files.fileExists(dir.path()));              // a folder is not a file
    EXPECT_FALSE(files.fileExists(dir.path() / "missing.cf"));
}

TEST(Profile, ReadsSectionsAndKeysWithoutRegardToCase) {
    const Profile p = Profile::parse(
        "; comment\r\n[Language]\r\nCaption=Projection Distance Calculator\r\n"
        "msg2= too large %1 \r\nempty=\r\n  LBL1 =Model\r\n;LBL2=Hidden\r\n"
        "key=first\r\nkey=second\r\n[Version]\r\nVersion=2.10");
    EXPECT_EQ(p.value("language", "CAPTION"), "Projection Distance Calculator");
    EXPECT_EQ(p.value("Language", "msg2"), " too large %1 ");  // blanks are kept
    EXPECT_EQ(p.value("Language", "empty"), "");
    EXPECT_EQ(p.value("Language", "LBL1"), "Model");
    EXPECT_EQ(p.value("Language", "LBL2"), std::nullopt);
    EXPECT_EQ(p.value("Language", "key"), "first");
    EXPECT_EQ(p.value("Version", "Version"), "2.10");
    EXPECT_EQ(p.value("Version", "Caption"), std::nullopt);
    EXPECT_EQ(Profile::parse("Caption=outside any section").value("", "Caption"), std::nullopt);
}

TEST(Profile, CutsValuesToTheirFirst1023Characters) {
    const std::string value(1024, 'x');
    const Profile p = Profile::parse("[S]\nk=" + value + "\nu=" + std::string(1100, '\xE9'));
    EXPECT_EQ(p.value("S", "k"), std::string(1023, 'x'));
    const std::string wide = *p.value("S", "u");  // Windows-1252 read as UTF-8: 2 bytes each
    EXPECT_EQ(utf8Length(wide), 1023u);
}

TEST(Profile, LoadGivesAnEmptyProfileForAMissingFile) {
    TempDir dir;
    const auto file = dir.write("Language.ini", "[Language]\nCaption=Calc\n");
    EXPECT_EQ(Profile::load(file, localFileSystem()).value("Language", "Caption"), "Calc");
    EXPECT_EQ(
        Profile::load(dir.path() / "none.ini", localFileSystem()).value("Language", "Caption"),
        std::nullopt);
}

}  // namespace
}  // namespace projcalc

namespace projcalc {
namespace {

TEST(LocalFileSystem, ReadsOnlyRegularFilesOfSensibleSize) {
    TempDir dir;
    const auto fifo = dir.path() / "pipe.cf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto read = localFileSystem().readFile(fifo);  // must not block
    const auto* error = std::get_if<AppError>(&read);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->number(), 75);
    EXPECT_NE(error->description.find("not a file that can be read"), std::string::npos);

    const auto big = dir.path() / "big.ini";
    std::filesystem::resize_file(dir.write("big.ini", ""), 65ULL * 1024 * 1024);  // sparse
    const auto bigRead = localFileSystem().readFile(big);
    const auto* tooBig = std::get_if<AppError>(&bigRead);
    ASSERT_NE(tooBig, nullptr);
    EXPECT_NE(tooBig->description.find("larger than 64 MB"), std::string::npos);
}

}  // namespace
}  // namespace projcalc
