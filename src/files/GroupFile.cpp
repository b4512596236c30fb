#include "GroupFile.h"

// Reading and writing group files arrive in the next change.
namespace lampen {
GroupReadResult parseGroup(std::string_view) { return {}; }
GroupReadResult readGroupFile(const std::filesystem::path&) { return {}; }
std::string formatGroup(const std::vector<std::string>&) { return {}; }
GroupWriteResult writeGroupFile(const std::filesystem::path&, const std::vector<std::string>&) {
    return {};
}
} // namespace lampen
