#include "ui/option_panel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <utility>

#include "ui/control_layout.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"

namespace projcalc::ui {
namespace {

// Gives the widget its current font family and size as its own, so that a font set on its
// container does not reach it.
void keepFont(QWidget* widget) {
    QFont font = widget->font();
    font.setFamily(font.family());
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF());
    } else {
        font.setPixelSize(font.pixelSize());
    }
    widget->setFont(font);
}

QString withoutLineBreaks(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('&'));
}

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

OptionPanel::OptionPanel(QWidget* area) : QObject(area) {
    struct Frame {
        const char* name;
        const char* title;
        const char* optionName;
        OptionGroup group;
        std::vector<int> controlOrder;
        std::span<const ChoiceName> names;  // by index
    };
    const std::array<Frame, 4> frames = {{
        {"fraAspect",
         "Aspect Ratio",
         "optAspect",
         OptionGroup::Aspect,
         {3, 2, 0, 1},
         namesOf<Aspect>()},
        {"fraPosition", "Position", "optPosition", OptionGroup::Position, {0, 1}, namesOf<Mount>()},
        {"fraWIDE", "WIDE / TELE", "optWIDE", OptionGroup::Zoom, {1, 0}, namesOf<Zoom>()},
        {"fraUnits", "Units", "optUnits", OptionGroup::Units, {2, 1, 0}, namesOf<Unit>()},
    }};
    for (const Frame& frame : frames) {
        auto* box =
            placedByDesign(new QGroupBox(QString::fromLatin1(frame.title), area), frame.name);
        auto* buttons = new QButtonGroup(this);
        buttons->setExclusive(true);
        frames_[static_cast<std::size_t>(frame.group)] = box;
        groups_[static_cast<std::size_t>(frame.group)] = buttons;
        for (const int i : frame.controlOrder) {
            auto* option = placedByDesign(
                new QRadioButton(latin1(frame.names[static_cast<std::size_t>(i)].caption), box),
                indexedName(frame.optionName, i));
            buttons->addButton(option, i);
            option->installEventFilter(this);
        }
        connect(buttons, &QButtonGroup::idClicked, this,
                [this, group = frame.group](int index) { emit chosen(group, index); });
        if (frame.group == OptionGroup::Aspect) {
            aspectBox_ = placedByDesign(new QLabel(box), "lblAspectBox");
            aspectBox_->setFrameStyle(QFrame::Box | QFrame::Plain);
            aspectBox_->setAutoFillBackground(true);
            QPalette colours = aspectBox_->palette();
            colours.setColor(QPalette::Window, Qt::white);
            aspectBox_->setPalette(colours);
            aspectBoxCentre_ = aspectBox_->x() + aspectBox_->width() / 2.0;
            aspectCaption_ = placedByDesign(new QLabel(box), "lblAspect");
            aspectCaption_->setTextFormat(Qt::PlainText);
            aspectCaption_->setText(QStringLiteral("Label1"));
            aspectCaption_->setAlignment(Qt::AlignCenter);
        }
    }
    // Only the listed controls take the interface font; the other controls of the frames keep
    // the window's font.
    const auto& listed = fontControlNames();
    const auto isListed = [&listed](const QWidget* widget) {
        return std::find(listed.begin(), listed.end(), fromQt(widget->objectName())) !=
               listed.end();
    };
    for (QGroupBox* frame : frames_) {
        if (!isListed(frame)) continue;
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!isListed(child)) keepFont(child);
        }
    }
}

QButtonGroup* OptionPanel::group(OptionGroup group) const {
    return groups_[static_cast<std::size_t>(group)];
}

void OptionPanel::check(OptionGroup group, int index) {
    QButtonGroup* buttons = this->group(group);
    const QSignalBlocker groupBlocker(buttons);
    // Exclusive groups refuse to uncheck their last checked button.
    buttons->setExclusive(false);
    for (QAbstractButton* button : buttons->buttons()) {
        const QSignalBlocker blocker(button);
        button->setChecked(buttons->id(button) == index);
    }
    buttons->setExclusive(true);
}

void OptionPanel::show(const OptionsScreen& options) {
    check(OptionGroup::Aspect, indexOf(options.checked.aspect));
    check(OptionGroup::Zoom, indexOf(options.checked.zoom));
    check(OptionGroup::Units, indexOf(options.unit));
    check(OptionGroup::Position, indexOf(options.checked.mount));
    // The aspects and zoom ends a model lacks are greyed, their tooltips saying why.
    for (const OptionGroup shown : {OptionGroup::Aspect, OptionGroup::Zoom}) {
        const std::vector<OptionButton> buttons = options.group(shown);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (QAbstractButton* button = group(shown)->button(static_cast<int>(i))) {
                button->setEnabled(buttons[i].enabled);
                button->setToolTip(toQtLines(buttons[i].tooltip));
            }
        }
    }
    showAspectPreview(options.checked.aspect);
}

void OptionPanel::showAspectPreview(Aspect aspect) {
    // The box keeps its height and its horizontal centre; the centre is held exactly, so that
    // going back and forth between ratios never shifts the box by a rounded pixel.
    const QRect box = aspectBox_->geometry();
    const int width = static_cast<int>(std::lround(box.height() * ratioOf(aspect)));
    const int left = static_cast<int>(std::lround(aspectBoxCentre_ - width / 2.0));
    aspectBox_->setGeometry(left, box.top(), width, box.height());
    aspectCaption_->setText(toQt(std::string(nameOf(aspect).caption)));
    centreAspectCaption();
}

void OptionPanel::centreAspectCaption() {
    const QRect box = aspectBox_->geometry();
    const QSize hint = aspectCaption_->sizeHint();
    const ControlDesign* design = controlDesign("lblAspect");
    const QSize size(std::max(designPixels(*design).width(), hint.width()),
                     std::max(designPixels(*design).height(), hint.height()));
    aspectCaption_->setGeometry(box.left() + (box.width() - size.width()) / 2,
                                box.top() + (box.height() - size.height()) / 2, size.width(),
                                size.height());
}

void OptionPanel::useTexts(const InterfaceTexts& texts) {
    const auto tip = [&texts](const std::string& key) { return toQtLines(texts.text(key)); };
    for (const auto& [tipped, prefix] : {std::pair{OptionGroup::Units, "tipUnits_"},
                                         std::pair{OptionGroup::Position, "tipPosition_"}}) {
        for (QAbstractButton* option : group(tipped)->buttons())
            option->setToolTip(tip(prefix + std::to_string(group(tipped)->id(option))));
    }
    // Screen readers name each option by its text and its frame.
    for (const QGroupBox* frame : frames_) {
        for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
            option->setAccessibleName(withoutLineBreaks(option->text()));
            option->setAccessibleDescription(withoutLineBreaks(frame->title()));
        }
    }
}

void OptionPanel::fitTexts() {
    // Options keep their height: the text is centred in it and fits.
    for (const QGroupBox* frame : frames_) {
        for (QRadioButton* option : frame->findChildren<QRadioButton*>())
            option->resize(std::max(option->width(), option->sizeHint().width()), option->height());
    }
    for (QGroupBox* frame : frames_) {
        const std::string frameName = fromQt(frame->objectName());
        for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const ControlDesign* design = controlDesign(fromQt(control->objectName()));
            if (design == nullptr || design->container != frameName) continue;
            const int least =
                std::min(designPixels(*design).height(), control->sizeHint().height());
            const QRect place = placedInFrame(*design, frame->contentsRect(), least);
            control->setGeometry(control->x(), place.top(), control->width(), place.height());
        }
    }
    centreAspectCaption();
}

void OptionPanel::applyColours() {
    for (QLabel* label : {aspectBox_, aspectCaption_}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, QColor::fromRgb(SceneView::kPaper));
        colours.setColor(QPalette::WindowText, QColor::fromRgb(SceneView::kInk));
        label->setPalette(colours);
    }
}

std::vector<QWidget*> OptionPanel::tabOrder() const {
    std::vector<QWidget*> order;
    for (const OptionGroup tabbed :
         {OptionGroup::Units, OptionGroup::Zoom, OptionGroup::Position, OptionGroup::Aspect}) {
        QButtonGroup* buttons = group(tabbed);
        for (int i = 0; buttons->button(i) != nullptr; ++i)
            order.push_back(buttons->button(i));
    }
    return order;
}

bool OptionPanel::isPreview(const QWidget* widget) const noexcept {
    return widget != nullptr && (widget == aspectBox_ || widget == aspectCaption_);
}

bool OptionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* option = qobject_cast<QAbstractButton*>(watched);
        if (option != nullptr && option->group() != nullptr && !option->isChecked() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            QAbstractButton* checked = option->group()->checkedButton();
            if (checked != nullptr && checked->isEnabled()) checked->setFocus(reason);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace projcalc::ui
