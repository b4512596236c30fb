// Group files on disk: what reading and writing refuse, how saving keeps a file what it was
// (owner, group, mode, links), and that a failed or killed save leaves the old file alone.

#include "GroupFile.h"
#include "FileErrorText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lampen {
namespace {

namespace fs = std::filesystem;

const GroupLines kExample = {"2*110*011*001*", "2*110*011*101*"};
const std::string kExampleBytes = "2*110*011*001*\r\n2*110*011*101*\r\n";
const std::string kOld = "3*1000*0110*0011*1001*\r\n";

// A fresh folder for one test, removed again with everything in it.
struct TempDir {
    std::string path = (fs::temp_directory_path() / "lampen-test-XXXXXX").string();
    std::error_code ignored;
    TempDir() { EXPECT_NE(::mkdtemp(path.data()), nullptr) << "no temporary folder"; }
    TempDir(const TempDir&) = delete;
    ~TempDir() { fs::remove_all(path, ignored); }
    fs::path operator/(const std::string& name) const { return fs::path(path) / name; }
};

// To see that no temporary file was left behind.
std::set<std::string> names(const fs::path& folder) {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.insert(e.path().filename().string());
    return out;
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& file) {
    return (std::ostringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str();
}

// "ok", or the file and the German reason.
template <class T> std::string outcome(const FileResult<T>& r) {
    return r.ok() ? "ok" : r.error().path.string() + ": " + germanReason(r.error());
}

// Saves kExample to the file in a forked child after prepare(): 0 for success, else 1 + the
// reason code, or minus the signal that ended the child.
template <class Prepare> int saveInChild(const fs::path& file, Prepare prepare) {
    const pid_t child = ::fork();
    if (child == 0) {
        prepare();
        const FileStatus done = writeGroupFile(file, kExample);
        ::_exit(done.ok() ? 0 : 1 + static_cast<int>(done.error().code));
    }
    int status = -1;
    EXPECT_EQ(child < 0 ? -1 : ::waitpid(child, &status, 0), child) << "no child";
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Writing replaces older, longer contents, also through links (which stay) to a missing file;
// reading takes a file as large as its bound.
TEST(GroupFile, WritesThroughLinksAndReadsBackUpToTheSizeBound) {
    TempDir d;
    fs::create_directory(d / "sub");
    writeBytes(d / "sub" / "Gruppe-äöß.lmp", "older and longer contents\r\n");
    fs::create_symlink("sub/Gruppe-äöß.lmp", d / "existing.lmp");
    fs::create_symlink("sub/new.lmp", d / "dangling.lmp"); // its target does not exist yet
    fs::create_symlink("dangling.lmp", d / "chain.lmp");
    for (const char* link : {"existing.lmp", "chain.lmp"})
        EXPECT_EQ(outcome(writeGroupFile(d / link, kExample)), "ok") << link;
    for (const char* file : {"sub/Gruppe-äöß.lmp", "sub/new.lmp"})
        EXPECT_EQ(readBytes(d / file), kExampleBytes) << file;
    const GroupLines wide = {std::string(10'000'000, '1')};
    ASSERT_TRUE(writeGroupFile(d / "wide.lmp", wide).ok());
    EXPECT_EQ(readGroupFile(d / "wide.lmp").value(), wide);
    writeBytes(d / "ten.lmp", "0*1*\r\n0*0*");
    EXPECT_EQ(outcome(readGroupFile(d / "ten.lmp", 9)),
              (d / "ten.lmp").string() + ": ist größer als 9 Bytes");
    EXPECT_EQ(readGroupFile(d / "ten.lmp", 10).value(), (GroupLines{"0*1*", "0*0*"}));
    EXPECT_EQ(names(d.path), (std::set<std::string>{"sub", "existing.lmp", "dangling.lmp",
                                                    "chain.lmp", "wide.lmp", "ten.lmp"}));
    EXPECT_EQ(names(d / "sub"), (std::set<std::string>{"Gruppe-äöß.lmp", "new.lmp"}));
}

// Everything that is no group file is refused by reading and by writing alike, without being
// opened for reading and without being changed.
TEST(GroupFile, RefusedInputsAreNeitherOpenedNorChanged) {
    TempDir d;
    const std::string big(kMaxGroupFileBytes - 1, '1'); // with CR LF one byte over the limit
    const std::string notRegular = "ist keine gewöhnliche Datei";
    const std::tuple<const char*, GroupLines, std::string> cases[] = {
        {"pipe.lmp", kExample, notRegular},
        {"null.lmp", kExample, notRegular},
        {"socket.lmp", kExample, notRegular},
        {"folder.lmp", kExample, "ist ein Ordner, keine Datei"},
        {"plain/g.lmp", kExample, "ein Teil des Pfades ist kein Ordner"},
        {"loop.lmp", kExample, "zu viele symbolische Verknüpfungen"},
        {"large.lmp", {big}, "ist größer als 64 MiB"},
        {"long.lmp", GroupLines(201, "0*1*"), "mehr als 200 Zeilen"},
    };
    fs::create_symlink("/dev/null", d / "null.lmp");
    fs::create_directory(d / "folder.lmp");
    writeBytes(d / "plain", "x");
    fs::create_symlink("loop.lmp", d / "loop.lmp");
    writeBytes(d / "large.lmp", "0*1*\r\n");
    fs::resize_file(d / "large.lmp", kMaxGroupFileBytes + 1); // sparse: no disk space taken
    writeBytes(d / "long.lmp", formatGroup(GroupLines(201, "0*1*")));
    ASSERT_EQ(::mknod((d / "socket.lmp").c_str(), S_IFSOCK | 0666, 0), 0);
    ASSERT_EQ(::mkfifo((d / "pipe.lmp").c_str(), 0666), 0);
    // Waits in open() for a reader (the snapshot gives it time); no ASSERT until joined.
    std::atomic<bool> fifoOpened = false;
    std::thread writer([&] {
        const int fd = ::open((d / "pipe.lmp").c_str(), O_WRONLY | O_CLOEXEC);
        fifoOpened = true;
        ::close(fd);
    });
    const auto snapshot = [&] { // type, mode and contents of every case
        std::vector<std::pair<mode_t, std::string>> out;
        for (const auto& [name, toWrite, reason] : cases) {
            struct stat st {};
            ::lstat((d / name).c_str(), &st);
            out.emplace_back(st.st_mode, S_ISREG(st.st_mode) ? readBytes(d / name) : "");
        }
        return out;
    };
    const auto before = snapshot();
    for (const auto& [name, toWrite, reason] : cases) {
        EXPECT_EQ(outcome(readGroupFile(d / name)), (d / name).string() + ": " + reason);
        EXPECT_EQ(outcome(writeGroupFile(d / name, toWrite)), (d / name).string() + ": " + reason);
    }
    ::usleep(50'000); // time for the writer to wake
    EXPECT_FALSE(fifoOpened) << "the FIFO was opened";
    const int reader = ::open((d / "pipe.lmp").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    writer.join();
    ::close(reader);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

struct Owner {
    uid_t uid;
    gid_t gid;
    mode_t mode;
};
constexpr uid_t kSaver = 65534;
constexpr gid_t kSaverGroup = 65534, kShared = 4242;
constexpr int kRefused = 1 + static_cast<int>(FileErrc::NoPermission);

// Who saves, and how the folder and the file are owned before. A kept inode means the file was
// rewritten in place, a new one that a temporary file was renamed over it.
TEST(GroupFile, SavePathsKeepTheFileWhatItWas) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root: other users' files are made by chown, and the save runs as "
                        "uid 65534 in a child process";
    const auto mine = [](mode_t m) { return Owner{kSaver, kSaverGroup, m}; };
    const auto others = [](mode_t m) { return Owner{4243, kShared, m}; };
    const Owner roots{0, 0, 0755}, sticky{0, 0, 01777};
    const struct {
        const char* what;
        uid_t user;
        Owner folder;
        std::optional<Owner> file; // none: the save creates it
        bool hardLink, replaced;
        int exit; // 0, or kRefused with the file unchanged
    } cases[] = {
        {"own file, own folder", kSaver, mine(0755), mine(0640), false, true, 0},
        {"new file, own folder", kSaver, mine(0755), {}, false, true, 0},
        {"own file, folder not writable", kSaver, roots, mine(0644), false, false, 0},
        {"group-writable file of another user, sticky folder", kSaver, sticky, others(0664), false,
         false, 0},
        {"own file with a second name", kSaver, mine(0755), mine(0644), true, false, 0},
        {"root saving another user's file", 0, roots, others(0640), false, true, 0},
        {"write-protected own file", kSaver, mine(0755), mine(0444), false, false, kRefused},
        {"new file, folder not writable", kSaver, roots, {}, false, false, kRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir d;
        fs::permissions(d.path, fs::perms(0755)); // the saver may pass through
        const fs::path folder = d / "shared", file = folder / "g.lmp";
        fs::create_directory(folder);
        ASSERT_EQ(::chown(folder.c_str(), c.folder.uid, c.folder.gid), 0);
        ASSERT_EQ(::chmod(folder.c_str(), c.folder.mode), 0);
        struct stat st {};
        if (c.file) {
            writeBytes(file, kOld);
            ASSERT_EQ(::chown(file.c_str(), c.file->uid, c.file->gid), 0);
            ASSERT_EQ(::chmod(file.c_str(), c.file->mode), 0);
            if (c.hardLink)
                fs::create_hard_link(file, d / "second.lmp");
            ::stat(file.c_str(), &st);
        }
        const ino_t inode = st.st_ino;
        const int exit = saveInChild(file, [&] {
            const gid_t gid = c.user == 0 ? 0 : kSaverGroup, groups[] = {kShared};
            ::umask(022);
            if (::setgroups(c.user == 0 ? 0 : 1, groups) != 0 || ::setresgid(gid, gid, gid) != 0 ||
                ::setresuid(c.user, c.user, c.user) != 0)
                ::_exit(255);
        });
        EXPECT_EQ(exit, c.exit);
        EXPECT_EQ(names(folder).size(), c.exit == 0 || c.file ? 1u : 0u) << "a temporary file";
        if (c.exit != 0 && !c.file)
            continue;
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        const Owner after = c.file.value_or(mine(0644));
        EXPECT_EQ(readBytes(file), c.exit == 0 ? kExampleBytes : kOld);
        EXPECT_EQ(st.st_ino != inode, c.replaced); // a new file: no inode before
        EXPECT_EQ(std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777, st.st_nlink),
                  std::tuple(after.uid, after.gid, after.mode, c.hardLink ? 2u : 1u));
        EXPECT_EQ(readBytes(d / "second.lmp"), c.hardLink ? kExampleBytes : "");
    }
}

// A save stopped half-way by the file size limit leaves the old file and no temporary one,
// whether it fails (EFBIG) or is killed (SIGXFSZ, as by kill -9: the new bytes had no name yet).
TEST(GroupFile, StoppedSaveLeavesTheOldFileAndNothingElse) {
    TempDir d;
    writeBytes(d / "g.lmp", kOld);
    const int probe = ::open(d.path.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    ::close(probe);
    for (const bool killed : {false, true}) {
        if (killed && probe < 0)
            GTEST_SKIP() << "the file system of " << d.path << " has no unnamed files (O_TMPFILE)";
        for (const char* target : {"g.lmp", "new.lmp"}) {
            SCOPED_TRACE(std::string(target) + (killed ? " killed" : " failed"));
            const int exit = saveInChild(d / target, [killed] {
                const rlimit noCore{0, 0}, small{8, 8};
                ::setrlimit(RLIMIT_CORE, &noCore);
                std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN); // else EFBIG
                ::setrlimit(RLIMIT_FSIZE, &small);
            });
            EXPECT_EQ(exit, killed ? -SIGXFSZ : 1 + static_cast<int>(FileErrc::FileTooBig));
            EXPECT_EQ(names(d.path), std::set<std::string>{"g.lmp"});
            EXPECT_EQ(readBytes(d / "g.lmp"), kOld);
        }
    }
}

} // namespace
} // namespace lampen
