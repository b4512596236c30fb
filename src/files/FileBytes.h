#pragma once
// Whole files as bytes, without any text translation. Reading is bounded; replacing a file is
// all or nothing: the new bytes go into a temporary file in the same folder, which is synced and
// then renamed over the target, so a failure at any step leaves the old file as it was.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lampen {

struct FileBytesResult {
    bool ok = false;
    std::string bytes; // the whole file; empty unless ok
    std::string error; // "<file>: <reason>" unless ok
};

// Reads a regular file of at most maxBytes bytes. A folder, a device, a missing or unreadable
// file, or a larger file is a failure.
FileBytesResult readFileBytes(const std::filesystem::path& file, std::uintmax_t maxBytes);

struct FileWriteResult {
    bool ok = false;
    std::string error; // "<file>: <reason>" unless ok
};

// Replaces the file's contents with the bytes (creating it if needed). A symbolic link is
// followed, a write-protected file or a folder is refused, and an existing file keeps its
// permission bits. On failure the old file is untouched and no temporary file is left behind.
FileWriteResult replaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

} // namespace lampen
