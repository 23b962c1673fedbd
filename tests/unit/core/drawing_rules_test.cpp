// Both drawings of every case of the shipped catalogue keep their rules: pictures and controls
// inside the picture box, controls off the screen, the projector and the lens point.
#include <gtest/gtest.h>

#include "catalogue_walk.h"
#include "core/calculator.h"
#include "core/memory_view.h"
#include "scene_rules.h"

namespace projcalc {
namespace {

TEST(DrawingRulesTest, EveryCaseOfTheShippedCatalogueKeepsTheRules) {
    MemoryView view;
    Calculator calculator(view);
    ASSERT_TRUE(calculator.startUp(PROJCALC_SOURCE_DIR "/data"));
    const std::vector<WalkCase> cases = catalogueWalk(calculator.catalogue());
    ASSERT_GT(cases.size(), 100u);
    int faulty = 0;
    for (const WalkCase& c : cases) {
        calculator.pickModel(c.row);
        calculator.choose(c.aspect);
        calculator.choose(c.zoom);
        calculator.choose(c.unit);
        for (const Mount mount : {Mount::Top, Mount::Bottom}) {
            calculator.choose(mount);
            view.messages.clear();  // a clicked option may leave the diagonal outside its limits
            (void)calculator.commit(Quantity::Diagonal, c.diagonal);
            ASSERT_TRUE(view.messages.empty()) << c.name << ": " << view.messages.front();
            ASSERT_EQ(view.screen.boxes[1], c.diagonal) << c.name;
            std::vector<std::string> faults = sceneFaults(view.screen.front);
            const std::vector<std::string> side = sceneFaults(view.screen.side);
            faults.insert(faults.end(), side.begin(), side.end());
            for (const std::string& fault : faults)
                ADD_FAILURE() << c.name << (mount == Mount::Top ? ", top" : ", bottom") << ": "
                              << fault;
            faulty += faults.empty() ? 0 : 1;
            if (faulty > 20) FAIL() << "too many faulty cases";
        }
    }
}

}  // namespace
}  // namespace projcalc
