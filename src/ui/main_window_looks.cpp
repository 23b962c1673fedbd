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
#include "ui/option_panel.h"
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
    if (optionPanel_ == nullptr) return;  // still being built
    // The aspect preview is a small screen on the drawings' paper, its caption in their ink.
    optionPanel_->applyColours();
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
    for (QLabel* label : findChildren<QLabel*>()) {
        if (optionPanel_->isPreview(label) || label == rangeSign_ || label == logo_) continue;
        if (qobject_cast<SceneView*>(label->parentWidget()) != nullptr) continue;
        label->resize(label->size().expandedTo(label->sizeHint()));
    }
    optionPanel_->fitTexts();
    if (auto* area = dynamic_cast<ControlArea*>(modelList_->parentWidget()))
        area->keepCaptionsClear();
}

}  // namespace projcalc::ui
