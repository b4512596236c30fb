#include "FileBytes.h"

#include "FileDescriptor.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace lampen {

namespace {

// Only a regular file is read: opening a FIFO waits for a writer or steals its data, opening a
// device can act on it (a tape rewinds, a terminal becomes the controlling one).
FileStatus checkRegular(const struct stat& st, const fs::path& file) {
    if (S_ISDIR(st.st_mode))
        return fileError(FileErrc::IsAFolder, file);
    if (!S_ISREG(st.st_mode))
        return fileError(FileErrc::NotRegularFile, file);
    return fileDone();
}

} // namespace

FileResult<std::string> readFileBytes(const fs::path& file, std::uintmax_t maxBytes) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return systemError(errno, file);
    if (FileStatus regular = checkRegular(st, file); !regular)
        return regular.error();
    // The name may have been swapped for something else since: non-blocking and without
    // becoming a controlling terminal, the open cannot hang or act, and the check is repeated.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd)
        return systemError(errno, file);
    if (::fstat(fd.get(), &st) != 0)
        return systemError(errno, file);
    if (FileStatus regular = checkRegular(st, file); !regular)
        return regular.error();
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return fileError(FileErrc::TooLarge, file, maxBytes);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemError(errno, file);
        }
        if (n == 0)
            break;
        // The file may grow while it is read; the bound holds all the same.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return fileError(FileErrc::TooLarge, file, maxBytes);
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return bytes;
}

} // namespace lampen
