#include "ui/selectable_label.h"

#include <QEvent>
#include <QLabel>

namespace projcalc::ui {
namespace {

// Turns on the selection of its label's text at the first event that may start one, before the
// label handles that event, and then goes.
class SelectableOnDemand : public QObject {
  public:
    explicit SelectableOnDemand(QLabel* label) : QObject(label), label_(label) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Enter:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::ContextMenu:
                label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
                label_->removeEventFilter(this);
                deleteLater();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QLabel* label_;
};

}  // namespace

void makeSelectableByMouse(QLabel* label) {
    // Not even the click focus a selectable label takes: with any focus policy the label makes
    // its document at once. Without the mouse over it there is nothing to click.
    label->installEventFilter(new SelectableOnDemand(label));
}

}  // namespace projcalc::ui
