// Group files on disk: what reading refuses, and that saving replaces a file all or nothing.

#include "GroupFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lampen {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const Lines kExample = {"2*110*011*001*", "2*110*011*101*"};
const std::string kExampleBytes = "2*110*011*001*\r\n2*110*011*101*\r\n";

// A fresh folder, removed again with everything in it.
class TempDir {
public:
    TempDir() {
        std::string name = (fs::temp_directory_path() / "lampen-test-XXXXXX").string();
        path_ = ::mkdtemp(name.data()) ? name : throw std::runtime_error("no temporary folder");
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec; // a test may have made the folder read-only
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    // To see that no temporary file was left behind.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& e : fs::directory_iterator(path_))
            out.insert(e.path().filename().string());
        return out;
    }

private:
    fs::path path_;
};

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GroupFile, ReadFailuresNameTheFileAndTheReason) {
    TempDir d;
    writeBytes(d / "plain", "x");
    writeBytes(d / "long.lmp", std::string(201, '\n'));
    writeBytes(d / "ten.lmp", "0*1*\r\n0*0*");
    fs::create_directory(d / "folder.lmp");
    ASSERT_EQ(::mkfifo((d / "pipe.lmp").c_str(), 0600), 0); // refused without waiting for a writer
    const struct {
        fs::path file;
        std::uintmax_t maxBytes;
        std::string reason;
    } cases[] = {
        {d / "missing.lmp", kMaxGroupFileBytes, "nicht gefunden"},
        {d / "folder.lmp", kMaxGroupFileBytes, "Ordner"},
        {d / "plain" / "g.lmp", kMaxGroupFileBytes, "kein Ordner"},
        {d / "pipe.lmp", kMaxGroupFileBytes, "keine gewöhnliche Datei"},
        {d / "long.lmp", kMaxGroupFileBytes, "mehr als 200 Zeilen"},
        {d / "ten.lmp", 9, "größer als 9 Bytes"},
    };
    for (const auto& c : cases) {
        const GroupReadResult r = readGroupFile(c.file, c.maxBytes);
        EXPECT_FALSE(r.ok) << c.file;
        EXPECT_TRUE(r.lines.empty()) << c.file;
        EXPECT_NE(r.error.find(c.file.string() + ": "), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    }
    EXPECT_TRUE(readGroupFile(d / "ten.lmp", 10).ok);
}

TEST(GroupFile, WritesAndReadsBackEvenAHugeLineAndAnUmlautPath) {
    TempDir d;
    fs::create_directory(d / "Schaltungen-äöü");
    const fs::path file = d / "Schaltungen-äöü" / "Gruppe-ß.lmp";
    writeBytes(file, "older and longer contents\r\n");
    ASSERT_TRUE(writeGroupFile(file, kExample).ok);
    EXPECT_EQ(readBytes(file), kExampleBytes);
    EXPECT_EQ(readGroupFile(file).lines, kExample);
    const Lines wide = {std::string(10'000'000, '1')};
    ASSERT_TRUE(writeGroupFile(d / "wide.lmp", wide).ok);
    EXPECT_EQ(readGroupFile(d / "wide.lmp").lines, wide);
    EXPECT_EQ(d.names(), (std::set<std::string>{"Schaltungen-äöü", "wide.lmp"}));
}

// Writes to the target beside g.lmp and folder.lmp, under a file size limit (which fails a write
// half-way even for root) and with readOnly made so; the write must fail and change nothing.
void expectRefusedWrite(const std::string& target, const std::string& reason,
                        rlim_t sizeLimit = RLIM_INFINITY, const char* readOnly = nullptr) {
    TempDir d;
    writeBytes(d / "g.lmp", "3*1000*0110*0011*1001*\r\n");
    fs::create_directory(d / "folder.lmp");
    if (readOnly != nullptr)
        fs::permissions(d / readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    const std::set<std::string> before = d.names();
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit lowered = {std::min(sizeLimit, old.rlim_cur), old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // EFBIG instead of the signal
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    const GroupWriteResult w = writeGroupFile(d / target, kExample);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find((d / target).string() + ": "), std::string::npos) << w.error;
    EXPECT_NE(w.error.find(reason), std::string::npos) << w.error;
    EXPECT_EQ(readBytes(d / "g.lmp"), "3*1000*0110*0011*1001*\r\n");
    EXPECT_EQ(d.names(), before);
}

TEST(GroupFile, FailedWriteLeavesEverythingAsItWas) {
    expectRefusedWrite("g.lmp/x.lmp", "kein Ordner"); // the parent is a regular file
    expectRefusedWrite("folder.lmp", "ist ein Ordner");
    expectRefusedWrite("g.lmp", "zu groß", 8);
}

TEST(GroupFile, WriteProtectionIsHonoured) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into write-protected files and folders";
    expectRefusedWrite("g.lmp", "keine Berechtigung", RLIM_INFINITY, "g.lmp");
    expectRefusedWrite("g.lmp", "keine Berechtigung", RLIM_INFINITY, ".");
}

} // namespace
} // namespace lampen
