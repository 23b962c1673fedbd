#include "core/memory_view.h"

#include "diagrams/design_sizes.h"

namespace projcalc {
namespace {

template <typename Container>
bool inRange(const Container& c, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < c.size();
}

}  // namespace

void MemoryView::setValueText(int index, const std::string& text) {
    if (inRange(valueTexts, index)) valueTexts[static_cast<std::size_t>(index)] = text;
}

std::string MemoryView::valueText(int index) const {
    return inRange(valueTexts, index) ? valueTexts[static_cast<std::size_t>(index)] : std::string();
}

void MemoryView::setEnterButtonVisible(int index, bool visible) {
    if (inRange(enterVisible, index)) enterVisible[static_cast<std::size_t>(index)] = visible;
}

void MemoryView::selectValueText(int index) {
    selectedValueBox = index;
}

void MemoryView::setOffsetText(int index, const std::string& text) {
    if (inRange(offsetTexts, index)) offsetTexts[static_cast<std::size_t>(index)] = text;
}

void MemoryView::setOptionChecked(OptionGroup g, int index) {
    auto& group = options[static_cast<std::size_t>(g)];
    for (std::size_t i = 0; i < group.size(); ++i) {
        group[i].checked = static_cast<int>(i) == index;
    }
}

void MemoryView::setOptionEnabled(OptionGroup g, int index, bool enabled) {
    auto& group = options[static_cast<std::size_t>(g)];
    if (inRange(group, index)) group[static_cast<std::size_t>(index)].enabled = enabled;
}

void MemoryView::showAspectPreview(double aspectRatio, const std::string& caption) {
    aspectPreviewRatio = aspectRatio;
    aspectPreviewCaption = caption;
}

void MemoryView::clearModelList() {
    modelRows.clear();
    selectedModelRow = -1;
}

void MemoryView::addModelRow(const std::string& name, int modelIndex) {
    modelRows.push_back({name, modelIndex});
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

Size MemoryView::controlSize(const std::string& objectName) const {
    return designSize(objectName);
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

int MemoryView::checkedOption(OptionGroup g) const {
    const auto& group = options[static_cast<std::size_t>(g)];
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i].checked) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace projcalc
