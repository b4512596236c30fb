#include "GroupFile.h"

#include "CrLfLines.h"
#include "FileBytes.h"

namespace lampen {

GroupReadResult parseGroup(std::string_view bytes) {
    GroupReadResult result;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Stop at the 201st line instead of splitting a huge file only to refuse it.
        if (result.lines.size() == kMaxGroupLines) {
            result.lines.clear();
            result.error = "mehr als " + std::to_string(kMaxGroupLines) + " Zeilen";
            return result;
        }
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            result.lines.emplace_back(bytes.substr(pos));
            break;
        }
        result.lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    result.ok = true;
    return result;
}

GroupReadResult readGroupFile(const std::filesystem::path& file) {
    return readGroupFile(file, kMaxGroupFileBytes);
}

GroupReadResult readGroupFile(const std::filesystem::path& file, std::uintmax_t maxBytes) {
    FileBytesResult read = readFileBytes(file, maxBytes);
    if (!read.ok)
        return {false, {}, std::move(read.error)};
    GroupReadResult result = parseGroup(read.bytes);
    if (!result.ok)
        result.error = file.string() + ": " + result.error;
    return result;
}

std::string formatGroup(const std::vector<std::string>& lines) {
    return crlfLines(lines);
}

GroupWriteResult writeGroupFile(const std::filesystem::path& file,
                                const std::vector<std::string>& lines) {
    // Refuse what could not be read back as the same group.
    if (lines.size() > kMaxGroupLines)
        return {false, file.string() + ": mehr als " + std::to_string(kMaxGroupLines) + " Zeilen"};
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find_first_of("\r\n") != std::string::npos)
            return {false, file.string() + ": Zeile " + std::to_string(i + 1) +
                               " enthält einen Zeilenumbruch"};
    FileWriteResult written = replaceFileBytes(file, formatGroup(lines));
    return {written.ok, std::move(written.error)};
}

} // namespace lampen
