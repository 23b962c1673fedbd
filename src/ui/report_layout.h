#pragma once

#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "core/report_content.h"

class QPaintDevice;
class QPainter;

namespace projcalc::ui {

// An installation report laid out on the paintable area of one page, in the device pixels of
// the printer or PDF writer it is painted on, its texts measured with that device's fonts.
// Portrait puts the tables in two columns above the drawings; landscape puts them in one
// column left of the drawings. The drawings share one scale, as large as the area left allows.
class ReportLayout {
  public:
    // `area` is the size of the paintable area in the device's pixels; `fontFamily` the family
    // of every text (the interface font; empty: the application's).
    ReportLayout(const ReportContent& content, const QString& fontFamily,
                 const QPaintDevice& device, QSizeF area, QPageLayout::Orientation orientation);

    // Device pixels per drawing pixel; 0 when there are no drawings or no room for them.
    [[nodiscard]] qreal drawingScale() const noexcept { return drawingScale_; }
    // How far the laid-out content reaches down the area, in device pixels.
    [[nodiscard]] qreal contentHeight() const noexcept { return bottom_; }

    // Paints the report with the area's top-left corner at the painter's origin.
    void paint(QPainter& painter) const;

  private:
    struct PlacedText {
        QRectF rect;
        QFont font;
        int flags = 0;
        QString text;
    };
    struct PlacedDrawing {
        ReportDrawing drawing;
        QPointF origin;  // the drawing's top-left corner
    };

    [[nodiscard]] qreal points(qreal pt) const noexcept { return pt * dpi_ / 72.0; }
    [[nodiscard]] QFont font(qreal pointSize, bool bold = false) const;
    // The height of a text wrapped to `width` in `f`.
    [[nodiscard]] qreal textHeight(const QFont& f, const QString& text, qreal width) const;
    [[nodiscard]] qreal textWidth(const QFont& f, const QString& text) const;
    qreal placeText(const QFont& f, const QString& text, QRectF rect, int flags);

    // Places the title, the heading line and the rule under them; returns where they end.
    qreal placeHeading(const ReportContent& content, qreal width);
    // Places a section as a table in a column; returns where it ends.
    qreal placeSection(const ReportSection& section, qreal x, qreal y, qreal width);
    // Places sections one under another in a column; returns where the last ends.
    qreal placeColumn(const std::vector<ReportSection>& sections, std::size_t from, std::size_t to,
                      qreal x, qreal y, qreal width);
    // Fits the drawings, one under another with their captions, into a region.
    void placeDrawings(const std::vector<ReportDrawing>& drawings, const QRectF& region);

    void paintDrawing(QPainter& painter, const PlacedDrawing& placed) const;
    void paintDrawingTexts(QPainter& painter, const PlacedDrawing& placed) const;

    const QPaintDevice& device_;
    QString fontFamily_;
    qreal dpi_ = 72.0;
    std::vector<PlacedText> texts_;
    std::vector<QLineF> rules_;
    std::vector<PlacedDrawing> drawings_;
    qreal drawingScale_ = 0.0;
    qreal bottom_ = 0.0;
};

// The orientation in which the report's drawings come out larger on a page of this layout
// (paper and margins) at the device's resolution; portrait when both are alike. Printing and
// PDF export decide by this one rule.
[[nodiscard]] QPageLayout::Orientation reportOrientation(const ReportContent& content,
                                                         const QString& fontFamily,
                                                         const QPaintDevice& device,
                                                         const QPageLayout& page, int resolution);

// How large a text comes out on a report's drawing, in drawing pixels: in `fontFamily` (empty:
// the application's) at the window's type size, as the report paints it, scaled and unhinted.
[[nodiscard]] DrawingTextMeasure reportTextMeasure(const QString& fontFamily);

}  // namespace projcalc::ui
