#include "util/errors.h"

#include <cerrno>
#include <string>

#include "util/text.h"

namespace projcalc {

std::string_view errorTitle(ErrorCode code) noexcept {
    switch (code) {
        case ErrorCode::InvalidArgument:
            return "Invalid procedure call or argument";
        case ErrorCode::Overflow:
            return "Overflow";
        case ErrorCode::TableFull:
            return "Subscript out of range";
        case ErrorCode::DivisionByZero:
            return "Division by zero";
        case ErrorCode::TypeMismatch:
            return "Type mismatch";
        case ErrorCode::BadFileName:
            return "Bad file name or number";
        case ErrorCode::FileNotFound:
            return "File not found";
        case ErrorCode::DeviceIo:
            return "Device I/O error";
        case ErrorCode::DiskFull:
            return "Disk full";
        case ErrorCode::InputPastEnd:
            return "Input past end of file";
        case ErrorCode::PermissionDenied:
            return "Permission denied";
        case ErrorCode::PathFileAccess:
            return "Path/File access error";
    }
    return "Error";
}

AppError makeError(ErrorCode code, std::string_view detail) {
    std::string description(errorTitle(code));
    if (!detail.empty()) {
        description += ": ";
        description += detail;
    }
    return AppError{code, std::move(description)};
}

AppError describedError(ErrorCode code, std::string_view words, std::string_view where) {
    std::string description(words);
    description += " (";
    description += errorTitle(code);
    if (!where.empty()) {
        description += ": ";
        description += where;
    }
    description += ")";
    return AppError{code, std::move(description)};
}

namespace {

// What went wrong with a file, in words, by the error chosen for it.
std::string_view fileProblemInWords(ErrorCode code) noexcept {
    switch (code) {
        case ErrorCode::FileNotFound:
            return "There is no such file or folder.";
        case ErrorCode::PermissionDenied:
            return "The program is not allowed to use this file or folder.";
        case ErrorCode::DiskFull:
            return "The disk is full: the file could not be written.";
        case ErrorCode::DeviceIo:
            return "The disk could not be read or written.";
        case ErrorCode::BadFileName:
            return "This file name cannot be used.";
        default:
            return "The file or folder could not be used.";
    }
}

// Two shortened paths and the words around them fit.
constexpr std::size_t kMaxFileErrorDetail = 320;

}  // namespace

AppError fileError(const std::error_code& ec, std::string_view detail) {
    ErrorCode code = ErrorCode::PathFileAccess;
    if (ec.category() == std::generic_category() || ec.category() == std::system_category()) {
        switch (ec.value()) {
            case ENOENT:
                code = ErrorCode::FileNotFound;
                break;
            case EACCES:
            case EPERM:
            case EROFS:
                code = ErrorCode::PermissionDenied;
                break;
            case ENOSPC:
            case EFBIG:
#ifdef EDQUOT
            case EDQUOT:
#endif
                code = ErrorCode::DiskFull;
                break;
            case EIO:
                code = ErrorCode::DeviceIo;
                break;
            case ENAMETOOLONG:
            case EINVAL:
                code = ErrorCode::BadFileName;
                break;
            default:
                code = ErrorCode::PathFileAccess;
                break;
        }
    }
    // The detail names files, whose paths may come from anywhere: a message must stay readable.
    std::string text = shortenForMessage(detail, kMaxFileErrorDetail);
    if (ec && code != ErrorCode::FileNotFound) {
        text += " (" + ec.message() + ")";
    }
    return describedError(code, fileProblemInWords(code), text);
}

std::string errorMessageText(const AppError& error) {
    return "Err : " + std::to_string(error.number()) + "\r\n" + error.description;
}

}  // namespace projcalc
