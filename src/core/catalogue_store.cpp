#include "core/catalogue_store.h"

#include <utility>

#include "util/folder_lock.h"
#include "util/paths.h"
#include "util/text.h"

namespace projcalc {
namespace {

constexpr std::size_t kListedAtMost = 12;

// A message that names the file under its heading and lists the first entries, one a line,
// with how many more there are; nothing when there is nothing to list.
template <typename Entry, typename Describe>
std::optional<Notice> listedNotice(const std::string& heading, const std::string& file,
                                   const std::vector<Entry>& entries, Describe describe,
                                   const InterfaceTexts& texts) {
    if (entries.empty()) return std::nullopt;
    std::string text = replaceAll(heading, "%1", displayPath(file));
    for (std::size_t i = 0; i < entries.size() && i < kListedAtMost; ++i)
        text += "\r\n" + describe(entries[i]);
    if (entries.size() > kListedAtMost) {
        text += "\r\n" + replaceAll(texts.text("msgLeftOutMore"), "%1",
                                    std::to_string(entries.size() - kListedAtMost));
    }
    return Notice::message(std::move(text));
}

// What to tell the user about light values of a catalogue that are not used, or nothing.
std::optional<Notice> unusedLightNotice(const std::string& file,
                                        const std::vector<UnusedLightValue>& unused,
                                        const InterfaceTexts& texts) {
    return listedNotice(
        texts.text("msgUnusedLight"), file, unused,
        [](const UnusedLightValue& value) { return describeUnusedLightValue(value); }, texts);
}

// What to tell the user about catalogue lines left out, or nothing.
std::optional<Notice> leftOutNotice(const std::string& file,
                                    const std::vector<LeftOutLine>& leftOut,
                                    const InterfaceTexts& texts) {
    return listedNotice(
        texts.text("msgLeftOutModels"), file, leftOut,
        [](const LeftOutLine& line) { return describeLeftOutLine(line); }, texts);
}

// Both reports of what a catalogue file left out, lines first.
void addLeftOutNotices(std::vector<Notice>& notices, const std::string& file,
                       const std::vector<LeftOutLine>& leftOut,
                       const std::vector<UnusedLightValue>& unusedLight,
                       const InterfaceTexts& texts) {
    if (auto notice = leftOutNotice(file, leftOut, texts)) notices.push_back(std::move(*notice));
    if (auto notice = unusedLightNotice(file, unusedLight, texts))
        notices.push_back(std::move(*notice));
}

}  // namespace

void CatalogueStore::setDataFolder(const std::string& folder) {
    dataFolder_ = withTrailingBackslash(folder);
}

std::filesystem::path CatalogueStore::dataFile(const char* name) const {
    return std::filesystem::path(dataFolder_ + name);
}

void CatalogueStore::setModels(const std::vector<ModelRecord>& models) {
    models_.clear();
    names_.clear();
    models_.reserve(models.size());
    names_.reserve(models.size());
    for (const ModelRecord& model : models)
        add(traitsOf(model));
}

void CatalogueStore::add(ModelTraits model) {
    names_.push_back(model.record.modelName);
    models_.push_back(std::move(model));
}

// ---- start-up --------------------------------------------------------------------------------

CatalogueOutcome CatalogueStore::loadAtStartUp(bool fallBackToOld, const InterfaceTexts& texts) {
    const auto load = [this](const char* name) {
        CatalogueRead read = loadModelCatalogue(dataFile(name), fileSystem_);
        if (!read.error && read.models.empty()) {
            read.error = makeError(ErrorCode::TableFull, displayPath(dataFile(name).string()) +
                                                             " holds no projector model");
        }
        return read;
    };
    CatalogueOutcome outcome;
    inForce_ = "ModelInfo.ini";
    CatalogueRead read = load("ModelInfo.ini");
    if (read.error && fallBackToOld && fileSystem_.fileExists(dataFile("OLD.ini"))) {
        CatalogueRead old = load("OLD.ini");
        if (!old.error) {
            outcome.notices.push_back(
                Notice::message(replaceAll(replaceAll(texts.text("msgOldCatalogue"), "%1",
                                                      dataFile("ModelInfo.ini").string()),
                                           "%2", dataFile("OLD.ini").string()) +
                                "\r\n\r\n" + read.error->description));
            read = std::move(old);
            inForce_ = "OLD.ini";
        }
    }
    // The models read before an error are listed, as the list was filled while reading.
    setModels(read.models);
    if (read.error) {
        outcome.notices.push_back(Notice::failure(*read.error));
        return outcome;
    }
    addLeftOutNotices(outcome.notices, dataFile(inForce_.c_str()).string(), read.leftOut,
                      read.unusedLight, texts);
    outcome.inForce = true;
    return outcome;
}

// ---- replacing -------------------------------------------------------------------------------

std::variant<CatalogueStore::Candidate, Notice> CatalogueStore::readCandidate(
    const std::string& chosen, const InterfaceTexts& texts) const {
    Candidate candidate;
    auto read = fileSystem_.readFile(chosen);
    if (auto* readError = std::get_if<AppError>(&read)) return Notice::failure(*readError);
    candidate.bytes = std::move(std::get<std::string>(read));
    // The candidate is read and checked in memory, so every message names the chosen file, and
    // the catalogue in force stays until the candidate proves good.
    CatalogueRead checked = parseModelCatalogue(candidate.bytes, chosen);
    if (checked.error) return Notice::failure(*checked.error);
    candidate.models = std::move(checked.models);
    candidate.leftOut = std::move(checked.leftOut);
    candidate.unusedLight = std::move(checked.unusedLight);
    if (candidate.models.empty())
        return Notice::message(replaceAll(texts.invalidModelFileMessage, "%1", chosen));
    return candidate;
}

std::variant<std::string, Notice> CatalogueStore::replacementQuestion(
    const std::string& chosen, const InterfaceTexts& texts) const {
    auto candidate = readCandidate(chosen, texts);
    if (auto* notice = std::get_if<Notice>(&candidate)) return std::move(*notice);
    std::string question = texts.text("msgReplaceCatalogue");
    question = replaceAll(question, "%1", std::to_string(models_.size()));
    question =
        replaceAll(question, "%2", std::to_string(std::get<Candidate>(candidate).models.size()));
    return replaceAll(question, "%3", displayPath(chosen));
}

bool CatalogueStore::hasPrevious() const {
    return inForce_ != "OLD.ini" && fileSystem_.fileExists(dataFile("OLD.ini"));
}

CatalogueOutcome CatalogueStore::restorePrevious(const InterfaceTexts& texts) {
    if (!hasPrevious()) {
        return {false,
                {Notice::message(replaceAll(texts.text("msgNoPreviousCatalogue"), "%1",
                                            dataFile("OLD.ini").string()))}};
    }
    return replace(dataFile("OLD.ini").string(), texts);
}

CatalogueOutcome CatalogueStore::replace(const std::string& chosen, const InterfaceTexts& texts) {
    auto read = readCandidate(chosen, texts);
    if (auto* notice = std::get_if<Notice>(&read)) return {false, {std::move(*notice)}};
    const Candidate& candidate = std::get<Candidate>(read);

    // Installed beside the catalogue in force; where that folder cannot be written (an
    // installed program), in the user's own folder, which the program uses from then on.
    std::string folder = dataFolder_;
    std::optional<AppError> error = install(folder, candidate.bytes);
    const std::string userFolder =
        userDataFolder_.empty() ? std::string() : withTrailingBackslash(userDataFolder_.string());
    if (error && !userFolder.empty() && userFolder != folder) {
        error = fileSystem_.createFolder(userDataFolder_);
        if (!error) {
            folder = userFolder;
            error = install(folder, candidate.bytes);
        }
    }
    if (error) return {false, {Notice::failure(*error)}};
    dataFolder_ = folder;
    inForce_ = "ModelInfo.ini";
    setModels(candidate.models);
    CatalogueOutcome outcome{true, {}};
    addLeftOutNotices(outcome.notices, chosen, candidate.leftOut, candidate.unusedLight, texts);
    return outcome;
}

std::optional<AppError> CatalogueStore::install(const std::string& folder,
                                                const std::string& bytes) const {
    // The whole sequence holds the folder's lock, so that replacements by two copies of the
    // program follow each other instead of mixing their files.
    const Result<FolderLock> lock = fileSystem_.lockFolder(folder);
    if (const auto* error = std::get_if<AppError>(&lock)) return *error;
    // The catalogue in force is kept as OLD.ini (a move to the user's folder takes the language
    // file along), and the candidate becomes ModelInfo.ini last, in one atomic write: the data
    // folder never lacks a ModelInfo.ini, the user's folder holds none until everything is in
    // place, and a failure leaves the catalogue in force as it was. A start on OLD.ini (because
    // ModelInfo.ini could not be used) keeps OLD.ini as it is.
    std::optional<AppError> error;
    const std::filesystem::path inForce = dataFile(inForce_.c_str());
    if (fileSystem_.fileExists(inForce) && (inForce_ != "OLD.ini" || folder != dataFolder_))
        error = fileSystem_.copyFile(inForce, folder + "OLD.ini");
    if (!error && folder != dataFolder_)
        error = fileSystem_.copyFile(dataFile("Language.ini"), folder + "Language.ini");
    if (!error) error = fileSystem_.writeFileAtomic(folder + "ModelInfo.ini", bytes);
    return error;
}

}  // namespace projcalc
