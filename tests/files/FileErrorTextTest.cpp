// Every reason a file can fail for reads in German, and numbers nothing but the unforeseen.

#include "FileErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

namespace lampen {
namespace {

TEST(FileErrorText, EveryReasonHasGermanWordsAndOnlyTheUnforeseenANumber) {
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
    // The program's own refusals name their bound (the others are checked on real files).
    EXPECT_EQ(germanReason(fileError(FileErrc::TooLarge, "g.lmp", 1)), "ist größer als 1 Byte");
    EXPECT_EQ(germanReason(fileError(FileErrc::LineBreakInLine, "g.lmp", 7)),
              "Zeile 7 enthält einen Zeilenumbruch");
}

} // namespace
} // namespace lampen
