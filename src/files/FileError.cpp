#include "FileError.h"

#include <cerrno>

namespace lampen {

namespace {

FileErrc codeOf(int err) {
    switch (err) {
    case ENOENT:
        return FileErrc::NotFound;
    case EACCES:
    case EPERM:
        return FileErrc::NoPermission;
    case ENOTDIR:
        return FileErrc::NotAFolder;
    case EISDIR:
        return FileErrc::IsAFolder;
    case ENOSPC:
        return FileErrc::NoSpace;
    case EDQUOT:
        return FileErrc::QuotaExceeded;
    case EROFS:
        return FileErrc::ReadOnlyMedium;
    case EFBIG:
        return FileErrc::FileTooBig;
    case ENAMETOOLONG:
        return FileErrc::NameTooLong;
    case ELOOP:
        return FileErrc::Loop;
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
        return FileErrc::WouldBlock;
    case ENXIO:
    case ENODEV:
        return FileErrc::NoSuchDevice;
    case EBUSY:
    case ETXTBSY:
        return FileErrc::Busy;
    case EMFILE:
    case ENFILE:
        return FileErrc::TooManyOpenFiles;
    case EINVAL:
        return FileErrc::InvalidName;
    case EIO:
        return FileErrc::Io;
    default:
        return FileErrc::OtherSystemError;
    }
}

} // namespace

FileError systemError(int err, std::filesystem::path path) {
    return {codeOf(err), err, std::move(path), 0};
}

} // namespace lampen
