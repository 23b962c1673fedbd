#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/model_traits.h"
#include "core/screen.h"
#include "i18n/language.h"
#include "models/model_catalogue.h"
#include "util/file_system.h"

namespace projcalc {

// What a catalogue operation did: whether a catalogue came into force, and what to tell the user
// about it, in order (the models and light values a file left out, or why nothing changed).
struct CatalogueOutcome {
    bool inForce = false;
    std::vector<Notice> notices;
};

// The model catalogue in force and the data folder it lives in. It loads the catalogue at
// start-up (falling back to the previous one, OLD.ini, where allowed), replaces it with a chosen
// file under the folder's lock (the replaced one kept as OLD.ini), and puts the previous one
// back. It shows nothing itself: what to tell the user comes back as notices, in the interface
// texts passed in (the language may change between calls).
class CatalogueStore {
  public:
    explicit CatalogueStore(FileSystem& fileSystem) noexcept : fileSystem_(fileSystem) {}

    // The folder ModelInfo.ini and Language.ini are read from; one trailing separator is added.
    void setDataFolder(const std::string& folder);
    [[nodiscard]] const std::string& dataFolder() const noexcept { return dataFolder_; }
    [[nodiscard]] std::filesystem::path dataFile(const char* name) const;
    // Where a replacement is installed when the data folder cannot be written.
    void setUserDataFolder(std::filesystem::path folder) { userDataFolder_ = std::move(folder); }

    // Loads ModelInfo.ini, or OLD.ini (saying so) when ModelInfo.ini cannot be used, OLD.ini can
    // and `fallBackToOld` allows. A catalogue without a model cannot be used. The models read
    // before an error are listed all the same, but nothing is in force.
    [[nodiscard]] CatalogueOutcome loadAtStartUp(bool fallBackToOld, const InterfaceTexts& texts);

    // The question before a replacement, or what is wrong with the chosen file.
    [[nodiscard]] std::variant<std::string, Notice> replacementQuestion(
        const std::string& chosen, const InterfaceTexts& texts) const;
    // Puts a chosen file in force once it proves to hold a model; where the data folder cannot be
    // written, in the user's folder, which is the data folder from then on.
    [[nodiscard]] CatalogueOutcome replace(const std::string& chosen, const InterfaceTexts& texts);
    // Puts OLD.ini back in force the way replace does, the replaced catalogue becoming OLD.ini.
    [[nodiscard]] CatalogueOutcome restorePrevious(const InterfaceTexts& texts);
    // Whether there is an OLD.ini that is not the catalogue in force.
    [[nodiscard]] bool hasPrevious() const;

    // The models in catalogue order and their names, as the model list shows them.
    [[nodiscard]] const std::vector<ModelTraits>& models() const noexcept { return models_; }
    [[nodiscard]] const std::vector<std::string>& names() const noexcept { return names_; }
    // Adds a model to the end of the list (one a calculation file brings along).
    void add(ModelTraits model);

  private:
    // A catalogue file read and checked in memory, before it is installed.
    struct Candidate {
        std::string bytes;
        std::vector<ModelRecord> models;
        std::vector<LeftOutLine> leftOut;
        std::vector<UnusedLightValue> unusedLight;
    };
    [[nodiscard]] std::variant<Candidate, Notice> readCandidate(const std::string& chosen,
                                                                const InterfaceTexts& texts) const;
    // Installs checked catalogue bytes as ModelInfo.ini in a folder, keeping the catalogue in
    // force as OLD.ini there (and the language file, in a folder other than the data folder),
    // under the folder's lock.
    [[nodiscard]] std::optional<AppError> install(const std::string& folder,
                                                  const std::string& bytes) const;
    void setModels(const std::vector<ModelRecord>& models);

    FileSystem& fileSystem_;
    std::string dataFolder_;
    std::string inForce_ = "ModelInfo.ini";  // the data folder's catalogue in force
    std::filesystem::path userDataFolder_;
    std::vector<ModelTraits> models_;
    std::vector<std::string> names_;
};

}  // namespace projcalc
