#pragma once
// Whole files as bytes, without any text translation.
//
// Reading is bounded and touches regular files only: a FIFO, socket or device is refused before
// it is opened for reading.
//
// Replacing a file keeps it what it was. Where it can, the new bytes go into a temporary file in
// the same folder (unnamed, O_TMPFILE, where the file system allows it, so a crash leaves nothing
// behind), which gets the old file's owner, group and mode, is synced and then renamed over the
// target: a failure at any step leaves the old file as it was. Where a rename would change the
// file (a hard link, another user's file whose owner or group cannot be kept, a folder the user
// cannot write), the file is rewritten in place instead, after its space has been reserved.

#include "FileError.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lampen {

// Reads a regular file of at most maxBytes bytes.
FileResult<std::string> readFileBytes(const std::filesystem::path& file, std::uintmax_t maxBytes);

// Replaces the file's contents with the bytes, creating it if needed. Symbolic links are
// followed, also to a target that does not exist yet; a write-protected file, a folder or
// anything but a regular file is refused.
FileStatus replaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

} // namespace lampen
