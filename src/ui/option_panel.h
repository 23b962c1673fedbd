#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "core/screen.h"
#include "i18n/language.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QWidget;

namespace projcalc::ui {

// The four option frames right of the drawings (units, zoom end, mounting, aspect with its
// preview), their options under their design names, and what they show of a Screen. A click on
// an option is one intent, `chosen`; what is checked, greyed and why comes only from `show`, with
// the options' signals blocked.
//
// The frames stand in the window's control area beside the other designed controls, which
// places and grows them with the window, so the panel owns them without being their parent.
class OptionPanel : public QObject {
    Q_OBJECT

  public:
    // Builds the frames in `area` at their design places, in the window's control order.
    explicit OptionPanel(QWidget* area);

    // Checks, enables and explains the options as the Screen says, and shapes the aspect preview
    // to the checked aspect.
    void show(const OptionsScreen& options);
    // What the language file says that the frames' captions do not: the tooltips of the units
    // and mountings, and the names a screen reader gives the options. Called after the captions
    // and fonts were applied by object name.
    void useTexts(const InterfaceTexts& texts);
    // Options widened to their texts, kept below their frame's title, however tall its font, and
    // the aspect caption centred on the preview.
    void fitTexts();
    // The aspect preview on the drawings' paper in their ink.
    void applyColours();

    // The options as Tab reaches them: units, zoom ends, mountings, aspects, each group by index.
    [[nodiscard]] std::vector<QWidget*> tabOrder() const;
    // Whether a widget is one of the aspect preview's two labels, which keep the size the panel
    // gives them.
    [[nodiscard]] bool isPreview(const QWidget* widget) const noexcept;

  signals:
    // The user clicked the option `index` of a group.
    void chosen(OptionGroup group, int index);

  protected:
    // Tab into a group lands on its checked option.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    [[nodiscard]] QButtonGroup* group(OptionGroup group) const;
    void check(OptionGroup group, int index);
    void showAspectPreview(Aspect aspect);
    void centreAspectCaption();

    std::array<QGroupBox*, 4> frames_{};  // by OptionGroup
    std::array<QButtonGroup*, 4> groups_{};
    QLabel* aspectBox_ = nullptr;
    QLabel* aspectCaption_ = nullptr;
    double aspectBoxCentre_ = 0.0;  // horizontal centre of the aspect preview, kept exactly
};

}  // namespace projcalc::ui
