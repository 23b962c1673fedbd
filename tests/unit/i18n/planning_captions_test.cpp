// The planning panel's captions: optional Language.ini keys with English defaults.
#include "i18n/planning_captions.h"

#include <gtest/gtest.h>

#include "controller_fixture.h"
#include "i18n/language.h"

namespace projcalc {
namespace {

TEST(PlanningCaptions, AFileWithoutTheKeysKeepsTheEnglishTexts) {
    const auto read = readInterfaceTexts(Profile::parse(languageFileText()));
    const auto* texts = std::get_if<InterfaceTexts>(&read);
    ASSERT_NE(texts, nullptr);
    EXPECT_EQ(texts->planning, PlanningCaptions{});
    EXPECT_EQ(texts->planning.throwRow, "Distance for this screen");
    EXPECT_EQ(texts->planning.seats[2], "40\u00b0 (THX, recommended)");
}

TEST(PlanningCaptions, EachKeyReplacesItsTextAndABlankOneIsIgnored) {
    const Profile file = Profile::parse(
        "[Language]\nmnuView=&Ansicht\nmnuViewPlanning=&Planung\nfraPlanning=Planung\n"
        "lblPlanZoom_0=Weit\nlblPlanZoom_1=Tele\nlblPlanThrow=Abstand\nlblPlanImage=Bild\n"
        "lblPlanSeating=Sitzplatz\nlblPlanSeat_0=30\u00b0\nlblPlanSeat_1=36\u00b0\n"
        "lblPlanSeat_2=   \nlblPlanOutside=au\u00dferhalb\ntipPlanOutside=Grenzen\n");
    const PlanningCaptions c = readPlanningCaptions(file);
    EXPECT_EQ(c.viewMenu, "&Ansicht");
    EXPECT_EQ(c.showPlanning, "&Planung");
    EXPECT_EQ(c.panelTitle, "Planung");
    EXPECT_EQ(c.zoomHeadings, (std::array<std::string, 2>{"Weit", "Tele"}));
    EXPECT_EQ(c.throwRow, "Abstand");
    EXPECT_EQ(c.imageRow, "Bild");
    EXPECT_EQ(c.seatingHeading, "Sitzplatz");
    EXPECT_EQ(c.seats[0], "30\u00b0");
    EXPECT_EQ(c.seats[1], "36\u00b0");
    EXPECT_EQ(c.seats[2], PlanningCaptions{}.seats[2]);  // blank: the default stays
    EXPECT_EQ(c.outsideLimits, "au\u00dferhalb");
    EXPECT_EQ(c.outsideLimitsTip, "Grenzen");
}

// The shipped language file holds every key, with the texts the defaults have.
TEST(PlanningCaptions, TheShippedFileSpellsOutTheDefaults) {
    const Profile shipped = Profile::load(
        std::filesystem::path(PROJCALC_SOURCE_DIR) / "data" / "Language.ini", localFileSystem());
    EXPECT_EQ(readPlanningCaptions(shipped), PlanningCaptions{});
    EXPECT_TRUE(shipped.value("Language", "lblPlanSeat_0").has_value());
}

}  // namespace
}  // namespace projcalc
