// Group files on disk: what reading refuses, and that saving replaces a file all or nothing.

#include "GroupFile.h"
#include "Schaltgruppe.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace lampen {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::runningAsRoot;
using testing::TempDir;
using testing::writeBytes;

using Lines = std::vector<std::string>;

const Lines kExample = {"2*110*011*001*", "2*110*011*101*"};
const std::string kExampleBytes = "2*110*011*001*\r\n2*110*011*101*\r\n";

class GroupFileIo : public ::testing::Test {
protected:
    TempDir dir;
};

// ---- reading ---------------------------------------------------------------------------

TEST_F(GroupFileIo, ReadsTheWorkedExample) {
    writeBytes(dir / "two.lmp", kExampleBytes);
    const GroupReadResult r = readGroupFile(dir / "two.lmp");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.lines, kExample);
}

TEST_F(GroupFileIo, ReadsInBinaryMode) {
    // CR, LF and NUL bytes reach the splitter untranslated.
    writeBytes(dir / "raw.lmp", std::string("a\0\r\n\r\nb\n", 8));
    const GroupReadResult r = readGroupFile(dir / "raw.lmp");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.lines, (Lines{std::string("a\0", 2), "", "b"}));
}

TEST_F(GroupFileIo, EmptyFileHasNoLines) {
    writeBytes(dir / "empty.lmp", "");
    const GroupReadResult r = readGroupFile(dir / "empty.lmp");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.lines.empty());
}

struct RefusedRead {
    const char* name;
    fs::path (*make)(const TempDir&); // creates the thing to read, returns its path
    const char* reason;               // part of the message
};

void PrintTo(const RefusedRead& c, std::ostream* os) {
    *os << c.name;
}

class RefusedReadTest : public ::testing::TestWithParam<RefusedRead> {};

TEST_P(RefusedReadTest, FailsWithAReason) {
    TempDir dir;
    const fs::path file = GetParam().make(dir);
    const GroupReadResult r = readGroupFile(file);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_NE(r.error.find(file.string()), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(GetParam().reason), std::string::npos) << r.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, RefusedReadTest,
    ::testing::Values(RefusedRead{"Missing", [](const TempDir& d) { return d / "missing.lmp"; },
                                  "nicht gefunden"},
                      RefusedRead{"Folder",
                                  [](const TempDir& d) {
                                      fs::create_directory(d / "folder.lmp");
                                      return d / "folder.lmp";
                                  },
                                  "Ordner"},
                      RefusedRead{"InsideAFile",
                                  [](const TempDir& d) {
                                      writeBytes(d / "plain", "x");
                                      return d / "plain" / "g.lmp";
                                  },
                                  "kein Ordner"},
                      RefusedRead{"Fifo",
                                  [](const TempDir& d) {
                                      // Refused without waiting for a writer.
                                      ::mkfifo((d / "pipe.lmp").c_str(), 0600);
                                      return d / "pipe.lmp";
                                  },
                                  "keine gewöhnliche Datei"},
                      RefusedRead{"TooManyLines",
                                  [](const TempDir& d) {
                                      std::string bytes;
                                      for (int i = 0; i < 201; ++i)
                                          bytes += "0*1*\r\n";
                                      writeBytes(d / "long.lmp", bytes);
                                      return d / "long.lmp";
                                  },
                                  "mehr als 200 Zeilen"},
                      RefusedRead{"OverSixtyFourMiB",
                                  [](const TempDir& d) {
                                      // Sparse: costs no disk space.
                                      writeBytes(d / "huge.lmp", "");
                                      fs::resize_file(d / "huge.lmp", kMaxGroupFileBytes + 1);
                                      return d / "huge.lmp";
                                  },
                                  "größer als 64 MiB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupFileIo, UnreadableFileFails) {
    if (runningAsRoot())
        GTEST_SKIP() << "root reads any file";
    writeBytes(dir / "secret.lmp", kExampleBytes);
    fs::permissions(dir / "secret.lmp", fs::perms::none);
    const GroupReadResult r = readGroupFile(dir / "secret.lmp");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Permission denied"), std::string::npos) << r.error;
}

TEST_F(GroupFileIo, SizeBoundIsInclusive) {
    writeBytes(dir / "ten.lmp", "0*1*\r\n0*0*");
    EXPECT_TRUE(readGroupFile(dir / "ten.lmp", 10).ok);
    const GroupReadResult r = readGroupFile(dir / "ten.lmp", 9);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("größer als 9 Bytes"), std::string::npos) << r.error;
}

TEST_F(GroupFileIo, TenMegabyteLineIsOneLine) {
    const std::string line(10'000'000, '1');
    writeBytes(dir / "wide.lmp", line + "\r\n");
    const GroupReadResult r = readGroupFile(dir / "wide.lmp");
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0], line);
}

// ---- writing ---------------------------------------------------------------------------

TEST_F(GroupFileIo, WritesTheWorkedExampleByteForByte) {
    const GroupWriteResult w = writeGroupFile(dir / "two.lmp", kExample);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(readBytes(dir / "two.lmp"), kExampleBytes);
    EXPECT_EQ(dir.names(), std::set<std::string>{"two.lmp"});
}

TEST_F(GroupFileIo, ReplacesAnExistingFileAndLeavesNoTemporary) {
    writeBytes(dir / "g.lmp", "old contents that are longer than the new ones\r\n");
    ASSERT_TRUE(writeGroupFile(dir / "g.lmp", {"0*1*"}).ok);
    EXPECT_EQ(readBytes(dir / "g.lmp"), "0*1*\r\n");
    ASSERT_TRUE(writeGroupFile(dir / "g.lmp", {}).ok);
    EXPECT_EQ(readBytes(dir / "g.lmp"), "");
    EXPECT_EQ(dir.names(), std::set<std::string>{"g.lmp"});
}

TEST_F(GroupFileIo, BuiltInGroupWrittenAndReadBack) {
    const Lines codes(builtInCodes().begin(), builtInCodes().end());
    ASSERT_TRUE(writeGroupFile(dir / "Voreinstellung.lmp", codes).ok);
    const GroupReadResult r = readGroupFile(dir / "Voreinstellung.lmp");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.lines, codes);
}

TEST_F(GroupFileIo, NonAsciiPath) {
    const fs::path folder = dir / "Schaltungen-äöü";
    fs::create_directory(folder);
    const fs::path file = folder / "Gruppe-ß.lmp";
    ASSERT_TRUE(writeGroupFile(file, kExample).ok);
    EXPECT_TRUE(fs::exists(file));
    const GroupReadResult r = readGroupFile(file);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.lines, kExample);
}

TEST_F(GroupFileIo, KeepsThePermissionBitsOfTheOldFile) {
    writeBytes(dir / "g.lmp", "old\r\n");
    fs::permissions(dir / "g.lmp",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeGroupFile(dir / "g.lmp", kExample).ok);
    EXPECT_EQ(fs::status(dir / "g.lmp").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(GroupFileIo, WritesThroughASymbolicLink) {
    writeBytes(dir / "real.lmp", "old\r\n");
    fs::create_symlink("real.lmp", dir / "link.lmp");
    ASSERT_TRUE(writeGroupFile(dir / "link.lmp", kExample).ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.lmp"));
    EXPECT_EQ(readBytes(dir / "real.lmp"), kExampleBytes);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"link.lmp", "real.lmp"}));
}

// Each case prepares a folder in which the write must fail; what was there stays as it was.
struct RefusedWrite {
    const char* name;
    fs::path (*make)(const TempDir&);
    Lines lines;
};

void PrintTo(const RefusedWrite& c, std::ostream* os) {
    *os << c.name;
}

class RefusedWriteTest : public ::testing::TestWithParam<RefusedWrite> {};

TEST_P(RefusedWriteTest, LeavesEverythingAsItWas) {
    TempDir dir;
    const fs::path target = GetParam().make(dir);
    const std::set<std::string> before = dir.names();
    const bool hadFile = fs::is_regular_file(target);
    const std::string old = hadFile ? readBytes(target) : "";

    const GroupWriteResult w = writeGroupFile(target, GetParam().lines);

    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find(target.string()), std::string::npos) << w.error;
    EXPECT_EQ(dir.names(), before);
    if (hadFile) {
        EXPECT_EQ(readBytes(target), old);
    }
}

INSTANTIATE_TEST_SUITE_P(BadTargets, RefusedWriteTest,
                         ::testing::Values(RefusedWrite{"ParentIsAFile",
                                                        [](const TempDir& d) {
                                                            writeBytes(d / "plain", "not a folder");
                                                            return d / "plain" / "g.lmp";
                                                        },
                                                        kExample},
                                           RefusedWrite{"MissingFolder",
                                                        [](const TempDir& d) {
                                                            return d / "nowhere" / "g.lmp";
                                                        },
                                                        kExample},
                                           RefusedWrite{"TargetIsAFolder",
                                                        [](const TempDir& d) {
                                                            fs::create_directory(d / "g.lmp");
                                                            return d / "g.lmp";
                                                        },
                                                        kExample},
                                           RefusedWrite{"TooManyLines",
                                                        [](const TempDir& d) {
                                                            writeBytes(d / "g.lmp", "old\r\n");
                                                            return d / "g.lmp";
                                                        },
                                                        Lines(201, "0*1*")},
                                           RefusedWrite{"LineWithBreak",
                                                        [](const TempDir& d) {
                                                            writeBytes(d / "g.lmp", "old\r\n");
                                                            return d / "g.lmp";
                                                        },
                                                        Lines{"0*1*", "0*\r1*"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupFileIo, FailedWriteKeepsTheOldFileEvenForRoot) {
    // A file size limit makes the temporary file's write fail half-way, as a full disk would.
    const std::string old = "3*1000*0110*0011*1001*\r\n";
    writeBytes(dir / "g.lmp", old);
    GroupWriteResult w;
    {
        testing::FileSizeLimit limit(8);
        w = writeGroupFile(dir / "g.lmp", kExample);
    }
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find("zu groß"), std::string::npos) << w.error;
    EXPECT_EQ(readBytes(dir / "g.lmp"), old);
    EXPECT_EQ(dir.names(), std::set<std::string>{"g.lmp"});
}

TEST_F(GroupFileIo, FolderThatTakesNoNewFileKeepsTheOldFile) {
    if (runningAsRoot())
        GTEST_SKIP() << "root creates files in read-only folders";
    const fs::path folder = dir / "locked";
    fs::create_directory(folder);
    writeBytes(folder / "g.lmp", "old\r\n");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const GroupWriteResult w = writeGroupFile(folder / "g.lmp", kExample);
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find("Permission denied"), std::string::npos) << w.error;
    EXPECT_EQ(readBytes(folder / "g.lmp"), "old\r\n");
}

TEST_F(GroupFileIo, WriteProtectedFileIsNotReplaced) {
    if (runningAsRoot())
        GTEST_SKIP() << "root writes into write-protected files";
    writeBytes(dir / "g.lmp", "old\r\n");
    fs::permissions(dir / "g.lmp", fs::perms::owner_read);
    EXPECT_FALSE(writeGroupFile(dir / "g.lmp", kExample).ok);
    EXPECT_EQ(readBytes(dir / "g.lmp"), "old\r\n");
}

TEST_F(GroupFileIo, RelativeNameWritesIntoTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const GroupWriteResult w = writeGroupFile("plain.lmp", kExample);
    fs::current_path(before);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(readBytes(dir / "plain.lmp"), kExampleBytes);
    EXPECT_EQ(dir.names(), std::set<std::string>{"plain.lmp"});
}

} // namespace
} // namespace lampen
