#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <span>
#include <string>
#include <string_view>

class QLabel;

namespace projcalc::ui {

// One control of the main window as designed: its object name, the object name of its container
// ("window" for the area below the menu bar) and its rectangle in twips inside that container.
struct ControlDesign {
    std::string_view name;
    std::string_view container;
    int left, top, width, height;  // twips
};

// The window's inner area below the menu bar, in pixels at 96 dots per inch.
inline constexpr int kWindowInnerWidth = 594;
inline constexpr int kWindowInnerHeight = 396;

// Every control placed by design, in the window's control order.
[[nodiscard]] std::span<const ControlDesign> controlDesigns() noexcept;

// The design of one control, or nullptr.
[[nodiscard]] const ControlDesign* controlDesign(std::string_view name) noexcept;

// The control's rectangle in pixels (15 twips to a pixel, edges rounded to the nearest pixel).
[[nodiscard]] QRect designPixels(const ControlDesign& design) noexcept;

// The control's rectangle in a window area of the given size, which is at least the design size:
// the two drawings share the extra height in the proportion of their design heights and take the
// extra width, the model list takes the extra width too, the option frames keep their size and
// stay right of the drawings, and the logo stays in the bottom right corner. Controls inside a
// frame or a drawing keep their design rectangle in it.
[[nodiscard]] QRect placedRect(const ControlDesign& design, QSize area) noexcept;

// A control of an option frame placed in the frame's contents (the part below its title and
// inside its border): the frame's controls move down together until the topmost clears the title,
// as a taller title font needs, and one that then reaches past the bottom gives up height, down to
// minimumHeight.
[[nodiscard]] QRect placedInFrame(const ControlDesign& design, QRect contents,
                                  int minimumHeight) noexcept;

// Names a control and puts it at its design rectangle inside its parent; a name without a design
// only names it.
template <typename Widget>
Widget* placedByDesign(Widget* widget, std::string_view name) {
    widget->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (const ControlDesign* design = controlDesign(name))
        widget->setGeometry(designPixels(*design));
    return widget;
}

// The name of one control of a row of them: "optAspect_3".
[[nodiscard]] inline std::string indexedName(std::string_view name, int index) {
    return std::string(name) + "_" + std::to_string(index);
}

// A plain-text caption, named and placed by its design, its text at the top left.
QLabel* placedCaption(QWidget* parent, std::string_view name, const QString& text);

// The window's area below the menu bar ("window"): the designed controls at placedRect() for its
// size, which is at least the design size, and the two lines under the menu bar across it.
class ControlArea : public QWidget {
  public:
    explicit ControlArea(QWidget* parent = nullptr);
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    // A caption grown to a longer text keeps clear of the control beside it: the model list
    // starts after the "Model" caption.
    void keepCaptionsClear();

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace projcalc::ui
