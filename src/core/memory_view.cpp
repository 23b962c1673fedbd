#include "core/memory_view.h"

namespace projcalc {

void MemoryView::show(const Screen& shown) {
    screen = shown;
    ++screensShown;
    for (const Notice& notice : shown.notices) {
        if (notice.kind == Notice::Kind::Message) {
            messages.push_back(notice.text);
        } else {
            errors.push_back(notice.error);
        }
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

SaveChoice MemoryView::askSaveChanges(const SaveQuestion& question) {
    questions.push_back(question.text);
    if (saveAnswers.empty()) return SaveChoice::Discard;
    const SaveChoice answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool MemoryView::askToGoOn(const std::string& question) {
    questions.push_back(question);
    if (goOnAnswers.empty()) return true;
    const bool answer = goOnAnswers.front();
    goOnAnswers.pop_front();
    return answer;
}

}  // namespace projcalc
