#include "ui/report_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/artwork.h"
#include "ui/qt_text.h"
#include "ui/scene_painting.h"

namespace projcalc::ui {
namespace {

// Type sizes in points, and spaces in points.
constexpr qreal kTitleSize = 16.0;
constexpr qreal kHeadingSize = 10.0;
constexpr qreal kBodySize = 9.0;
constexpr qreal kSectionGap = 8.0;
constexpr qreal kRowGap = 1.5;
constexpr qreal kCellPadding = 6.0;
constexpr qreal kColumnGap = 18.0;
constexpr qreal kDrawingGap = 12.0;
// The share of the area's width the tables take beside the drawings on a landscape page.
constexpr qreal kLandscapeTableShare = 0.42;
// The widest share of a table the labels take.
constexpr qreal kLabelShare = 0.45;
// The window's texts on the drawings are 8 points on a 96 dots-per-inch screen: this many
// drawing pixels high.
constexpr qreal kDrawingTextPixels = 8.0 * 96.0 / 72.0;
constexpr int kWrap = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QPointF toQt(Point p) {
    return {static_cast<qreal>(p.x), static_cast<qreal>(p.y)};
}

// Which sections go in the first of two columns: the first half, the larger half first.
std::size_t firstColumnEnd(std::size_t sections) {
    return (sections + 1) / 2;
}

}  // namespace

ReportLayout::ReportLayout(const ReportContent& content, const QString& fontFamily,
                           const QPaintDevice& device, QSizeF area,
                           QPageLayout::Orientation orientation)
    : device_(device), fontFamily_(fontFamily), dpi_(device.logicalDpiY()) {
    const qreal width = area.width();
    const qreal top = placeHeading(content, width);
    const std::vector<ReportSection>& sections = content.sections;
    if (orientation == QPageLayout::Portrait) {
        const qreal columnWidth = (width - points(kColumnGap)) / 2.0;
        const std::size_t split = firstColumnEnd(sections.size());
        const qreal left = placeColumn(sections, 0, split, 0.0, top, columnWidth);
        const qreal right = placeColumn(sections, split, sections.size(),
                                        columnWidth + points(kColumnGap), top, columnWidth);
        const qreal tablesEnd = std::max(left, right);
        placeDrawings(content.drawings, QRectF(0.0, tablesEnd, width, area.height() - tablesEnd));
    } else {
        const qreal columnWidth = width * kLandscapeTableShare;
        placeColumn(sections, 0, sections.size(), 0.0, top, columnWidth);
        const qreal x = columnWidth + points(kColumnGap);
        placeDrawings(content.drawings, QRectF(x, top, width - x, area.height() - top));
    }
}

QFont ReportLayout::font(qreal pointSize, bool bold) const {
    QFont f;
    if (!fontFamily_.isEmpty()) f.setFamily(fontFamily_);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    // No ligatures where the script does not need them: "Offset" stays six letters for a reader
    // who searches or copies the PDF's text.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

qreal ReportLayout::textHeight(const QFont& f, const QString& text, qreal width) const {
    const QFontMetricsF metrics(f, &device_);
    if (text.isEmpty()) return metrics.height();
    return metrics.boundingRect(QRectF(0.0, 0.0, std::max(width, 1.0), 1e9), kWrap, text).height();
}

qreal ReportLayout::textWidth(const QFont& f, const QString& text) const {
    return QFontMetricsF(f, &device_).horizontalAdvance(text);
}

qreal ReportLayout::placeText(const QFont& f, const QString& text, QRectF rect, int flags) {
    rect.setHeight(textHeight(f, text, rect.width()));
    texts_.push_back({rect, f, flags, text});
    bottom_ = std::max(bottom_, rect.bottom());
    return rect.bottom();
}

qreal ReportLayout::placeHeading(const ReportContent& content, qreal width) {
    qreal y = 0.0;
    if (!content.title.empty())
        y = placeText(font(kTitleSize, true), toQt(content.title), QRectF(0, y, width, 0), kWrap);
    // The first heading line (who prepared it) on the left, the last (the date) on the right.
    const QFont body = font(kBodySize);
    qreal lineEnd = y;
    for (std::size_t i = 0; i < content.heading.size(); ++i) {
        const ReportRow& row = content.heading[i];
        const QString text =
            toQt(row.label) + QStringLiteral(": ") + toQt(row.cells.empty() ? "" : row.cells[0]);
        const bool last = i + 1 == content.heading.size();
        const int flags = Qt::TextWordWrap | Qt::AlignTop | (last ? Qt::AlignRight : Qt::AlignLeft);
        lineEnd =
            std::max(lineEnd, placeText(body, text, QRectF(0, y + points(2), width, 0), flags));
    }
    y = lineEnd + points(4);
    rules_.emplace_back(0.0, y, width, y);
    bottom_ = std::max(bottom_, y);
    return y + points(kSectionGap);
}

qreal ReportLayout::placeSection(const ReportSection& section, qreal x, qreal y, qreal width) {
    const QFont heading = font(kHeadingSize, true);
    const QFont body = font(kBodySize);
    const QFont columnFont = font(kBodySize, true);
    y = placeText(heading, toQt(section.heading), QRectF(x, y, width, 0), kWrap) + points(2);

    std::size_t cellCount = std::max<std::size_t>(1, section.columns.size());
    qreal labelWidth = 0.0;
    for (const ReportRow& row : section.rows) {
        cellCount = std::max(cellCount, row.cells.size());
        labelWidth = std::max(labelWidth, textWidth(body, toQt(row.label)));
    }
    const qreal padding = points(kCellPadding);
    labelWidth = std::min(labelWidth + padding, width * kLabelShare);
    const qreal cellWidth = (width - labelWidth) / static_cast<qreal>(cellCount);
    const auto cellRect = [&](std::size_t i, qreal top) {
        return QRectF(x + labelWidth + static_cast<qreal>(i) * cellWidth, top, cellWidth - padding,
                      0);
    };

    if (!section.columns.empty()) {
        qreal end = y;
        for (std::size_t i = 0; i < section.columns.size(); ++i)
            end = std::max(end,
                           placeText(columnFont, toQt(section.columns[i]), cellRect(i, y), kWrap));
        y = end + points(kRowGap);
    }
    for (const ReportRow& row : section.rows) {
        qreal end = placeText(body, toQt(row.label), QRectF(x, y, labelWidth - padding, 0), kWrap);
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            end = std::max(end, placeText(body, toQt(row.cells[i]), cellRect(i, y), kWrap));
        y = end + points(kRowGap);
    }
    return y;
}

qreal ReportLayout::placeColumn(const std::vector<ReportSection>& sections, std::size_t from,
                                std::size_t to, qreal x, qreal y, qreal width) {
    for (std::size_t i = from; i < to; ++i) {
        if (i > from) y += points(kSectionGap);
        y = placeSection(sections[i], x, y, width);
    }
    return y;
}

void ReportLayout::placeDrawings(const std::vector<ReportDrawing>& drawings, const QRectF& region) {
    if (drawings.empty()) return;
    const QFont caption = font(kBodySize, true);
    const qreal captionHeight = QFontMetricsF(caption, &device_).height() + points(3);
    qreal widest = 0.0;
    qreal heights = 0.0;
    for (const ReportDrawing& drawing : drawings) {
        widest = std::max(widest, static_cast<qreal>(drawing.scene.width));
        heights += drawing.scene.height;
    }
    const auto count = static_cast<qreal>(drawings.size());
    const qreal room = region.height() - points(kSectionGap) - count * captionHeight -
                       (count - 1.0) * points(kDrawingGap);
    if (widest <= 0.0 || heights <= 0.0 || room <= 0.0) return;
    drawingScale_ = std::min(region.width() / widest, room / heights);

    qreal y = region.top() + points(kSectionGap);
    for (const ReportDrawing& drawing : drawings) {
        const qreal w = drawing.scene.width * drawingScale_;
        const QPointF origin(region.left() + (region.width() - w) / 2.0, y);
        drawings_.push_back({drawing, origin});
        y += drawing.scene.height * drawingScale_;
        y = placeText(caption, toQt(drawing.caption),
                      QRectF(region.left(), y + points(3), region.width(), 0),
                      Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop);
        y += points(kDrawingGap);
    }
}

void ReportLayout::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QPen(QColor(0x88, 0x88, 0x88), points(0.75)));
    for (const QLineF& rule : rules_)
        painter.drawLine(rule);
    painter.setPen(Qt::black);
    for (const PlacedText& text : texts_) {
        painter.setFont(text.font);
        painter.drawText(text.rect, text.flags, text.text);
    }
    for (const PlacedDrawing& placed : drawings_) {
        paintDrawing(painter, placed);
        paintDrawingTexts(painter, placed);
    }
    painter.restore();
}

// The scene's items in its own pixels, scaled onto the page: lines and polygons as paths, the
// pictures from their SVG files, so that nothing on the page is a bitmap.
void ReportLayout::paintDrawing(QPainter& painter, const PlacedDrawing& placed) const {
    const Scene& scene = placed.drawing.scene;
    const QRectF frame(placed.origin, QSizeF(scene.width, scene.height) * drawingScale_);
    painter.save();
    painter.translate(placed.origin);
    painter.scale(drawingScale_, drawingScale_);
    painter.setClipRect(QRectF(0, 0, scene.width, scene.height));
    paintSceneItems(painter, scene, [&painter](const SceneItem& image) {
        (void)paintArtwork(painter, toQt(image.imageName),
                           QRectF(toQt(image.at), QSizeF(pictureSizeOf(image))));
    });
    painter.restore();
    painter.save();
    painter.setPen(QPen(QColor(0xbb, 0xbb, 0xbb), points(0.5)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.restore();
}

// The boxes and captions as text at the window's type size, scaled with the drawing. A box
// grows about its centre when its text needs more room than the window's box has.
void ReportLayout::paintDrawingTexts(QPainter& painter, const PlacedDrawing& placed) const {
    painter.save();
    QFont f = font(kDrawingTextPixels * drawingScale_ * 72.0 / dpi_);
    painter.setFont(f);
    const QFontMetricsF metrics(f, &device_);
    for (const DrawingText& text : placed.drawing.texts) {
        QRectF rect(placed.origin + toQt(text.at) * drawingScale_,
                    QSizeF(text.size.width, text.size.height) * drawingScale_);
        const QString shown = toQt(text.text);
        if (text.kind == DrawingText::Kind::Box) {
            const qreal needed = metrics.horizontalAdvance(shown) + metrics.averageCharWidth();
            if (needed > rect.width())
                rect.adjust(-(needed - rect.width()) / 2.0, 0, (needed - rect.width()) / 2.0, 0);
            painter.setPen(QPen(QColor(0x7a, 0x7a, 0x7a), points(0.5)));
            painter.setBrush(Qt::white);
            painter.drawRect(rect);
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignCenter, shown);
        } else {
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignBottom | Qt::TextDontClip, shown);
        }
    }
    painter.restore();
}

DrawingTextMeasure reportTextMeasure(const QString& fontFamily) {
    // Measured ten times as large, where hinting no longer rounds the advances.
    constexpr qreal kLarge = 10.0;
    QFont f;
    if (!fontFamily.isEmpty()) f.setFamily(fontFamily);
    f.setPixelSize(qRound(kDrawingTextPixels * kLarge));
    f.setStyleStrategy(QFont::PreferNoShaping);
    return [metrics = QFontMetricsF(f)](const std::string& text) {
        const QSizeF size = metrics.size(0, ui::toQt(text)) / kLarge;
        return Size{static_cast<int>(std::ceil(size.width())),
                    static_cast<int>(std::ceil(size.height()))};
    };
}

QPageLayout::Orientation reportOrientation(const ReportContent& content, const QString& fontFamily,
                                           const QPaintDevice& device, const QPageLayout& page,
                                           int resolution) {
    const auto scaleIn = [&](QPageLayout::Orientation orientation) {
        QPageLayout turned = page;
        turned.setOrientation(orientation);
        const QSizeF area = turned.paintRectPixels(resolution).size();
        return ReportLayout(content, fontFamily, device, area, orientation).drawingScale();
    };
    return scaleIn(QPageLayout::Landscape) > scaleIn(QPageLayout::Portrait) * 1.001
               ? QPageLayout::Landscape
               : QPageLayout::Portrait;
}

}  // namespace projcalc::ui
