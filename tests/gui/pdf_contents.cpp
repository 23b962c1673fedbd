#include "pdf_contents.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>

namespace projcalc::gui_test {
namespace {

// The standard output of a poppler tool, or nothing (and why in `error`) when it fails.
std::optional<QString> run(const QString& program, const QStringList& arguments, QString* error) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        if (error != nullptr) {
            *error = QStringLiteral("%1 failed: %2 %3")
                         .arg(program, tool.errorString(),
                              QString::fromLocal8Bit(tool.readAllStandardError()));
        }
        return std::nullopt;
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

}  // namespace

QString pdfText(const QString& path, QString* error) {
    const auto text = run(QStringLiteral("pdftotext"),
                          {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, "-"}, error);
    if (!text) return {};
    return text->simplified();
}

QSizeF pdfPageSize(const QString& path, QString* error) {
    const auto info = run(QStringLiteral("pdfinfo"), {path}, error);
    if (!info) return {};
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(*info);
    if (!size.hasMatch()) {
        if (error != nullptr) *error = QStringLiteral("pdfinfo shows no page size: ") + *info;
        return {};
    }
    const QRegularExpressionMatch rotation =
        QRegularExpression(QStringLiteral("Page rot:\\s+([0-9]+)")).match(*info);
    const int degrees = rotation.hasMatch() ? rotation.captured(1).toInt() : 0;
    const QSizeF page(size.captured(1).toDouble(), size.captured(2).toDouble());
    return degrees % 180 == 90 ? page.transposed() : page;
}

int pdfImageCount(const QString& path, QString* error) {
    const auto list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, error);
    if (!list) return -1;
    // Two heading lines, then one line per image.
    return static_cast<int>(list->split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
}

int pdfPathOperators(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = file.readAll();
    static const QRegularExpression pathOperator(QStringLiteral("(^|\\s)(m|l|c|re)(?=\\s)"));
    int count = 0;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        qsizetype from = at + 6;
        if (pdf.mid(from, 2) == "\r\n")
            from += 2;
        else if (pdf.mid(from, 1) == "\n")
            from += 1;
        else {
            at = from;  // "endstream"
            continue;
        }
        const qsizetype end = pdf.indexOf("endstream", from);
        if (end < 0) break;
        const QByteArray data = pdf.mid(from, end - from);
        const qsizetype object = pdf.lastIndexOf(" obj", at);
        const QByteArray dictionary = pdf.mid(object, at - object);
        QByteArray content = data;
        if (dictionary.contains("/FlateDecode")) {
            // qUncompress wants the inflated size first; a guess will do, it grows as needed.
            QByteArray sized(4, '\0');
            qToBigEndian<quint32>(static_cast<quint32>(data.size() * 8 + 1024), sized.data());
            content = qUncompress(sized + data);
        }
        if (!dictionary.contains("/Length1"))  // not a font program
            count += static_cast<int>(QString::fromLatin1(content).count(pathOperator));
        at = end + 9;
    }
    return count;
}

}  // namespace projcalc::gui_test
