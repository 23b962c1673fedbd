// Questions about the whole catalogue or a whole model: which models fit a room, and a model's
// throw table.
#include "core/calculator.h"
#include "files/throw_table_csv.h"

namespace projcalc {

std::vector<FittingModel> Calculator::findModels(double diagonal, Aspect aspect, Room room,
                                                 double minimumFootLamberts) const {
    return modelsThatFit(catalogue_.models(), aspect, calc_.options.mount, diagonal, room,
                         FinderLight{calc_.light, minimumFootLamberts});
}

std::vector<ThrowRow> Calculator::throwTableOf(const std::vector<double>& diagonals) const {
    return throwTable(calc_.traits, calc_.options.aspect, calc_.options.mount, diagonals,
                      calc_.light);
}

std::vector<ThrowRow> Calculator::throwTableByLimits(double step) const {
    return throwTableOf(limitDiagonals(calc_.traits, calc_.options.aspect, step));
}

bool Calculator::exportThrowTableCsv(const std::string& path, double step) {
    if (auto error = fileSystem_.writeFileAtomic(
            path, throwTableCsv(throwTableByLimits(step), calc_.unit, calc_.traits.record.modelName,
                                calc_.options.aspect))) {
        report(*error);
        return false;
    }
    return true;
}

bool Calculator::writeExport(const std::string& path, std::string_view bytes) {
    if (auto error = fileSystem_.writeFileAtomic(path, bytes)) {
        report(*error);
        return false;
    }
    return true;
}

}  // namespace projcalc
