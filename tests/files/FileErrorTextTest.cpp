// Every reason a file can fail for reads in German, and numbers nothing but the unforeseen.

#include "FileErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

namespace lampen {
namespace {

TEST(FileErrorText, EveryErrnoOfTheReadersAndWritersHasGermanWords) {
    std::set<std::string> seen;
    for (const int err :
         {ENOENT,    EACCES,       EPERM,  ENOTDIR, EISDIR,      ENOSPC, EDQUOT,   EROFS,
          EFBIG,     ENAMETOOLONG, ELOOP,  EAGAIN,  EWOULDBLOCK, ENXIO,  ENODEV,   EBUSY,
          ETXTBSY,   EMFILE,       ENFILE, EINVAL,  EIO,         EEXIST, ENOMEM,   ESTALE,
          EOVERFLOW, EOPNOTSUPP,   EXDEV,  EINTR,   ETIMEDOUT,   EMLINK, ENOTEMPTY}) {
        const std::string text = germanReason(systemError(err, "g.lmp"));
        EXPECT_EQ(text.find("Systemfehler"), std::string::npos) << err << ": " << text;
        EXPECT_NE(text, std::strerror(err)) << err;
        EXPECT_EQ(text.find("g.lmp"), std::string::npos) << "the caller names the file";
        seen.insert(text);
    }
    // Synonyms share their words (EACCES/EPERM, EAGAIN/EWOULDBLOCK, ...), the rest differ.
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(germanReason(systemError(EHWPOISON, "g.lmp")),
              "Systemfehler Nr. " + std::to_string(EHWPOISON));
}

TEST(FileErrorText, TheProgramsOwnRefusalsNameTheirBound) {
    const struct {
        FileError error;
        std::string text;
    } cases[] = {
        {fileError(FileErrc::TooManyLines, "g.lmp", 200), "mehr als 200 Zeilen"},
        {fileError(FileErrc::TooLarge, "g.lmp", 64u << 20), "ist größer als 64 MiB"},
        {fileError(FileErrc::TooLarge, "g.lmp", 1), "ist größer als 1 Byte"},
        {fileError(FileErrc::LineBreakInLine, "g.lmp", 7), "Zeile 7 enthält einen Zeilenumbruch"},
        {fileError(FileErrc::NotRegularFile, "g.lmp"), "ist keine gewöhnliche Datei"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(germanReason(c.error), c.text);
}

} // namespace
} // namespace lampen
