#pragma once
// Why a group file could not be read or written, as a value: a reason code, the errno behind it
// where the system gave one, and the file as the caller named it. Turning it into words is left
// to the place that shows it (FileErrorText.h), so every layer in between can decide on the code.

#include <cstdint>
#include <filesystem>
#include <utility>
#include <variant>

namespace lampen {

enum class FileErrc {
    NotFound,         // ENOENT
    NoPermission,     // EACCES, EPERM
    NotAFolder,       // ENOTDIR: a part of the path is a file
    IsAFolder,        // EISDIR, or the name is a folder
    NotRegularFile,   // a FIFO, socket or device
    NoSpace,          // ENOSPC
    QuotaExceeded,    // EDQUOT
    ReadOnlyMedium,   // EROFS
    FileTooBig,       // EFBIG: over the file size limit of the system or process
    NameTooLong,      // ENAMETOOLONG
    Loop,             // ELOOP: too many symbolic links
    WouldBlock,       // EAGAIN, EWOULDBLOCK: locked or not ready
    NoSuchDevice,     // ENXIO, ENODEV
    Busy,             // EBUSY, ETXTBSY
    TooManyOpenFiles, // EMFILE, ENFILE
    InvalidName,      // EINVAL: a name or value the file system does not take
    Io,               // EIO
    TooManyLines,     // more lines than a group may have; limit holds the bound
    TooLarge,         // more bytes than a group file may have; limit holds the bound
    LineBreakInLine,  // a line to write holds CR or LF; line holds its number
    OtherSystemError, // any other errno
};

struct FileError {
    FileErrc code = FileErrc::OtherSystemError;
    int err = 0; // the errno, 0 when the program itself refused
    std::filesystem::path path;
    // TooLarge: the bound in bytes; TooManyLines: the bound in lines; LineBreakInLine: the line,
    // 1-based
    std::uintmax_t limit = 0;
};

// The error for an errno returned by a system call on the path.
FileError systemError(int err, std::filesystem::path path);
// An error the program decided on, with no errno.
inline FileError fileError(FileErrc code, std::filesystem::path path, std::uintmax_t limit = 0) {
    return {code, 0, std::move(path), limit};
}

// Either the value or the reason why there is none.
template <class T> class FileResult {
public:
    // Implicit, so that a function returns its value or its error as it stands.
    FileResult(T value) : v_(std::move(value)) {}
    FileResult(FileError error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    const FileError& error() const { return std::get<1>(v_); }

private:
    std::variant<T, FileError> v_;
};

// Success without a value.
using FileStatus = FileResult<std::monostate>;
inline FileStatus fileDone() {
    return std::monostate{};
}

} // namespace lampen
