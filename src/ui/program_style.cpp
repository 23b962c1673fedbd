#include "ui/program_style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace projcalc::ui {

void useProgramStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

}  // namespace projcalc::ui
