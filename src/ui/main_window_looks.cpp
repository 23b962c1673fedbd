// How the main window looks: its pictures for the screen, the drawings' scale and the palette,
// the colours of the aspect preview and the offset boxes, and captions that grow to their text.
#include <QComboBox>
#include <QLabel>

#include "ui/artwork.h"
#include "ui/control_layout.h"
#include "ui/main_window.h"
#include "ui/option_panel.h"
#include "ui/qt_text.h"
#include "ui/scene_view.h"
#include "ui/value_panel.h"

namespace projcalc::ui {

void MainWindow::refreshArtwork(bool always) {
    if (valuePanel_ == nullptr) return;  // still being built
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

    valuePanel_->refreshArtwork(ratio);

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
    valuePanel_->applyColours(palette());
}

void MainWindow::fitTextControls() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (optionPanel_->isPreview(label) || label == logo_) continue;
        if (qobject_cast<SceneView*>(label->parentWidget()) != nullptr) continue;
        label->resize(label->size().expandedTo(label->sizeHint()));
    }
    optionPanel_->fitTexts();
    if (auto* area = dynamic_cast<ControlArea*>(modelList_->parentWidget()))
        area->keepCaptionsClear();
}

}  // namespace projcalc::ui
