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
