// A whole session: a fuzzed catalogue is loaded, then a fuzzed sequence of user actions runs on
// it. Nothing may crash, hang or show a non-finite number.
//
// Input layout: the catalogue text, the separator "\n#actions\n", then action bytes. Actions
// may open a calculation file or install a catalogue made of the bytes that follow them.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/asking.h"
#include "core/calculator.h"
#include "core/memory_view.h"
#include "util/memory_file_system.h"

namespace {

using projcalc::Aspect;
using projcalc::Mount;
using projcalc::OptionGroup;
using projcalc::Quantity;
using projcalc::Unit;
using projcalc::Zoom;

const char* kLanguage =
    "[Language]\nCaption=Calc\nFontName=Sans\nFontSize=8\nmsg1=none %1\n"
    "msg2=large %1\nmsg3=large %1 %2\nmsg4=large %1 %2\nmsg5=small %1\nmsg6=small %1 %2\n"
    "msg7=small %1 %2\nmnuFile=F\nmnuFileOpen=O\nmnuFileSave=S\nmnuFileSaveAs=A\n"
    "mnuFilePrint=P\nmnuFileQuit=Q\nmnuOption=O\nmnuOptionModelInfo=M\nmnuAbout=A\n"
    "mnuAboutAbout=A\nLBL1=1\nLBL2=2\nLBL3=3\nLBL4=4\nLBL5=5\nLBL6=6\nLBL7=7\nLBL8=8\nLBL9=9\n"
    "LBL10=10\nLBL11=11\nLBL12=12\nLBL13=13\nLBL14=14\nLBL15=15\nLBL16=16\nLBL17=17\n"
    "LBL18=18\nLBL19=19\nLBL20=20\nLBL21=21\n";

bool finite(double v) {
    return std::isfinite(v);
}

void checkShown(const projcalc::MemoryView& view, const projcalc::Calculation& c) {
    const projcalc::Solution& r = c.results;
    for (double v : {r.width, r.height, r.diagonal, r.distance, r.offsetA, r.offsetB, c.frontScale,
                     c.currentLimits().largest}) {
        if (!finite(v)) std::abort();
    }
    for (const std::string& text : view.screen.boxes) {
        if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) {
            std::abort();
        }
    }
    for (const std::string& text : view.screen.offsets) {
        if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) {
            std::abort();
        }
    }
    if (view.screen.planning.planning) {
        for (const auto* range : {&view.screen.planning.planning->throwRange,
                                  &view.screen.planning.planning->imageRange}) {
            for (const auto& end : *range) {
                if (end && (!finite(end->solution.distance) || !finite(end->solution.diagonal)))
                    std::abort();
            }
        }
        for (double seat : view.screen.planning.planning->seating) {
            if (!finite(seat)) std::abort();
        }
    }
}

class ActionReader {
  public:
    explicit ActionReader(std::string_view bytes) : bytes_(bytes) {}
    [[nodiscard]] bool done() const { return at_ >= bytes_.size(); }
    int next() { return done() ? 0 : static_cast<unsigned char>(bytes_[at_++]); }
    std::string text(std::size_t length) {
        std::string result(bytes_.substr(at_, length));
        at_ += result.size();
        return result;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

bool enabled(const projcalc::MemoryView& view, OptionGroup group, int index) {
    return view.group(group)[static_cast<std::size_t>(index)].enabled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view separator = "\n#actions\n";
    const std::size_t split = input.find(separator);
    const std::string_view catalogue = input.substr(0, split);
    const std::string_view actions = split == std::string_view::npos
                                         ? std::string_view()
                                         : input.substr(split + separator.size());

    projcalc::MemoryFileSystem files;
    files.files["/data/ModelInfo.ini"] = std::string(catalogue);
    files.files["/data/Language.ini"] = kLanguage;
    projcalc::MemoryView view;
    projcalc::Calculator calculator(view, files);
    if (!calculator.startUp("/data")) return 0;
    checkShown(view, calculator.calculation());

    ActionReader reader(actions);
    for (int steps = 0; !reader.done() && steps < 64; ++steps) {
        const int op = reader.next() % 11;
        const int arg = reader.next();
        switch (op) {
            case 0:
                calculator.pickModel(arg % static_cast<int>(view.screen.models.size() + 1));
                break;
            case 1:
                if (enabled(view, OptionGroup::Aspect, arg % 4))
                    calculator.choose(static_cast<Aspect>(arg % 4));
                break;
            case 2:
                if (enabled(view, OptionGroup::Zoom, arg % 2))
                    calculator.choose(static_cast<Zoom>(arg % 2));
                break;
            case 3:
                calculator.choose(static_cast<Unit>(arg % 3));
                break;
            case 4:
                calculator.choose(static_cast<Mount>(arg % 2));
                break;
            case 5: {
                const auto box = static_cast<Quantity>(arg % 4);
                (void)calculator.commit(box,
                                        reader.text(static_cast<std::size_t>(reader.next() % 24)));
                break;
            }
            case 6:
                (void)calculator.commit(static_cast<Quantity>(arg % 4),
                                        view.boxText(static_cast<Quantity>(arg % 4)));
                break;
            case 7:  // Open a calculation file of the next bytes
                files.files["/work/plan.cf"] = reader.text(static_cast<std::size_t>(arg) * 8);
                view.dialogAnswers.assign(1, "/work/plan.cf");
                (void)askAndOpen(calculator, view);
                break;
            case 8:  // Save, then open what was saved: it must read back
                view.dialogAnswers.assign(1, "/work/saved.cf");
                if (askAndSaveAs(calculator, view)) {
                    const std::size_t errors = view.errors.size();
                    view.dialogAnswers.assign(1, "/work/saved.cf");
                    (void)askAndOpen(calculator, view);
                    for (std::size_t i = errors; i < view.errors.size(); ++i) {
                        const int number = view.errors[i].number();
                        if (number == 13 || number == 62) std::abort();
                    }
                }
                break;
            case 9:  // Edit > Undo or Redo
                (void)(arg % 2 == 0 ? calculator.undo() : calculator.redo());
                break;
            default:  // Install a catalogue of the next bytes
                files.files["/work/new.ini"] = reader.text(static_cast<std::size_t>(arg) * 8);
                view.dialogAnswers.assign(1, "/work/new.ini");
                askAndReplaceCatalogue(calculator, view);
                break;
        }
        checkShown(view, calculator.calculation());
    }
    return 0;
}
