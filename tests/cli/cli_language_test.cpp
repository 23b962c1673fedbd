// --language CODE: the interface texts of a shipped language, whatever the locale.
#include <gtest/gtest.h>

#include "cli_fixture.h"
#include "util/text.h"

namespace projcalc::cli_test {
namespace {

TEST_F(CliTest, LanguageTakesTheShippedFileOfItsCodeWhateverTheLocale) {
    writeData({kPlain});
    std::filesystem::create_directories(dataFolder() / "languages" / "de");
    std::ofstream(dataFolder() / "languages" / "de" / "Language.ini", std::ios::binary)
        << replaceAll(replaceAll(languageText(), "Caption=Projection Distance Calculator",
                                 "Caption=Projektionsrechner"),
                      "LanguageName=English", "LanguageName=Deutsch");
    EXPECT_EQ(report({"--language", "de"})["title"], "Projektionsrechner");
    // The locale alone changes nothing: scripts and tests stay stable.
    std::vector<std::string> args = {"--data-dir", dataFolder().string()};
    std::vector<std::string> environment = {"HOME=" + homeFolder().string(), "LANG=de_DE.UTF-8",
                                            "LC_ALL=de_DE.UTF-8"};
    EXPECT_EQ(parsed(runCli(args, environment).out)["title"], "Projection Distance Calculator");

    const CliResult unknown = run({"--language", "xx"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("no language \"xx\""), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("(de)"), std::string::npos) << unknown.err;
}

TEST_F(CliTest, ACommaIsTheDecimalPointOnlyInALanguageThatWritesOne) {
    writeData({kPlain});
    for (const char* code : {"de", "ja"}) {
        std::filesystem::create_directories(dataFolder() / "languages" / code);
        std::ofstream(dataFolder() / "languages" / code / "Language.ini", std::ios::binary)
            << replaceAll(languageText(), "[Version]",
                          std::string("DecimalComma=") + (code == std::string("de") ? "1" : "0") +
                              "\n[Version]");
    }
    // 12,3 rounds up to 13 as 12.3 does; the point still works in German.
    EXPECT_EQ(report({"--language", "de", "diagonal=12,3"})["boxes"],
              json({"13", "13", "10", "8"}));
    EXPECT_EQ(report({"--language", "de", "diagonal=12.3"})["boxes"],
              json({"13", "13", "10", "8"}));
    const json refused = report({"--language", "ja", "diagonal=12,3"});
    EXPECT_EQ(refused["boxes"], json({"300", "300", "240", "180"}));
    EXPECT_NE(refused["messages"].dump().find("12,3"), std::string::npos) << refused.dump();
}

}  // namespace
}  // namespace projcalc::cli_test
