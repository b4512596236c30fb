// Replacing a file's bytes: through a temporary file and a rename where that keeps the file what
// it was, otherwise in place. See FileBytes.h.

#include "FileBytes.h"

#include "FileDescriptor.h"

#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace fs = std::filesystem;

namespace lampen {

namespace {

constexpr int kMaxLinkHops = 40; // as the kernel counts before ELOOP

// The file a chain of symbolic links ends in, which need not exist yet: saving through a link
// to a missing file creates that file and keeps the link.
FileResult<fs::path> finalTarget(const fs::path& file) {
    fs::path at = file;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0)
            return errno == ENOENT ? FileResult<fs::path>(at) : systemError(errno, file);
        if (!S_ISLNK(st.st_mode))
            return at;
        std::error_code ec;
        fs::path next = fs::read_symlink(at, ec);
        if (ec)
            return systemError(ec.value(), file);
        at = next.is_absolute() ? std::move(next) : at.parent_path() / next;
    }
    return systemError(ELOOP, file);
}

// Writes all bytes from the offset on, resuming after short writes; 0 or the errno.
int writeAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return 0;
}

// Short, hidden names: they keep long target names within the name limit and stay out of file
// dialogs. Clock and process id are seed enough, since creating and linking settle collisions.
class TempNames {
public:
    TempNames()
        : bits_(static_cast<std::uint64_t>(
                    std::chrono::steady_clock::now().time_since_epoch().count()) ^
                static_cast<std::uint64_t>(::getpid()) << 48) {}
    fs::path next(const fs::path& folder) {
        static constexpr std::string_view hex = "0123456789abcdef";
        std::string name = ".lmp-";
        std::uint64_t v = bits_();
        for (int i = 0; i < 12; ++i, v >>= 4)
            name.push_back(hex[v & 15]);
        return folder / (name + ".tmp");
    }

private:
    std::mt19937_64 bits_;
};

constexpr int kNameAttempts = 32;

// A new file in the target's folder that is gone again unless it was renamed into place. An
// unnamed one (O_TMPFILE) has no name at all until its data is complete and synced.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        fd_.close();
        if (!name_.empty())
            ::unlink(name_.c_str());
    }

    // 0 or the errno of the failed creation.
    int create(const fs::path& folder, bool unnamed) {
        if (unnamed) {
            fd_ = FileDescriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
            return fd_ ? 0 : errno;
        }
        int err = EEXIST;
        for (int attempt = 0; attempt < kNameAttempts && err == EEXIST; ++attempt) {
            fs::path name = names_.next(folder);
            fd_ = FileDescriptor(
                ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
            if (fd_) {
                name_ = std::move(name);
                return 0;
            }
            err = errno;
        }
        return err;
    }

    int fd() const { return fd_.get(); }

    // Gives the complete file a name beside the target; 0 or the errno. Only an unnamed file
    // needs it; linkat cannot replace a name, so the rename below does that.
    int link(const fs::path& folder) {
        if (!name_.empty())
            return 0;
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        int err = EEXIST;
        for (int attempt = 0; attempt < kNameAttempts && err == EEXIST; ++attempt) {
            fs::path name = names_.next(folder);
            int rc = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
            if (rc != 0 && errno == ENOENT) // no /proc: by the descriptor, where that is allowed
                rc = ::linkat(fd_.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
            if (rc == 0) {
                name_ = std::move(name);
                return 0;
            }
            err = errno;
        }
        return err;
    }

    // Closes, then renames over the target; 0 or the errno.
    int renameOver(const fs::path& target) {
        if (const int err = fd_.close())
            return err;
        if (::rename(name_.c_str(), target.c_str()) != 0)
            return errno;
        name_.clear();
        return 0;
    }

private:
    FileDescriptor fd_;
    fs::path name_;
    TempNames names_;
};

// Makes the rename itself durable. The new contents are in place already, so a folder that
// cannot be synced (some file systems refuse) is not reported as a failed save.
void syncFolder(const fs::path& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.get());
}

// The temporary file becomes the old file: same owner, group and mode. 0 or the errno; EPERM
// means this user cannot give it the old owner or group.
int takeOver(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return errno;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return errno;
    // After fchown, which clears set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// What saving through a temporary file came to, when it did not finish: go on in place (the
// rename would change the file) or with a named temporary file (an unnamed one cannot be
// linked here).
enum class Detour { InPlace, Named };
using Attempt = std::variant<FileStatus, Detour>;

bool refusedByFolderOrOwner(int err) {
    return err == EACCES || err == EPERM;
}

Attempt saveThroughTemp(const fs::path& file, const fs::path& target, const struct stat* old,
                        std::string_view bytes, bool unnamed) {
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    TempFile temp;
    if (const int err = temp.create(folder, unnamed)) {
        if (unnamed) // not supported here, or the folder refuses; the named file tells which
            return Detour::Named;
        if (old != nullptr && refusedByFolderOrOwner(err))
            return Detour::InPlace;
        return systemError(err, file);
    }
    if (old != nullptr)
        if (const int err = takeOver(temp.fd(), *old))
            return refusedByFolderOrOwner(err) ? Attempt(Detour::InPlace) : systemError(err, file);
    if (const int err = writeAllAt(temp.fd(), bytes, 0))
        return systemError(err, file);
    if (::fsync(temp.fd()) != 0)
        return systemError(errno, file);
    if (temp.link(folder) != 0)
        return Detour::Named; // no /proc and no right to link by descriptor
    if (const int err = temp.renameOver(target))
        return systemError(err, file);
    syncFolder(folder);
    return fileDone();
}

// Rewrites the existing file: open without creating, write everything, cut to the new length,
// sync. The space is reserved first, so a full disk or a size limit stops the save before the
// first old byte is overwritten.
FileStatus rewriteInPlace(const fs::path& file, const fs::path& target, std::string_view bytes) {
    FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd)
        return systemError(errno, file);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return systemError(errno, file);
    if (!S_ISREG(st.st_mode))
        return fileError(FileErrc::NotRegularFile, file);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        bytes.size() > limit.rlim_cur)
        return systemError(EFBIG, file);
    const auto size = static_cast<off_t>(bytes.size());
    if (size > st.st_size && ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return systemError(errno, file);
    if (const int err = writeAllAt(fd.get(), bytes, 0))
        return systemError(err, file);
    if (::ftruncate(fd.get(), size) != 0 || ::fsync(fd.get()) != 0)
        return systemError(errno, file);
    if (const int err = fd.close())
        return systemError(err, file);
    return fileDone();
}

} // namespace

FileStatus replaceFileBytes(const fs::path& file, std::string_view bytes) {
    FileResult<fs::path> resolved = finalTarget(file);
    if (!resolved)
        return resolved.error();
    const fs::path& target = resolved.value();

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed) {
        if (S_ISDIR(old.st_mode))
            return fileError(FileErrc::IsAFolder, file);
        if (!S_ISREG(old.st_mode))
            return fileError(FileErrc::NotRegularFile, file);
        // A rename would replace a write-protected file; refuse, as writing into it would.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return systemError(errno, file);
    } else if (errno != ENOENT) {
        return systemError(errno, file);
    }

    // A second name would keep the old contents after a rename.
    if (existed && old.st_nlink > 1)
        return rewriteInPlace(file, target, bytes);
    const struct stat* keep = existed ? &old : nullptr;
    Attempt attempt = saveThroughTemp(file, target, keep, bytes, true);
    if (std::holds_alternative<Detour>(attempt) && std::get<Detour>(attempt) == Detour::Named)
        attempt = saveThroughTemp(file, target, keep, bytes, false);
    // Only an existing file is sent on in place.
    if (std::holds_alternative<Detour>(attempt))
        return rewriteInPlace(file, target, bytes);
    return std::get<FileStatus>(attempt);
}

} // namespace lampen
