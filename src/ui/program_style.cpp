#include "ui/program_style.h"

#include <QApplication>
#include <QFont>
#include <QPaintEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace projcalc::ui {
namespace {

// Qt's raster painter shares out the rows of a fill 96 device pixels or more tall among the
// threads of its pool and waits for them. For a group box's frame, whose edges are six pixels
// wide, that is nearly all waiting: a start created two threads and handed them eleven pieces of
// frame, several milliseconds on a small machine, for rows that take microseconds to paint. A
// band is the whole frame drawn again with a clip to its rows, so each pixel is worked out
// exactly as before.
class ProgramStyle : public QProxyStyle {
  public:
    explicit ProgramStyle(QStyle* fusion) : QProxyStyle(fusion) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const int rows = element == PE_FrameGroupBox ? rowsPerBand(painter) : 0;
        if (rows == 0 || option->rect.height() <= rows) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QRect& frame = option->rect;
        for (int top = frame.top(); top <= frame.bottom(); top += rows) {
            painter->save();
            painter->setClipRect(QRect(frame.left(), top, frame.width(), rows), Qt::IntersectClip);
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            painter->restore();
        }
    }

  private:
    // Rows of a band in the painter's pixels, 64 device pixels or fewer; 0 for no bands: where
    // the painter is not Qt's raster painter (a printer's or a PDF's), or turns or shears what
    // it draws, so that bands always meet exactly.
    static int rowsPerBand(QPainter* painter) {
        if (painter == nullptr || painter->paintEngine() == nullptr ||
            painter->paintEngine()->type() != QPaintEngine::Raster)
            return 0;
        const QTransform toDevice = painter->deviceTransform();
        if (toDevice.type() > QTransform::TxScale) return 0;
        const qreal scale = std::max<qreal>(1.0, std::abs(toDevice.m22()));
        return std::max(1, static_cast<int>(64.0 / scale));
    }
};

}  // namespace

QStyle* newProgramStyle() {
    return new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void useProgramStyle() {
    QApplication::setStyle(newProgramStyle());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

}  // namespace projcalc::ui
