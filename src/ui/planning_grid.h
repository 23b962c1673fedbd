#pragma once

#include <QLabel>
#include <QString>
#include <cstddef>

#include "ui/selectable_label.h"

// The planning panel's grid and its labels, shared by the files that build its rows.
namespace projcalc::ui::planning_grid {

// The grid's columns: row captions, WIDE's value and mark, TELE's value and mark, a stretch,
// the line between the parts, then the seats' captions and values.
inline constexpr int kCaptionColumn = 0;
inline constexpr int kSeparatorColumn = 6;
inline constexpr int kSeatCaptionColumn = 7;
inline constexpr int kSeatValueColumn = 8;
// The rows: headings, throw distance, image, throw ratio, the light of WIDE and of TELE.
inline constexpr int kRatioRow = 3;
inline constexpr int kLightRow = 4;

constexpr int valueColumn(std::size_t end) {
    return 1 + 2 * static_cast<int>(end);
}

inline QLabel* label(QWidget* parent, const QString& name,
                     Qt::Alignment alignment = Qt::AlignLeft) {
    auto* shown = new QLabel(parent);
    shown->setObjectName(name);
    shown->setTextFormat(Qt::PlainText);
    shown->setAlignment(alignment | Qt::AlignVCenter);
    return shown;
}

// A value the user may select and copy.
inline QLabel* valueLabel(QWidget* parent, const QString& name) {
    QLabel* value = label(parent, name, Qt::AlignRight);
    makeSelectableByMouse(value);
    return value;
}

inline QString indexedName(const char* name, std::size_t index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace projcalc::ui::planning_grid
