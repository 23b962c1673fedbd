// The bare window projcalc's start-up is measured against: a 594 x 396 main window with a menu
// bar, linked with the same Qt modules, in the same style, ending after its first paint the same
// way (PROJCALC_EXIT_AFTER_FIRST_PAINT=1).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <memory>

#include "app/first_paint_exit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Touch the print and SVG modules, so that they load as they do for projcalc.
    const QSvgRenderer svg;
    const QPrinterInfo printer;
    if (!printer.isNull() || svg.isValid()) return 1;

    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* area = new QWidget(&window);
    area->setFixedSize(594, 396);
    window.setCentralWidget(area);

    std::unique_ptr<projcalc::app::FirstPaintExit> exitAfterPaint;
    if (projcalc::app::FirstPaintExit::requested())
        exitAfterPaint = std::make_unique<projcalc::app::FirstPaintExit>(&window);
    window.show();
    return QApplication::exec();
}
