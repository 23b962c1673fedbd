#include "files/calculation_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "util/numbers.h"
#include "util/text.h"
#include "util/text_decoding.h"

namespace projcalc {
namespace {

// Catalogue columns of the ratio flags and values, in the order the file holds them: the WIDE
// entries, then the TELE and TELE-top entries interleaved.
constexpr std::array<int, 6> kWideRatioColumns = {25, 26, 31, 32, 37, 38};
constexpr std::array<int, 12> kTeleRatioColumns = {27, 29, 28, 30, 33, 35, 34, 36, 39, 41, 40, 42};

// The choices as the file stores them: index codes, and the aspect as its ratio and sides.
struct StoredChoices {
    int zoom = 0;
    int mount = 0;
    double aspectRatio = 0.0;
    double aspectHeight = 0.0;
    double aspectWidth = 0.0;
    int unit = 0;
};

// The file lines of the stored choices, for the messages about them.
constexpr int kZoomLine = 62;
constexpr int kMountLine = 63;
constexpr int kUnitLine = 67;

StoredChoices storedChoicesOf(const CalculationFile& f) {
    const AspectShape shape = shapeOf(f.aspect);
    return StoredChoices{indexOf(f.zoom), indexOf(f.mount), shape.width / shape.height,
                         shape.height,    shape.width,      indexOf(f.unit)};
}

// The aspect of a stored pair of sides; any pair but 4:3, 16:9 and 16:10 is 5:4.
Aspect aspectOf(double height, double width) noexcept {
    if (height == 3 && width == 4) return Aspect::R4x3;
    if (height == 9 && width == 16) return Aspect::R16x9;
    if (height == 10 && width == 16) return Aspect::R16x10;
    return Aspect::R5x4;
}

// Walks the 76 values in file order. Reader and writer share it, so the order is written once.
template <typename Visitor>
void visitValues(CalculationFile& f, StoredChoices& choices, Visitor& v) {
    ModelRecord& m = f.model;
    v.text(m.modelName);
    for (int column = 1; column <= 12; ++column)
        v.real(*realColumn(m, column));
    v.whole32(m.panelAspect);
    v.whole32(m.aspectMask);
    for (int column = 15; column <= 24; ++column)
        v.real(*realColumn(m, column));
    for (int column : kWideRatioColumns)
        v.flag(ratioColumn(m, column)->present);
    for (int column : kWideRatioColumns)
        v.real(ratioColumn(m, column)->value);
    for (int column : kTeleRatioColumns)
        v.flag(ratioColumn(m, column)->present);
    for (int column : kTeleRatioColumns)
        v.real(ratioColumn(m, column)->value);
    v.whole16(choices.zoom);
    v.whole16(choices.mount);
    v.real(choices.aspectRatio);
    v.real(choices.aspectHeight);
    v.real(choices.aspectWidth);
    v.whole16(choices.unit);
    v.real(f.screenWidth);
    v.real(f.screenHeight);
    v.real(f.screenDiagonal);
    v.real(f.projectionDistance);
    v.real(f.offsetA);
    v.real(f.offsetB);
    v.whole16(f.offsetCountWide);
    v.whole16(f.offsetCountTele);
    v.real(f.frontViewScale);
}

class Writer {
  public:
    std::string out;
    int lines = 0;
    int firstNonFiniteLine = 0;  // the reader refuses inf and nan, so they are never written

    void text(const std::string& value) { line('"' + value + '"'); }
    void flag(bool value) { line(value ? "#TRUE#" : "#FALSE#"); }
    void whole16(int value) { line(std::to_string(value)); }
    void whole32(std::int32_t value) { line(std::to_string(value)); }
    void real(double value) {
        if (!std::isfinite(value) && firstNonFiniteLine == 0) firstNonFiniteLine = lines + 1;
        line(formatShortest(value));
    }

  private:
    void line(const std::string& value) {
        out += value;
        out += "\r\n";
        ++lines;
    }
};

// One value of the file and the line it starts on.
struct Item {
    std::string_view text;
    bool quoted = false;
    std::size_t line = 0;
};

// Splits the text into items at commas and line ends; a quoted item runs to its closing quote.
class Items {
  public:
    explicit Items(std::string_view text) : text_(text) {}

    // The text after the last item taken.
    [[nodiscard]] std::string_view rest() const noexcept { return text_.substr(at_); }

    // The next item; false at the end of the text.
    bool next(Item& item) {
        skip(" \t");
        // Line ends between items separate them like commas.
        while (at_ < text_.size() && (text_[at_] == '\r' || text_[at_] == '\n')) {
            if (text_[at_] == '\n') ++line_;
            ++at_;
            skip(" \t");
        }
        if (at_ >= text_.size()) return false;
        item = Item{};
        item.line = line_;
        const std::size_t start = at_;
        if (text_[at_] == '"') {
            // A text runs to its closing quote on the same line and must end the item there.
            const std::size_t close = text_.find_first_of("\"\r\n", at_ + 1);
            if (close != std::string_view::npos && text_[close] == '"') {
                at_ = close + 1;
                skip(" \t");
                if (at_ >= text_.size() ||
                    std::string_view(",\r\n").find(text_[at_]) != std::string_view::npos) {
                    item.text = text_.substr(start + 1, close - start - 1);
                    item.quoted = true;
                    if (at_ < text_.size() && text_[at_] == ',') ++at_;
                    return true;
                }
            }
            at_ = start;  // not a proper text: the whole item is read as it stands
        }
        const std::size_t end = text_.find_first_of(",\r\n", at_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        item.text = trimSpace(text_.substr(at_, stop - at_));
        at_ = stop;
        if (at_ < text_.size() && text_[at_] == ',') ++at_;
        return true;
    }

  private:
    static std::string_view trimSpace(std::string_view s) {
        const auto first = s.find_first_not_of(" \t");
        if (first == std::string_view::npos) return {};
        return s.substr(first, s.find_last_not_of(" \t") - first + 1);
    }
    void skip(const char* characters) {
        while (at_ < text_.size() &&
               std::string_view(characters).find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

// Whether the decoded text holds control characters that no text file holds (line ends, tabs,
// form feeds and a DOS end-of-file mark aside).
bool holdsBinaryData(std::string_view text) noexcept {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\x1A') ||
            byte == 0x7F) {
            return true;
        }
    }
    return false;
}

class Reader {
  public:
    Reader(std::string_view text, const std::string& fileName) : items_(text), file_(fileName) {}

    std::optional<AppError> error;

    [[nodiscard]] std::string_view rest() const noexcept { return items_.rest(); }

    void text(std::string& value) {
        Item item;
        if (!take(item)) return;
        if (!item.quoted) return mismatch(item, "a text in double quotes");
        value = std::string(item.text);
    }
    void flag(bool& value) {
        Item item;
        if (!take(item)) return;
        if (!item.quoted && item.text == "#TRUE#") {
            value = true;
        } else if (!item.quoted && item.text == "#FALSE#") {
            value = false;
        } else {
            mismatch(item, "#TRUE# or #FALSE#");
        }
    }
    void whole16(int& value) {
        std::int64_t number = 0;
        if (whole(number, std::numeric_limits<std::int16_t>::min(),
                  std::numeric_limits<std::int16_t>::max(),
                  "a whole number from -32768 to 32767")) {
            value = static_cast<int>(number);
        }
    }
    void whole32(std::int32_t& value) {
        std::int64_t number = 0;
        if (whole(number, std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max(), "a 32-bit whole number")) {
            value = static_cast<std::int32_t>(number);
        }
    }
    void real(double& value) {
        Item item;
        if (!take(item)) return;
        if (item.quoted) return mismatch(item, "a number");
        const DecimalValue number = readDecimal(item.text);
        if (number.status == DecimalStatus::TooLarge) {
            error = describedError(ErrorCode::Overflow,
                                   "A number in this calculation file is too large: " +
                                       valueName(item) + " is " + shortText(item) + ".",
                                   file_);
            return;
        }
        if (number.status != DecimalStatus::Read) return mismatch(item, "a number");
        value = number.value;
    }

  private:
    bool take(Item& item) {
        if (error) return false;
        ++count_;
        if (items_.next(item)) return true;
        error = describedError(ErrorCode::InputPastEnd,
                               "This is not a complete calculation file: it ends after " +
                                   std::to_string(count_ - 1) + " of its " +
                                   std::to_string(kCalculationFileValues) + " values.",
                               file_);
        return false;
    }
    bool whole(std::int64_t& number, std::int64_t low, std::int64_t high, const char* expected) {
        Item item;
        if (!take(item)) return false;
        const std::string_view digits =
            !item.text.empty() && item.text.front() == '+' ? item.text.substr(1) : item.text;
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (item.quoted || digits.empty() || result.ec != std::errc() ||
            result.ptr != digits.data() + digits.size() || number < low || number > high) {
            mismatch(item, expected);
            return false;
        }
        return true;
    }
    [[nodiscard]] std::string valueName(const Item& item) const {
        return "value " + std::to_string(count_) + " (line " + std::to_string(item.line) + ")";
    }
    // What the file holds there, escaped and cut short: a binary file shows no garbage.
    static std::string shortText(const Item& item) { return quoteForMessage(item.text); }
    void mismatch(const Item& item, const char* expected) {
        error =
            describedError(ErrorCode::TypeMismatch,
                           "This is not a calculation file, or a damaged one: " + valueName(item) +
                               " should be " + expected + ", but it is " + shortText(item) + ".",
                           file_);
    }

    Items items_;
    std::string file_;
    int count_ = 0;
};

// The typed choices of the stored codes, or the error naming the line of the first code that
// names no choice.
std::optional<AppError> decodeChoices(const StoredChoices& stored, CalculationFile& f,
                                      const std::string& fileName) {
    const auto outOfRange = [&](int line, const std::string& what) {
        return makeError(ErrorCode::TypeMismatch,
                         fileName + ", line " + std::to_string(line) + ": " + what);
    };
    const auto zoom = choiceAt<Zoom>(stored.zoom);
    if (!zoom) {
        return outOfRange(kZoomLine, "the zoom end " + std::to_string(stored.zoom) +
                                         " is not 0 (WIDE) or 1 (TELE)");
    }
    const auto mount = choiceAt<Mount>(stored.mount);
    if (!mount) {
        return outOfRange(kMountLine, "the position " + std::to_string(stored.mount) +
                                          " is not 0 (top) or 1 (bottom)");
    }
    const auto unit = choiceAt<Unit>(stored.unit);
    if (!unit) {
        return outOfRange(kUnitLine,
                          "the unit " + std::to_string(stored.unit) + " is not 0, 1 or 2");
    }
    f.zoom = *zoom;
    f.mount = *mount;
    f.unit = *unit;
    f.aspect = aspectOf(stored.aspectHeight, stored.aspectWidth);
    return std::nullopt;
}

}  // namespace

std::variant<std::string, AppError> writeCalculationFile(const CalculationFile& file,
                                                         const std::string& fileName) {
    if (file.model.modelName.find_first_of("\"\r\n") != std::string::npos) {
        return describedError(ErrorCode::BadFileName,
                              "The calculation cannot be saved: the model's name " +
                                  quoteForMessage(file.model.modelName) +
                                  " holds a double quote or a line break, which the file "
                                  "cannot hold.",
                              fileName);
    }
    CalculationFile copy = file;
    StoredChoices choices = storedChoicesOf(file);
    Writer writer;
    visitValues(copy, choices, writer);
    if (writer.firstNonFiniteLine != 0) {
        return describedError(ErrorCode::Overflow,
                              "The calculation cannot be saved: the value of line " +
                                  std::to_string(writer.firstNonFiniteLine) +
                                  " is not a finite number.",
                              fileName);
    }
    return std::move(writer.out) +
           writeCalculationTail(file.tail, file.model.lumens, file.model.teleLumens);
}

std::variant<CalculationFile, AppError> parseCalculationFile(std::string_view bytes,
                                                             const std::string& fileName) {
    const std::string text = decodeText(bytes);
    CalculationFile file;
    StoredChoices choices;
    Reader reader(text, fileName);
    visitValues(file, choices, reader);
    if (reader.error) {
        // A file of another kind (a picture, a program) is named so, not quoted.
        if (holdsBinaryData(text)) {
            return describedError(ErrorCode::TypeMismatch,
                                  "This is not a calculation file: it holds binary data, not "
                                  "text.",
                                  fileName);
        }
        return *reader.error;
    }
    if (auto error = decodeChoices(choices, file, fileName)) return *error;
    const ReadTail tail = readCalculationTail(reader.rest());
    file.tail = tail.tail;
    file.model.lumens = tail.lumens;
    file.model.teleLumens = tail.teleLumens;
    return file;
}

std::optional<AppError> checkAspectOffered(const ModelRecord& model, Aspect aspect,
                                           const std::string& fileName) {
    const std::int32_t offered = model.aspectMask & 15;
    if (offered == 0 || (offered & maskBitOf(aspect)) != 0) return std::nullopt;
    return makeError(ErrorCode::InvalidArgument, fileName + ", lines 65 and 66: the model \"" +
                                                     model.modelName +
                                                     "\" does not offer the aspect ratio " +
                                                     std::string(nameOf(aspect).caption));
}

}  // namespace projcalc
