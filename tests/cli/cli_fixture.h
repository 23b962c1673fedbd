#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "test_support.h"

namespace projcalc::cli_test {

using nlohmann::json;

// A complete English Language.ini without the line of `omittedKey`.
inline std::string languageText(const std::string& omittedKey = "") {
    const std::vector<std::string> lines = {"[Language]",
                                            "Caption=Projection Distance Calculator",
                                            "FontName=DejaVu Sans",
                                            "FontSize=8",
                                            "msg1=No model in %1",
                                            "msg2=Too large: at most %1 inches",
                                            "msg3=Too large: at most %1 feet (%2 inches)",
                                            "msg4=Too large: at most %1 cm (%2 inches)",
                                            "msg5=Too small: at least %1 inches",
                                            "msg6=Too small: at least %1 feet (%2 inches)",
                                            "msg7=Too small: at least %1 cm (%2 inches)",
                                            "mnuFile=&File",
                                            "mnuFileOpen=&Open Calculate",
                                            "mnuFileSave=&Save Calculate",
                                            "mnuFileSaveAs=Save&As Calculate",
                                            "mnuFilePrint=&Print Calculate",
                                            "mnuFileQuit=&Quit",
                                            "mnuOption=&Option",
                                            "mnuOptionModelInfo=Select model info file...",
                                            "mnuAbout=&About",
                                            "mnuAboutAbout=&About",
                                            "LBL1=Model",
                                            "LBL2=Units",
                                            "LBL3=inches",
                                            "LBL4=Feet",
                                            "LBL5=centimeters",
                                            "LBL6=WIDE / TELE",
                                            "LBL7=WIDE",
                                            "LBL8=TELE",
                                            "LBL9=Position",
                                            "LBL10=Top of Screen",
                                            "LBL11=Bottom of Screen",
                                            "LBL12=Aspect Ratio",
                                            "LBL13=Projection<BR>Distance",
                                            "LBL14=Screen Size Diagonal",
                                            "LBL15=Width",
                                            "LBL16=Height",
                                            "LBL17=Offset",
                                            "LBL18=Print",
                                            "LBL19=Print Printer",
                                            "LBL20=Print",
                                            "LBL21=Cancel",
                                            "[Version]",
                                            "Version=1.00"};
    std::string text;
    for (const std::string& line : lines) {
        if (!omittedKey.empty() && line.starts_with(omittedKey + "=")) continue;
        text += line + "\n";
    }
    return text;
}

// Catalogue lines. "Plain 100" throws a 4:3 diagonal equal to the distance at WIDE, with limits
// 10 to 300 inches at 4:3 WIDE.
inline const char* kHeader =
    "Name,min43W,max43W,min43T,max43T,slopeW,icptW,slopeT,icptT,offAW,offAT,offBW,offBT,"
    "panel,mask,kind,scale169,min169W,max169W,min169T,max169T,min1610W,max1610W,min1610T,"
    "max1610T";
inline const char* kPlain =
    "Plain 100,10,300,10,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,10,280,10,240,10,290,10,245";
inline const char* kWide169 =  // only 16:9, only WIDE, one offset
    "Wide 169,50,200,50,200,1.2,0,0,0,0.4,0.4,0,0,1,4,0,0,50,220,50,220,0,0,0,0";
inline const char* kFlatTele =  // a TELE line so flat that no distance can be worked out there
    "Flat Tele,40,300,30,250,1.0,0,2.3e-308,0,0.5,0.6,0.1,0.12,0,15,0,0,40,280,30,240,40,290,30,"
    "245";
inline const char* kTwinLarge =
    "Twin,10,150,10,150,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,10,150,10,150,10,150,10,150";
inline const char* kTwinSmall =
    "Twin,10,120,10,120,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,10,120,10,120,10,120,10,120";

// Writes a data folder: a catalogue of `models` and a language file.
inline void writeDataFolder(const std::filesystem::path& folder,
                            const std::vector<std::string>& models,
                            const std::string& language = languageText()) {
    std::filesystem::create_directories(folder);
    std::string catalogue = std::string(kHeader) + "\n";
    for (const std::string& model : models)
        catalogue += model + "\n";
    std::ofstream(folder / "ModelInfo.ini", std::ios::binary) << catalogue;
    std::ofstream(folder / "Language.ini", std::ios::binary) << language;
}

// The JSON text of a run; fails the test when it is not JSON.
inline json parsed(const std::string& text) {
    try {
        return json::parse(text);
    } catch (const json::parse_error& error) {
        ADD_FAILURE() << "not JSON (" << error.what() << "):\n" << text;
        return json();
    }
}

// A test name made of the letters and digits of `text`, with the case number for uniqueness.
inline std::string caseName(const std::string& text, std::size_t index) {
    std::string name;
    for (const char c : text)
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    return name + "_" + std::to_string(index);
}

// One JSON object per line.
inline std::vector<json> parsedLines(const std::string& text) {
    std::vector<json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(parsed(line));
    return lines;
}

// A data folder of its own and an empty home folder, so that nothing of the machine's user is
// read; runs go through --data-dir unless a test sets the folders itself.
class CliTest : public ::testing::Test {
  protected:
    TempDir dir;

    [[nodiscard]] std::filesystem::path dataFolder() const { return dir.path() / "data"; }
    [[nodiscard]] std::filesystem::path homeFolder() const { return dir.path() / "home"; }

    void writeData(const std::vector<std::string>& models = {kPlain, kWide169, kFlatTele},
                   const std::string& language = languageText()) const {
        writeDataFolder(dataFolder(), models, language);
    }

    [[nodiscard]] std::vector<std::string> environment() const {
        return {"HOME=" + homeFolder().string(), "LC_ALL=C.UTF-8"};
    }

    // Runs on the test's data folder.
    [[nodiscard]] CliResult run(const std::vector<std::string>& actions) const {
        std::vector<std::string> args = {"--data-dir", dataFolder().string()};
        args.insert(args.end(), actions.begin(), actions.end());
        return runCli(args, environment());
    }

    // Runs on the test's data folder and expects a report (exit 0).
    [[nodiscard]] json report(const std::vector<std::string>& actions) const {
        const CliResult result = run(actions);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return parsed(result.out);
    }
};

}  // namespace projcalc::cli_test
