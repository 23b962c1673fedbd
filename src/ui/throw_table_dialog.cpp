#include "ui/throw_table_dialog.h"

#include <QBuffer>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <utility>

#include "calc/units.h"
#include "ui/qt_text.h"
#include "util/numbers.h"

namespace projcalc::ui {
namespace {

// The step's unit: inches in the imperial family, centimetres in the metric one.
Unit stepUnit(Unit unit) {
    return unit == Unit::Centimeters ? Unit::Centimeters : Unit::Inches;
}

QString text(const InterfaceTexts& texts, const char* key) {
    return toQtLines(texts.text(key));
}

QString length(double inches, Unit unit) {
    return QString::number(fromInches(inches, unit), 'f', unit == Unit::Feet ? 2 : 1);
}

}  // namespace

ThrowTableDialog::ThrowTableDialog(ThrowTableInput input, QWidget* parent)
    : QDialog(parent), input_(std::move(input)) {
    setObjectName(QStringLiteral("dlgThrowTable"));
    const InterfaceTexts& texts = input_.texts;
    setWindowTitle(text(texts, "dlgThrowTable"));
    const Unit unit = stepUnit(input_.unit);
    step_ = new QLineEdit(unit == Unit::Centimeters ? QStringLiteral("25") : QStringLiteral("10"),
                          this);
    step_->setObjectName(QStringLiteral("txtTableStep"));
    auto* csv = new QRadioButton(QStringLiteral("CSV"), this);
    csv->setObjectName(QStringLiteral("optTableCsv"));
    csv->setChecked(true);
    pdf_ = new QRadioButton(QStringLiteral("PDF"), this);
    pdf_->setObjectName(QStringLiteral("optTablePdf"));

    auto* form = new QFormLayout;
    form->addRow(text(texts, "lblTableStep") + QStringLiteral(" (") +
                     toQt(std::string(unitSign(unit))) + QStringLiteral(")"),
                 step_);
    auto* formats = new QHBoxLayout;
    formats->addWidget(csv);
    formats->addWidget(pdf_);
    form->addRow(text(texts, "lblTableFormat"), formats);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (request()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

std::optional<ThrowTableDialog::Request> ThrowTableDialog::request() const {
    const std::optional<double> value = readPlainNumber(fromQt(step_->text().trimmed()));
    if (!value || !(*value > 0)) return std::nullopt;
    return Request{toInches(*value, stepUnit(input_.unit)),
                   pdf_->isChecked() ? Format::Pdf : Format::Csv};
}

QByteArray throwTablePdf(const ThrowTableInput& input, const std::vector<ThrowRow>& rows) {
    const InterfaceTexts& texts = input.texts;
    const Unit unit = input.unit;
    const QString sign =
        QStringLiteral(" (") + toQt(std::string(unitSign(unit))) + QStringLiteral(")");
    const auto cell = [](const QString& value) {
        return QStringLiteral("<td align=\"right\">%1</td>").arg(value.toHtmlEscaped());
    };
    const auto end = [&](const std::optional<EndResult>& e, double Solution::*field) {
        return cell(e ? length(e->solution.*field, unit) : QStringLiteral("\u2014"));
    };
    const auto footLamberts = [](const std::optional<double>& value) {
        return value ? QString::fromStdString(formatFixed(*value, 1)) : QStringLiteral("\u2014");
    };
    const auto within = [&](const std::optional<EndResult>& e) {
        if (!e) return QStringLiteral("\u2014");
        return e->withinLimits ? text(texts, "txtYes") : text(texts, "txtNo");
    };
    QString html =
        QStringLiteral("<h2>%1</h2><p>%2: %3 &nbsp; %4 &nbsp; %5</p>")
            .arg(text(texts, "dlgThrowTable").toHtmlEscaped(),
                 toQt(input.modelName).toHtmlEscaped(),
                 toQt(std::string(nameOf(input.aspect).caption)),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), sign.trimmed());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (const char* key : {"colTableDiagonal", "colTableWidth", "colTableHeight",
                            "colTableWideDistance", "colTableTeleDistance", "colTableWideOffsets",
                            "colTableTeleOffsets", "colTableWithin", "colTableLight"}) {
        html += QStringLiteral("<th>%1</th>").arg(text(texts, key).toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (const ThrowRow& row : rows) {
        const auto& wide = row.ends[0];
        const auto& tele = row.ends[1];
        const auto offsets = [&](const std::optional<EndResult>& e) {
            return cell(e ? length(e->solution.offsetA, unit) + QStringLiteral(" / ") +
                                length(e->solution.offsetB, unit)
                          : QStringLiteral("\u2014"));
        };
        html += QStringLiteral("<tr>") + cell(length(row.diagonal, unit)) +
                cell(length(row.width, unit)) + cell(length(row.height, unit)) +
                end(wide, &Solution::distance) + end(tele, &Solution::distance) + offsets(wide) +
                offsets(tele) + cell(within(wide) + QStringLiteral(" / ") + within(tele)) +
                cell(footLamberts(row.footLamberts[0]) + QStringLiteral(" / ") +
                     footLamberts(row.footLamberts[1])) +
                QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(text(texts, "dlgThrowTable"));
        writer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                         ? QPageSize::Letter
                                         : QPageSize::A4));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }
    return pdf;
}

}  // namespace projcalc::ui
