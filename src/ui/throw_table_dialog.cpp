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

#include "calc/units.h"
#include "ui/qt_text.h"
#include "util/numbers.h"

namespace projcalc::ui {
namespace {

// The step's unit: inches in the imperial family, centimetres in the metric one.
Unit stepUnit(Unit unit) {
    return unit == Unit::Centimeters ? Unit::Centimeters : Unit::Inches;
}

QString text(const Calculator& calculator, const char* key) {
    return toQtLines(calculator.texts().text(key));
}

QString length(double inches, Unit unit) {
    return QString::number(fromInches(inches, unit), 'f', unit == Unit::Feet ? 2 : 1);
}

}  // namespace

ThrowTableDialog::ThrowTableDialog(const Calculator& calculator, QWidget* parent)
    : QDialog(parent), calculator_(calculator) {
    setObjectName(QStringLiteral("dlgThrowTable"));
    setWindowTitle(text(calculator, "dlgThrowTable"));
    const Unit unit = stepUnit(calculator.calculation().unit);
    step_ = new QLineEdit(unit == Unit::Centimeters ? QStringLiteral("25") : QStringLiteral("10"),
                          this);
    step_->setObjectName(QStringLiteral("txtTableStep"));
    auto* csv = new QRadioButton(QStringLiteral("CSV"), this);
    csv->setObjectName(QStringLiteral("optTableCsv"));
    csv->setChecked(true);
    pdf_ = new QRadioButton(QStringLiteral("PDF"), this);
    pdf_->setObjectName(QStringLiteral("optTablePdf"));

    auto* form = new QFormLayout;
    form->addRow(text(calculator, "lblTableStep") + QStringLiteral(" (") +
                     toQt(std::string(unitSign(unit))) + QStringLiteral(")"),
                 step_);
    auto* formats = new QHBoxLayout;
    formats->addWidget(csv);
    formats->addWidget(pdf_);
    form->addRow(text(calculator, "lblTableFormat"), formats);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (step()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

std::optional<double> ThrowTableDialog::step() const {
    const std::optional<double> value = readPlainNumber(fromQt(step_->text().trimmed()));
    if (!value || !(*value > 0)) return std::nullopt;
    return toInches(*value, stepUnit(calculator_.calculation().unit));
}

ThrowTableDialog::Format ThrowTableDialog::format() const {
    return pdf_->isChecked() ? Format::Pdf : Format::Csv;
}

QByteArray throwTablePdf(const Calculator& calculator, const std::vector<ThrowRow>& rows) {
    const Calculation& c = calculator.calculation();
    const Unit unit = c.unit;
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
        return e->withinLimits ? text(calculator, "txtYes") : text(calculator, "txtNo");
    };
    QString html =
        QStringLiteral("<h2>%1</h2><p>%2: %3 &nbsp; %4 &nbsp; %5</p>")
            .arg(text(calculator, "dlgThrowTable").toHtmlEscaped(),
                 toQt(c.traits.record.modelName).toHtmlEscaped(),
                 toQt(std::string(nameOf(c.options.aspect).caption)),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), sign.trimmed());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (const char* key : {"colTableDiagonal", "colTableWidth", "colTableHeight",
                            "colTableWideDistance", "colTableTeleDistance", "colTableWideOffsets",
                            "colTableTeleOffsets", "colTableWithin", "colTableLight"}) {
        html += QStringLiteral("<th>%1</th>").arg(text(calculator, key).toHtmlEscaped());
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
        writer.setTitle(text(calculator, "dlgThrowTable"));
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
