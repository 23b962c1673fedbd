// projcalc_bake_artwork OUT.cpp: renders every drawing of the window at its natural size for a
// device pixel ratio of 1 and writes them as C++ arrays (ui/baked_artwork.h), so that the window
// paints them at start-up without parsing an SVG file. The build runs it on the offscreen
// platform; the pixels are those the window would render itself, by the same function.
#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <cstdio>

#include "ui/artwork_render.h"

namespace {

// The text of one drawing's array and its entry in the table.
QByteArray arrayOf(int index, const QImage& image) {
    QByteArray text =
        "alignas(4) const unsigned char kPixels" + QByteArray::number(index) + "[] = {";
    const auto* bytes = image.constBits();
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
        text += (i % 16 == 0 ? "\n    " : " ") + QByteArray::number(bytes[i]) + ',';
    }
    return text + "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
    const QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: projcalc_bake_artwork OUT.cpp\n", stderr);
        return 2;
    }
    QByteArray arrays;
    QByteArray table;
    int index = 0;
    for (const QString& name : projcalc::ui::artworkNames()) {
        const QSvgRenderer* renderer = projcalc::ui::artworkRenderer(name);
        const QImage image = renderer != nullptr
                                 ? projcalc::ui::renderArtwork(name, renderer->defaultSize(), 1.0)
                                 : QImage();
        if (image.isNull() || image.bytesPerLine() != qsizetype{4} * image.width()) {
            std::fprintf(stderr, "projcalc_bake_artwork: cannot render %s\n", qPrintable(name));
            return 1;
        }
        arrays += arrayOf(index, image);
        table += "    {\"" + name.toLatin1() + "\", " + QByteArray::number(image.width()) + ", " +
                 QByteArray::number(image.height()) + ", kPixels" + QByteArray::number(index) +
                 "},\n";
        ++index;
    }
    const QByteArray source =
        "// Written by projcalc_bake_artwork from the SVG drawings when the program was built.\n"
        "#include <array>\n\n#include \"ui/baked_artwork.h\"\n\nnamespace projcalc::ui {\n"
        "namespace {\n\n" +
        arrays + "\nconst std::array<BakedArtwork, " + QByteArray::number(index) +
        "> kBaked = {{\n" + table +
        "}};\n\n}  // namespace\n\nstd::span<const BakedArtwork> bakedArtwork() {\n"
        "    return kBaked;\n}\n\n}  // namespace projcalc::ui\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(source) != source.size() || !out.flush()) {
        std::fprintf(stderr, "projcalc_bake_artwork: cannot write %s: %s\n", argv[1],
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
