#include "ui/model_finder_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/finder.h"
#include "calc/planning_text.h"
#include "calc/units.h"
#include "ui/qt_text.h"
#include "util/numbers.h"
#include "util/text.h"

namespace projcalc::ui {
namespace {

// A table cell that sorts by a number rather than by its text; cells without one sort last.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(const QString& text, std::optional<double> key) : QTableWidgetItem(text), key_(key) {
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* number = dynamic_cast<const NumberItem*>(&other);
        if (number == nullptr) return QTableWidgetItem::operator<(other);
        if (!key_ || !number->key_) return key_.has_value() && !number->key_.has_value();
        return *key_ < *number->key_;
    }

  private:
    std::optional<double> key_;
};

// A plain decimal number typed in a field, blanks around it allowed; nothing otherwise.
std::optional<double> typedNumber(const QLineEdit* field) {
    return readPlainNumber(fromQt(field->text().trimmed()));
}

QString number(double value) {
    return QString::number(value, 'f', 0);
}

// A length with up to two decimals and no trailing zeros: "37.5", "100".
std::string decimalText(double value) {
    std::string text = formatFixed(value, 2);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

// Each end's light, "22.5 / 18.0", and the larger of the two to sort by.
NumberItem* lightItem(const EndFootLamberts& ends) {
    QStringList texts;
    std::optional<double> largest;
    for (const std::optional<double>& end : ends) {
        texts << (end ? QString::fromStdString(formatFixed(*end, 1)) : toQt(kNoPlanningValue));
        if (end) largest = largest ? std::max(*largest, *end) : *end;
    }
    return new NumberItem(texts.join(QStringLiteral(" / ")), largest);
}

}  // namespace

QString ModelFinderDialog::text(const char* key) const {
    return toQtLines(input_.texts.text(key));
}

ModelFinderDialog::ModelFinderDialog(FinderInput input, QWidget* parent)
    : QDialog(parent), input_(std::move(input)) {
    setObjectName(QStringLiteral("dlgFindModels"));
    setWindowTitle(text("dlgFindModels"));
    const Unit unit = input_.unit;
    const auto withUnit = [this, unit](const char* key) {
        return text(key) + QStringLiteral(" (") + toQt(std::string(unitSign(unit))) +
               QStringLiteral(")");
    };

    diagonal_ = new QLineEdit(this);
    diagonal_->setObjectName(QStringLiteral("txtFindDiagonal"));
    aspect_ = new QComboBox(this);
    aspect_->setObjectName(QStringLiteral("cboFindAspect"));
    for (const Aspect aspect : kAllAspects)
        aspect_->addItem(toQt(std::string(nameOf(aspect).caption)), indexOf(aspect));
    aspect_->setCurrentIndex(indexOf(input_.aspect));
    nearest_ = new QLineEdit(this);
    nearest_->setObjectName(QStringLiteral("txtFindNearest"));
    farthest_ = new QLineEdit(this);
    farthest_->setObjectName(QStringLiteral("txtFindFarthest"));
    minimumLight_ = new QLineEdit(this);
    minimumLight_->setObjectName(QStringLiteral("txtFindMinLight"));
    minimumLight_->setToolTip(text("tipFindMinLight"));
    if (input_.diagonal && input_.distance) {
        // The screen shown, and a room around the projector's place.
        const double diagonal = fromInches(*input_.diagonal, unit);
        const double distance = fromInches(*input_.distance, unit);
        // The calculation's own diagonal, with its decimals: a rounded one may be beyond the
        // limits of the very model that throws this screen.
        diagonal_->setText(toQt(decimalText(diagonal)));
        nearest_->setText(number(std::floor(distance * 0.75)));
        farthest_->setText(number(std::ceil(distance * 1.25)));
    }

    auto* form = new QFormLayout;
    form->addRow(withUnit("lblFindDiagonal"), diagonal_);
    form->addRow(text("lblFindAspect"), aspect_);
    form->addRow(withUnit("lblFindNearest"), nearest_);
    form->addRow(withUnit("lblFindFarthest"), farthest_);
    form->addRow(text("lblFindMinLight"), minimumLight_);
    if (auto* caption = form->labelForField(minimumLight_))
        caption->setToolTip(text("tipFindMinLight"));

    table_ = new QTableWidget(0, 6, this);
    table_->setObjectName(QStringLiteral("tblFindModels"));
    table_->setHorizontalHeaderLabels({text("colFindModel"), text("colFindWide"),
                                       text("colFindTele"), text("colFindFrom"), text("colFindTo"),
                                       text("colFindLight")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->setMinimumSize(520, 240);
    // In catalogue order until the user sorts by a column.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setToolTip(text("tipFindModels"));
    // Headers sized to their text and sort arrow, so that neither clips the other.
    for (int column = 1; column < table_->columnCount(); ++column)
        table_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblFindStatus"));
    // What the * after a distance means, shown while one is listed.
    starNote_ = new QLabel(QStringLiteral("* ") + text("tipPlanOutside"), this);
    starNote_->setObjectName(QStringLiteral("lblFindStar"));
    starNote_->setWordWrap(true);
    starNote_->setVisible(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text("btnFindTake"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { take(table_->currentRow()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { take(row); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { take(row); });

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(table_, 1);
    column->addWidget(starNote_);
    column->addWidget(status_);
    column->addWidget(buttons);

    for (QLineEdit* field : {diagonal_, nearest_, farthest_, minimumLight_})
        connect(field, &QLineEdit::textChanged, this, &ModelFinderDialog::refresh);
    connect(aspect_, &QComboBox::currentIndexChanged, this, &ModelFinderDialog::refresh);
    refresh();
}

void ModelFinderDialog::refresh() {
    const Unit unit = input_.unit;
    // The model selected stays selected while it is listed, so that Enter takes the one the
    // user picked, whatever was typed in the meantime.
    const int selectedModel =
        table_->currentRow() >= 0 && table_->item(table_->currentRow(), 0)
            ? table_->item(table_->currentRow(), 0)->data(Qt::UserRole).toInt()
            : -1;
    table_->setSortingEnabled(false);
    table_->setRowCount(0);
    starNote_->setVisible(false);
    const std::optional<double> diagonal = typedNumber(diagonal_);
    const std::optional<double> nearest = typedNumber(nearest_);
    const std::optional<double> farthest = typedNumber(farthest_);
    // An empty least light asks for none.
    const std::optional<double> minimumLight =
        minimumLight_->text().trimmed().isEmpty() ? 0.0 : typedNumber(minimumLight_);
    if (!diagonal || !nearest || !farthest || *diagonal <= 0 || *nearest < 0 ||
        *nearest > *farthest || !minimumLight || *minimumLight < 0) {
        status_->setText(text("msgFindTypeNumbers"));
        return;
    }
    const auto aspect = static_cast<Aspect>(aspect_->currentData().toInt());
    const Room room{toInches(*nearest, unit), toInches(*farthest, unit)};
    const std::vector<FittingModel> fits =
        modelsThatFit(input_.models, aspect, input_.mount, toInches(*diagonal, unit), room,
                      FinderLight{input_.light, *minimumLight});
    table_->setRowCount(static_cast<int>(fits.size()));
    const std::vector<ModelTraits>& catalogue = input_.models;
    for (int row = 0; row < static_cast<int>(fits.size()); ++row) {
        const FittingModel& fit = fits[static_cast<std::size_t>(row)];
        auto* name = new QTableWidgetItem(
            toQt(catalogue[static_cast<std::size_t>(fit.model)].record.modelName));
        name->setData(Qt::UserRole, fit.model);
        table_->setItem(row, 0, name);
        for (const Zoom zoom : kAllZooms) {
            const auto& end = fit.ends[static_cast<std::size_t>(indexOf(zoom))];
            QString shown = end ? toQt(planningLengthText(end->solution.distance, unit))
                                : toQt(kNoPlanningValue);
            auto* cell =
                new NumberItem(shown, end ? std::optional(end->solution.distance) : std::nullopt);
            if (end && !end->withinLimits) {
                cell->setText(shown + QStringLiteral(" *"));
                cell->setToolTip(text("tipPlanOutside"));
                starNote_->setVisible(true);
            }
            table_->setItem(row, 1 + indexOf(zoom), cell);
        }
        table_->setItem(
            row, 3, new NumberItem(toQt(planningLengthText(fit.standFrom, unit)), fit.standFrom));
        table_->setItem(row, 4,
                        new NumberItem(toQt(planningLengthText(fit.standTo, unit)), fit.standTo));
        table_->setItem(row, 5, lightItem(fit.footLamberts));
    }
    table_->setSortingEnabled(true);
    int selectRow = fits.empty() ? -1 : 0;
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, 0)->data(Qt::UserRole).toInt() == selectedModel) selectRow = row;
    }
    if (selectRow >= 0) table_->selectRow(selectRow);
    status_->setText(
        toQt(replaceAll(input_.texts.text("msgFindCount"), "%1", std::to_string(fits.size()))));
}

std::vector<int> ModelFinderDialog::listedRows() const {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(table_->rowCount()));
    for (int row = 0; row < table_->rowCount(); ++row)
        rows.push_back(table_->item(row, 0)->data(Qt::UserRole).toInt());
    return rows;
}

void ModelFinderDialog::take(int tableRow) {
    if (tableRow < 0 || tableRow >= table_->rowCount()) return;
    choice_ =
        Choice{table_->item(tableRow, 0)->data(Qt::UserRole).toInt(),
               static_cast<Aspect>(aspect_->currentData().toInt()), fromQt(diagonal_->text())};
    accept();
}

}  // namespace projcalc::ui
