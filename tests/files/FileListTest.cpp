// The list of group files: newest first, each name once, compared exactly.

#include "FileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lampen {
namespace {

using Names = std::vector<std::string>;

TEST(FileList, RememberAndRemove) {
    FileList list;
    for (const char* name : {"a.lmp", "/home/b.lmp", "A.lmp"})
        list.rememberFile(name);
    EXPECT_EQ(
        std::pair(list.entries(), list.text()),
        std::pair(Names{"A.lmp", "/home/b.lmp", "a.lmp"}, std::string("A.lmp"))); // case-sensitive
    list.setText("typed by the user");
    list.rememberFile("a.lmp"); // already listed: neither the list nor its text changes
    list.remove("/home/b.lmp");
    list.remove("B.lmp");
    EXPECT_EQ(std::pair(list.entries(), list.text()),
              std::pair(Names{"A.lmp", "a.lmp"}, std::string("typed by the user")));
    list.remove("a.lmp");
    list.rememberFile("a.lmp"); // removed names come back first
    EXPECT_EQ(std::pair(list.entries(), list.text()),
              std::pair(Names{"a.lmp", "A.lmp"}, std::string("a.lmp")));
}

} // namespace
} // namespace lampen
