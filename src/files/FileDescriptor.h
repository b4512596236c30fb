#pragma once
// Owns one POSIX file descriptor and closes it when it goes; close() reports the error that a
// failed close can carry (data not yet written out), which the destructor cannot.

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace lampen {

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            discard();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~FileDescriptor() { discard(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

    // Closes now; 0 on success, else the errno of the failed close.
    int close() {
        if (fd_ < 0)
            return 0;
        const int rc = ::close(std::exchange(fd_, -1));
        return rc == 0 ? 0 : errno;
    }

private:
    void discard() {
        if (fd_ >= 0)
            ::close(std::exchange(fd_, -1));
    }

    int fd_ = -1;
};

} // namespace lampen
