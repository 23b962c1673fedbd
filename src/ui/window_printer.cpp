#include "ui/window_printer.h"

#include <QLabel>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/artwork.h"
#include "ui/qt_text.h"

namespace projcalc::ui {
namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kPdfMarginMillimetres = 10.0;

// The window's title for a print job or a PDF, without the placeholder of the changed mark.
QString documentTitle(const QWidget& content) {
    return content.window()->windowTitle().remove(QStringLiteral("[*]"));
}

// The pictures shown in labels (the logo, the range sign) on a page. A label paints its picture
// for the screen's pixel ratio whatever it paints on, so while this lives the labels show nothing
// and paint() draws their pictures rendered for the page instead; the screen's come back after.
class PagePictures {
  public:
    PagePictures(QWidget& content, qreal ratio) {
        for (QLabel* label : content.findChildren<QLabel*>()) {
            const QPixmap shown = label->pixmap();
            if (shown.isNull() || !label->isVisibleTo(&content)) continue;
            // A label showing a variant of its picture names it in its "artwork" property.
            const QString name = label->property("artwork").toString();
            QPixmap sharp = artworkPixmap(name.isEmpty() ? label->objectName() : name,
                                          shown.deviceIndependentSize().toSize(), ratio);
            if (sharp.isNull()) continue;
            const Qt::LayoutDirection direction = label->layoutDirection();
            const QRect place = QStyle::alignedRect(
                direction, QStyle::visualAlignment(direction, label->alignment()),
                sharp.deviceIndependentSize().toSize(), label->contentsRect());
            pictures_.push_back(
                {label, shown, std::move(sharp), label->mapTo(&content, place.topLeft())});
            label->setPixmap(QPixmap());
        }
    }
    ~PagePictures() {
        for (const Picture& picture : pictures_)
            picture.label->setPixmap(picture.shown);
    }
    PagePictures(const PagePictures&) = delete;
    PagePictures& operator=(const PagePictures&) = delete;

    // Draws the pictures where their labels show them, on a painter set up like the page.
    void paint(QPainter& painter) const {
        for (const Picture& picture : pictures_)
            painter.drawPixmap(picture.at, picture.sharp);
    }

  private:
    struct Picture {
        QLabel* label;
        QPixmap shown;  // the screen's picture
        QPixmap sharp;  // the page's picture
        QPoint at;      // its top-left corner in the content
    };
    std::vector<Picture> pictures_;
};

// Lays the content out at its preferred size while it lives, so that a page shows the window
// as designed whatever size the window has on the screen; the screen's layout comes back after.
class PageLayout {
  public:
    explicit PageLayout(QWidget& content) : content_(content), screen_(content.geometry()) {
        const QSize page = pageSizeOf(content);
        if (page != screen_.size()) content.resize(page);
    }
    ~PageLayout() {
        if (content_.geometry() != screen_) content_.setGeometry(screen_);
    }
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    [[nodiscard]] static QSize pageSizeOf(const QWidget& content) {
        return content.sizeHint().expandedTo(content.minimumSizeHint()).expandedTo(QSize(1, 1));
    }

  private:
    QWidget& content_;
    QRect screen_;
};

QPageLayout::Orientation orientationFor(const QWidget& content) {
    const QSize page = PageLayout::pageSizeOf(content);
    return page.width() > page.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The part of a paged device that can be painted on, in device pixels from its own origin.
QRectF paintArea(const QPaintDevice& device) {
    return {0.0, 0.0, static_cast<qreal>(device.width()), static_cast<qreal>(device.height())};
}

AppError printerError(const QString& printerName, const char* what) {
    return makeError(ErrorCode::DeviceIo,
                     std::string(what) + " on the printer \"" + fromQt(printerName) + "\"");
}

AppError fileWriteError(const QFileDevice& file, const QString& path) {
    const ErrorCode code = file.error() == QFileDevice::PermissionsError
                               ? ErrorCode::PermissionDenied
                               : ErrorCode::PathFileAccess;
    std::string detail = "cannot write " + fromQt(path);
    if (!file.errorString().isEmpty()) detail += " (" + fromQt(file.errorString()) + ")";
    return makeError(code, detail);
}

}  // namespace

void renderOnPage(QWidget& content, QPainter& painter, const QRectF& page) {
    const PageLayout layout(content);
    const QSizeF size = content.size();
    if (size.isEmpty() || page.isEmpty()) return;
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.center() - QPointF(size.width() * scale, size.height() * scale) / 2);
    painter.scale(scale, scale);
    const QTransform toDevice = painter.deviceTransform();
    const PagePictures pictures(content, std::hypot(toDevice.m11(), toDevice.m12()));
    content.render(&painter, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    pictures.paint(painter);
    painter.restore();
}

std::optional<AppError> printOnPrinter(QWidget& content, const QString& printerName) {
    // The job goes straight to the chosen printer: the system's default printer is never
    // changed, so there is nothing to put back when the dialog closes.
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) return printerError(printerName, "cannot find the printer to print");
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return printerError(printerName, "cannot print");
    printer.setDocName(documentTitle(content));
    printer.setPageOrientation(orientationFor(content));
    QPainter painter;
    if (!painter.begin(&printer)) return printerError(printerName, "cannot start printing");
    renderOnPage(content, painter, paintArea(printer));
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return printerError(printerName, "printing failed");
    return std::nullopt;
}

std::optional<AppError> exportPdf(QWidget& content, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fileWriteError(file, path);
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(documentTitle(content));
        writer.setCreator(QStringLiteral("projcalc"));
        const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                  ? QPageSize::Letter
                                  : QPageSize::A4);
        const qreal m = kPdfMarginMillimetres;
        writer.setPageLayout(QPageLayout(paper, orientationFor(content), QMarginsF(m, m, m, m),
                                         QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) return fileWriteError(file, path);
        renderOnPage(content, painter, paintArea(writer));
        painter.end();
    }
    if (!file.commit()) return fileWriteError(file, path);
    return std::nullopt;
}

}  // namespace projcalc::ui
