#include "core/present.h"

#include <array>

#include "calc/light.h"
#include "calc/readout.h"
#include "calc/scope.h"
#include "diagrams/front_view.h"
#include "diagrams/side_view.h"
#include "util/paths.h"
#include "util/text.h"

namespace projcalc {
namespace {

template <std::size_t N>
void checkOnly(std::array<OptionButton, N>& buttons, int index) {
    for (std::size_t i = 0; i < N; ++i)
        buttons[i].checked = static_cast<int>(i) == index;
}

Scene blankScene(Size picture) {
    Scene scene;
    scene.width = picture.width;
    scene.height = picture.height;
    return scene;
}

// The light, scope and throw-ratio figures of results that can be shown.
void presentLightAndScope(const Calculation& c, PlanningScreen& planning) {
    if (!planning.planning) return;
    planning.throwRatio = throwRatiosOf(planning.planning->throwRange, c.results.width);
    planning.light = screenLight(c.traits, c.light, c.results.width, c.results.height);
    planning.scope = scopePlan(c.traits, c.options, c.scope, c.results);
    if (!planning.light || !planning.scope) return;
    for (std::size_t i = 0; i < planning.light->ends.size(); ++i) {
        if (const auto& end = planning.light->ends[i]) {
            planning.scopeFootLamberts[i] = scopeFootLamberts(end->footLamberts, c.results.diagonal,
                                                              planning.scope->imageDiagonal);
        }
    }
}

}  // namespace

std::span<const ChoiceName> optionNames(OptionGroup group) noexcept {
    switch (group) {
        case OptionGroup::Aspect:
            return namesOf<Aspect>();
        case OptionGroup::Zoom:
            return namesOf<Zoom>();
        case OptionGroup::Units:
            return namesOf<Unit>();
        case OptionGroup::Position:
            return namesOf<Mount>();
    }
    return {};
}

std::string_view optionName(OptionGroup group, int index) noexcept {
    const auto names = optionNames(group);
    if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return {};
    return names[static_cast<std::size_t>(index)].caption;
}

std::vector<OptionButton> OptionsScreen::group(OptionGroup g) const {
    switch (g) {
        case OptionGroup::Aspect:
            return {aspects.begin(), aspects.end()};
        case OptionGroup::Zoom:
            return {zooms.begin(), zooms.end()};
        case OptionGroup::Units:
            return {units.begin(), units.end()};
        case OptionGroup::Position:
            return {positions.begin(), positions.end()};
    }
    return {};
}

int OptionsScreen::checkedIndex(OptionGroup g) const {
    const std::vector<OptionButton> buttons = group(g);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].checked) return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> Screen::selectedModel() const {
    if (selectedRow < 0 || static_cast<std::size_t>(selectedRow) >= models.size()) {
        return std::nullopt;
    }
    return models[static_cast<std::size_t>(selectedRow)];
}

PlanningScreen planningScreen(const Calculation& c) {
    PlanningScreen planning;
    planning.unit = c.unit;
    planning.lightSettings = c.light;
    planning.scopeRatio = c.scope;
    planning.scopeNeeds16x9 = c.scope != ScopeRatio::None && c.options.aspect != Aspect::R16x9;
    if (!c.resultsValid) return planning;
    planning.planning = planningFor(c.traits, c.options, c.results);
    presentLightAndScope(c, planning);
    return planning;
}

std::string titleFor(const InterfaceTexts& texts, const std::string& file) {
    if (file.empty()) return texts.captionText;
    return texts.captionText + " [" + stripExtension(fileNameOf(file)) + "]";
}

OptionsScreen optionsScreen(const Calculation& c, const InterfaceTexts& texts) {
    OptionsScreen options;
    options.checked = c.options;
    options.unit = c.unit;
    checkOnly(options.aspects, indexOf(c.options.aspect));
    checkOnly(options.zooms, indexOf(c.options.zoom));
    checkOnly(options.units, indexOf(c.unit));
    checkOnly(options.positions, indexOf(c.options.mount));
    // A model offers its aspects and, with a zoom lens, both ends; before a model is selected
    // every option can be clicked.
    const bool zoomSelectable = c.model < 0 || c.traits.zoomSelectable();
    const std::string offered = texts.text("tipAspect");
    const std::string notOffered = texts.text("tipAspectNotOffered");
    for (const Aspect aspect : kAllAspects) {
        OptionButton& button = options.aspects[static_cast<std::size_t>(indexOf(aspect))];
        button.enabled = c.model < 0 || c.traits.offers(aspect);
        button.tooltip = replaceAll(button.enabled ? offered : notOffered, "%1",
                                    std::string(nameOf(aspect).caption));
    }
    const std::string fixedLens = texts.text("tipFixedLens");
    for (const Zoom zoom : kAllZooms) {
        OptionButton& button = options.zooms[static_cast<std::size_t>(indexOf(zoom))];
        button.enabled = zoomSelectable;
        button.tooltip =
            zoomSelectable ? texts.text("tipWIDE_" + std::to_string(indexOf(zoom))) : fixedLens;
    }
    return options;
}

Screen present(const PresentInput& input) {
    const Calculation& c = input.calculation;
    Screen screen;
    screen.title = titleFor(input.texts, c.file);
    screen.file = c.file;
    screen.changed = input.changed;
    screen.canUndo = input.canUndo;
    screen.canRedo = input.canRedo;
    screen.models = input.models;
    screen.selectedRow =
        c.model >= 0 && static_cast<std::size_t>(c.model) < input.models.size() ? c.model : -1;
    screen.options = optionsScreen(c, input.texts);
    screen.offsetVisible = {true, c.traits.offsets(c.options.zoom) == 2};
    screen.planning = planningScreen(c);
    screen.notices = input.notices;

    if (!c.resultsValid) {
        // Emptied because the selected model has no results; before anything has been worked
        // out the boxes keep their design texts and the drawings are not drawn yet.
        if (c.resultsCleared) {
            screen.front = blankScene(input.metrics.front.picture);
            screen.side = blankScene(input.metrics.side.picture);
        } else {
            for (std::size_t i = 0; i < screen.boxes.size(); ++i)
                screen.boxes[i] = kDesignBoxTexts[i];
            for (std::size_t i = 0; i < screen.offsets.size(); ++i)
                screen.offsets[i] = kDesignOffsetTexts[i];
        }
        return screen;
    }
    // The commands keep only results whose read-out can be worked out.
    const auto shown = readout(c.traits, c.options, c.unit, c.results);
    if (const auto* boxes = std::get_if<Readout>(&shown)) {
        screen.boxes = boxes->boxes;
        screen.offsets = boxes->offsets;
    }
    // The scope screen's outline takes no part in the fit: the scale stays the calculation's.
    const double scopeWidth = screen.planning.scope ? screen.planning.scope->screen.width : 0.0;
    screen.front =
        frontScene(c.results, c.options, c.frontScale, input.metrics.front,
                   distancesOf(throwRangeFor(c.traits, c.options, c.results)), scopeWidth)
            .scene;
    screen.side = sideScene(c.traits, c.options, c.results, input.metrics.side);
    return screen;
}

}  // namespace projcalc
