// The program's style paints every pixel as Fusion does, and a tall group box without waking
// Qt's thread pool.
#include "ui/program_style.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QThreadPool>
#include <QtTest>
#include <memory>

using namespace projcalc;

namespace {

// The box drawn by `style` on white, at `ratio` device pixels to a pixel, moved by `offset`
// (the painter's translation) or, with `turned`, rotated a quarter turn about its middle.
QImage drawn(QStyle* style, const QString& title, QSize size, qreal ratio, QPoint offset = {},
             bool turned = false) {
    QGroupBox box(title);
    box.setStyle(style);
    box.resize(size);
    const QSize side(size.width() + size.height(), size.width() + size.height());
    QImage image(side * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (turned) {
        painter.translate(side.width() / 2.0, side.height() / 2.0);
        painter.rotate(90);
        painter.translate(-size.width() / 2.0, -size.height() / 2.0);
    }
    // Without the window's background: a fill of its own, which Qt may share out in any style.
    box.render(&painter, offset, QRegion(), QWidget::DrawChildren);
    return image;
}

// The threads of Qt's pool this process has, by the name Qt gives them.
qsizetype pooledThreads() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    qsizetype pooled = 0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)"))
            ++pooled;
    }
    return pooled;
}

// Ends the pool's threads and waits until the kernel has seen them go.
bool withoutPooledThreads() {
    QThreadPool::globalInstance()->waitForDone();
    return QTest::qWaitFor([] { return pooledThreads() == 0; }, 5000);
}

}  // namespace

class ProgramStyleTest : public QObject {
    Q_OBJECT

  private slots:
    void paintsAsFusionDoes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("turned");
        const QString title = QStringLiteral("Planning");
        QTest::newRow("low, no title") << QString() << QSize(300, 60) << 1.0 << QPoint() << false;
        QTest::newRow("one band") << title << QSize(300, 64) << 1.0 << QPoint() << false;
        QTest::newRow("just over a band") << title << QSize(300, 65) << 1.0 << QPoint() << false;
        QTest::newRow("the planning panel") << title << QSize(594, 230) << 1.0 << QPoint() << false;
        QTest::newRow("tall, no title")
            << QString() << QSize(180, 1000) << 1.0 << QPoint() << false;
        QTest::newRow("moved") << title << QSize(300, 301) << 1.0 << QPoint(7, 13) << false;
        QTest::newRow("two to a pixel") << title << QSize(300, 230) << 2.0 << QPoint() << false;
        QTest::newRow("one and a half") << title << QSize(300, 230) << 1.5 << QPoint(3, 5) << false;
        QTest::newRow("three to a pixel") << title << QSize(200, 331) << 3.0 << QPoint() << false;
        QTest::newRow("turned") << title << QSize(300, 230) << 1.0 << QPoint() << true;
    }

    void paintsAsFusionDoes() {
        QFETCH(QString, title);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        QFETCH(QPoint, offset);
        QFETCH(bool, turned);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<QStyle> ours(ui::newProgramStyle());
        const QImage expected = drawn(fusion.get(), title, size, ratio, offset, turned);
        const QImage actual = drawn(ours.get(), title, size, ratio, offset, turned);
        QImage blank(expected.size(), expected.format());
        blank.fill(Qt::white);
        QVERIFY(expected.convertToFormat(blank.format()) != blank);  // a frame was drawn
        QCOMPARE(actual, expected);
    }

    void aTallFrameStartsNoThreads() {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<QStyle> ours(ui::newProgramStyle());
        const auto threadsFor = [](QStyle* style) {
            if (!withoutPooledThreads()) return qsizetype{-1};
            drawn(style, QStringLiteral("Planning"), QSize(594, 600), 1.0);
            drawn(style, QStringLiteral("Planning"), QSize(594, 600), 2.0);
            return pooledThreads();
        };
        const qsizetype withOurs = threadsFor(ours.get());
        const qsizetype withFusion = threadsFor(fusion.get());
        QVERIFY(withOurs >= 0 && withFusion >= 0);
        if (withFusion == 0) QSKIP("Fusion itself starts no threads with this Qt");
        QCOMPARE(withOurs, 0);
    }
};

QTEST_MAIN(ProgramStyleTest)
#include "program_style_test.moc"
