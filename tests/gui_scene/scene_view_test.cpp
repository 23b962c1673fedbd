// What a SceneView paints: checked pixel by pixel at one and two device pixels per pixel.
#include "ui/scene_view.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "diagrams/scene.h"
#include "ui/artwork.h"

namespace projcalc::ui {
namespace {

constexpr QRgb kWhite = 0xffffffff;

QRgb rgbOf(const PenDefinition& pen) {
    return qRgb(pen.red, pen.green, pen.blue);
}

SceneItem line(PenId pen, Point from, Point to) {
    SceneItem item;
    item.kind = SceneItem::Kind::Line;
    item.pen = pen;
    item.points = {from, to};
    return item;
}

// A known drawing on a 200 x 100 picture: a filled screen, a slanting ray, a long dashed axis,
// a horizontal ray and the projector picture.
Scene knownScene() {
    Scene scene;
    scene.width = 200;
    scene.height = 100;
    SceneItem screen;
    screen.kind = SceneItem::Kind::Polygon;
    screen.pen = PenId::ScreenOutline;
    screen.brush = BrushId::ScreenFill;
    screen.points = {{20, 20}, {80, 30}, {80, 70}, {20, 60}, {20, 20}};
    scene.items.push_back(screen);
    scene.items.push_back(line(PenId::Ray, {150, 90}, {100, 10}));
    scene.items.push_back(line(PenId::Axis, {10, 94}, {190, 94}));
    scene.items.push_back(line(PenId::Ray, {10, 80}, {90, 80}));
    SceneItem projector;
    projector.kind = SceneItem::Kind::Image;
    projector.imageName = "imgProjector";
    projector.at = {130, 2};
    scene.items.push_back(projector);
    return scene;
}

// The scene painted into an image of the given device pixel ratio, which starts black so that
// the white background must come from the view.
QImage paint(const SceneView& view, qreal ratio) {
    QImage image(view.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    view.paintScene(painter);
    painter.end();
    return image;
}

// The colour of the device pixel under a point given in the picture's own pixels.
QRgb pixelAt(const QImage& image, double x, double y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

// Whether a colour appears within one device pixel of a point of the picture.
bool colourNear(const QImage& image, double x, double y, QRgb colour) {
    const qreal ratio = image.devicePixelRatio();
    const int cx = static_cast<int>(x * ratio);
    const int cy = static_cast<int>(y * ratio);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(cx + dx, cy + dy);
            if (image.valid(p) && image.pixel(p) == colour) return true;
        }
    }
    return false;
}

}  // namespace

class SceneViewTest : public QObject {
    Q_OBJECT

  private:
    SceneView view_;

  private slots:
    void initTestCase() {
        view_.resize(200, 100);
        view_.setScene(knownScene());
    }

    void paintsTheSceneOnWhite_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("one device pixel per pixel") << qreal(1.0);
        QTest::newRow("two device pixels per pixel") << qreal(2.0);
    }

    void paintsTheSceneOnWhite() {
        QFETCH(qreal, ratio);
        const QImage image = paint(view_, ratio);
        QCOMPARE(image.size(), QSize(200, 100) * ratio);

        // The screen is filled with the brush inside and outlined with its pen.
        const QRgb fill = qRgb(0, 128, 255);
        QCOMPARE(pixelAt(image, 50, 45), fill);
        QCOMPARE(pixelAt(image, 22, 58), fill);
        QVERIFY(colourNear(image, 20, 40, rgbOf(penDefinition(PenId::ScreenOutline))));
        QVERIFY(colourNear(image, 80, 50, rgbOf(penDefinition(PenId::ScreenOutline))));

        // The ray's midpoint has the ray colour.
        QVERIFY(colourNear(image, 125, 50, rgbOf(penDefinition(PenId::Ray))));

        // White everywhere the scene draws nothing.
        for (const QPointF p : {QPointF(2, 2), QPointF(197, 97), QPointF(100, 60), QPointF(5, 50),
                                QPointF(50, 10), QPointF(50, 75)}) {
            QCOMPARE(pixelAt(image, p.x(), p.y()), kWhite);
        }
    }

    void axisIsDashDotDot_data() { paintsTheSceneOnWhite_data(); }

    void axisIsDashDotDot() {
        QFETCH(qreal, ratio);
        const QImage image = paint(view_, ratio);
        const QRgb axis = rgbOf(penDefinition(PenId::Axis));
        const int y = static_cast<int>(94 * ratio);
        // Runs of axis colour along the line, separated by white gaps.
        QList<int> runs;
        int run = 0;
        int white = 0;
        for (int x = static_cast<int>(10 * ratio); x < static_cast<int>(190 * ratio); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == axis) {
                ++run;
            } else {
                QCOMPARE(c, kWhite);
                ++white;
                if (run > 0) runs.append(run);
                run = 0;
            }
        }
        if (run > 0) runs.append(run);
        QVERIFY2(runs.size() >= 9, "a dashed line has many runs");
        QVERIFY(white > 0);
        // Each dash is followed by two dots: long and short runs alternate, one to two.
        const int longest = *std::max_element(runs.begin(), runs.end());
        const int shortest = *std::min_element(runs.begin(), runs.end());
        QVERIFY(longest >= 2 * shortest);
        int longRuns = 0;
        for (const int r : runs)
            longRuns += r > (longest + shortest) / 2 ? 1 : 0;
        QVERIFY(longRuns * 3 >= runs.size() - 2 && longRuns * 3 <= runs.size() + 2);
    }

    // Lines of width 1 are drawn without antialiasing: one exact row, pure white beside it.
    void thinLinesLandOnTheirPixels() {
        const QImage image = paint(view_, 1.0);
        const QRgb ray = rgbOf(penDefinition(PenId::Ray));
        for (int x = 11; x < 89; ++x) {
            QCOMPARE(image.pixel(x, 80), ray);
            QCOMPARE(image.pixel(x, 79), kWhite);
            QCOMPARE(image.pixel(x, 81), kWhite);
        }
    }

    // Pictures are painted at their natural size from artwork rendered for the device, so at two
    // device pixels per pixel they are as sharp as the device allows.
    void picturesAreCrispAtTheDevicePixelRatio_data() { paintsTheSceneOnWhite_data(); }

    void picturesAreCrispAtTheDevicePixelRatio() {
        QFETCH(qreal, ratio);
        const QPixmap art = artworkPixmap(QStringLiteral("imgProjector"), ratio);
        QImage expected(art.size(), QImage::Format_ARGB32);
        expected.setDevicePixelRatio(ratio);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, art);
        }
        const QImage image = paint(view_, ratio);
        const QImage painted = image.copy(QRect(QPoint(130, 2) * ratio, art.size()));
        QCOMPARE(painted.convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        int coloured = 0;
        for (int y = 0; y < painted.height(); ++y) {
            for (int x = 0; x < painted.width(); ++x)
                coloured += painted.pixel(x, y) != kWhite ? 1 : 0;
        }
        QVERIFY(coloured > painted.width() * painted.height() / 4);
    }

    // A polygon crossing itself is filled by the winding rule: a star's inner pentagon, which
    // its outline runs round twice, is filled too.
    void fillsByTheWindingRule() {
        SceneView star;
        star.resize(200, 100);
        SceneItem polygon;
        polygon.kind = SceneItem::Kind::Polygon;
        polygon.pen = PenId::ScreenOutline;
        polygon.brush = BrushId::ScreenFill;
        polygon.points = {{100, 10}, {124, 82}, {62, 38}, {138, 38}, {76, 82}, {100, 10}};
        star.setScene(Scene{200, 100, {polygon}, {}});
        const QImage image = paint(star, 1.0);
        QCOMPARE(image.pixel(100, 55), qRgb(0, 128, 255));  // inner pentagon
        QCOMPARE(image.pixel(100, 25), qRgb(0, 128, 255));  // a point of the star
        QCOMPARE(image.pixel(100, 90), kWhite);             // between two points
    }

    // The widget paints the same drawing on the screen, and an empty scene leaves it white.
    void widgetShowsItsScene() {
        SceneView shown;
        shown.resize(200, 100);
        shown.setScene(knownScene());
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const QImage grabbed = shown.grab().toImage();
        QVERIFY(colourNear(grabbed, 50, 45, qRgb(0, 128, 255)));
        QVERIFY(colourNear(grabbed, 125, 50, rgbOf(penDefinition(PenId::Ray))));

        shown.setScene(Scene{200, 100, {}, {}});
        const QImage empty = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < empty.height(); y += 7) {
            for (int x = 0; x < empty.width(); x += 7)
                QCOMPARE(empty.pixel(x, y), kWhite);
        }
    }

    // A view larger than its scene shows it at a uniform scale, centred, and paints nothing of
    // it outside the scene's frame.
    void scalesTheSceneUniformlyAndCentresIt_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QPointF>("shift");
        QTest::newRow("wider") << QSize(400, 100) << qreal(1.0) << QPointF(100, 0);
        QTest::newRow("twice") << QSize(400, 200) << qreal(2.0) << QPointF(0, 0);
        QTest::newRow("taller") << QSize(300, 400) << qreal(1.5) << QPointF(0, 125);
    }

    void scalesTheSceneUniformlyAndCentresIt() {
        QFETCH(QSize, size);
        QFETCH(qreal, scale);
        QFETCH(QPointF, shift);
        SceneView view;
        view.resize(200, 100);
        Scene scene = knownScene();
        scene.items.push_back(line(PenId::Ray, {150, 50}, {400, 50}));  // leaves the frame
        view.setScene(scene);
        view.resize(size);
        QCOMPARE(view.frameSize(), QSize(200, 100));
        QCOMPARE(view.scale(), scale);
        const QImage image = paint(view, 1.0);
        const auto at = [&](double x, double y) {
            return image.pixel(static_cast<int>(shift.x() + x * scale),
                               static_cast<int>(shift.y() + y * scale));
        };
        QCOMPARE(at(50, 45), qRgb(0, 128, 255));  // inside the screen
        QCOMPARE(at(5, 50), kWhite);
        // Paper around the frame, and nothing of the line beyond it.
        QCOMPARE(image.pixel(0, 0), kWhite);
        QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), kWhite);
        if (shift.x() > 0) QCOMPARE(image.pixel(image.width() - 10, 50), kWhite);
    }

    // A picture with a size of its own is drawn at that size.
    void picturesAreDrawnAtTheirSize() {
        SceneView view;
        view.resize(200, 100);
        SceneItem projector;
        projector.kind = SceneItem::Kind::Image;
        projector.imageName = "imgProjector";
        projector.at = {10, 10};
        projector.size = {32, 20};
        view.setScene(Scene{200, 100, {projector}, {}});
        const QImage image = paint(view, 1.0).convertToFormat(QImage::Format_RGB32);
        const QPixmap art = artworkPixmap(QStringLiteral("imgProjector"), QSize(32, 20), 1.0);
        QImage expected(32, 20, QImage::Format_RGB32);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, art);
        }
        QCOMPARE(image.copy(10, 10, 32, 20), expected);
        for (int x = 42; x < 80; ++x)
            QCOMPARE(image.pixel(x, 25), kWhite);  // where the natural size would reach
    }

    // The controls lying on the drawing keep their places in its frame and grow with it, fonts
    // included; a caption keeps the room its text needs.
    void controlsMoveAndGrowWithTheDrawing() {
        SceneView view;
        view.resize(200, 100);
        auto* box = new QLineEdit(&view);
        box->setObjectName(QStringLiteral("txtValue_1"));
        auto* caption = new QLabel(QStringLiteral("Screen Size Diagonal"), &view);
        caption->setObjectName(QStringLiteral("lblValue_1"));
        const qreal points = box->font().pointSizeF();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setScene(Scene{
            200,
            100,
            {},
            {{"txtValue_1", {20, 30}, {37, 19}, true}, {"lblValue_1", {20, 17}, {10, 13}, true}}});
        QCOMPARE(box->geometry(), QRect(20, 30, 37, 19));
        view.resize(400, 200);
        QTRY_COMPARE(box->geometry(), QRect(40, 60, 74, 38));
        QCOMPARE(box->font().pointSizeF(), points * 2);
        QCOMPARE(caption->pos(), QPoint(40, 34));
        QVERIFY(caption->width() >= caption->sizeHint().width());
        view.resize(200, 100);
        QTRY_COMPARE(box->geometry(), QRect(20, 30, 37, 19));
        QCOMPARE(box->font().pointSizeF(), points);
    }

    // Rendering the widget into a high-DPI image (as printing does) keeps the pictures crisp.
    void renderIntoAHighDpiImage() {
        QImage image(QSize(200, 100) * 2, QImage::Format_ARGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::black);
        view_.render(&image);
        QCOMPARE(image.pixel(100, 100), qRgb(0, 128, 255));  // (50, 45) in the picture's pixels
        QCOMPARE(image.pixel(4, 4), kWhite);
        const QImage direct = paint(view_, 2.0);
        QCOMPARE(image.copy(260, 4, 128, 80).convertToFormat(QImage::Format_RGB32),
                 direct.copy(260, 4, 128, 80).convertToFormat(QImage::Format_RGB32));
    }
};

}  // namespace projcalc::ui

QTEST_MAIN(projcalc::ui::SceneViewTest)
#include "scene_view_test.moc"
