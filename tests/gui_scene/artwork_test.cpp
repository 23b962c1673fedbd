// The pictures the window paints have the sizes the engine lays the diagrams out with.
#include "ui/artwork.h"

#include <QTest>
#include <map>
#include <string>

#include "diagrams/metrics.h"
#include "ui/artwork_render.h"

namespace projcalc::ui {
namespace {

// The design size of each picture: the drawings' metrics, and the logo beside the model list.
Size designSize(const std::string& name) {
    const FrontMetrics front = designFrontMetrics();
    const SideMetrics side = designSideMetrics();
    const std::map<std::string, Size> sizes = {{"imgProjector", front.projector},
                                               {"imgProjectorSide_1", side.projector[0]},
                                               {"imgProjectorSide_0", side.projector[1]},
                                               {"imgKara", side.rangeSign},
                                               {"cmdEnter_0", front.enterButton[0]},
                                               {"imgLogo", {113, 33}},
                                               {"imgLogoOnDark", {113, 33}}};
    const auto it = sizes.find(name);
    return it != sizes.end() ? it->second : Size{};
}

}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

  private slots:
    void pictureSizeIsTheDesignSize_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"imgProjector", "imgProjectorSide_0", "imgProjectorSide_1",
                                 "imgKara", "imgLogo", "imgLogoOnDark"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void pictureSizeIsTheDesignSize() {
        QFETCH(QString, name);
        const Size design = designSize(name.toStdString());
        QVERIFY(design.width > 0 && design.height > 0);
        QCOMPARE(artworkSize(name), QSize(design.width, design.height));
        // Rendered for a high-DPI screen: twice the device pixels, the same natural size.
        const QPixmap crisp = artworkPixmap(name, 2.0);
        QCOMPARE(crisp.size(), QSize(design.width, design.height) * 2);
        QCOMPARE(crisp.devicePixelRatio(), 2.0);
    }

    // The pictures the window starts with, rendered when the program was built, are the
    // drawings rendered now: the same pixels, at the same size.
    void startUpPicturesAreTheDrawings_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : artworkNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void startUpPicturesAreTheDrawings() {
        QFETCH(QString, name);
        const QSize size = artworkSize(name);
        QVERIFY(!size.isEmpty());
        const QImage rendered = renderArtwork(name, size, 1.0);
        const QImage shown = artworkPixmap(name, 1.0).toImage().convertToFormat(rendered.format());
        QCOMPARE(shown.size(), size);
        QCOMPARE(shown, rendered);
    }

    void enterPictureFitsItsButton() {
        const Size button = designSize("cmdEnter_0");
        const QSize picture = artworkSize(QStringLiteral("cmdEnter"));
        QCOMPARE(picture, QSize(15, 11));
        QCOMPARE(artworkSize(QStringLiteral("cmdEnterOnDark")), picture);
        QVERIFY(picture.width() <= button.width && picture.height() <= button.height);
    }

    void unknownPictureIsEmpty() {
        QCOMPARE(artworkSize(QStringLiteral("imgNothing")), QSize());
        QVERIFY(artworkPixmap(QStringLiteral("imgNothing"), 1.0).isNull());
    }
};

}  // namespace projcalc::ui

QTEST_MAIN(projcalc::ui::ArtworkTest)
#include "artwork_test.moc"
