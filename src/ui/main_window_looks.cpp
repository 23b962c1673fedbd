// How the main window looks: its pictures for the screen, the drawings' scale and the palette,
// the colours of the aspect preview and the offset boxes, and captions that grow to their text.
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/artwork.h"
#include "ui/control_layout.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"

namespace projcalc::ui {

void MainWindow::refreshArtwork(bool always) {
    if (frontView_ == nullptr) return;  // still being built
    const qreal ratio = devicePixelRatioF();
    const qreal frontScale = frontView_->scale();
    const qreal sideScale = sideView_->scale();
    const bool dark = isDarkPalette(palette());
    if (!always && qFuzzyCompare(ratio, artworkRatio_) &&
        qFuzzyCompare(frontScale, frontArtworkScale_) &&
        qFuzzyCompare(sideScale, sideArtworkScale_) && dark == darkArtwork_) {
        return;
    }
    artworkRatio_ = ratio;
    frontArtworkScale_ = frontScale;
    sideArtworkScale_ = sideScale;
    darkArtwork_ = dark;

    // The Enter picture grows with the drawing and shrinks to fit its button, rendered at the
    // size it is shown in the colours of the button's palette.
    const QString enterName = artworkFor(QStringLiteral("cmdEnter"), enterButtons_[0]->palette());
    const QSize natural = artworkSize(enterName) * frontScale;
    const QSize room = enterButtons_[0]->size() - QSize(6, 4);
    QSize shown = natural;
    if (natural.width() > room.width() || natural.height() > room.height())
        shown = natural.scaled(room, Qt::KeepAspectRatio);
    const QPixmap enter = artworkPixmap(enterName, shown, ratio);
    for (QPushButton* button : enterButtons_) {
        button->setIcon(QIcon(enter));
        button->setIconSize(shown);
    }

    // The range sign lies on the side view's paper, at its scale.
    const QString sign = QStringLiteral("imgKara");
    rangeSign_->setPixmap(artworkPixmap(sign, artworkSize(sign) * sideScale, ratio));

    // The logo is centred in its frame, two pixels left of the middle, in the colours that suit
    // the window's palette; printing renders the same variant (the "artwork" property).
    const QString logo = artworkFor(QStringLiteral("imgLogo"), palette());
    logo_->setProperty("artwork", logo);
    logo_->setPixmap(artworkPixmap(logo, ratio));
    logo_->resize(artworkSize(logo));
    logo_->move((logoFrame_->width() - logo_->width()) / 2 - 2,
                (logoFrame_->height() - logo_->height()) / 2);
}

void MainWindow::applyColours() {
    if (aspectBox_ == nullptr) return;  // still being built
    // The aspect preview is a small screen on the drawings' paper, its caption in their ink.
    for (QLabel* label : {aspectBox_, aspectCaption_}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, QColor::fromRgb(SceneView::kPaper));
        colours.setColor(QPalette::WindowText, QColor::fromRgb(SceneView::kInk));
        label->setPalette(colours);
    }
    // Results that cannot be edited show on the window's colour rather than the white of a box
    // that takes typing, in the palette's own text colour.
    for (QLineEdit* box : offsetBoxes_) {
        QPalette colours = palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
        box->setPalette(colours);
    }
}

void MainWindow::fitTextControls() {
    const auto grow = [](QWidget* widget, bool height) {
        const QSize hint = widget->sizeHint();
        widget->resize(std::max(widget->width(), hint.width()),
                       height ? std::max(widget->height(), hint.height()) : widget->height());
    };
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label == aspectBox_ || label == rangeSign_ || label == logo_) continue;
        if (qobject_cast<SceneView*>(label->parentWidget()) != nullptr) continue;
        grow(label, true);
    }
    // Options keep their height: the text is centred in it and fits.
    for (QRadioButton* option : findChildren<QRadioButton*>())
        grow(option, false);
    keepOptionsInFrames();
    if (auto* area = dynamic_cast<ControlArea*>(modelList_->parentWidget()))
        area->keepCaptionsClear();
    centreAspectCaption();
}

void MainWindow::keepOptionsInFrames() {
    for (QGroupBox* frame : findChildren<QGroupBox*>()) {
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
}

void MainWindow::centreAspectCaption() {
    const QRect box = aspectBox_->geometry();
    const QSize hint = aspectCaption_->sizeHint();
    const ControlDesign* design = controlDesign("lblAspect");
    const QSize size(std::max(designPixels(*design).width(), hint.width()),
                     std::max(designPixels(*design).height(), hint.height()));
    aspectCaption_->setGeometry(box.left() + (box.width() - size.width()) / 2,
                                box.top() + (box.height() - size.height()) / 2, size.width(),
                                size.height());
}

}  // namespace projcalc::ui
