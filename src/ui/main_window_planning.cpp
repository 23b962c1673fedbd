// The planning panel under the drawings and the View menu that shows or hides it.
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "calc/planning_text.h"
#include "core/light_scope_text.h"
#include "ui/main_window.h"
#include "ui/planning_panel.h"
#include "ui/qt_text.h"
#include "ui/user_settings.h"

namespace projcalc::ui {
namespace {

// Where the panel's visibility is remembered, per user ($XDG_CONFIG_HOME/projcalc).
constexpr const char* kPlanningShownKey = "view/planningPanel";

}  // namespace

void MainWindow::buildPlanningPanel() {
    // The designed area takes the room the panel leaves; the panel goes under it, as wide as the
    // area, which is as wide as the panel's texts need.
    QWidget* area = takeCentralWidget();
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(area, 1);
    planningPanel_ = new PlanningPanel(body);
    column->addWidget(planningPanel_);
    setCentralWidget(body);

    auto* menu = new QMenu(QStringLiteral("&View"), this);
    menu->setObjectName(QStringLiteral("mnuView"));
    if (auto* option = menuBar()->findChild<QMenu*>(QStringLiteral("mnuOption"))) {
        menuBar()->insertMenu(option->menuAction(), menu);
    } else {
        menuBar()->addMenu(menu);
    }
    QAction* show = menu->addAction(QStringLiteral("&Planning"));
    show->setObjectName(QStringLiteral("mnuViewPlanning"));
    show->setCheckable(true);
    const bool shown = userSettings().value(QLatin1String(kPlanningShownKey), true).toBool();
    show->setChecked(shown);
    planningPanel_->setVisible(shown);
    connect(show, &QAction::toggled, this, &MainWindow::onPlanningToggled);

    // A refused gain or share leaves the figures as they are: the inputs get their texts back.
    connect(planningPanel_, &PlanningPanel::gainEntered, this, [this](const QString& text) {
        if (!calculator_.setScreenGain(fromQt(text))) showPlanning(shown_.planning);
    });
    connect(planningPanel_, &PlanningPanel::shareEntered, this, [this](const QString& text) {
        if (!calculator_.setLightShare(fromQt(text))) showPlanning(shown_.planning);
    });
    connect(planningPanel_, &PlanningPanel::scopeChosen, this,
            [this](int ratio) { calculator_.choose(static_cast<ScopeRatio>(ratio)); });
}

void MainWindow::onPlanningToggled(bool shown) {
    planningPanel_->setVisible(shown);
    QSettings settings = userSettings();
    settings.setValue(QLatin1String(kPlanningShownKey), shown);
}

void MainWindow::applyPlanningCaptions(const PlanningCaptions& captions) {
    if (auto* menu = findChild<QMenu*>(QStringLiteral("mnuView")))
        menu->setTitle(toQtLines(captions.viewMenu));
    if (auto* show = findChild<QAction*>(QStringLiteral("mnuViewPlanning")))
        show->setText(toQtLines(captions.showPlanning));
    planningPanel_->setCaptions(captions);
    planningPanel_->setLightScopeCaptions(lightScopeCaptions(calculator_.texts()));
    // The rating words and notes are in the language just taken.
    planningPanel_->showLightScope(lightScopeTexts(shown_.planning, calculator_.texts()));
}

void MainWindow::showPlanning(const PlanningScreen& planning) {
    planningPanel_->showTexts(planningTexts(planning.planning, planning.unit));
    planningPanel_->showLightScope(lightScopeTexts(planning, calculator_.texts()));
}

}  // namespace projcalc::ui
