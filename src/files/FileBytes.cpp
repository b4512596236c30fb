#include "FileBytes.h"

#include "FileDescriptor.h"

#include <array>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace lampen {

namespace {

// The reasons a teacher may read on the terminal, in the program's language.
std::string reason(int err) {
    switch (err) {
    case ENOENT:
        return "Datei oder Ordner nicht gefunden";
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case EISDIR:
        return "ist ein Ordner, keine Datei";
    case ENOSPC:
        return "kein Platz mehr auf dem Datenträger";
    case EDQUOT:
        return "Speicherkontingent erschöpft";
    case EROFS:
        return "der Datenträger ist schreibgeschützt";
    case EFBIG:
        return "die Datei würde zu groß";
    case ENAMETOOLONG:
        return "der Name ist zu lang";
    case EEXIST:
        return "die Datei besteht bereits";
    case EIO:
        return "Ein-/Ausgabefehler";
    default:
        return std::generic_category().message(err);
    }
}

std::string sizeText(std::uintmax_t bytes) {
    if (bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + " Bytes";
}

FileBytesResult readFailure(const fs::path& file, const std::string& why) {
    return {false, {}, file.string() + ": " + why};
}

FileWriteResult writeFailure(const fs::path& file, const std::string& why) {
    return {false, file.string() + ": " + why};
}

// Writes all bytes, resuming after short writes and interrupted calls; 0 or the errno.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// A temporary file that removes itself unless it was renamed into place.
class PendingFile {
public:
    PendingFile(fs::path path, FileDescriptor fd) : path_(std::move(path)), fd_(std::move(fd)) {}
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() {
        fd_.close();
        if (!path_.empty())
            ::unlink(path_.c_str());
    }

    const fs::path& path() const { return path_; }
    int fd() const { return fd_.get(); }
    int close() { return fd_.close(); }
    void keep() { path_.clear(); }

private:
    fs::path path_;
    FileDescriptor fd_;
};

// A new, empty file with a random name in the folder, opened for writing. The short, hidden
// name keeps long target names within the file system's name limit and out of file dialogs.
std::unique_ptr<PendingFile> createTemporaryIn(const fs::path& folder, int& err) {
    // Clock and process id are seed enough: O_EXCL settles any collision, and unlike
    // std::random_device this cannot throw.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937_64 bits(static_cast<std::uint64_t>(now) ^ static_cast<std::uint64_t>(::getpid())
                                                               << 48);
    static constexpr std::string_view hex = "0123456789abcdef";
    for (int attempt = 0; attempt < 32; ++attempt) {
        std::string name = ".lmp-";
        std::uint64_t v = bits();
        for (int i = 0; i < 12; ++i, v >>= 4)
            name.push_back(hex[v & 15]);
        name += ".tmp";
        fs::path path = folder / name;
        FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd)
            return std::make_unique<PendingFile>(std::move(path), std::move(fd));
        err = errno;
        if (err != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// Makes the rename itself durable. The new contents are in place already, so a folder that
// cannot be synced (some file systems refuse) is not reported as a failed save.
void syncFolder(const fs::path& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.get());
}

} // namespace

FileBytesResult readFileBytes(const fs::path& file, std::uintmax_t maxBytes) {
    // Non-blocking, so that naming a FIFO cannot hang the program before it is refused below.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd)
        return readFailure(file, reason(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return readFailure(file, reason(errno));
    if (S_ISDIR(st.st_mode))
        return readFailure(file, "ist ein Ordner, keine Datei");
    if (!S_ISREG(st.st_mode))
        return readFailure(file, "ist keine gewöhnliche Datei");
    const std::string tooLarge = "ist größer als " + sizeText(maxBytes);
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return readFailure(file, tooLarge);

    FileBytesResult result;
    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return readFailure(file, reason(errno));
        }
        if (n == 0)
            break;
        // The file may grow while it is read; the bound holds all the same.
        if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return readFailure(file, tooLarge);
        result.bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    result.ok = true;
    return result;
}

FileWriteResult replaceFileBytes(const fs::path& file, std::string_view bytes) {
    std::error_code ec;
    fs::path target = file;
    // Replace the file a link names, not the link.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec)
            return writeFailure(file, reason(ec.value()));
        target = std::move(resolved);
    }

    mode_t keepMode = 0;
    bool existed = false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return writeFailure(file, "ist ein Ordner, keine Datei");
        if (!S_ISREG(st.st_mode))
            return writeFailure(file, "ist keine gewöhnliche Datei");
        // The rename below would replace a write-protected file; refuse, as writing into it
        // would.
        if (::access(target.c_str(), W_OK) != 0)
            return writeFailure(file, reason(errno));
        existed = true;
        keepMode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return writeFailure(file, reason(errno));
    }

    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    int err = 0;
    std::unique_ptr<PendingFile> temp = createTemporaryIn(folder, err);
    if (!temp)
        return writeFailure(file, "in " + folder.string() + " kann keine Datei angelegt werden: " +
                                      reason(err ? err : EEXIST));
    if (existed && ::fchmod(temp->fd(), keepMode) != 0)
        return writeFailure(file, reason(errno));
    if (const int e = writeAll(temp->fd(), bytes))
        return writeFailure(file, reason(e));
    if (::fsync(temp->fd()) != 0)
        return writeFailure(file, reason(errno));
    if (const int e = temp->close())
        return writeFailure(file, reason(e));
    if (::rename(temp->path().c_str(), target.c_str()) != 0)
        return writeFailure(file, reason(errno));
    temp->keep();
    syncFolder(folder);
    return {true, {}};
}

} // namespace lampen
