// A window's picture is made at the window's size and in memory by the time the window is first
// exposed, and it is the picture Qt then paints the window into.
#include "app/window_picture.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QBackingStore>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>
#include <cstdint>
#include <vector>

using namespace projcalc;

namespace {

// The picture Qt paints `window` into, where it is an image in memory.
const QImage* pictureOf(QWidget& window) {
    QBackingStore* store = window.backingStore();
    if (store == nullptr || store->paintDevice() == nullptr ||
        store->paintDevice()->devType() != QInternal::Image)
        return nullptr;
    return static_cast<const QImage*>(store->paintDevice());
}

// Whether the kernel holds every page of the image's pixels in memory.
bool inMemory(const QImage& image) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(image.constBits());
    const std::uintptr_t begin = start - start % page;
    const std::uintptr_t end = start + static_cast<std::uintptr_t>(image.sizeInBytes());
    std::vector<unsigned char> pages((end - begin + page - 1) / page);
    void* first = reinterpret_cast<void*>(begin);  // NOLINT(performance-no-int-to-ptr)
    if (mincore(first, end - begin, pages.data()) != 0) return false;
    for (const unsigned char held : pages) {
        if ((held & 1) == 0) return false;
    }
    return true;
}

// What a window's picture was when the window was first exposed, before Qt painted it. An event
// filter installed earlier runs later: install this one first.
class PictureAtExpose : public QObject {
  public:
    explicit PictureAtExpose(QWidget& window) : window_(window) {
        window.windowHandle()->installEventFilter(this);
    }

    bool seen = false;
    QSize size;
    const uchar* pixels = nullptr;
    bool held = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !seen && window_.windowHandle()->isExposed()) {
            seen = true;
            size = window_.backingStore()->size();
            if (const QImage* picture = pictureOf(window_)) {
                pixels = picture->constBits();
                held = inMemory(*picture);
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& window_;
};

// Where Qt scales what it paints, it makes the window's picture when it first paints it, and
// there is nothing to populate before.
#define skipWhereQtScales(widget)                                        \
    do {                                                                 \
        if ((widget).devicePixelRatio() != 1.0)                          \
            QSKIP("Qt makes a scaled window's picture as it paints it"); \
    } while (false)

// A window with something in it, large enough that its picture gets pages of its own.
struct Window {
    QWidget widget;
    Window() {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(new QLabel(QStringLiteral("Distance")));
        layout->addWidget(new QLineEdit(QStringLiteral("3.25 m")));
        layout->addWidget(new QGroupBox(QStringLiteral("Planning")), 1);
        widget.resize(420, 330);
    }
};

}  // namespace

class WindowPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void thePictureIsInMemoryWhenTheWindowIsFirstExposed() {
        Window w;
        skipWhereQtScales(w.widget);
        w.widget.show();
        PictureAtExpose atExpose(w.widget);
        app::populatePictureOnFirstExpose(w.widget);
        QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
        QTRY_VERIFY(atExpose.seen);
        QCOMPARE(atExpose.size, w.widget.size());
        QVERIFY(atExpose.held);

        // Qt paints into that picture rather than making another.
        QTest::qWait(50);
        QVERIFY(pictureOf(w.widget) != nullptr);
        QCOMPARE(pictureOf(w.widget)->constBits(), atExpose.pixels);
        QCOMPARE(w.widget.backingStore()->size(), w.widget.size());
    }

    void itsHelperGoesAfterTheFirstExpose() {
        Window w;
        w.widget.show();
        const auto helpers = [&w] {
            qsizetype count = 0;
            for (const QObject* child : w.widget.children())
                count += child->isWidgetType() || qobject_cast<const QLayout*>(child) ? 0 : 1;
            return count;
        };
        app::populatePictureOnFirstExpose(w.widget);
        QCOMPARE(helpers(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
        QTRY_COMPARE(helpers(), 0);
    }

    void aPictureMadeBeforeTheWindowIsShownIsTheOneItIsPaintedIn() {
        Window w;
        skipWhereQtScales(w.widget);
        (void)w.widget.winId();
        QVERIFY(app::populateWindowPicture(w.widget));
        const QImage* picture = pictureOf(w.widget);
        QVERIFY(picture != nullptr);
        QVERIFY(inMemory(*picture));
        const uchar* pixels = picture->constBits();

        w.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
        QTest::qWait(50);
        QCOMPARE(pictureOf(w.widget)->constBits(), pixels);
    }

    void theFirstPaintIsTheSameWithAndWithoutIt() {
        const auto firstPaint = [](bool populated) {
            Window w;
            w.widget.show();
            if (populated) app::populatePictureOnFirstExpose(w.widget);
            if (!QTest::qWaitForWindowExposed(&w.widget)) return QImage();
            QTest::qWait(50);
            const QImage* picture = pictureOf(w.widget);
            return picture != nullptr ? picture->copy() : QImage();
        };
        const QImage plain = firstPaint(false);
        QVERIFY(!plain.isNull());
        QCOMPARE(firstPaint(true), plain);
    }

    void onlyAWindowHasAPicture() {
        Window w;
        (void)w.widget.winId();
        auto* inside = w.widget.findChild<QLabel*>();
        QVERIFY(!app::populateWindowPicture(*inside));
        app::populatePictureOnFirstExpose(*inside);  // does nothing, and does not crash
        QCOMPARE(inside->children().size(), 0);
    }
};

QTEST_MAIN(WindowPictureTest)
#include "window_picture_test.moc"
