#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/asking.h"
#include "core/calculator.h"
#include "core/memory_view.h"
#include "test_support.h"

namespace projcalc {

// A complete English Language.ini; `extra` is appended (to add keys or sections).
inline std::string languageFileText(const std::string& extra = "") {
    return "[Language]\n"
           "Caption=Projection Distance Calculator\nFontName=DejaVu Sans\nFontSize=8\n"
           "msg1=No model in %1\n"
           "msg2=Too large: at most %1 inches\nmsg3=Too large: at most %1 feet (%2 inches)\n"
           "msg4=Too large: at most %1 cm (%2 inches)\n"
           "msg5=Too small: at least %1 inches\nmsg6=Too small: at least %1 feet (%2 inches)\n"
           "msg7=Too small: at least %1 cm (%2 inches)\n"
           "mnuFile=&File\nmnuFileOpen=&Open Calculate\nmnuFileSave=&Save Calculate\n"
           "mnuFileSaveAs=Save&As Calculate\nmnuFilePrint=&Print Calculate\nmnuFileQuit=&Quit\n"
           "mnuOption=&Option\nmnuOptionModelInfo=Select model info file...\n"
           "mnuAbout=&About\nmnuAboutAbout=&About\n"
           "LBL1=Model\nLBL2=Units\nLBL3=inches\nLBL4=Feet\nLBL5=centimeters\n"
           "LBL6=WIDE / TELE\nLBL7=WIDE\nLBL8=TELE\nLBL9=Position\nLBL10=Top of Screen\n"
           "LBL11=Bottom of Screen\nLBL12=Aspect Ratio\nLBL13=Projection<BR>Distance\n"
           "LBL14=Screen Size Diagonal\nLBL15=Width\nLBL16=Height\nLBL17=Offset\n"
           "LBL18=Print\nLBL19=Print Printer\nLBL20=Print\nLBL21=Cancel\n"
           "[Version]\nVersion=1.00\n" +
           extra;
}

// Catalogue lines of well-formed models. Sizes are in inches; the 4:3 WIDE line is
// diagonal = 1.0 × distance, so distances are easy to check.
inline const char* kCatalogueHeader =
    "Name,min43W,max43W,min43T,max43T,slopeW,icptW,slopeT,icptT,offAW,offAT,offBW,offBT,"
    "panel,mask,kind,scale169,min169W,max169W,min169T,max169T,min1610W,max1610W,min1610T,"
    "max1610T\n";
inline const char* kModelPlain =
    "Plain 100,40,300,30,250,1.0,0,0.8,0,0.5,0.6,0.1,0.12,0,15,0,0,40,280,30,240,40,290,30,"
    "245";
inline const char* kModelWideOnly16x9 =
    "Wide 169,50,200,50,200,1.2,0,0,0,0.4,0.4,0,0,1,4,0,0,50,220,50,220,0,0,0,0";
inline const char* kModelTeleOnly =
    "Tele Only,60,240,60,240,0,0,0.5,1,0.3,0.3,0,0.5,0,15,0,0,60,230,60,230,60,235,60,235";

// A data folder in a temporary directory, and a calculator started on it.
class ControllerFixture : public ::testing::Test {
  protected:
    TempDir dir;
    MemoryView view;
    std::unique_ptr<Calculator> calculator;
    FileSystem* fileSystem = &localFileSystem();  // tests may put a failing one here

    // Writes the data folder and starts the calculator; returns what startUp returned.
    bool start(const std::vector<std::string>& modelLines,
               const std::string& language = languageFileText()) {
        std::string catalogue = kCatalogueHeader;
        for (const std::string& line : modelLines)
            catalogue += line + "\n";
        dir.write("ModelInfo.ini", catalogue);
        dir.write("Language.ini", language);
        calculator = std::make_unique<Calculator>(view, *fileSystem);
        return calculator->startUp(dir.path());
    }

    [[nodiscard]] const Calculation& calculation() const { return calculator->calculation(); }

    // Types a text into a value box and commits it the way Enter or leaving the box does;
    // false when the value was refused.
    bool type(Quantity box, const std::string& text) { return calculator->commit(box, text); }
};

}  // namespace projcalc
