// What the main window says about itself: tooltips on the values, the offsets and the range
// sign, and the unit beside every value and offset (the option panel explains its options).
// Every text is an optional Language.ini key with an English default.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "i18n/language.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/value_box.h"

namespace projcalc::ui {
void MainWindow::applyTooltips() {
    const InterfaceTexts& texts = calculator_.texts();
    const auto tip = [&texts](const std::string& key) { return toQtLines(texts.text(key)); };
    const QString valueTip = tip("tipValue");
    for (ValueBox* box : valueBoxes_)
        box->setToolTip(valueTip);
    const QString offsetTip = tip("tipOffset");
    for (QLineEdit* box : offsetBoxes_)
        box->setToolTip(offsetTip);
    if (auto* caption = findChild<QLabel*>(QStringLiteral("lblOffset")))
        caption->setToolTip(offsetTip);
    rangeSign_->setToolTip(tip("tipRange"));
    const QString enterTip = tip("tipEnter");
    for (QPushButton* button : enterButtons_) {
        button->setToolTip(enterTip);
        button->setAccessibleName(enterTip);
    }
    offsetBoxes_[1]->setAccessibleName(tip("accSecondOffset"));
}

void MainWindow::showUnit(Unit unit) {
    const QString text =
        toQtLines(calculator_.texts().text("txtUnit_" + std::to_string(indexOf(unit))));
    for (QLabel* label : valueUnits_)
        label->setText(text);
    offsetUnit_->setText(text);
}

}  // namespace projcalc::ui
