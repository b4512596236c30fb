// The list of group files: newest first, each name once, compared exactly.

#include "FileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lampen {
namespace {

using Names = std::vector<std::string>;

TEST(FileListTest, NewNameGoesFirstAndIsShown) {
    FileList list;
    list.rememberFile("Voreinstellung.lmp");
    list.rememberFile("/home/a.lmp");
    list.rememberFile("/home/b.lmp");
    EXPECT_EQ(list.entries(), (Names{"/home/b.lmp", "/home/a.lmp", "Voreinstellung.lmp"}));
    EXPECT_EQ(list.text(), "/home/b.lmp");
}

TEST(FileListTest, ListedNameChangesNeitherListNorText) {
    FileList list;
    list.rememberFile("/home/a.lmp");
    list.rememberFile("/home/b.lmp");
    list.setText("typed by the user");
    list.rememberFile("/home/a.lmp");
    EXPECT_EQ(list.entries(), (Names{"/home/b.lmp", "/home/a.lmp"}));
    EXPECT_EQ(list.text(), "typed by the user");
}

TEST(FileListTest, NamesAreComparedExactly) {
    FileList list;
    for (const char* name : {"a.lmp", "A.lmp", "a.lmp ", "./a.lmp", "a.lmp"})
        list.rememberFile(name);
    EXPECT_EQ(list.entries(), (Names{"./a.lmp", "a.lmp ", "A.lmp", "a.lmp"}));
}

TEST(FileListTest, RemoveTakesOnlyTheEqualEntryAndKeepsTheText) {
    FileList list;
    list.rememberFile("a.lmp");
    list.rememberFile("b.lmp");
    list.rememberFile("c.lmp");
    list.remove("b.lmp");
    EXPECT_EQ(list.entries(), (Names{"c.lmp", "a.lmp"}));
    EXPECT_EQ(list.text(), "c.lmp");
    list.remove("B.lmp");
    list.remove("");
    EXPECT_EQ(list.entries(), (Names{"c.lmp", "a.lmp"}));
    list.remove("c.lmp");
    EXPECT_EQ(list.entries(), Names{"a.lmp"});
    EXPECT_EQ(list.text(), "c.lmp"); // the text is the box's own, not an entry
}

TEST(FileListTest, RemovedNameCanBeRememberedAgain) {
    FileList list;
    list.rememberFile("a.lmp");
    list.rememberFile("b.lmp");
    list.remove("a.lmp");
    list.setText("Voreinstellung.lmp");
    list.rememberFile("a.lmp");
    EXPECT_EQ(list.entries(), (Names{"a.lmp", "b.lmp"}));
    EXPECT_EQ(list.text(), "a.lmp");
}

} // namespace
} // namespace lampen
