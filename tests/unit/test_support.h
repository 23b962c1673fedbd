#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "calc/model_traits.h"
#include "calc/options.h"
#include "models/model_record.h"

namespace projcalc {

// A folder of its own for one test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("projcalc-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

    std::filesystem::path write(const std::string& name, std::string_view contents) const {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out << contents;
        return file;
    }

    [[nodiscard]] std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::filesystem::path path_;
};

// A well-formed model: throw ratio about 1.5 at WIDE and 2.0 at TELE, limits 30 to 300 inches
// for every aspect group, two offsets, a 4:3 panel, every aspect offered.
// The header line of the small catalogues the model reader's tests write.
inline const std::string kShortCatalogueHeader =
    "Name,min43W,max43W,min43T,max43T,slopeW,icptW,slopeT,icptT\n";

inline ModelRecord sampleModel(const std::string& name = "Sample 100") {
    ModelRecord m;
    m.modelName = name;
    m.limits = {30, 300, 30, 300, 30, 300, 30, 300, 30, 300, 30, 300};
    m.wideSizeSlope = 0.8333;
    m.wideSizeIntercept = 1.0;
    m.teleSizeSlope = 0.625;
    m.teleSizeIntercept = -0.5;
    m.wideOffsetCoefficientA = 0.5;
    m.teleOffsetCoefficientA = 0.55;
    m.wideOffsetCoefficientB = 0.1;
    m.teleOffsetCoefficientB = 0.12;
    m.panelAspect = 0;
    m.aspectMask = 15;
    return m;
}

// A model with the choices of a test: what the pure engine functions take.
struct Choices {
    ModelTraits model;
    Options options;
    Unit unit = Unit::Inches;
};

// The traits of a model and the given aspect, zoom end, unit and mounting.
inline Choices choicesWith(const ModelRecord& model, Aspect aspect = Aspect::R4x3,
                           Zoom zoom = Zoom::Wide, Unit unit = Unit::Inches,
                           Mount mount = Mount::Bottom) {
    return {traitsOf(model), {aspect, zoom, mount}, unit};
}

}  // namespace projcalc
