// The earlier engine and the pure one, side by side: every case must give the same messages,
// errors, kept results, box texts and drawings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "calc/limit_message.h"
#include "calc/readout.h"
#include "calc/solve.h"
#include "diagrams/front_view.h"
#include "diagrams/side_view.h"
#include "models/model_catalogue.h"
#include "old_calc/solver.h"
#include "old_core/apply_model.h"
#include "old_core/view.h"
#include "old_diagrams/front_view.h"
#include "old_diagrams/side_view.h"

namespace projcalc {
namespace {

bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string describe(const Scene& s) {
    std::ostringstream out;
    out << s.width << "x" << s.height << ";";
    for (const SceneItem& i : s.items) {
        out << int(i.kind) << "," << int(i.pen) << "," << int(i.brush) << "," << i.imageName << ","
            << i.at.x << "," << i.at.y;
        for (const Point& p : i.points)
            out << "(" << p.x << "," << p.y << ")";
        out << ";";
    }
    for (const ControlPlacement& c : s.controls) {
        out << c.name << "@" << c.at.x << "," << c.at.y << "/" << c.size.width << ","
            << c.size.height << (c.visible ? "v" : "h") << ";";
    }
    return out.str();
}

std::vector<ModelRecord> shippedModels() {
    std::ifstream in(std::string(PROJCALC_SOURCE_DIR) + "/data/ModelInfo.ini", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<ModelRecord> models;
    EXPECT_FALSE(parseModelCatalogue(text, "ModelInfo.ini", models).has_value());
    return models;
}

std::vector<ModelRecord> randomModels(int count) {
    std::mt19937 rng(12345);
    const auto pick = [&](std::initializer_list<double> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return *(values.begin() + d(rng));
    };
    std::uniform_real_distribution<double> real(0.1, 2.0);
    std::vector<ModelRecord> models;
    for (int i = 0; i < count; ++i) {
        ModelRecord m;
        m.modelName = "Random " + std::to_string(i);
        double* limits = &m.limits.minDiagonal43Wide;
        for (int k = 0; k < 12; k += 2) {
            limits[k] = pick({0, 20, 30, 50, 400, -5});
            limits[k + 1] = pick({0, 100, 300, 350, 1e300, 25});
        }
        m.wideSizeSlope = pick({0, 0.8333, 1.2, -0.5, 1e-300, real(rng)});
        m.wideSizeIntercept = pick({0, 0.4, -3, 1e300});
        m.teleSizeSlope = pick({0, 0.641, 0.5, real(rng)});
        m.teleSizeIntercept = pick({0, -0.3, 2});
        m.wideOffsetCoefficientA = pick({0, 0.08, 0.46, -0.2, 1e308});
        m.teleOffsetCoefficientA = pick({0, 0.1, 0.53, -0.3});
        m.wideOffsetCoefficientB = pick({0, 0.52, 0.1});
        m.teleOffsetCoefficientB = pick({0, 0.58, 0.12});
        m.panelAspect = static_cast<std::int32_t>(pick({0, 1, 2, 3}));
        m.aspectMask = static_cast<std::int32_t>(pick({0, 1, 2, 4, 8, 13, 15, 6}));
        m.modelKind = pick({0, 1, 2, 3, 4, 5, 6, 2.5, 3.5, 7});
        m.offsetScale169 = pick({0, 0, 1.1, 0.9});
        for (RatioTable* table : {&m.ratios.wide, &m.ratios.tele, &m.ratios.teleTop}) {
            for (OffsetRatio& r : table->entries) {
                r.present = pick({0, 1}) == 1;
                r.value = r.present ? pick({0, 0.28, -0.225, 0.245}) : 0;
            }
        }
        models.push_back(m);
    }
    return models;
}

LimitMessages testMessages() {
    return {{"L in %1 (%2)", "L ft %1 (%2)", "L cm %1 (%2)"},
            {"S in %1 (%2)", "S ft %1 (%2)", "S cm %1 (%2)"}};
}

struct Outcome {
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    double results[6] = {};
    bool resultsKept = false;
    bool ok = false;
    std::string boxes;
    std::string front;
    double scale = 0;
    std::string side;
};

std::string resultText(const Outcome& o) {
    std::ostringstream out;
    out.precision(17);
    for (const auto& m : o.messages)
        out << "msg:" << m << "\n";
    for (const auto& e : o.errors)
        out << "err:" << e << "\n";
    for (double r : o.results)
        out << r << " ";
    out << "\nkept " << o.resultsKept << " ok " << o.ok << "\nboxes " << o.boxes << "\nscale "
        << o.scale << "\nfront " << o.front << "\nside " << o.side << "\n";
    return out.str();
}

Outcome oldPath(const ModelRecord& model, int aspect, int zoom, int unit, int position, int mode,
                double value, bool clampFirst) {
    legacy::CalculatorState s = legacy::stateAfterPick(model, aspect, zoom, unit, position);
    // Start from the model's largest image, as a pick does.
    bool clamp = false;
    const LimitMessages messages = testMessages();
    legacy::LimitMessages oldMessages{messages.tooLarge, messages.tooSmall};
    legacy::View view;
    Outcome o;
    legacy::SolverContext context{s, clamp, oldMessages, view};
    try {
        (void)legacy::CalcScreenSize(context, legacy::kSolveStored, 0);
    } catch (const ArithmeticFault&) {
    }
    view.messages.clear();
    context.stored = false;
    clamp = clampFirst;
    try {
        o.ok = legacy::CalcScreenSize(context, mode, value);
    } catch (const ArithmeticFault& fault) {
        o.errors.push_back(std::to_string(fault.error().number) + fault.error().description);
    }
    o.resultsKept = context.stored;
    o.messages = view.messages;
    o.results[0] = s.projectionDistance;
    o.results[1] = s.screenDiagonal;
    o.results[2] = s.screenWidth;
    o.results[3] = s.screenHeight;
    o.results[4] = s.offsetA;
    o.results[5] = s.offsetB;
    try {
        legacy::showResults(s, view);
        for (const auto& b : view.boxes)
            o.boxes += b + "|";
        for (const auto& b : view.offsets)
            o.boxes += b + "|";
    } catch (const ArithmeticFault& fault) {
        o.boxes = "fault " + fault.error().description;
    }
    o.front = describe(legacy::DrawScreen1(s, view));
    o.scale = s.frontViewScale;
    o.side = describe(legacy::DrawScreen2(s, view));
    return o;
}

Outcome newPath(const ModelRecord& model, Aspect aspect, Zoom zoom, Unit unit, Mount mount,
                Quantity quantity, double value, bool clampFirst) {
    const ModelTraits traits = traitsOf(model);
    const Options options{aspect, zoom, mount};
    const LimitMessages messages = testMessages();
    Outcome o;
    Solution results;
    results.diagonal = traits.limits(aspect, zoom).largest;
    if (const Solution* s =
            solve(traits, options, {Quantity::Diagonal, results.diagonal}, OnLimit::Reject)
                .solution()) {
        results = *s;
    }
    const SolveResult r =
        solve(traits, options, {quantity, value}, clampFirst ? OnLimit::Clamp : OnLimit::Reject);
    if (r.crossed) o.messages.push_back(limitMessage(messages, unit, *r.crossed));
    if (const Solution* s = r.solution()) {
        results = *s;
        o.resultsKept = true;
        o.ok = !r.crossed;
    } else if (const auto* hit = std::get_if<LimitHit>(&r.outcome)) {
        o.messages.push_back(limitMessage(messages, unit, *hit));
    } else {
        const AppError& e = std::get<AppError>(r.outcome);
        o.errors.push_back(std::to_string(e.number) + e.description);
    }
    o.results[0] = results.distance;
    o.results[1] = results.diagonal;
    o.results[2] = results.width;
    o.results[3] = results.height;
    o.results[4] = results.offsetA;
    o.results[5] = results.offsetB;
    auto shown = readout(traits, options, unit, results);
    if (const auto* text = std::get_if<Readout>(&shown)) {
        // The earlier order: width, height, diagonal, distance were written, but by index.
        for (const auto& b : text->boxes)
            o.boxes += b + "|";
        for (const auto& b : text->offsets)
            o.boxes += b + "|";
    } else {
        o.boxes = "fault " + std::get<AppError>(shown).description;
    }
    const FrontDrawing front =
        frontScene(results, options, traits.frontReferenceFor(aspect), designFrontMetrics());
    o.front = describe(front.scene);
    o.scale = front.scale;
    o.side = describe(sideScene(traits, options, results, designSideMetrics()));
    return o;
}

TEST(EngineComparison, TraitsMatchTheEarlierModelSelection) {
    std::vector<ModelRecord> models = shippedModels();
    for (const ModelRecord& m : randomModels(300))
        models.push_back(m);
    for (const ModelRecord& m : models) {
        const ModelTraits t = traitsOf(m);
        for (int aspect = 0; aspect < 4; ++aspect) {
            for (int zoom = 0; zoom < 2; ++zoom) {
                const legacy::CalculatorState s = legacy::stateAfterPick(m, aspect, zoom, 0, 1);
                const Aspect a = static_cast<Aspect>(aspect);
                const Zoom z = static_cast<Zoom>(zoom);
                ASSERT_EQ(t.kind, s.modelKind) << m.modelName;
                ASSERT_EQ(t.offsets(z), s.offsetCount[zoom]) << m.modelName;
                ASSERT_TRUE(same(t.frontReferenceFor(a), s.frontViewScale)) << m.modelName;
                ASSERT_TRUE(same(t.limits(a, z).largest, s.currentMaxDiagonal)) << m.modelName;
                ASSERT_TRUE(same(t.limits(a, z).smallest, s.currentMinDiagonal)) << m.modelName;
            }
        }
    }
}

TEST(EngineComparison, EveryCaseGivesTheSameResultsMessagesAndDrawings) {
    std::vector<ModelRecord> models = shippedModels();
    for (const ModelRecord& m : randomModels(120))
        models.push_back(m);
    const double values[] = {-10, 0, 1, 29, 30, 37.5, 100, 250, 300, 301, 1000, 1e6, 1e300};
    long cases = 0;
    for (const ModelRecord& m : models) {
        for (int aspect = 0; aspect < 4; ++aspect)
            for (int zoom = 0; zoom < 2; ++zoom)
                for (int position = 0; position < 2; ++position)
                    for (int unit = 0; unit < 3; ++unit)
                        for (int mode = 0; mode < 4; ++mode)
                            for (double value : values)
                                for (bool clamp : {false, true}) {
                                    const Outcome o = oldPath(m, aspect, zoom, unit, position, mode,
                                                              value, clamp);
                                    const Outcome n = newPath(
                                        m, static_cast<Aspect>(aspect), static_cast<Zoom>(zoom),
                                        static_cast<Unit>(unit), static_cast<Mount>(position),
                                        static_cast<Quantity>(mode), value, clamp);
                                    ++cases;
                                    const std::string a = resultText(o);
                                    const std::string b = resultText(n);
                                    bool equal = a == b;
                                    for (int k = 0; k < 6; ++k)
                                        equal = equal && same(o.results[k], n.results[k]);
                                    ASSERT_TRUE(equal)
                                        << m.modelName << " aspect " << aspect << " zoom " << zoom
                                        << " pos " << position << " unit " << unit << " mode "
                                        << mode << " value " << value << " clamp " << clamp
                                        << "\nold:\n"
                                        << a << "new:\n"
                                        << b;
                                }
    }
    std::cout << cases << " cases compared\n";
}

}  // namespace
}  // namespace projcalc
