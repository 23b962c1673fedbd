#include "files/throw_table_csv.h"

#include <array>

#include "calc/units.h"
#include "util/numbers.h"

namespace projcalc {
namespace {

std::string length(double inches, Unit unit) {
    return formatFixed(fromInches(inches, unit), 2);
}

// Foot-lamberts with one decimal; empty without a figure.
std::string light(const std::optional<double>& footLamberts) {
    return footLamberts ? formatFixed(*footLamberts, 1) : std::string();
}

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string throwTableCsv(const std::vector<ThrowRow>& rows, Unit unit, std::string_view model,
                          Aspect aspect) {
    const std::string u = " (" + std::string(unitSign(unit)) + ")";
    const std::string name(model);
    const std::string shape(nameOf(aspect).caption);
    const std::array<std::string, 15> header = {"Model",
                                                "Aspect",
                                                "Diagonal" + u,
                                                "Width" + u,
                                                "Height" + u,
                                                "WIDE distance" + u,
                                                "TELE distance" + u,
                                                "WIDE offset A" + u,
                                                "WIDE offset B" + u,
                                                "TELE offset A" + u,
                                                "TELE offset B" + u,
                                                "WIDE within limits",
                                                "TELE within limits",
                                                "WIDE fL",
                                                "TELE fL"};
    std::string csv;
    const auto line = [&csv](const auto& fields) {
        bool first = true;
        for (const std::string& field : fields) {
            if (!first) csv += ',';
            csv += csvField(field);
            first = false;
        }
        csv += "\r\n";
    };
    line(header);
    for (const ThrowRow& row : rows) {
        const auto& wide = row.ends[0];
        const auto& tele = row.ends[1];
        const auto of = [&](const std::optional<EndResult>& end, double Solution::*field) {
            return end ? length(end->solution.*field, unit) : std::string();
        };
        const auto within = [](const std::optional<EndResult>& end) {
            return end ? std::string(end->withinLimits ? "yes" : "no") : std::string();
        };
        line(std::array<std::string, 15>{
            name, shape, length(row.diagonal, unit), length(row.width, unit),
            length(row.height, unit), of(wide, &Solution::distance), of(tele, &Solution::distance),
            of(wide, &Solution::offsetA), of(wide, &Solution::offsetB),
            of(tele, &Solution::offsetA), of(tele, &Solution::offsetB), within(wide), within(tele),
            light(row.footLamberts[0]), light(row.footLamberts[1])});
    }
    return csv;
}

}  // namespace projcalc
