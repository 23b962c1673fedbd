#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

namespace projcalc {

// The error numbers the program reports in its "Err : " messages. The numbers are the ones users
// of the earlier releases know from their messages, so they stay as they are.
enum class ErrorCode : int {
    InvalidArgument = 5,
    Overflow = 6,
    TableFull = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIo = 57,
    DiskFull = 61,
    InputPastEnd = 62,
    PermissionDenied = 70,
    PathFileAccess = 75,
};

// One reported failure: its number and a description that says what it concerns.
struct AppError {
    ErrorCode code = ErrorCode::InvalidArgument;
    std::string description;

    // The number users see in the message ("Err : 53").
    [[nodiscard]] int number() const noexcept { return static_cast<int>(code); }

    friend bool operator==(const AppError&, const AppError&) = default;
};

// What a step that can fail gives back: its value or the error that stopped it.
template <typename T>
using Result = std::variant<T, AppError>;

// The short name of an error number ("Overflow", "File not found", ...).
[[nodiscard]] std::string_view errorTitle(ErrorCode code) noexcept;

// An error whose description is the error's short name, ": " and what it concerns.
[[nodiscard]] AppError makeError(ErrorCode code, std::string_view detail);

// An error whose description says first, in words, what is wrong, then in parentheses the
// error's short name and where it happened: "This is not a complete calculation file: it ends
// after 21 of its 76 values. (Input past end of file: /plans/hall.cf)".
[[nodiscard]] AppError describedError(ErrorCode code, std::string_view words,
                                      std::string_view where);

// The error for a failed file operation, chosen by the system's error code and said first in
// words ("The disk is full."), then with the error's short name and the detail. A very long detail
// is shortened in the middle and its control characters shown as "?" (shortenForMessage).
[[nodiscard]] AppError fileError(const std::error_code& ec, std::string_view detail);

// The message text shown for an error: "Err : " + number + CR LF + description.
[[nodiscard]] std::string errorMessageText(const AppError& error);

}  // namespace projcalc
