#pragma once

#include <string>

#include "diagrams/scene.h"
#include "util/errors.h"

namespace projcalc {

struct InterfaceTexts;

// One entry of a file dialog's filter list: "CalculateFile (*.cf)" with the pattern "*.cf".
struct FileFilter {
    std::string description;
    std::string pattern;
};

// The option groups of the main window.
enum class OptionGroup { Aspect, Zoom, Units, Position };

// What the controller asks of the window. The Qt main window implements it with widgets; tests
// and the command-line tool implement it in memory. Changes made through it never raise the
// window's own events: only the user's actions do.
class View {
  public:
    virtual ~View() = default;

    // The four value boxes (0 distance, 1 diagonal, 2 width, 3 height) and their Enter buttons.
    virtual void setValueText(int index, const std::string& text) = 0;
    [[nodiscard]] virtual std::string valueText(int index) const = 0;
    virtual void setEnterButtonVisible(int index, bool visible) = 0;
    // Selects the whole text of a value box that has just gained the focus.
    virtual void selectValueText(int index) = 0;

    // The two offset boxes.
    virtual void setOffsetText(int index, const std::string& text) = 0;

    // Option buttons: checking one unchecks the others of its group.
    virtual void setOptionChecked(OptionGroup group, int index) = 0;
    virtual void setOptionEnabled(OptionGroup group, int index, bool enabled) = 0;

    // The aspect preview: a box of the chosen shape with its caption ("16 : 9") centred in it.
    virtual void showAspectPreview(double aspectRatio, const std::string& caption) = 0;

    // The model list: rows carry the index of their model in the catalogue.
    virtual void clearModelList() = 0;
    virtual void addModelRow(const std::string& name, int modelIndex) = 0;
    virtual void selectModelRow(int row) = 0;

    // Window title, captions and fonts.
    virtual void setTitle(const std::string& title) = 0;
    virtual void applyInterfaceTexts(const InterfaceTexts& texts) = 0;

    // A message box with an OK button and the program's title; returns when it is closed.
    virtual void showMessage(const std::string& text) = 0;
    // An error message box with the error icon: "Err : " + number + CR LF + description.
    virtual void showError(const AppError& error) = 0;

    // The size of a control or picture as the window really shows it ("txtValue_3", "imgKara",
    // "picDraw1", ...), read by the diagram layouts.
    [[nodiscard]] virtual Size controlSize(const std::string& objectName) const = 0;
    // Paints a drawing into its picture box and moves the controls lying on it.
    virtual void showScene(DiagramId diagram, const Scene& scene) = 0;

    // File dialogs, starting in `initialFolder`. They return the chosen path, or an empty text
    // when the user cancels. The save dialog appends `defaultExtension` to a name without one
    // and asks before overwriting an existing file.
    [[nodiscard]] virtual std::string askOpenFileName(const FileFilter& filter,
                                                      const std::string& initialFolder) = 0;
    [[nodiscard]] virtual std::string askSaveFileName(const FileFilter& filter,
                                                      const std::string& initialFolder,
                                                      const std::string& defaultExtension) = 0;
};

}  // namespace projcalc
