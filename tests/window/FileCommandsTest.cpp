// Opening, saving, reloading ("N") and removing ("X") group files through the window's commands,
// in a fresh temporary folder: good files, odd contents, bad names and cancelled dialogs.

#include "Started.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {
using namespace lampen;

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Boxes = std::vector<lampen::testing::Box>;

const std::string kBuiltIn = "Voreinstellung.lmp",
                  kExample = "2*110*011*001*\r\n2*110*011*101*\r\n";

class Files : public lampen::testing::Started {
protected:
    const fs::path dir =
        fs::temp_directory_path() / ("lampen-window-" + std::to_string(::getpid()));
    Files() { fs::create_directory(dir); }
    ~Files() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        return (std::ostringstream() << std::ifstream(dir / name, std::ios::binary).rdbuf()).str();
    }
    void open(const std::string& name) {
        h.dialogs.openNames.push_back(name);
        w.cmdLaden_Click();
    }
    Lines slots(std::size_t n) const {
        Lines out;
        for (std::size_t i = 1; i <= n; ++i)
            out.push_back(w.schaltgruppe.slot(int(i)));
        return out;
    }
    // Everything of the window that a file command may change.
    auto state() const {
        return std::tuple(slots(kMaxCircuits), w.cboDatei.entries(), w.cboDatei.text(), w.txtAnzahl,
                          w.txtAktuell(), w.maxIndex, w.txtKlicks);
    }
};

TEST_F(Files, SavedGroupOpensAgainAndTheListKeepsWhatIsShown) {
    fs::create_directory(dir / "äöü");
    const std::string g = path("äöü/Übungen-ß.lmp"), b = path("b.lmp");
    h.dialogs.saveNames.push_back(path("äöü/Übungen-ß"));
    w.cmdSpeichern_Click();
    EXPECT_EQ(std::tuple(read(g).substr(0, 16), w.cboDatei.entries(), w.cboDatei.text()),
              std::tuple("2*110*011*001*\r\n", Lines{g, kBuiltIn}, g));
    for (int i = 1; i <= kBuiltInCount; ++i) // spoil the group in memory, then read it back
        w.schaltgruppe.setSlot(i, "0*0*");
    w.txtAnzahl = " 3";
    goTo(" 7");
    open(g);
    EXPECT_EQ(
        std::tuple(slots(kBuiltInCount) == Lines(builtInCodes().begin(), builtInCodes().end()),
                   w.txtAnzahl, w.txtAktuell(), w.cmdAddSchaltungCaption[1],
                   w.cmdLoeSchaltungCaption),
        std::tuple(true, " 19", " 1", "Nummer  2", "Schaltung  1  entfernen"));
    const auto before = state(); // other endings are ignored
    write("g.txt", kExample);
    open(path("g.txt"));
    EXPECT_EQ(state(), before);

    write("b.lmp", kExample);
    open(b);
    w.cboDatei.setText(g); // picking an entry loads nothing by itself
    open(b);
    EXPECT_EQ(std::tuple(w.cboDatei.entries(), w.cboDatei.text(), w.txtAnzahl),
              std::tuple(Lines{b, g, kBuiltIn}, g, " 2"));
    goTo(" 4");
    press({0});
    w.cmdNeu_Click(); // reloads the entry shown
    EXPECT_EQ(
        std::tuple(w.fileName, w.txtAnzahl, w.txtAktuell(), w.maxIndex, w.txtKlicks,
                   w.cboDatei.entries(), h.dialogs.boxes.size(), w.cmdLoeSchaltungCaption),
        std::tuple(g, " 19", "1", 2, "0", Lines{b, g, kBuiltIn}, 0u, "Schaltung 1  entfernen"));
}

TEST_F(Files, ContentBecomesTheGroupButBadFilesChangeNothing) {
    std::string lines; // 201 of them, the first left out for a full group
    for (int i = 0; i < 201; ++i)
        lines += i % 2 ? "0*1*\r\n" : "1*10*01*\r\n";
    const std::string wide = "3" + std::string(10'000'000, '1');
    const std::tuple<std::string, const char*, Lines> cases[] = {
        {"", " 0", {std::string(builtInCodes()[0])}}, // slot 1 keeps its code
        {"3*1000*0100*0010*0001*\r\n1*11*01*", " 2", {"3*1000*0100*0010*0001*", "1*11*01*"}},
        {"1*11*01*\r\n\r\n", " 2", {"1*11*01*", ""}},
        {"1*11*01*\n0*1*\n", " 2", {"1*11*01*", "0*1*"}},
        {std::string("1*1\0001*\r\n", 8), " 1", {std::string("1*1\0001*", 6)}},
        {std::string("\x89\0\xff\r\n\xfe*", 7), " 2", {std::string("\x89\0\xff", 3), "\xfe*"}},
        {wide + "\r\n", " 1", {wide}},
        {lines.substr(10), " 200", {"0*1*", "1*10*01*"}}};
    for (const auto& [bytes, count, first] : cases) {
        press({0}); // so that the circuit shown afterwards is fresh
        write("g.lmp", bytes);
        open(path("g.lmp"));
        EXPECT_TRUE(slots(first.size()) == first) << count; // not printed: ten megabytes
        EXPECT_EQ(std::tuple(w.txtAnzahl, w.txtAktuell(), w.cboDatei.entries().front(), w.txtKlicks,
                             w.maxIndex, litLamps(), h.dialogs.boxes.size()),
                  std::tuple(count, " 1", path("g.lmp"), "0", readMaxIndex(first[0]), 0u, 0u));
    }

    write("over.lmp", lines);
    write("secret.lmp", kExample);
    fs::permissions(dir / "secret.lmp", fs::perms::none);
    fs::create_directory(dir / "folder.lmp");
    press({0});
    const auto before = state();
    const char* unreadable = ::geteuid() != 0 ? "secret.lmp" : "missing.lmp"; // root reads all
    // The box says what it always said; the reason stands below it.
    const std::pair<std::string, const char*> refused[] = {
        {"over.lmp", "mehr als 200 Zeilen"},
        {"folder.lmp", "ist ein Ordner, keine Datei"},
        {"missing.lmp", "Datei oder Ordner nicht gefunden"},
        {unreadable, ::geteuid() != 0 ? "keine Berechtigung" : "Datei oder Ordner nicht gefunden"},
        {"g.lmp", "die Datei würde zu groß"}};
    for (const auto& [name, reason] : refused) {
        const Boxes failed{{"Ungültiger Dateiname!", Icon::Critical, "Fehler", reason}};
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit low{16, old.rlim_max}; // the save fails half-way, as on a full disk
        std::signal(SIGXFSZ, SIG_IGN);      // EFBIG instead of the signal
        ::setrlimit(RLIMIT_FSIZE, name == "g.lmp" ? &low : &old);
        (name == "g.lmp" ? h.dialogs.saveNames : h.dialogs.openNames).push_back(path(name));
        name == "g.lmp" ? w.cmdSpeichern_Click() : w.cmdLaden_Click();
        ::setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(std::tuple(h.dialogs.boxes, state() == before), std::tuple(failed, true)) << name;
        h.dialogs.boxes.clear();
    }
    EXPECT_EQ(read("g.lmp"), lines.substr(10)); // the old file byte for byte, nothing left over
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);
}

TEST_F(Files, RemoveAtStartUpLowerCaseBuiltInNameAndCancelledDialogs) {
    const fs::path home = fs::current_path();
    fs::current_path(dir);
    w.schaltgruppe.setSlot(1, "0*0*");
    w.txtAnzahl = " 5";
    w.cmdEntfernen_Click(); // the built-in group cannot go, and is loaded again
    EXPECT_EQ(std::tuple(w.cboDatei.entries(), w.txtAnzahl, w.schaltgruppe.slot(1), w.maxIndex),
              std::tuple(Lines{kBuiltIn}, "19", builtInCodes()[0], 2));
    w.cboDatei.setText("voreinstellung.lmp"); // names a file, missing at first
    w.cmdNeu_Click();
    write("voreinstellung.lmp", "1*11*01*\r\n");
    w.cboDatei.setText("voreinstellung.lmp");
    w.cmdNeu_Click();
    EXPECT_EQ(
        h.dialogs.boxes,
        (Boxes{{"Voreinstellung.lmp kann nicht gelöscht werden.", Icon::None, ""},
               {"Ungültiger Dateiname!", Icon::None, "", "Datei oder Ordner nicht gefunden"}}));
    EXPECT_EQ(std::tuple(w.txtAnzahl, w.schaltgruppe.slot(1)), std::tuple(" 1", "1*11*01*"));
    const auto before = std::tuple(state(), w.fileName, h.dialogs.boxes);
    w.cmdLaden_Click(); // the fakes answer "" when nothing is queued
    w.cmdSpeichern_Click();
    fs::current_path(home);
    EXPECT_EQ(std::tuple(state(), w.fileName, h.dialogs.boxes), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1); // no ".lmp" made
}

} // namespace
