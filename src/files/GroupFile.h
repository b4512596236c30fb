#pragma once
// The .lmp file: one circuit code per line, every line ended by CR LF, at most 200 lines, no
// header. Reading takes the text up to CR (a LF right after it belongs to the line end; a LF
// alone ends a line too) and tests nothing else. Writing replaces the file only when every line
// was written: a temporary file beside the target is flushed, synced and renamed over it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lampen {

inline constexpr std::size_t kMaxGroupLines = 200;
inline constexpr std::uintmax_t kMaxGroupFileBytes = 64u * 1024 * 1024; // larger files are refused

struct GroupReadResult {
    bool ok = false;
    std::vector<std::string> lines; // the circuits, line 1 first; complete only when ok
    std::string error;              // why not, for a person (never shown by the window itself)
};

// Splits the bytes of a group file into its lines; more than 200 lines is a failure.
GroupReadResult parseGroup(std::string_view bytes);
// Reads and splits the named file. A directory, a missing or unreadable file, a file of more
// than 200 lines or an oversized file (over 64 MiB) is a failure.
GroupReadResult readGroupFile(const std::filesystem::path& file);
// The same with another size bound in bytes.
GroupReadResult readGroupFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

// The bytes of a group file: every line followed by CR LF.
std::string formatGroup(const std::vector<std::string>& lines);
// Writes the lines to the file, replacing it only when all was written. On failure the old
// file is untouched, the temporary file is gone, and the result names the reason.
struct GroupWriteResult {
    bool ok = false;
    std::string error;
};
// More than 200 lines, or a line holding CR or LF, is refused before anything is written.
GroupWriteResult writeGroupFile(const std::filesystem::path& file,
                                const std::vector<std::string>& lines);

} // namespace lampen
