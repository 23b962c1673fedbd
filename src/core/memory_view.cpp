#include "core/memory_view.h"

namespace projcalc {
namespace {

template <typename Container>
bool inRange(const Container& c, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < c.size();
}

void check(std::vector<MemoryView::OptionState>& group, int index) {
    for (std::size_t i = 0; i < group.size(); ++i)
        group[i].checked = static_cast<int>(i) == index;
}

}  // namespace

void MemoryView::setValueText(Quantity box, const std::string& text) {
    boxText(box) = text;
}

std::string MemoryView::valueText(Quantity box) const {
    return boxText(box);
}

void MemoryView::showEnterButton(std::optional<Quantity> box) {
    for (std::size_t i = 0; i < enterVisible.size(); ++i)
        enterVisible[i] = box && static_cast<int>(i) == indexOf(*box);
}

void MemoryView::selectValueText(Quantity box) {
    selectedValueBox = indexOf(box);
}

void MemoryView::showReadout(const Readout& readout) {
    valueTexts = readout.boxes;
    offsetTexts = readout.offsets;
}

void MemoryView::showPlanning(const std::optional<Planning>& shownPlanning, Unit unit) {
    planning = shownPlanning;
    planningUnit = unit;
}

void MemoryView::showOptions(const OptionStates& states) {
    optionStates = states;
    auto& aspects = options[static_cast<std::size_t>(OptionGroup::Aspect)];
    auto& zooms = options[static_cast<std::size_t>(OptionGroup::Zoom)];
    check(aspects, indexOf(states.checked.aspect));
    check(zooms, indexOf(states.checked.zoom));
    check(options[static_cast<std::size_t>(OptionGroup::Units)], indexOf(states.unit));
    check(options[static_cast<std::size_t>(OptionGroup::Position)], indexOf(states.checked.mount));
    for (std::size_t i = 0; i < aspects.size(); ++i)
        aspects[i].enabled = states.aspectEnabled[i];
    for (std::size_t i = 0; i < zooms.size(); ++i)
        zooms[i].enabled = states.zoomEnabled[i];
    aspectPreviewRatio = ratioOf(states.checked.aspect);
    aspectPreviewCaption = std::string(shapeOf(states.checked.aspect).caption);
}

void MemoryView::showModelList(const std::vector<std::string>& names) {
    modelRows.clear();
    selectedModelRow = -1;
    for (std::size_t i = 0; i < names.size(); ++i)
        modelRows.push_back({names[i], static_cast<int>(i)});
}

void MemoryView::selectModelRow(int row) {
    selectedModelRow = inRange(modelRows, row) ? row : -1;
}

void MemoryView::setTitle(const std::string& newTitle) {
    title = newTitle;
}

void MemoryView::applyInterfaceTexts(const InterfaceTexts& newTexts) {
    texts = newTexts;
}

void MemoryView::showMessage(const std::string& text) {
    messages.push_back(text);
}

void MemoryView::showError(const AppError& error) {
    errors.push_back(error);
}

void MemoryView::showScene(DiagramId diagram, const Scene& scene) {
    if (diagram == DiagramId::Front) {
        frontScene = scene;
        ++frontDrawings;
    } else {
        sideScene = scene;
        ++sideDrawings;
    }
}

std::string MemoryView::askOpenFileName(const FileFilter& filter,
                                        const std::string& /*initialFolder*/) {
    dialogFilters.push_back(filter);
    if (dialogAnswers.empty()) return {};
    std::string answer = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    return answer;
}

std::string MemoryView::askSaveFileName(const FileFilter& filter, const std::string& initialFolder,
                                        const std::string& /*defaultExtension*/) {
    return askOpenFileName(filter, initialFolder);
}

void MemoryView::showEditState(const EditState& state) {
    editState = state;
}

SaveChoice MemoryView::askSaveChanges(const SaveQuestion& question) {
    questions.push_back(question.text);
    if (saveAnswers.empty()) return SaveChoice::Discard;
    const SaveChoice answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void MemoryView::copyText(const std::string& text) {
    clipboard = text;
}

int MemoryView::checkedOption(OptionGroup g) const {
    const auto& group = options[static_cast<std::size_t>(g)];
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i].checked) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace projcalc
