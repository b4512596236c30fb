// Group files on disk: what reading and writing refuse, how saving keeps a file what it was
// (owner, group, mode, links) for users without root rights, and that a failed or killed save
// leaves the old file and nothing else.

#include "GroupFile.h"
#include "FileErrorText.h"
#include "SaveAs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <set>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lampen {
namespace {

namespace fs = std::filesystem;
using testing::saveAs;
using testing::TempDir;
using testing::User;

const GroupLines kExample = {"2*110*011*001*", "2*110*011*101*"};
const std::string kExampleBytes = "2*110*011*001*\r\n2*110*011*101*\r\n";
const std::string kOld = "3*1000*0110*0011*1001*\r\n";

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& file, std::size_t limit = 1 << 20) {
    std::string bytes(limit, '\0');
    std::ifstream in(file, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

struct stat statOf(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st;
}

std::string lines(std::size_t n) {
    std::string out;
    while (n-- > 0)
        out += "0*1*\r\n";
    return out;
}

// A FIFO whose writer waits in open() until someone opens it for reading: opened() tells
// whether anyone did. The destructor releases the writer itself.
class WatchedFifo {
public:
    explicit WatchedFifo(fs::path path) : path_(std::move(path)) {
        EXPECT_EQ(::mkfifo(path_.c_str(), 0666), 0);
        writer_ = std::thread([this] {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
            opened_ = true;
            if (fd >= 0)
                ::close(fd);
        });
    }
    WatchedFifo(const WatchedFifo&) = delete;
    WatchedFifo& operator=(const WatchedFifo&) = delete;
    ~WatchedFifo() {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        writer_.join();
        if (fd >= 0)
            ::close(fd);
    }
    bool opened() {
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // time for the writer to wake
        return opened_;
    }

private:
    fs::path path_;
    std::atomic<bool> opened_ = false;
    std::thread writer_;
};

TEST(GroupFile, ReadFailuresCarryTheFileAndTheReason) {
    TempDir d;
    writeBytes(d / "plain", "x");
    writeBytes(d / "ten.lmp", "0*1*\r\n0*0*");
    fs::create_symlink("loop.lmp", d / "loop.lmp");
    const struct {
        fs::path file;
        std::uintmax_t maxBytes;
        FileErrc code;
        std::string reason;
    } cases[] = {
        {d / "missing.lmp", kMaxGroupFileBytes, FileErrc::NotFound,
         "Datei oder Ordner nicht gefunden"},
        {d / "plain" / "g.lmp", kMaxGroupFileBytes, FileErrc::NotAFolder,
         "ein Teil des Pfades ist kein Ordner"},
        {d / "loop.lmp", kMaxGroupFileBytes, FileErrc::Loop, "zu viele symbolische Verknüpfungen"},
        {d / "ten.lmp", 9, FileErrc::TooLarge, "ist größer als 9 Bytes"},
    };
    for (const auto& c : cases) {
        const FileResult<GroupLines> r = readGroupFile(c.file, c.maxBytes);
        ASSERT_FALSE(r.ok()) << c.file;
        EXPECT_EQ(std::tuple(r.error().code, r.error().path, germanReason(r.error())),
                  std::tuple(c.code, c.file, c.reason));
    }
    EXPECT_EQ(readGroupFile(d / "ten.lmp", 10).value(), (GroupLines{"0*1*", "0*0*"}));
}

// Everything that is no group file is refused by reading and by writing alike, without being
// opened for reading and without being changed.
TEST(GroupFile, RefusedInputsAreNeitherOpenedNorChanged) {
    TempDir d;
    const std::string big(kMaxGroupFileBytes - 1, '1'); // with CR LF one byte over the limit
    const struct {
        const char* name;
        GroupLines toWrite;
        FileErrc code;
        std::string reason;
    } cases[] = {
        {"pipe.lmp", kExample, FileErrc::NotRegularFile, "ist keine gewöhnliche Datei"},
        {"null.lmp", kExample, FileErrc::NotRegularFile, "ist keine gewöhnliche Datei"},
        {"socket.lmp", kExample, FileErrc::NotRegularFile, "ist keine gewöhnliche Datei"},
        {"folder.lmp", kExample, FileErrc::IsAFolder, "ist ein Ordner, keine Datei"},
        {"large.lmp", {big}, FileErrc::TooLarge, "ist größer als 64 MiB"},
        {"long.lmp", GroupLines(201, "0*1*"), FileErrc::TooManyLines, "mehr als 200 Zeilen"},
    };
    WatchedFifo fifo(d / "pipe.lmp");
    fs::create_symlink("/dev/null", d / "null.lmp");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    (d / "socket.lmp").string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(d / "folder.lmp");
    writeBytes(d / "large.lmp", "0*1*\r\n");
    fs::resize_file(d / "large.lmp", kMaxGroupFileBytes + 1); // sparse: no disk space taken
    writeBytes(d / "long.lmp", lines(201));
    const auto before = [&] {
        std::vector<std::tuple<fs::file_type, std::uintmax_t, std::string>> out;
        for (const auto& c : cases) {
            const fs::path p = d / c.name;
            const fs::file_status s = fs::status(p);
            out.emplace_back(s.type(), fs::is_regular_file(s) ? fs::file_size(p) : 0,
                             fs::is_regular_file(s) ? readBytes(p, 16) : "");
        }
        return out;
    };
    const auto unchanged = before();
    for (const auto& c : cases) {
        const FileResult<GroupLines> read = readGroupFile(d / c.name);
        const FileStatus written = writeGroupFile(d / c.name, c.toWrite);
        ASSERT_FALSE(read.ok() || written.ok()) << c.name;
        EXPECT_EQ(std::tuple(read.error().code, germanReason(read.error()), read.error().path),
                  std::tuple(c.code, c.reason, d / c.name));
        EXPECT_EQ(std::tuple(written.error().code, germanReason(written.error())),
                  std::tuple(c.code, c.reason))
            << c.name;
    }
    EXPECT_FALSE(fifo.opened()) << "the FIFO was opened";
    EXPECT_EQ(before(), unchanged);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    ::close(sock);
}

TEST(GroupFile, WritesAndReadsBackEvenAHugeLineAndAnUmlautPath) {
    TempDir d;
    fs::create_directory(d / "Schaltungen-äöü");
    const fs::path file = d / "Schaltungen-äöü" / "Gruppe-ß.lmp";
    writeBytes(file, "older and longer contents\r\n");
    ASSERT_TRUE(writeGroupFile(file, kExample).ok());
    EXPECT_EQ(readBytes(file), kExampleBytes);
    EXPECT_EQ(readGroupFile(file).value(), kExample);
    const GroupLines wide = {std::string(10'000'000, '1')};
    ASSERT_TRUE(writeGroupFile(d / "wide.lmp", wide).ok());
    EXPECT_EQ(fs::file_size(d / "wide.lmp"), 10'000'002u);
    EXPECT_EQ(readGroupFile(d / "wide.lmp").value(), wide);
    EXPECT_EQ(d.names(), (std::set<std::string>{"Schaltungen-äöü", "wide.lmp"}));
}

// Writes to the target beside g.lmp and folder.lmp under a file size limit (which fails a write
// half-way even for root); the write must fail and change nothing.
void expectRefusedWrite(const std::string& target, FileErrc code, rlim_t sizeLimit) {
    TempDir d;
    writeBytes(d / "g.lmp", kOld);
    fs::create_directory(d / "folder.lmp");
    const std::set<std::string> before = d.names();
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit lowered = {std::min(sizeLimit, old.rlim_cur), old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // EFBIG instead of the signal
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    const FileStatus w = writeGroupFile(d / target, kExample);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_FALSE(w.ok()) << target;
    EXPECT_EQ(std::tuple(w.error().code, w.error().path), std::tuple(code, d / target));
    EXPECT_EQ(readBytes(d / "g.lmp"), kOld);
    EXPECT_EQ(d.names(), before);
}

TEST(GroupFile, FailedWriteLeavesEverythingAsItWas) {
    expectRefusedWrite("g.lmp/x.lmp", FileErrc::NotAFolder, RLIM_INFINITY);
    expectRefusedWrite("folder.lmp", FileErrc::IsAFolder, RLIM_INFINITY);
    expectRefusedWrite("g.lmp", FileErrc::FileTooBig, 8);
    expectRefusedWrite("new.lmp", FileErrc::FileTooBig, 8);
}

TEST(GroupFile, SavingThroughALinkKeepsTheLink) {
    TempDir d;
    fs::create_directory(d / "sub");
    writeBytes(d / "sub" / "old.lmp", kOld);
    fs::create_symlink("sub/old.lmp", d / "existing.lmp");
    fs::create_symlink("sub/new.lmp", d / "dangling.lmp"); // its target does not exist yet
    fs::create_symlink("dangling.lmp", d / "chain.lmp");
    for (const char* link : {"existing.lmp", "chain.lmp"}) {
        ASSERT_TRUE(writeGroupFile(d / link, kExample).ok()) << link;
        EXPECT_TRUE(fs::is_symlink(d / link)) << link;
    }
    EXPECT_EQ(readBytes(d / "sub" / "old.lmp"), kExampleBytes);
    EXPECT_EQ(readBytes(d / "sub" / "new.lmp"), kExampleBytes);
    EXPECT_EQ(fs::read_symlink(d / "dangling.lmp"), "sub/new.lmp");
    EXPECT_EQ(d.names(),
              (std::set<std::string>{"sub", "existing.lmp", "dangling.lmp", "chain.lmp"}));
}

// Who saves, and how the folder and the file are owned before.
struct Owner {
    uid_t uid;
    gid_t gid;
    mode_t mode;
};

constexpr uid_t kSaver = 65534, kOther = 4243;
constexpr gid_t kSaverGroup = 65534, kShared = 4242;

TEST(GroupFile, SavePathsKeepTheFileWhatItWas) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root: the files of other users are made by chown, and the save "
                        "runs as uid 65534 in a child process";
    const User saver{kSaver, kSaverGroup, {kShared}}, root{0, 0, {}};
    const struct {
        const char* what;
        User user;
        Owner folder;
        std::optional<Owner> file; // none: the save creates it
        bool hardLink;
        std::optional<FileErrc> refused;
        bool replaced; // a new inode (temporary file and rename), else rewritten in place
        Owner after;
    } cases[] = {
        {"own file in own folder",
         saver,
         {kSaver, kSaverGroup, 0755},
         Owner{kSaver, kSaverGroup, 0640},
         false,
         {},
         true,
         {kSaver, kSaverGroup, 0640}},
        {"new file in own folder",
         saver,
         {kSaver, kSaverGroup, 0755},
         {},
         false,
         {},
         true,
         {kSaver, kSaverGroup, 0644}},
        {"own file in a folder the user cannot write",
         saver,
         {0, 0, 0755},
         Owner{kSaver, kSaverGroup, 0644},
         false,
         {},
         false,
         {kSaver, kSaverGroup, 0644}},
        {"group-writable file of another user in a sticky shared folder",
         saver,
         {0, 0, 01777},
         Owner{kOther, kShared, 0664},
         false,
         {},
         false,
         {kOther, kShared, 0664}},
        {"group-writable file of another user in a shared folder",
         saver,
         {0, kShared, 02775},
         Owner{kOther, kShared, 0664},
         false,
         {},
         false,
         {kOther, kShared, 0664}},
        {"own file with a second name",
         saver,
         {kSaver, kSaverGroup, 0755},
         Owner{kSaver, kSaverGroup, 0644},
         true,
         {},
         false,
         {kSaver, kSaverGroup, 0644}},
        {"root saving another user's file",
         root,
         {0, 0, 0755},
         Owner{kOther, kShared, 0640},
         false,
         {},
         true,
         {kOther, kShared, 0640}},
        {"write-protected own file",
         saver,
         {kSaver, kSaverGroup, 0755},
         Owner{kSaver, kSaverGroup, 0444},
         false,
         FileErrc::NoPermission,
         false,
         {kSaver, kSaverGroup, 0444}},
        {"new file in a folder the user cannot write",
         saver,
         {0, 0, 0755},
         {},
         false,
         FileErrc::NoPermission,
         false,
         {}},
    };
    for (const auto& c : cases) {
        TempDir d;
        fs::permissions(d.path(), fs::perms(0755)); // the saver may pass through
        const fs::path folder = d / "shared", file = folder / "g.lmp";
        fs::create_directory(folder);
        ASSERT_EQ(::chown(folder.c_str(), c.folder.uid, c.folder.gid), 0);
        ASSERT_EQ(::chmod(folder.c_str(), c.folder.mode), 0);
        if (c.file) {
            writeBytes(file, kOld);
            ASSERT_EQ(::chown(file.c_str(), c.file->uid, c.file->gid), 0);
            ASSERT_EQ(::chmod(file.c_str(), c.file->mode), 0);
            if (c.hardLink)
                fs::create_hard_link(file, d / "second.lmp");
        }
        const ino_t inode = c.file ? statOf(file).st_ino : 0;
        const std::set<std::string> names = d.names(folder);

        const std::optional<FileErrc> outcome =
            saveAs(c.user, [&] { return writeGroupFile(file, kExample); });
        EXPECT_EQ(outcome, c.refused) << c.what;
        EXPECT_EQ(d.names(folder), c.refused && !c.file ? names : std::set<std::string>{"g.lmp"})
            << c.what;
        if (c.refused && !c.file)
            continue;
        const struct stat st = statOf(file);
        EXPECT_EQ(readBytes(file), c.refused ? kOld : kExampleBytes) << c.what;
        EXPECT_EQ(st.st_ino != inode, c.replaced) << c.what; // a new file: no inode before
        EXPECT_EQ(std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777, st.st_nlink),
                  std::tuple(c.after.uid, c.after.gid, c.after.mode, c.hardLink ? 2u : 1u))
            << c.what;
        if (c.hardLink) {
            EXPECT_EQ(readBytes(d / "second.lmp"), kExampleBytes) << c.what;
        }
    }
}

// A save killed half-way (here by the file size limit's signal, as by kill -9) leaves the old
// file and no temporary one: the new bytes had no name yet.
TEST(GroupFile, KilledSaveLeavesNothingBehind) {
    TempDir d;
    if (const int probe = ::open(d.path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        probe >= 0)
        ::close(probe);
    else
        GTEST_SKIP() << "the file system of " << d.path() << " has no unnamed files (O_TMPFILE)";
    writeBytes(d / "g.lmp", kOld);
    for (const char* target : {"g.lmp", "new.lmp"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit noCore{0, 0}, small{8, RLIM_INFINITY};
            ::setrlimit(RLIMIT_CORE, &noCore);
            std::signal(SIGXFSZ, SIG_DFL);
            ::setrlimit(RLIMIT_FSIZE, &small);
            (void)writeGroupFile(d / target, kExample);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << target;
        EXPECT_EQ(d.names(), std::set<std::string>{"g.lmp"}) << target;
        EXPECT_EQ(readBytes(d / "g.lmp"), kOld);
    }
}

} // namespace
} // namespace lampen
