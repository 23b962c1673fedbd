#include "i18n/optional_texts.h"

#include <array>

namespace projcalc {
namespace {

// "<BR>" in a text stands for a line break; "%1", "%2", … for what the program fills in.
constexpr std::array kTexts = {
    OptionalText{"mnuFileExportPdf", "Export P&DF..."},
    // Editing: the Edit menu, refused input, the question before changes are lost.
    OptionalText{"mnuEdit", "&Edit"},
    OptionalText{"mnuEditUndo", "&Undo"},
    OptionalText{"mnuEditRedo", "&Redo"},
    OptionalText{"mnuEditCopyResults", "&Copy Results"},
    OptionalText{"msgNotANumber", "%1: \u201c%2\u201d is not a number. Use a point for decimals."},
    OptionalText{"msgNotAboveZero", "%1: \u201c%2\u201d must be above 0."},
    OptionalText{"msgSaveChanges", "Save changes to %1?"},
    OptionalText{"txtUntitled", "Untitled"},
    OptionalText{"btnSave", "&Save"},
    OptionalText{"btnDiscard", "&Discard"},
    OptionalText{"btnCancel", "Cancel"},
    // The planning panel and the View menu that shows it (see PlanningCaptions).
    OptionalText{"mnuView", "&View"},
    OptionalText{"mnuViewPlanning", "&Planning"},
    OptionalText{"fraPlanning", "Planning"},
    OptionalText{"lblPlanZoom_0", "WIDE"},
    OptionalText{"lblPlanZoom_1", "TELE"},
    OptionalText{"lblPlanThrow", "Distance for this screen"},
    OptionalText{"lblPlanImage", "Image at this distance"},
    OptionalText{"lblPlanSeating", "Seating distance"},
    OptionalText{"lblPlanSeat_0", "30\u00b0 (SMPTE, farthest)"},
    OptionalText{"lblPlanSeat_1", "36\u00b0 (THX, farthest)"},
    OptionalText{"lblPlanSeat_2", "40\u00b0 (THX, recommended)"},
    OptionalText{"lblPlanOutside", "outside limits"},
    OptionalText{"tipPlanOutside", "This zoom end's diagonal limits do not allow this image"},
    // Find models... and Export throw table...
    OptionalText{"mnuOptionFindModels", "&Find models..."},
    OptionalText{"mnuFileExportThrowTable", "Export &throw table..."},
    OptionalText{"mnuOptionKeepScreen", "&Keep the screen when changing model"},
    OptionalText{"mnuOptionRestoreCatalogue", "&Restore previous catalogue"},
    // %1 and %2 are the numbers of models, %3 the chosen file.
    OptionalText{"msgReplaceCatalogue",
                 "Replace the %1 models of the current catalogue with the %2 models of %3? The "
                 "current catalogue is kept."},
    OptionalText{"msgNoPreviousCatalogue",
                 "There is no previous catalogue to restore: %1 is not there."},
    OptionalText{"dlgFindModels", "Find models"},
    OptionalText{"lblFindDiagonal", "Screen diagonal"},
    OptionalText{"lblFindAspect", "Aspect ratio"},
    OptionalText{"lblFindNearest", "Nearest projector place"},
    OptionalText{"lblFindFarthest", "Farthest projector place"},
    OptionalText{"colFindModel", "Model"},
    OptionalText{"colFindWide", "WIDE distance"},
    OptionalText{"colFindTele", "TELE distance"},
    OptionalText{"colFindFrom", "Can stand from"},
    OptionalText{"colFindTo", "to"},
    OptionalText{"tipFindModels",
                 "Every model that can throw this screen from the room. A distance marked * lies "
                 "outside that zoom end's limits. Double-click a model or press Enter to take it."},
    OptionalText{"msgFindCount", "%1 models fit."},
    OptionalText{"msgFindTypeNumbers",
                 "Type the screen diagonal and the nearest and farthest place, nearest first."},
    OptionalText{"btnFindTake", "&Take model"},
    OptionalText{"dlgThrowTable", "Throw table"},
    OptionalText{"lblTableStep", "Step between diagonals"},
    OptionalText{"lblTableFormat", "Write as"},
    OptionalText{"colTableDiagonal", "Diagonal"},
    OptionalText{"colTableWidth", "Width"},
    OptionalText{"colTableHeight", "Height"},
    OptionalText{"colTableWideDistance", "WIDE distance"},
    OptionalText{"colTableTeleDistance", "TELE distance"},
    OptionalText{"colTableWideOffsets", "WIDE offsets A / B"},
    OptionalText{"colTableTeleOffsets", "TELE offsets A / B"},
    OptionalText{"colTableWithin", "Within limits (WIDE / TELE)"},
    OptionalText{"txtYes", "yes"},
    OptionalText{"txtNo", "no"},
    // The installation report: File > Export Report..., the print dialog's choice, the dialog
    // that asks for the report's title, and the report's own labels.
    OptionalText{"mnuFileExportReport", "Export &Report..."},
    OptionalText{"lblPrintContent", "Print:"},
    // %1 is the menu path of Export PDF, "File > Export PDF".
    OptionalText{"lblNoPrinter",
                 "No printer is set up on this computer. %1 writes the same page to a PDF file."},
    OptionalText{"optPrintContent_0", "&Window"},
    OptionalText{"optPrintContent_1", "&Report"},
    OptionalText{"frmReport", "Installation Report"},
    OptionalText{"lblReportTitle", "&Title:"},
    OptionalText{"lblReportPreparedBy", "&Prepared by:"},
    OptionalText{"btnOk", "OK"},
    OptionalText{"rptPreparedBy", "Prepared by"},
    OptionalText{"rptDate", "Date"},
    OptionalText{"rptInstallation", "Installation"},
    OptionalText{"rptResults", "Results"},
    OptionalText{"rptUnit_0", "in"},
    OptionalText{"rptUnit_1", "ft"},
    OptionalText{"rptUnit_2", "cm"},
    OptionalText{"rptUnitMetres", "m"},
    OptionalText{"rptFrontView", "Front view (to scale)"},
    OptionalText{"rptSideView", "Side view (schematic)"},
    // The window: the Help menu, the unit beside the values, tooltips and why an option is
    // greyed.
    OptionalText{"mnuHelp", "&Help"},
    OptionalText{"mnuOptionLanguage", "&Language"},
    OptionalText{"txtUnit_0", "in"},
    OptionalText{"txtUnit_1", "ft"},
    OptionalText{"txtUnit_2", "cm"},
    OptionalText{"tipUnits_0", "Show every length in inches"},
    OptionalText{"tipUnits_1", "Show every length in feet"},
    OptionalText{"tipUnits_2", "Show every length in centimetres"},
    OptionalText{"tipWIDE_0",
                 "WIDE: the zoom lens at its widest angle. It throws the largest image from a "
                 "distance, so for a screen the projector stands nearest."},
    OptionalText{"tipWIDE_1",
                 "TELE: the zoom lens at its narrowest angle. It throws the smallest image from a "
                 "distance, so for a screen the projector stands farthest."},
    OptionalText{"tipFixedLens", "This model has a fixed lens"},
    OptionalText{"tipPosition_0",
                 "The projector hangs upside down from the ceiling, above the image"},
    OptionalText{"tipPosition_1", "The projector stands on a table or the floor, below the image"},
    OptionalText{"tipAspect", "The image's width to its height: %1"},
    OptionalText{"tipAspectNotOffered", "This model does not offer %1"},
    OptionalText{"tipValue",
                 "Type a value and press Enter (or click the Enter button beside the box): the "
                 "other values, the offsets and both drawings follow"},
    OptionalText{"tipOffset",
                 "Offset: how far the image lies above or below the lens, from the centre of the "
                 "lens to the nearer edge of the image"},
    OptionalText{
        "tipRange",
        "From the first offset to the second: the lens can be shifted to any offset in between"},
    OptionalText{"tipEnter", "Enter the value typed in the box"},
    // What a screen reader calls the second offset box (the first one takes the offset caption).
    OptionalText{"accSecondOffset", "Second offset"},
    // The catalogue.
    OptionalText{"msgLeftOutModels",
                 "These models of %1 were left out, because their values cannot be worked "
                 "with:"},
    OptionalText{"msgLeftOutMore", "... and %1 more lines."},
    OptionalText{"msgOldCatalogue",
                 "The model catalogue %1 cannot be used, so the previous catalogue %2 is used "
                 "instead. Install a catalogue with Option > Select model info file... to put "
                 "this right."},
    // Light on the screen and the scope screen: the planning panel, Find models, the throw
    // table, the catalogue's light columns.
    OptionalText{"lblPlanLight", "Light on the screen"},
    OptionalText{"tipPlanLight",
                 "Luminance = lumens \u00d7 share \u00d7 gain \u00f7 image area in square feet. "
                 "Too dim below 12 fL; dark room 12 to 27 (SMPTE asks 16 for a cinema); dim room "
                 "27 to 40; living room 40 to 60; bright room 60 and more."},
    OptionalText{"lblPlanGain", "Screen gain"},
    OptionalText{"tipPlanGain",
                 "How much light the screen sends back to the seats, compared with a white matte "
                 "surface: matte white 1.0, grey screens 0.8 to 1.0, high-gain screens 1.3 to 2.5. "
                 "Above 0 up to 10."},
    OptionalText{"lblPlanShare", "Light share (%)"},
    OptionalText{"tipPlanShare",
                 "The share of the rated light output to plan with, in percent: 100 at full power, "
                 "about 70 in an eco mode, about 50 with an aged lamp. From 1 to 100."},
    OptionalText{"txtPlanLight", "%1 fL, %2 nits, %3"},
    OptionalText{"txtLightRating_0", "too dim"},
    OptionalText{"txtLightRating_1", "dark room"},
    OptionalText{"txtLightRating_2", "dim room"},
    OptionalText{"txtLightRating_3", "living room"},
    OptionalText{"txtLightRating_4", "bright room"},
    OptionalText{"txtPlanNoLumens", "The catalogue gives no light output for this model."},
    OptionalText{"msgBadGain", "%1: \u201c%2\u201d is not a number above 0 up to 10."},
    OptionalText{"msgBadShare", "%1: \u201c%2\u201d is not a number from 1 to 100."},
    // "1" where the language writes a decimal comma: typed values then take "150,7" too.
    OptionalText{"DecimalComma", "0"},
    OptionalText{"msgUnusedLight",
                 "These light values of %1 are not plain numbers above 0 and are not used:"},
    OptionalText{"colFindLight", "Light (fL)"},
    OptionalText{"lblFindMinLight", "At least (fL)"},
    OptionalText{"tipFindMinLight",
                 "Only models for which a zoom end that counts gives at least this many "
                 "foot-lamberts; 0 lists every model. Too dim below 12; dark room 12 to 27; dim "
                 "room 27 to 40; living room 40 to 60; bright room 60 and more."},
    OptionalText{"colTableLight", "Light WIDE / TELE (fL)"},
    OptionalText{"lblPlanScope", "Scope screen"},
    OptionalText{
        "tipPlanScope",
        "A wide screen as high as the 16 : 9 picture. By the zoom method the lens fills its height "
        "for 16 : 9 films and is zoomed out for scope films until they fill its width."},
    OptionalText{"optScope_0", "none"},
    OptionalText{"optScope_1", "2.35 : 1"},
    OptionalText{"optScope_2", "2.39 : 1"},
    OptionalText{"optScope_3", "2.40 : 1"},
    OptionalText{"txtScopeSize", "%1 \u00d7 %2, diagonal %3"},
    OptionalText{"lblScopeThrow", "Distance for the scope picture"},
    OptionalText{"txtScopeBoth", "Both pictures from %1 to %2"},
    OptionalText{"txtScopeOneEnd", "A fixed lens cannot serve both pictures from one place."},
    OptionalText{"txtScopeTooShort",
                 "The zoom range is too short to serve both pictures from one place."},
    OptionalText{"txtScopeNeeds169", "The zoom method needs the 16 : 9 aspect ratio."},
    OptionalText{"lblPlanRatio", "Throw ratio"},
    OptionalText{"tipPlanRatio",
                 "The projection distance divided by the image width, at each zoom end: the "
                 "figure a lens is specified by."},
    // The browser page's own texts: its catalogue buttons, the copy and throw table dialogs,
    // what a link cannot do, and the names of its drawings for a screen reader.
    OptionalText{"webCatalogueShipped", "Shipped catalogue"},
    OptionalText{"webCatalogueMine", "My catalogue"},
    OptionalText{"webCataloguePrevious", "Previous catalogue"},
    OptionalText{"webCatalogueInUse", "Models from: %1"},
    OptionalText{"webCopied", "The results were copied."},
    OptionalText{"webCopyHere", "Copy the results from this box:"},
    OptionalText{"webTableFrom", "From diagonal"},
    OptionalText{"webTableTo", "To diagonal"},
    OptionalText{"webFindNone", "No model fits."},
    OptionalText{"webEngineFailed", "The calculator could not start in this browser: %1"},
    OptionalText{"webLinkFile",
                 "The link stops before \u201c%1\u201d: a link cannot open or save files."},
    OptionalText{"webFront", "Front view"},
    OptionalText{"webSide", "Side view"},
};

}  // namespace

std::span<const OptionalText> optionalTexts() noexcept {
    return kTexts;
}

std::optional<std::string_view> englishText(std::string_view key) noexcept {
    for (const OptionalText& text : kTexts) {
        if (text.key == key) return text.english;
    }
    return std::nullopt;
}

}  // namespace projcalc
