#pragma once
// The list of group files used since the program started, newest first, each name once, exactly
// as chosen; and the editable text of the list box, which may differ from every entry.

#include <string>
#include <string_view>
#include <vector>

namespace lampen {

class FileList {
public:
    const std::vector<std::string>& entries() const { return entries_; }
    const std::string& text() const { return text_; }
    friend bool operator==(const FileList&, const FileList&) = default;
    void setText(std::string text) { text_ = std::move(text); }

    // Puts the name first and shows it, unless an entry equals it exactly (case-sensitive);
    // then nothing changes, neither the list nor its text.
    void rememberFile(const std::string& name);
    // Removes the entry equal to the name, if there is one; the text stays.
    void remove(std::string_view name);

private:
    std::vector<std::string> entries_;
    std::string text_;
};

} // namespace lampen
