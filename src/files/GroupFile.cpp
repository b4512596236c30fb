#include "GroupFile.h"

#include "CrLfLines.h"
#include "FileBytes.h"

namespace lampen {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool startsWithMark(std::string_view text) {
    return text.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

std::uintmax_t formattedSize(const GroupLines& lines) {
    std::uintmax_t size =
        !lines.empty() && startsWithMark(lines.front()) ? kByteOrderMark.size() : 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    return size;
}

} // namespace

FileResult<GroupLines> parseGroup(std::string_view bytes) {
    // Editors on other systems put a byte-order mark in front of UTF-8 text; it is no circuit.
    if (startsWithMark(bytes))
        bytes.remove_prefix(kByteOrderMark.size());
    GroupLines lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Stop at the 201st line instead of splitting a huge file only to refuse it.
        if (lines.size() == kMaxGroupLines)
            return fileError(FileErrc::TooManyLines, {}, kMaxGroupLines);
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(pos));
            break;
        }
        lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

FileResult<GroupLines> readGroupFile(const std::filesystem::path& file) {
    return readGroupFile(file, kMaxGroupFileBytes);
}

FileResult<GroupLines> readGroupFile(const std::filesystem::path& file, std::uintmax_t maxBytes) {
    FileResult<std::string> read = readFileBytes(file, maxBytes);
    if (!read)
        return read.error();
    FileResult<GroupLines> parsed = parseGroup(read.value());
    if (!parsed)
        return fileError(parsed.error().code, file, parsed.error().limit);
    return parsed;
}

std::string formatGroup(const GroupLines& lines) {
    const bool marked = !lines.empty() && startsWithMark(lines.front());
    return crlfLines(lines, marked ? kByteOrderMark : std::string_view());
}

FileStatus writeGroupFile(const std::filesystem::path& file, const GroupLines& lines) {
    if (lines.size() > kMaxGroupLines)
        return fileError(FileErrc::TooManyLines, file, kMaxGroupLines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find_first_of("\r\n") != std::string::npos)
            return fileError(FileErrc::LineBreakInLine, file, i + 1);
    if (formattedSize(lines) > kMaxGroupFileBytes)
        return fileError(FileErrc::TooLarge, file, kMaxGroupFileBytes);
    return replaceFileBytes(file, formatGroup(lines));
}

} // namespace lampen
