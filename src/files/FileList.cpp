#include "FileList.h"

#include <algorithm>

namespace lampen {

void FileList::rememberFile(const std::string& name) {
    if (std::find(entries_.begin(), entries_.end(), name) != entries_.end())
        return;
    entries_.insert(entries_.begin(), name);
    text_ = name;
}

void FileList::remove(std::string_view name) {
    const auto it = std::find(entries_.begin(), entries_.end(), name);
    if (it != entries_.end())
        entries_.erase(it);
}

} // namespace lampen
