#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace projcalc::app {

// What `projcalc --report OUT.pdf FILE.cf` asks for.
struct ReportCommand {
    std::filesystem::path output;       // OUT.pdf, as the bytes the system passed
    std::filesystem::path file;         // FILE.cf
    std::filesystem::path dataFolder;   // where the catalogue and the language file are read
    std::optional<QString> title;       // --title; else the file's name
    std::optional<QString> preparedBy;  // --prepared-by; else the name the window remembers
};

// Writes the report of a saved calculation as a PDF file without a window (the caller runs on
// the offscreen platform): starts the calculator on the data folder as the window would, opens
// the file as File > Open would, and writes the report on the locale's paper. The date is
// SOURCE_DATE_EPOCH's when that is set (a malformed one is an error), else today's. What the
// window would say goes to standard error; an error ends it with status 1, success with 0.
[[nodiscard]] int writeReportOfFile(const ReportCommand& command);

}  // namespace projcalc::app
