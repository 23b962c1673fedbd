#pragma once

#include <string>
#include <vector>

#include "diagrams/scene.h"
#include "old_diagrams/design_sizes.h"

namespace projcalc::legacy {

// What the earlier engine asked of the window: control sizes and the limit messages. The design
// sizes stand for the window; messages are recorded in order.
class View {
  public:
    virtual ~View() = default;
    virtual void setValueText(int index, const std::string& text) { boxes[index] = text; }
    virtual void setOffsetText(int index, const std::string& text) { offsets[index] = text; }
    virtual void showMessage(const std::string& text) { messages.push_back(text); }
    [[nodiscard]] virtual Size controlSize(const std::string& objectName) const {
        return designSize(objectName);
    }

    std::string boxes[4];
    std::string offsets[2];
    std::vector<std::string> messages;
};

}  // namespace projcalc::legacy
