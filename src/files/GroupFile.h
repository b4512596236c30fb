#pragma once
// The .lmp file: one circuit code per line, every line ended by CR LF, at most 200 lines, no
// header. Reading skips a UTF-8 byte-order mark at the start, takes the text up to CR (a LF
// right after it belongs to the line end; a LF alone ends a line too) and tests nothing else.
// Writing replaces the file only when every line was written (see FileBytes.h).

#include "FileError.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lampen {

inline constexpr std::size_t kMaxGroupLines = 200;
inline constexpr std::uintmax_t kMaxGroupFileBytes = 64u * 1024 * 1024; // larger files are refused

using GroupLines = std::vector<std::string>; // the circuits, line 1 first

// Splits the bytes of a group file into its lines; more than 200 lines is a failure (with no
// path in the error).
FileResult<GroupLines> parseGroup(std::string_view bytes);
// Reads and splits the named file. A folder, anything but a regular file, a missing or
// unreadable file, a file of more than 200 lines or one over 64 MiB is a failure.
FileResult<GroupLines> readGroupFile(const std::filesystem::path& file);
// The same with another size bound in bytes.
FileResult<GroupLines> readGroupFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

// The bytes of a group file: every line followed by CR LF. A first line that itself starts with
// a byte-order mark gets one more in front, so that reading gives it back whole.
std::string formatGroup(const GroupLines& lines);
// Writes the lines to the file. What reading would refuse or change is refused before anything
// is written: more than 200 lines, a line holding CR or LF, more than 64 MiB. On failure the old
// file is untouched and no temporary file is left behind.
FileStatus writeGroupFile(const std::filesystem::path& file, const GroupLines& lines);

} // namespace lampen
