// Every case of the shipped catalogue as a user sets it up (each model, each aspect it offers,
// each zoom end it has, each unit, at its smallest and its largest diagonal) shows no clipped
// text, no control whose click area another control covers, and no box or caption outside its
// drawing or over the figure. Registered at one and at two device pixels per pixel.
//
// PROJCALC_WALK_SAMPLE=N walks every N-th case only (the sanitizer build does).
// PROJCALC_WALK_LANGUAGE=CODE shows the window in a shipped language and walks each model, aspect
// and zoom end at its largest diagonal in centimetres only (the longest numbers).
#include "catalogue_walk.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include "gui_fixture.h"
#include "scene_rules.h"
#include "ui/program_style.h"
#include "ui/scene_view.h"

using namespace projcalc;
using namespace projcalc::gui_test;

namespace {

// The text a widget shows and whether the room it has holds it.
std::optional<QString> clippedText(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) return std::nullopt;
        const QSize needed = label->fontMetrics().size(0, label->text());
        const QRect room = label->contentsRect();
        if (needed.width() > room.width() || needed.height() > room.height()) return label->text();
    } else if (const auto* option = qobject_cast<const QRadioButton*>(&widget)) {
        if (option->sizeHint().width() > option->width() ||
            option->fontMetrics().height() > option->height()) {
            return option->text();
        }
    } else if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) {
        // The frame and the text margins take two pixels on each side.
        if (box->fontMetrics().horizontalAdvance(box->text()) + 8 > box->width() ||
            box->fontMetrics().height() + 4 > box->height()) {
            return box->text();
        }
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) + 16 > frame->width())
            return frame->title();
        // A control reaching up into the title or down over the border.
        const QRect contents = frame->contentsRect();
        for (const QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->y() < contents.top() || control->geometry().bottom() > contents.bottom())
                return frame->title() + QStringLiteral(" over ") + control->objectName();
        }
    } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
            return button->text();
    }
    return std::nullopt;
}

bool isControl(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr;
}

// Whether every point of a control's area, on a 3-pixel grid and along its edges, reaches the
// control itself when clicked; the first point that reaches another widget otherwise.
std::optional<QString> coveredPoint(QWidget& window, QWidget& control) {
    const QRect area = control.rect();
    for (int y = area.top(); y <= area.bottom(); y += std::max(1, std::min(3, area.height() - 1))) {
        for (int x = area.left(); x <= area.right();
             x += std::max(1, std::min(3, area.width() - 1))) {
            QWidget* hit = window.childAt(control.mapTo(&window, QPoint(x, y)));
            if (hit != &control && !control.isAncestorOf(hit)) {
                return QStringLiteral("(%1, %2) reaches %3")
                    .arg(x)
                    .arg(y)
                    .arg(hit != nullptr ? hit->objectName() : QStringLiteral("nothing"));
            }
        }
    }
    return std::nullopt;
}

// The drawing as shown: its scene, with the controls at the places their widgets really have,
// in the drawing's own pixels.
Scene shownScene(const ui::SceneView& view) {
    Scene scene = view.scene();
    const QTransform toFrame = view.toWidget().inverted();
    scene.controls.clear();
    for (const QWidget* child : view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // An Enter button shows while its box is edited: its place is checked all the time.
        const bool enter = child->objectName().startsWith(QStringLiteral("cmdEnter"));
        if (!child->isVisibleTo(&view) && !enter) continue;
        const QRect r = toFrame.mapRect(QRectF(child->geometry())).toAlignedRect();
        scene.controls.push_back(
            {child->objectName().toStdString(), {r.x(), r.y()}, {r.width(), r.height()}, true});
    }
    return scene;
}

}  // namespace

class CatalogueWalkTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        ui::useProgramStyle();
        language_ = qEnvironmentVariable("PROJCALC_WALK_LANGUAGE").toStdString();
        data_ = std::make_unique<DataFolder>(
            std::vector<std::string>{kModelPlain},
            shippedText(language_.empty() ? "Language.ini"
                                          : "languages/" + language_ + "/Language.ini"));
        data_->write("ModelInfo.ini", shippedText("ModelInfo.ini"));
        harness_ = std::make_unique<WindowHarness>();  // after the program's style is set
        QVERIFY(harness_->start(*data_));
    }

    void everyCaseShowsEveryTextAndControlWhole() {
        ui::MainWindow& window = harness_->window();
        const int sample = std::max(1, qEnvironmentVariableIntValue("PROJCALC_WALK_SAMPLE"));
        std::vector<WalkCase> cases = catalogueWalk(window.calculator().catalogue(), sample);
        if (!language_.empty()) {
            // The cases come in pairs, the smallest diagonal first.
            std::vector<WalkCase> largest;
            for (std::size_t i = 1; i < cases.size(); i += 2) {
                if (cases[i].unit == Unit::Centimeters) largest.push_back(cases[i]);
            }
            cases = std::move(largest);
        }
        const std::size_t expected = language_.empty() ? 300 : 40;
        QVERIFY2(cases.size() > expected / static_cast<std::size_t>(sample),
                 qPrintable(QString::number(cases.size())));
        QStringList faults;
        const auto fault = [&faults](const WalkCase& c, const QString& what) {
            if (faults.size() < 30) faults << QString::fromStdString(c.name) + ": " + what;
        };
        QList<QWidget*> drawn;
        for (const char* name : {"picDraw1", "picDraw2"})
            drawn << harness_->find<QWidget>(QString::fromLatin1(name));

        int position = 0;
        for (const WalkCase& c : cases) {
            setUp(c, position++ % 2);
            // What the user sees once the window has laid itself out again: a layout that grows
            // asks the one it lies in to grow in turn.
            for (int level = 0; level < 6; ++level)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            if (!harness_->messages().empty()) {
                fault(c, QStringLiteral("refused: ") + harness_->messages().back().text);
                harness_->messages().clear();
                continue;
            }
            // Texts and click areas: the drawings' controls move with every case, the others
            // change their texts.
            for (QWidget* widget : window.findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(&window)) continue;
                if (const auto clipped = clippedText(*widget))
                    fault(c, widget->objectName() + QStringLiteral(" clips ") + *clipped);
                const bool onDrawing = drawn.contains(widget->parentWidget());
                if (isControl(*widget) && (onDrawing || &c == &cases.front())) {
                    if (const auto covered = coveredPoint(window, *widget))
                        fault(c, widget->objectName() + QStringLiteral(": ") + *covered);
                }
            }
            for (QWidget* view : drawn) {
                const Scene scene = shownScene(*static_cast<ui::SceneView*>(view));
                for (const std::string& what : sceneFaults(scene))
                    fault(c, QString::fromStdString(what));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void cleanupTestCase() {
        harness_.reset();
        data_.reset();
    }

  private:
    // Sets a case up as a user does: picks the model, clicks the options, types the diagonal
    // and presses Enter.
    void setUp(const WalkCase& c, int mount) {
        QComboBox* models = harness_->modelList();
        while (models->currentIndex() != c.row) {
            harness_->press(models, models->currentIndex() < c.row ? Qt::Key_Down : Qt::Key_Up);
        }
        const auto choose = [this](const QString& name) {
            QAbstractButton* option = harness_->option(name);
            if (!option->isChecked() && option->isEnabled()) harness_->click(option);
        };
        choose(QStringLiteral("optAspect_%1").arg(indexOf(c.aspect)));
        choose(QStringLiteral("optWIDE_%1").arg(indexOf(c.zoom)));
        choose(QStringLiteral("optUnits_%1").arg(indexOf(c.unit)));
        choose(QStringLiteral("optPosition_%1").arg(mount));
        harness_->messages().clear();  // a clicked option may leave the diagonal outside its limits
        QLineEdit* diagonal = harness_->valueBox(1);
        harness_->click(diagonal);
        harness_->press(diagonal, Qt::Key_A, Qt::ControlModifier);
        harness_->type(diagonal, QString::fromStdString(c.diagonal));
        harness_->press(diagonal, Qt::Key_Return);
        if (diagonal->text() != QString::fromStdString(c.diagonal) &&
            harness_->messages().empty()) {
            harness_->messages().push_back(
                {ui::MessageRequest::Icon::None, {}, QStringLiteral("shows ") + diagonal->text()});
        }
    }

    std::string language_;
    std::unique_ptr<DataFolder> data_;
    std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(CatalogueWalkTest)
#include "catalogue_walk_test.moc"
