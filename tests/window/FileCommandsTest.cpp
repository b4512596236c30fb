// Opening, saving, reloading ("N") and removing ("X") group files through the window's commands,
// in a fresh temporary folder: good files, odd contents, bad names and cancelled dialogs.

#include "Started.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace lampen::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Boxes = std::vector<Box>;

const std::string kBuiltIn = "Voreinstellung.lmp",
                  kExample = "2*110*011*001*\r\n2*110*011*101*\r\n";

class Files : public Started {
protected:
    void open(const std::string& name) {
        h.dialogs.openNames.push_back(name);
        w.cmdLaden_Click();
    }
    Lines slots(std::size_t n) const {
        Lines out;
        for (std::size_t i = 1; i <= n; ++i)
            out.push_back(s().group.slot(int(i)));
        return out;
    }
    // Everything of the window that a file command may change.
    auto shown() const {
        const View v = w.view();
        return std::tuple(slots(kMaxCircuits), s().files.entries(), s().files.text(), v.txtAnzahl,
                          v.txtAktuell, s().maxIndex, v.txtKlicks);
    }
};

TEST_F(Files, SavedGroupOpensAgainAndTheListKeepsWhatIsShown) {
    fs::create_directory(dir / "äöü");
    const std::string g = path("äöü/Übungen-ß.lmp"), b = path("b.lmp");
    h.dialogs.saveNames.push_back(path("äöü/Übungen-ß"));
    w.cmdSpeichern_Click();
    EXPECT_EQ(std::tuple(read(g).substr(0, 16), s().files.entries(), s().files.text()),
              std::tuple("2*110*011*001*\r\n", Lines{g, kBuiltIn}, g));
    play("ändern aus fertig"); // unwire the circuit in memory, then read the group back
    open(g);
    const View v = w.view();
    EXPECT_EQ(
        std::tuple(slots(kBuiltInCount) == Lines(builtInCodes().begin(), builtInCodes().end()),
                   v.txtAnzahl, v.txtAktuell, v.cmdAddSchaltung[1], v.cmdLoeSchaltung),
        std::tuple(true, " 19", " 1", "Nummer  2", "Schaltung  1  entfernen"));
    write("b.lmp", kExample);
    w.openGroupFile(b);   // by name, as on the command line: the same as "Datei öffnen"
    w.cboDatei_Change(g); // picking an entry loads nothing by itself
    open(b);
    EXPECT_EQ(std::tuple(s().files.entries(), s().files.text(), w.view().txtAnzahl),
              std::tuple(Lines{b, g, kBuiltIn}, g, " 2"));
    play("nächste S0");
    w.cmdNeu_Click(); // reloads the entry shown
    const View after = w.view();
    EXPECT_EQ(
        std::tuple(s().fileName, after.txtAnzahl, after.txtAktuell, s().maxIndex, after.txtKlicks,
                   s().files.entries(), h.dialogs.boxes.size(), after.cmdLoeSchaltung),
        std::tuple(g, " 19", "1", 2, "0", Lines{b, g, kBuiltIn}, 0u, "Schaltung 1  entfernen"));
}

// The lines' reading and the reasons of refusal belong to the files layer; here, what the
// window shows of them.
TEST_F(Files, ContentBecomesTheGroupButBadFilesChangeNothing) {
    std::string lines; // 200 of them: a full group
    for (int i = 0; i < 200; ++i)
        lines += i % 2 ? "1*10*01*\r\n" : "0*1*\r\n";
    const std::tuple<std::string, const char*, Lines> cases[] = {
        {"", " 0", {std::string(builtInCodes()[0])}}, // slot 1 keeps its code
        {"3*1000*0100*0010*0001*\r\n1*11*01*", " 2", {"3*1000*0100*0010*0001*", "1*11*01*"}},
        {std::string("\x89\0\xff\r\n\xfe*", 7), " 2", {std::string("\x89\0\xff", 3), "\xfe*"}},
        {lines, " 200", {"0*1*", "1*10*01*"}}};
    for (const auto& [bytes, count, first] : cases) {
        play("S0"); // so that the circuit shown afterwards is fresh
        write("g.lmp", bytes);
        open(path("g.lmp"));
        const View v = w.view();
        EXPECT_EQ(
            std::tuple(slots(first.size()), v.txtAnzahl, v.txtAktuell, s().files.entries().front(),
                       v.txtKlicks, s().maxIndex, s().lit, h.dialogs.boxes.size()),
            std::tuple(first, count, " 1", path("g.lmp"), "0", readMaxIndex(first[0]), 0u, 0u));
    }
    fs::create_directory(dir / "folder.lmp");
    play("S0");
    const auto before = shown();
    // The box says what it always said; the reason stands below it.
    const std::pair<std::string, const char*> refused[] = {
        {"folder.lmp", "ist ein Ordner, keine Datei"},
        {"missing.lmp", "Datei oder Ordner nicht gefunden"},
        {"g.lmp", "die Datei würde zu groß"}};
    for (const auto& [name, reason] : refused) {
        const Boxes failed{{"Ungültiger Dateiname!", Icon::Critical, "Fehler", reason}};
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit low{16, old.rlim_max}; // the save fails half-way, as on a full disk
        std::signal(SIGXFSZ, SIG_IGN);      // EFBIG instead of the signal
        ::setrlimit(RLIMIT_FSIZE, name == "g.lmp" ? &low : &old);
        if (name == "g.lmp")
            h.dialogs.saveNames = {path(name)}, w.cmdSpeichern_Click();
        else // a missing file by name, as on the command line
            name == "missing.lmp" ? w.openGroupFile(path(name)) : open(path(name));
        ::setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(std::tuple(h.dialogs.boxes, shown() == before), std::tuple(failed, true)) << name;
        h.dialogs.boxes.clear();
    }
    EXPECT_EQ(read("g.lmp"), lines); // the old file byte for byte, nothing left over
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
}

TEST_F(Files, TheBuiltInGroupStaysAndCancelledDialogsChangeNothing) {
    const fs::path home = fs::current_path();
    fs::current_path(dir);
    play("ändern aus fertig");
    w.txtAnzahl_Change(" 5");
    w.cmdEntfernen_Click(); // the built-in group cannot go, and is loaded again
    EXPECT_EQ(std::tuple(s().files.entries(), w.view().txtAnzahl, s().group.slot(1), s().maxIndex),
              std::tuple(Lines{kBuiltIn}, "19", builtInCodes()[0], 2));
    EXPECT_EQ(h.dialogs.boxes,
              (Boxes{{"Voreinstellung.lmp kann nicht gelöscht werden.", Icon::None, ""}}));
    const auto before = std::tuple(shown(), s().fileName, h.dialogs.boxes);
    w.cmdLaden_Click(); // the fakes answer "" when nothing is queued
    w.cmdSpeichern_Click();
    fs::current_path(home);
    EXPECT_EQ(std::tuple(shown(), s().fileName, h.dialogs.boxes), before);
    EXPECT_TRUE(fs::is_empty(dir)); // no ".lmp" made
}

} // namespace
} // namespace lampen::testing
