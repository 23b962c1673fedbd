#pragma once

#include <string>

#include "core/calculator.h"
#include "core/view.h"

namespace projcalc {

// The file dialogs' filters of calculation files and catalogues.
inline const FileFilter kCalculationFilter{"CalculateFile (*.cf)", "*.cf"};
inline const FileFilter kCatalogueFilter{"ModelFile (*.ini)", "*.ini"};

// The menu commands that need an answer of the user first: each asks its questions through the
// view, then gives the calculator the answers as data. The caller has entered what is being
// typed. A view whose questions are answered later (a browser's file picker) calls the
// calculator's commands itself once it has the answers.

// Asks "Save changes to NAME?" when there are changes; Save saves as File > Save does. True
// when the caller may go on: no changes, saved, or the user chose to discard them.
bool offerToSaveChanges(Calculator& calculator, View& view);
// File > Open: asks before changes are lost, then for the file, then opens it.
bool askAndOpen(Calculator& calculator, View& view);
// A file handed over by a later start (or named on the command line): asks before changes are
// lost, then opens it.
bool openAfterAsking(Calculator& calculator, View& view, const std::string& path);
// File > Save: to the current file, asking for a name when there is none (or it is gone).
bool askAndSave(Calculator& calculator, View& view);
// File > Save As: always asks for the name.
bool askAndSaveAs(Calculator& calculator, View& view);
// Option > Select model info file...: asks for the catalogue, then whether to replace the models
// of the current one with its models, then replaces it.
bool askAndReplaceCatalogue(Calculator& calculator, View& view);

}  // namespace projcalc
