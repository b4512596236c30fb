// Opening, saving, reloading and removing group files through the window's four commands.

#include "../files/TestFiles.h"
#include "Fakes.h"
#include "GroupFile.h"
#include "Lampen.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace lampen {
namespace {

namespace fs = std::filesystem;
using testing::Box;
using testing::readBytes;
using testing::runningAsRoot;
using testing::TempDir;
using testing::writeBytes;

using Lines = std::vector<std::string>;

const std::string kBadName = "Ungültiger Dateiname!";
const std::string kExampleBytes = "2*110*011*001*\r\n2*110*011*101*\r\n";

// Everything of the window that a file command may change.
struct GroupState {
    Lines slots;
    std::string anzahl, aktuell;
    Lines entries;
    std::string listText;
    int maxIndex = 0;
    friend bool operator==(const GroupState&, const GroupState&) = default;
};

Lines builtIns() {
    return {builtInCodes().begin(), builtInCodes().end()};
}

// Runs a function in another working folder and comes back.
template <class F> void inFolder(const fs::path& folder, F&& f) {
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    try {
        f();
    } catch (...) {
        fs::current_path(before);
        throw;
    }
    fs::current_path(before);
}

class FileCommands : public ::testing::Test {
protected:
    FileCommands() { w.Form_Load(); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    void open(const std::string& name) {
        h.dialogs.openNames.push_back(name);
        w.cmdLaden_Click();
    }
    void save(const std::string& name) {
        h.dialogs.saveNames.push_back(name);
        w.cmdSpeichern_Click();
    }
    // A file of the given bytes in the test folder, opened; returns its full name.
    std::string openBytes(const std::string& name, const std::string& bytes) {
        writeBytes(dir / name, bytes);
        open(path(name));
        return path(name);
    }

    GroupState state() const {
        GroupState s;
        for (int i = 0; i < kSlotCount; ++i)
            s.slots.push_back(w.schaltgruppe.slot(i));
        s.anzahl = w.txtAnzahl;
        s.aktuell = w.txtAktuell();
        s.entries = w.cboDatei.entries();
        s.listText = w.cboDatei.text();
        s.maxIndex = w.maxIndex;
        return s;
    }
    Lines slots(int from, int to) const {
        Lines out;
        for (int i = from; i <= to; ++i)
            out.push_back(w.schaltgruppe.slot(i));
        return out;
    }
    // Leaves circuit 1 with a press on it, so that a fresh load shows.
    void playOnCircuitFour() {
        w.setTxtAktuell(" 4");
        w.loadCircuit();
        w.refreshView();
        w.cmdSchalter_Click(0);
        ASSERT_EQ(w.maxIndex, 9);
        ASSERT_EQ(w.txtKlicks, " 1");
    }
    void expectFreshCircuitOne(int k) const {
        EXPECT_EQ(w.maxIndex, k);
        EXPECT_EQ(w.txtKlicks, "0");
        EXPECT_TRUE(w.cmdSchalter[static_cast<std::size_t>(k)].visible);
        if (k < 9) {
            EXPECT_FALSE(w.cmdSchalter[static_cast<std::size_t>(k + 1)].visible);
        }
        for (const auto& lamp : w.shpLampe)
            EXPECT_FALSE(lamp.on);
    }
    void expectBoxes(const std::vector<Box>& expected) const {
        ASSERT_EQ(h.dialogs.boxes.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(h.dialogs.boxes[i].text, expected[i].text);
            EXPECT_EQ(h.dialogs.boxes[i].icon, expected[i].icon);
            EXPECT_EQ(h.dialogs.boxes[i].title, expected[i].title);
        }
    }

    TempDir dir;
    testing::Harness h;
    Lampen w{h.dialogs, h.random, h.metrics};
};

const Box kOpenSaveFailure{kBadName, Icon::Critical, "Fehler"};
const Box kReloadFailure{kBadName, Icon::None, ""};

// ---- saving and opening --------------------------------------------------------------------

TEST_F(FileCommands, BuiltInGroupSavedAndOpenedAgain) {
    save(path("g.lmp"));
    ASSERT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(readBytes(dir / "g.lmp"), formatGroup(builtIns()));
    EXPECT_EQ(w.fileName, path("g.lmp"));
    EXPECT_EQ(w.txtAktuell(), " 1");
    EXPECT_EQ(w.cboDatei.entries(), (Lines{path("g.lmp"), "Voreinstellung.lmp"}));
    EXPECT_EQ(w.cboDatei.text(), path("g.lmp"));

    // Spoil the group in memory, then read the file back.
    for (int i = 1; i <= kBuiltInCount; ++i)
        w.schaltgruppe.setSlot(i, "0*0*");
    w.txtAnzahl = " 3";
    w.setTxtAktuell(" 7");
    open(path("g.lmp"));
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(slots(1, kBuiltInCount), builtIns());
    EXPECT_EQ(w.txtAnzahl, " 19");
    EXPECT_EQ(w.txtAktuell(), " 1");
    EXPECT_EQ(w.cboDatei.entries(), (Lines{path("g.lmp"), "Voreinstellung.lmp"}));
}

TEST_F(FileCommands, SaveWritesTheCountedSlotsAndShowsCircuitOne) {
    w.txtAnzahl = " 2";
    w.schaltgruppe.setSlot(2, "2*110*011*101*");
    playOnCircuitFour();
    save(path("two.lmp"));
    EXPECT_EQ(readBytes(dir / "two.lmp"), kExampleBytes);
    EXPECT_EQ(w.txtAktuell(), " 1");
    expectFreshCircuitOne(2);
}

TEST_F(FileCommands, SaveAppendsTheEndingAndListsTheLongerName) {
    struct Case {
        std::string chosen, written;
    };
    const std::vector<Case> cases = {
        {"plain", "plain.lmp"}, {"upper.LMP", "upper.LMP.lmp"}, {"dot.", "dot..lmp"},
        {"lmp", "lmp.lmp"},     {"already.lmp", "already.lmp"},
    };
    for (const Case& c : cases) {
        save(path(c.chosen));
        EXPECT_EQ(w.fileName, path(c.written)) << c.chosen;
        EXPECT_EQ(w.cboDatei.entries().front(), path(c.written)) << c.chosen;
        EXPECT_EQ(w.cboDatei.text(), path(c.written)) << c.chosen;
        EXPECT_TRUE(fs::is_regular_file(dir / c.written)) << c.chosen;
        if (c.chosen != c.written) {
            EXPECT_FALSE(fs::exists(dir / c.chosen)) << c.chosen;
        }
    }
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(FileCommands, SavingTwiceUnderOneNameListsItOnce) {
    save(path("g.lmp"));
    w.cboDatei.setText("Voreinstellung.lmp");
    save(path("g.lmp"));
    EXPECT_EQ(w.cboDatei.entries(), (Lines{path("g.lmp"), "Voreinstellung.lmp"}));
    EXPECT_EQ(w.cboDatei.text(), "Voreinstellung.lmp");
}

TEST_F(FileCommands, OpenIgnoresOtherEndings) {
    const GroupState before = state();
    for (const char* name : {"g.txt", "g.LMP", "g.lmp.bak", "lmp"}) {
        writeBytes(dir / name, kExampleBytes);
        open(path(name));
        EXPECT_EQ(state(), before) << name;
        // The chosen name is kept although nothing was read.
        EXPECT_EQ(w.fileName, path(name));
    }
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

// What a file's bytes become in the window: the count text, the circuits and circuit 1.
struct ContentCase {
    const char* name;
    std::string bytes;
    const char* anzahl;
    Lines lines;
};

void PrintTo(const ContentCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenContent : public FileCommands, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(OpenContent, BecomesTheGroup) {
    const ContentCase& c = GetParam();
    playOnCircuitFour();
    const std::string name = openBytes("g.lmp", c.bytes);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.txtAnzahl, c.anzahl);
    EXPECT_EQ(slots(1, static_cast<int>(c.lines.size())), c.lines);
    // Slots after the file's lines keep the built-in codes.
    for (int i = static_cast<int>(c.lines.size()) + 1; i <= kBuiltInCount; ++i)
        EXPECT_EQ(w.schaltgruppe.slot(i), builtInCodes()[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(w.txtAktuell(), " 1");
    EXPECT_EQ(w.fileName, name);
    EXPECT_EQ(w.cboDatei.entries().front(), name);
    expectFreshCircuitOne(readMaxIndex(w.schaltgruppe.slot(1)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenContent,
    ::testing::Values(
        ContentCase{"WorkedExample", kExampleBytes, " 2", {"2*110*011*001*", "2*110*011*101*"}},
        ContentCase{"NoLineEndAtTheEnd",
                    "3*1000*0100*0010*0001*\r\n1*11*01*",
                    " 2",
                    {"3*1000*0100*0010*0001*", "1*11*01*"}},
        ContentCase{"ExtraEmptyLine", "1*11*01*\r\n\r\n", " 2", {"1*11*01*", ""}},
        ContentCase{"LfOnly", "1*11*01*\n0*1*\n", " 2", {"1*11*01*", "0*1*"}},
        // Nothing read: slot 1 keeps its code and is shown.
        ContentCase{"EmptyFile", "", " 0", {}}, ContentCase{"EmptyLineOnly", "\r\n", " 1", {""}},
        ContentCase{"NulBytes",
                    std::string("1*1\0"
                                "1*\r\n",
                                8),
                    " 1",
                    {std::string("1*1\0"
                                 "1*",
                                 6)}},
        ContentCase{"BinaryJunk",
                    std::string("\x89PNG\x1a\x00\xff\r\n\xfe*", 11),
                    " 2",
                    {std::string("\x89PNG\x1a\x00\xff", 7), "\xfe*"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, EmptyFileShowsTheOldFirstCircuit) {
    openBytes("empty.lmp", "");
    EXPECT_EQ(w.txtAnzahl, " 0");
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*");
    EXPECT_EQ(w.maxIndex, 2);
    EXPECT_EQ(w.verbindungsmatrix(0, 1), 1);
}

TEST_F(FileCommands, TwoHundredLinesOpenTwoHundredOneDoNot) {
    std::string bytes;
    for (int i = 0; i < 200; ++i)
        bytes += (i % 2 ? "1*10*01*\r\n" : "0*1*\r\n");
    openBytes("full.lmp", bytes);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.txtAnzahl, " 200");
    EXPECT_EQ(w.schaltgruppe.slot(200), "1*10*01*");

    const GroupState before = state();
    openBytes("over.lmp", bytes + "0*0*\r\n");
    expectBoxes({kOpenSaveFailure});
    EXPECT_EQ(state(), before);
    EXPECT_EQ(w.fileName, path("over.lmp")); // already taken when the read failed
}

TEST_F(FileCommands, CaptionsAfterOpenAndAfterReload) {
    const std::string name = openBytes("g.lmp", kExampleBytes);
    EXPECT_EQ(w.cmdAddSchaltungCaption[0], "Nummer  1");
    EXPECT_EQ(w.cmdAddSchaltungCaption[1], "Nummer  2");
    EXPECT_EQ(w.cmdLoeSchaltungCaption, "Schaltung  1  entfernen");

    ASSERT_EQ(w.cboDatei.text(), name);
    w.cmdNeu_Click();
    EXPECT_EQ(w.txtAktuell(), "1");
    EXPECT_EQ(w.cmdAddSchaltungCaption[0], "Nummer 1");
    EXPECT_EQ(w.cmdAddSchaltungCaption[1], "Nummer  2");
    EXPECT_EQ(w.cmdLoeSchaltungCaption, "Schaltung 1  entfernen");
}

// ---- bad files and names ---------------------------------------------------------------------

struct BadOpen {
    const char* name;
    std::string (*make)(const TempDir&); // returns the name the dialog gives back
};

void PrintTo(const BadOpen& c, std::ostream* os) {
    *os << c.name;
}

class OpenFailure : public FileCommands, public ::testing::WithParamInterface<BadOpen> {};

TEST_P(OpenFailure, ShowsTheMessageAndChangesNothing) {
    playOnCircuitFour();
    const GroupState before = state();
    const std::string name = GetParam().make(dir);
    open(name);
    expectBoxes({kOpenSaveFailure});
    EXPECT_EQ(state(), before);
    EXPECT_EQ(w.txtKlicks, " 1"); // the circuit was not reloaded
    EXPECT_EQ(w.fileName, name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, OpenFailure,
    ::testing::Values(BadOpen{"Missing", [](const TempDir& d) { return (d / "no.lmp").string(); }},
                      BadOpen{"Folder",
                              [](const TempDir& d) {
                                  fs::create_directory(d / "folder.lmp");
                                  return (d / "folder.lmp").string();
                              }},
                      BadOpen{"InsideAFile",
                              [](const TempDir& d) {
                                  writeBytes(d / "plain", "x");
                                  return (d / "plain" / "g.lmp").string();
                              }},
                      BadOpen{"OnlyTheEnding", [](const TempDir&) { return std::string(".lmp"); }},
                      BadOpen{"OverSixtyFourMiB",
                              [](const TempDir& d) {
                                  writeBytes(d / "huge.lmp", "");
                                  fs::resize_file(d / "huge.lmp", kMaxGroupFileBytes + 1);
                                  return (d / "huge.lmp").string();
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, UnreadableFileShowsTheMessage) {
    if (runningAsRoot())
        GTEST_SKIP() << "root reads any file";
    writeBytes(dir / "secret.lmp", kExampleBytes);
    fs::permissions(dir / "secret.lmp", fs::perms::none);
    const GroupState before = state();
    open(path("secret.lmp"));
    expectBoxes({kOpenSaveFailure});
    EXPECT_EQ(state(), before);
}

TEST_F(FileCommands, TenMegabyteLineIsOneLenientCircuit) {
    std::string line(10'000'000, '1');
    line[0] = '3';
    openBytes("wide.lmp", line + "\r\n");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.txtAnzahl, " 1");
    EXPECT_EQ(w.schaltgruppe.slot(1).size(), line.size());
    EXPECT_EQ(w.maxIndex, 3);
    EXPECT_EQ(w.verbindungsmatrix(3, 3), 1);
}

TEST_F(FileCommands, NonAsciiFolderAndName) {
    fs::create_directory(dir / "Schaltungen-äöü");
    const std::string name = path("Schaltungen-äöü/Übungen-ß");
    save(name);
    ASSERT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(readBytes(name + ".lmp"), formatGroup(builtIns()));
    w.schaltgruppe.setSlot(1, "0*0*");
    open(name + ".lmp");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(slots(1, kBuiltInCount), builtIns());
    EXPECT_EQ(w.cboDatei.entries().front(), name + ".lmp");
}

TEST_F(FileCommands, SaveIntoAFileAsFolderFailsAndCreatesNothing) {
    writeBytes(dir / "plain", "not a folder");
    playOnCircuitFour();
    const GroupState before = state();
    save(path("plain/g.lmp"));
    expectBoxes({kOpenSaveFailure});
    EXPECT_EQ(state(), before);
    EXPECT_EQ(w.fileName, path("plain/g.lmp"));
    EXPECT_EQ(dir.names(), std::set<std::string>{"plain"});
    EXPECT_EQ(readBytes(dir / "plain"), "not a folder");
}

TEST_F(FileCommands, FailedSaveKeepsTheOldFileByteForByte) {
    const std::string old = "0*1*\r\n";
    writeBytes(dir / "g.lmp", old);
    const GroupState before = state();
    {
        // A write that fails half-way, as on a full disk; holds for root as well.
        testing::FileSizeLimit limit(16);
        save(path("g.lmp"));
    }
    expectBoxes({kOpenSaveFailure});
    EXPECT_EQ(state(), before);
    EXPECT_EQ(readBytes(dir / "g.lmp"), old);
    EXPECT_EQ(dir.names(), std::set<std::string>{"g.lmp"});
}

TEST_F(FileCommands, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
    if (runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    fs::create_directory(dir / "locked");
    writeBytes(dir / "locked" / "g.lmp", "0*1*\r\n");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    save(path("locked/g.lmp"));
    fs::permissions(dir / "locked", fs::perms::owner_all);
    expectBoxes({kOpenSaveFailure});
    EXPECT_EQ(readBytes(dir / "locked" / "g.lmp"), "0*1*\r\n");
}

TEST_F(FileCommands, SaveRefusesACountOutsideTheGroup) {
    for (const char* count : {" 201", "-1", "-0.5", " 1000", "99999999999999999999"}) {
        h.dialogs.boxes.clear();
        w.txtAnzahl = count;
        const GroupState before = state();
        save(path("g.lmp"));
        expectBoxes({kOpenSaveFailure});
        EXPECT_EQ(state(), before) << count;
        EXPECT_FALSE(fs::exists(dir / "g.lmp")) << count;
    }
}

TEST_F(FileCommands, SaveWithCountTwoHundredWritesEverySlot) {
    for (int i = 1; i <= kMaxCircuits; ++i)
        w.schaltgruppe.setSlot(i, i % 2 ? "0*1*" : "0*0*");
    w.txtAnzahl = " 200";
    save(path("full.lmp"));
    ASSERT_TRUE(h.dialogs.boxes.empty());
    const GroupReadResult r = readGroupFile(dir / "full.lmp");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.lines, slots(1, kMaxCircuits));

    w.txtAnzahl = " 0";
    save(path("none.lmp"));
    EXPECT_EQ(readBytes(dir / "none.lmp"), "");
}

TEST_F(FileCommands, CancelledDialogsChangeNothing) {
    openBytes("g.lmp", kExampleBytes);
    const GroupState before = state();
    const std::string fileName = w.fileName;
    inFolder(dir.path(), [&] {
        w.cmdLaden_Click(); // the fakes answer "" when nothing is queued
        w.cmdSpeichern_Click();
    });
    EXPECT_EQ(state(), before);
    EXPECT_EQ(w.fileName, fileName);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(dir.names(), std::set<std::string>{"g.lmp"});
}

// ---- the list: "N" and "X" -------------------------------------------------------------------

TEST_F(FileCommands, OpeningAListedFileKeepsListAndTextAndReloadUsesTheText) {
    const std::string a = openBytes("a.lmp", "0*1*\r\n");
    const std::string b = openBytes("b.lmp", kExampleBytes);
    w.cboDatei.setText(a); // the user picks a, which loads nothing by itself
    open(b);
    EXPECT_EQ(w.cboDatei.entries(), (Lines{b, a, "Voreinstellung.lmp"}));
    EXPECT_EQ(w.cboDatei.text(), a);
    EXPECT_EQ(w.txtAnzahl, " 2");

    w.cmdNeu_Click();
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.fileName, a);
    EXPECT_EQ(w.txtAnzahl, " 1");
    EXPECT_EQ(w.schaltgruppe.slot(1), "0*1*");
    EXPECT_EQ(w.txtAktuell(), "1");
    EXPECT_EQ(w.cboDatei.entries(), (Lines{b, a, "Voreinstellung.lmp"}));
    expectFreshCircuitOne(0);
}

TEST_F(FileCommands, ReloadDiscardsChangesOfTheGroup) {
    openBytes("g.lmp", kExampleBytes);
    w.schaltgruppe.setSlot(1, "0*0*");
    playOnCircuitFour();
    w.cmdNeu_Click();
    EXPECT_EQ(slots(1, 2), (Lines{"2*110*011*001*", "2*110*011*101*"}));
    expectFreshCircuitOne(2);
}

TEST_F(FileCommands, ReloadOfTheBuiltInGroup) {
    openBytes("g.lmp", kExampleBytes);
    w.cboDatei.setText("Voreinstellung.lmp");
    w.cmdNeu_Click();
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.fileName, "Voreinstellung.lmp");
    EXPECT_EQ(w.txtAnzahl, "19");
    EXPECT_EQ(slots(1, kBuiltInCount), builtIns());
    EXPECT_EQ(w.txtAktuell(), "1");
}

TEST_F(FileCommands, FailedReloadFallsBackToTheBuiltInNameOnly) {
    openBytes("g.lmp", kExampleBytes);
    fs::remove(dir / "g.lmp");
    playOnCircuitFour();
    const GroupState before = state();
    w.cmdNeu_Click();
    expectBoxes({kReloadFailure});
    GroupState expected = before;
    expected.listText = "Voreinstellung.lmp";
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(w.txtKlicks, " 1");

    // The next "N" loads the built-in group.
    w.cmdNeu_Click();
    EXPECT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(slots(1, 2), (Lines{"2*110*011*001*", "3*1000*0110*0011*1001*"}));
    EXPECT_EQ(w.fileName, "Voreinstellung.lmp");
}

TEST_F(FileCommands, ReloadTestsNoEndingAndListsNothing) {
    writeBytes(dir / "notes.txt", "0*1*\r\n");
    w.cboDatei.setText(path("notes.txt"));
    w.cmdNeu_Click();
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.txtAnzahl, " 1");
    EXPECT_EQ(w.fileName, path("notes.txt"));
    EXPECT_EQ(w.cboDatei.entries(), Lines{"Voreinstellung.lmp"});
}

TEST_F(FileCommands, LowerCaseBuiltInNameIsAFileName) {
    w.cboDatei.setText("voreinstellung.lmp");
    inFolder(dir.path(), [&] { w.cmdNeu_Click(); });
    expectBoxes({kReloadFailure});
    EXPECT_EQ(w.fileName, "voreinstellung.lmp");
    EXPECT_EQ(w.cboDatei.text(), "Voreinstellung.lmp");

    // With such a file in the working folder, it is what "N" loads.
    writeBytes(dir / "voreinstellung.lmp", "1*11*01*\r\n");
    w.cboDatei.setText("voreinstellung.lmp");
    inFolder(dir.path(), [&] { w.cmdNeu_Click(); });
    EXPECT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(w.txtAnzahl, " 1");
    EXPECT_EQ(w.schaltgruppe.slot(1), "1*11*01*");
    expectFreshCircuitOne(1);
}

TEST_F(FileCommands, RemoveRightAfterStartUp) {
    w.schaltgruppe.setSlot(1, "0*0*");
    w.txtAnzahl = " 5";
    w.cmdEntfernen_Click();
    expectBoxes({{"Voreinstellung.lmp kann nicht gelöscht werden.", Icon::None, ""}});
    EXPECT_EQ(w.cboDatei.entries(), Lines{"Voreinstellung.lmp"});
    EXPECT_EQ(w.cboDatei.text(), "Voreinstellung.lmp");
    EXPECT_EQ(w.txtAnzahl, "19");
    EXPECT_EQ(slots(1, kBuiltInCount), builtIns());
    expectFreshCircuitOne(2);
}

TEST_F(FileCommands, RemoveTakesTheCurrentFileNotTheShownEntry) {
    const std::string a = openBytes("a.lmp", "0*1*\r\n");
    const std::string b = openBytes("b.lmp", kExampleBytes);
    w.cboDatei.setText(a);
    w.cmdEntfernen_Click();
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.cboDatei.entries(), (Lines{a, "Voreinstellung.lmp"}));
    EXPECT_EQ(w.cboDatei.text(), "Voreinstellung.lmp");
    EXPECT_EQ(w.fileName, "Voreinstellung.lmp");
    EXPECT_EQ(w.txtAnzahl, "19");
    EXPECT_EQ(slots(1, kBuiltInCount), builtIns());
    EXPECT_TRUE(fs::exists(dir / "b.lmp")); // only the entry goes
    expectFreshCircuitOne(2);
}

TEST_F(FileCommands, RemoveOfAnUnlistedNameStillLoadsTheBuiltInGroup) {
    writeBytes(dir / "notes.txt", "0*1*\r\n");
    open(path("notes.txt")); // ignored, but the name is taken
    w.cmdEntfernen_Click();
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.cboDatei.entries(), Lines{"Voreinstellung.lmp"});
    EXPECT_EQ(w.fileName, "Voreinstellung.lmp");
}

TEST_F(FileCommands, RemoveKeepsTheCurrentNumber) {
    openBytes("g.lmp", "0*1*\r\n1*11*01*\r\n0*0*\r\n");
    w.cmdNaechstes_Click();
    ASSERT_EQ(w.txtAktuell(), " 2");
    w.cmdEntfernen_Click();
    EXPECT_EQ(w.txtAktuell(), " 2");
    EXPECT_EQ(w.maxIndex, 3); // built-in circuit 2
}

} // namespace
} // namespace lampen
