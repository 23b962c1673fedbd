#include "ui/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/language.h"
#include "ui/artwork.h"
#include "ui/qt_text.h"

namespace projcalc::ui {

AboutDialog::AboutDialog(const InterfaceTexts& texts, const std::string& version, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    setWindowTitle(QStringLiteral("About"));

    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("imgLogo"));
    logo_->setAlignment(Qt::AlignCenter);
    refreshLogo();

    auto* title = new QLabel(toQtLines(texts.captionText), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont font = title->font();
    if (!texts.fontName.empty()) font.setFamily(toQt(texts.fontName));
    if (texts.fontSize > 0) font.setPointSize(texts.fontSize);
    title->setFont(font);

    // The version text keeps its blanks: it is shown as the file has it.
    auto* versionLabel = new QLabel(QStringLiteral("Version ") + toQtLines(version), this);
    versionLabel->setObjectName(QStringLiteral("lblVersion"));
    versionLabel->setTextFormat(Qt::PlainText);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(title);
    textColumn->addWidget(versionLabel);
    textColumn->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(logo_);
    top->addSpacing(12);
    top->addLayout(textColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refreshLogo();
}

void AboutDialog::refreshLogo() {
    logo_->setPixmap(artworkPixmap(QStringLiteral("imgLogo"), devicePixelRatioF()));
}

}  // namespace projcalc::ui
