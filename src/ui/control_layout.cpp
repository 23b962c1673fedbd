#include "ui/control_layout.h"

#include <QLabel>
#include <QResizeEvent>
#include <algorithm>
#include <array>

namespace projcalc::ui {
namespace {

constexpr std::array<ControlDesign, 37> kDesigns = {{
    {"picDraw1", "window", 60, 420, 6795, 3615},
    {"txtValue_0", "picDraw1", 2580, 2880, 555, 285},
    {"txtValue_1", "picDraw1", 2580, 900, 555, 285},
    {"txtValue_3", "picDraw1", 5160, 2220, 555, 285},
    {"txtValue_2", "picDraw1", 3840, 180, 555, 285},
    {"cmdEnter_0", "picDraw1", 3120, 2880, 315, 255},
    {"cmdEnter_1", "picDraw1", 3180, 900, 315, 255},
    {"cmdEnter_2", "picDraw1", 4440, 180, 315, 255},
    {"cmdEnter_3", "picDraw1", 5760, 2220, 315, 255},
    {"lblValue_1", "picDraw1", 2580, 660, 1530, 195},
    {"lblValue_0", "picDraw1", 2580, 2640, 1380, 195},
    {"lblValue_3", "picDraw1", 5160, 1980, 465, 195},
    {"lblValue_2", "picDraw1", 3840, 0, 420, 195},
    {"picDraw2", "window", 60, 4080, 6795, 1695},
    {"txtOffset_1", "picDraw2", 6060, 840, 600, 285},
    {"txtOffset_0", "picDraw2", 5160, 840, 600, 285},
    {"lblOffset", "picDraw2", 5220, 660, 420, 195},
    {"picLogo", "window", 6900, 5100, 1935, 675},
    {"fraAspect", "window", 6900, 3480, 1935, 1575},
    {"optAspect_3", "fraAspect", 960, 1260, 915, 225},
    {"optAspect_2", "fraAspect", 960, 1020, 795, 225},
    {"optAspect_0", "fraAspect", 180, 1020, 765, 225},  // clear of optAspect_2
    {"optAspect_1", "fraAspect", 180, 1260, 675, 225},
    {"lblAspect", "fraAspect", 645, 540, 615, 255},
    {"lblAspectBox", "fraAspect", 120, 240, 1695, 735},
    {"fraPosition", "window", 6900, 2340, 1935, 1095},
    {"optPosition_0", "fraPosition", 120, 240, 1750, 375},
    {"optPosition_1", "fraPosition", 120, 660, 1750, 375},
    {"fraWIDE", "window", 6900, 1500, 1935, 795},
    {"optWIDE_1", "fraWIDE", 120, 480, 1750, 225},
    {"optWIDE_0", "fraWIDE", 120, 240, 1750, 225},
    {"fraUnits", "window", 6900, 420, 1935, 1035},
    {"optUnits_2", "fraUnits", 120, 720, 1750, 225},
    {"optUnits_1", "fraUnits", 120, 480, 1750, 225},
    {"optUnits_0", "fraUnits", 120, 240, 1750, 225},
    {"cboModel", "window", 600, 60, 8235, 315},
    {"lblModel", "window", 60, 120, 435, 195},
}};

constexpr int toPixels(int twips) noexcept {
    return (twips + 7) / 15;
}

}  // namespace

std::span<const ControlDesign> controlDesigns() noexcept {
    return kDesigns;
}

const ControlDesign* controlDesign(std::string_view name) noexcept {
    for (const ControlDesign& design : kDesigns) {
        if (design.name == name) return &design;
    }
    return nullptr;
}

QRect designPixels(const ControlDesign& design) noexcept {
    const int left = toPixels(design.left);
    const int top = toPixels(design.top);
    return {left, top, toPixels(design.left + design.width) - left,
            toPixels(design.top + design.height) - top};
}

QLabel* placedCaption(QWidget* parent, std::string_view name, const QString& text) {
    // Plain text before the text, which Qt would otherwise look through for rich text.
    auto* label = placedByDesign(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QRect placedRect(const ControlDesign& design, QSize area) noexcept {
    const QRect rect = designPixels(design);
    if (design.container != "window") return rect;
    const int dx = std::max(0, area.width() - kWindowInnerWidth);
    const int dy = std::max(0, area.height() - kWindowInnerHeight);
    // The extra height of each drawing, in the proportion of their design heights.
    const QRect front = designPixels(*controlDesign("picDraw1"));
    const QRect side = designPixels(*controlDesign("picDraw2"));
    const int frontExtra = dy * front.height() / (front.height() + side.height());
    const std::string_view name = design.name;
    if (name == "picDraw1") return rect.adjusted(0, 0, dx, frontExtra);
    if (name == "picDraw2") return rect.adjusted(0, frontExtra, dx, dy);
    if (name == "cboModel") return rect.adjusted(0, 0, dx, 0);
    if (name == "picLogo") return rect.translated(dx, dy);
    if (name.starts_with("fra")) return rect.translated(dx, 0);
    return rect;
}

QRect placedInFrame(const ControlDesign& design, QRect contents, int minimumHeight) noexcept {
    int topmost = design.top;
    for (const ControlDesign& other : kDesigns) {
        if (other.container == design.container) topmost = std::min(topmost, other.top);
    }
    QRect rect = designPixels(design);
    rect.translate(0, std::max(0, contents.top() - toPixels(topmost)));
    if (rect.bottom() > contents.bottom())
        rect.setBottom(std::max(contents.bottom(), rect.top() + minimumHeight - 1));
    return rect;
}

ControlArea::ControlArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("window"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ControlArea::sizeHint() const {
    return {kWindowInnerWidth, kWindowInnerHeight};
}

QSize ControlArea::minimumSizeHint() const {
    return sizeHint();
}

void ControlArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (const ControlDesign& design : kDesigns) {
        if (design.container != "window") continue;
        const QString name = QString::fromLatin1(design.name.data(), design.name.size());
        auto* control = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (control == nullptr) continue;
        // A control that does not grow with the window keeps the size it has (a caption grown
        // to its text, a frame grown to its title) and only moves.
        const QRect placed = placedRect(design, event->size());
        const QSize larger(kWindowInnerWidth + 1, kWindowInnerHeight + 1);
        if (placedRect(design, larger).size() == designPixels(design).size()) {
            control->move(placed.topLeft());
        } else {
            control->setGeometry(placed);
        }
    }
    keepCaptionsClear();
    for (int i = 0; i < 2; ++i) {
        if (auto* line = findChild<QWidget*>(QStringLiteral("lineMenu_%1").arg(i),
                                             Qt::FindDirectChildrenOnly)) {
            line->setGeometry(0, i, width(), 1);
        }
    }
}

void ControlArea::keepCaptionsClear() {
    auto* caption = findChild<QWidget*>(QStringLiteral("lblModel"), Qt::FindDirectChildrenOnly);
    auto* list = findChild<QWidget*>(QStringLiteral("cboModel"), Qt::FindDirectChildrenOnly);
    if (caption == nullptr || list == nullptr) return;
    constexpr int kGap = 4;
    const int left = std::max(placedRect(*controlDesign("cboModel"), size()).left(),
                              caption->geometry().right() + 1 + kGap);
    QRect placed = list->geometry();
    placed.setLeft(left);
    list->setGeometry(placed);
}

}  // namespace projcalc::ui
