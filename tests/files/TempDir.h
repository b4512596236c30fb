#pragma once
// A fresh folder for one test, removed again with everything in it.

#include <cstdlib>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

namespace lampen::testing {

class TempDir {
public:
    TempDir() {
        namespace fs = std::filesystem;
        std::string name = (fs::temp_directory_path() / "lampen-test-XXXXXX").string();
        path_ = ::mkdtemp(name.data()) ? name : throw std::runtime_error("no temporary folder");
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // To see that no temporary file was left behind.
    std::set<std::string> names() const { return names(path_); }
    static std::set<std::string> names(const std::filesystem::path& folder) {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            out.insert(e.path().filename().string());
        return out;
    }

private:
    std::filesystem::path path_;
};

} // namespace lampen::testing
