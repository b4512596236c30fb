// Nothing stale after a step: leaving the editor by any way, the editor's operations with a
// switch selected, removing a group's entry, and an empty group.

#include "Started.h"

#include <fstream>
#include <functional>
#include <sstream>

namespace lampen::testing {
namespace {

using Classroom = Started;

// The lamps that show switch s's wires of value 1, worked out from the code in its slot.
unsigned rowFromCode(const std::string& code, int s) {
    const int k = readMaxIndex(code);
    unsigned row = 0;
    for (int l = 0; l <= k; ++l) {
        const std::size_t at = static_cast<std::size_t>(2 + s * (k + 2) + l);
        row |= at < code.size() && code[at] == '1' ? 1u << l : 0u;
    }
    return row;
}

TEST_F(Classroom, EveryWayOutOfTheEditorLeavesTheAnalysisOfTheWiringAsItIs) {
    const std::pair<const char*, std::function<void(Lampen&)>> ways[] = {
        {"Hilfe zur Bedienung", [](Lampen& l) { l.cmdHilfe_Click(); }},
        {"Mathematisches", [](Lampen& l) { l.cmdMath_Click(); }},
        {"fertig", [](Lampen& l) { l.cmdSpielen_Click(); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        w.cmdNeu_Click(); // the built-in group afresh: circuit 1 solves every lamp with S0 S2
        w.cmdAendern_Click();
        press({2});
        w.cmdLampe_Click(2); // S2 loses its only wire: every lamp is no longer reachable
        leave(w);
        const View v = w.view();
        EXPECT_EQ(std::tuple(s().editMode(), maskOf(v.cmdLampe, &Placed::visible), s().lit,
                             s().target, s().analysis.targetSolvable, v.cmdSchalter[2].fontSize),
                  std::tuple(false, 0u, 0u, 0b111u, false, v.cmdSchalter[0].fontSize));
        w.cmdLampe_Click(0); // no lamp buttons outside the editor
        press({0, 1});
        EXPECT_EQ(std::tuple(s().group.slot(1), v.txtKlicks, w.view().txtAusgabe),
                  std::tuple("2*110*011*000*", "0", texts::task));
        h.dialogs.boxes.clear();
        w.cmdStatus_Click();
        EXPECT_EQ(h.dialogs.boxes.at(0).text, "Die Aufgabe ist nicht lösbar.");
        w.cmdSpielen_Click(); // a "fertig" outside the editor starts nothing
        EXPECT_EQ(s().presses.value, 2);
    }
}

TEST_F(Classroom, TheEditorsLampsShowTheSelectedSwitchAfterEveryOperation) {
    write("zwei.lmp", "2*110*011*001*\r\n4*11000*01100*00110*00011*00001*\r\n");
    const std::pair<const char*, std::function<void(Lampen&)>> operations[] = {
        {"Lampe dazu", [](Lampen& l) { l.cmdAddLampe_Click(); }},
        {"Lampe weg", [](Lampen& l) { l.cmdLoeLampe_Click(); }},
        {"Lampe weg, twice", [](Lampen& l) { l.cmdLoeLampe_Click(), l.cmdLoeLampe_Click(); }},
        {"vor akt. Nr.", [](Lampen& l) { l.cmdAddSchaltung_Click(0); }},
        {"hinter", [](Lampen& l) { l.cmdAddSchaltung_Click(1); }},
        {"Schaltung entfernen", [](Lampen& l) { l.cmdLoeSchaltung_Click(); }},
        {"nächste", [](Lampen& l) { l.cmdNaechstes_Click(); }},
        {"vorige", [](Lampen& l) { l.cmdVoriges_Click(); }},
        {"Hauptschalter", [](Lampen& l) { l.cmdLampenaus_Click(); }},
        {"a lamp button", [](Lampen& l) { l.cmdLampe_Click(1); }},
        {"Datei öffnen", [this](Lampen& l) { l.openGroupFile(path("zwei.lmp")); }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        w.openGroupFile(path("zwei.lmp"));
        w.cmdAendern_Click();
        w.cmdNaechstes_Click(); // five lamps
        press({2});
        operation(w);
        const std::optional<int> selected = s().selectedSwitch;
        EXPECT_TRUE(!selected || *selected <= s().maxIndex);
        const std::string code = s().group.slot(s().current.value);
        EXPECT_EQ(s().lit, selected ? rowFromCode(code, *selected) : 0u) << code;
        const View v = w.view();
        for (int sw = 0; sw < kLampCount; ++sw)
            EXPECT_EQ(v.cmdSchalter[std::size_t(sw)].fontSize == v.cmdSchalter[0].fontSize,
                      sw == 0 || selected != sw)
                << sw;
    }
}

TEST_F(Classroom, ALampClickWithoutASelectionWiresS0AndShowsItsWires) {
    w.cmdAendern_Click();
    w.cmdLampe_Click(0); // S0 loses its wire to lamp 0: that lamp is dark, lamp 1 is lit
    EXPECT_EQ(std::tuple(s().group.slot(1), s().selectedSwitch, s().lit),
              std::tuple("2*010*011*001*", std::optional(0), 0b010u));
}

TEST_F(Classroom, RemovingTheEntryReturnsToBuiltInCircuitOneAndLaterEditsAreSaved) {
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "1*11*01*\r\n";
    write("viele.lmp", many);
    w.openGroupFile(path("viele.lmp"));
    w.txtAktuell_Change(" 23");
    w.cmdVoriges_Click(); // Nr. 22 von 25
    w.cmdEntfernen_Click();
    EXPECT_EQ(std::tuple(w.view().txtAktuell, w.view().txtAnzahl, s().maxIndex, s().fileName),
              std::tuple("1", "19", 2, std::string(kBuiltInName)));
    w.cmdAendern_Click();
    w.cmdLampe_Click(2); // S0 gains lamp 2
    h.dialogs.saveNames = {path("neu")};
    w.cmdSpeichern_Click();
    std::ifstream saved(path("neu.lmp"), std::ios::binary);
    std::string first;
    std::getline(saved, first);
    EXPECT_EQ(first, "2*111*011*001*\r");
}

TEST_F(Classroom, AnEmptyGroupGetsItsFirstCircuitFromEitherInsertButton) {
    write("leer.lmp", "");
    for (int where : {0, 1}) {
        w.openGroupFile(path("leer.lmp"));
        EXPECT_EQ(w.view().txtAnzahl, " 0");
        w.cmdVoriges_Click(); // never "Nr. 0"
        EXPECT_EQ(w.view().txtAktuell, "1");
        w.cmdAddSchaltung_Click(where);
        EXPECT_EQ(std::tuple(w.view().txtAktuell, w.view().txtAnzahl), std::tuple(" 1", " 1"))
            << where;
        h.dialogs.saveNames = {path("eins.lmp")};
        w.cmdSpeichern_Click();
        std::ifstream saved(path("eins.lmp"), std::ios::binary);
        EXPECT_EQ((std::ostringstream() << saved.rdbuf()).str(),
                  std::string(kNewCircuitCode) + "\r\n");
    }
    w.openGroupFile(path("leer.lmp"));
    w.cmdHinzufuegen_Click();
    EXPECT_EQ(std::tuple(w.view().txtAktuell, w.view().txtAnzahl, s().editMode()),
              std::tuple(" 1", " 1", true));
}

} // namespace
} // namespace lampen::testing
