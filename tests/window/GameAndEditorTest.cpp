// Start-up, the main switch, navigation; the circuit editor: inserting and
// removing circuits, wiring, growing and shrinking, the limits; and nothing stale after a step:
// leaving the editor by any way, its operations with a switch selected, an empty group.

#include "NumText.h"
#include "Started.h"
#include "Texts.h"

#include <algorithm>
#include <sstream>

namespace lampen::testing {
namespace {

using Game = Started;
using Editor = Started;
using Classroom = Started;

TEST_F(Game, StartsInPlayModeOnCircuitOneWithEveryLampAsTarget) {
    const View v = w.view();
    const auto shown = &Placed::visible; // lamps, switches, the editor's lamp buttons
    EXPECT_EQ(std::tuple(v.txtAktuell, v.txtAnzahl, v.txtKlicks, s().target, panels(v),
                         maskOf(v.shpLampe, shown), maskOf(v.cmdSchalter, shown),
                         maskOf(v.cmdLampe, shown), v.txtAusgabe),
              std::tuple("1", "19", "0", 0b111u, "---x--", 0b111u, 0b111u, 0u,
                         "Schalten Sie die gelb markierten Lampen ein!"));
}

TEST_F(Game, MainSwitchDarkensInPlayAndUnwiresInEditModeWhereNoTargetIsDrawn) {
    play("S0 S2 aus");
    EXPECT_EQ(std::tuple(s().lit, w.view().picProzent.ops().size()), std::tuple(0u, 0u));
    play("ändern S1 neu aus"); // FakeRandom would draw lamp 0 alone
    EXPECT_EQ(std::tuple(s().target, s().group.slot(1)), std::tuple(0b111u, "2*000*000*000*"));
}

TEST_F(Game, NavigationStepsAndWraps) {
    play("S0 S2 nächste"); // a fresh task on circuit 2: the indicator goes dark
    EXPECT_EQ(std::tuple(w.view().shpDonlampFill, w.view().txtKlicks, s().outcome),
              std::tuple(colour::darkBlue, "0", Outcome::Open));
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"1", true, " 2"}, {" 3", true, " 4"}, {"19", true, "1"},  {"25", true, "1"},
        {"0", true, " 1"}, {"1", false, "19"}, {"0", false, "19"}, {" 5", false, " 4"}};
    for (const auto& [start, forward, expected] : cases) {
        w.txtAktuell_Change(start);
        forward ? w.cmdNaechstes_Click() : w.cmdVoriges_Click();
        const View v = w.view();
        EXPECT_EQ(std::tuple(v.txtAktuell, v.cmdAddSchaltung[0]),
                  std::tuple(expected, std::string("Nummer ") + expected))
            << start << (forward ? " next" : " previous");
    }
}

TEST_F(Game, CurrentNumberOutsideTheSlotsLoadsAnEmptyCircuitAndStoresNothing) {
    for (const char* n : {"201", "-1", "99999999999999999999999"}) {
        w.txtAktuell_Change(n);
        w.cmdAddLampe_Click(); // stores, then loads the current number again
        w.cmdAddLampe_Click();
        EXPECT_EQ(std::tuple(s().maxIndex, s().group.slot(1)), std::tuple(0, "2*110*011*001*"))
            << n;
    }
}

TEST_F(Editor, InsertAndRemoveMoveTheLaterCircuitsOrRefuseWhenTheGroupIsFull) {
    const Box full{"Die Schaltgruppe ist voll: mehr als 200 Schaltungen sind nicht möglich.",
                   Icon::Exclamation, "Achtung"};
    // Count and current number, the command (0, 1: insert before, after; 2, 3: remove by button,
    // menu), then count, current number and slots 1.. as built-in circuits (0: new).
    const std::tuple<const char*, const char*, int, const char*, std::string, const char*> cases[] =
        {{"19", " 5", 0, " 20", " 5", "1 2 3 4 0 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19"},
         {"19", " 5", 1, " 20", " 6", "1 2 3 4 5 0 6 7 8 9 10 11 12 13 14 15 16 17 18 19"},
         {"3", " 1", 2, " 2", "1", "2 3 3"},
         {"3", " 3", 3, " 2", " 2", "1 2 3"},
         {"1", "1", 2, "1", "1", "1 2 3"},
         {" 0", " 1", 0, " 1", " 1", "0 2 3"},
         {"19", " 30", 3, " 18", " 29", "1 2 3"},
         {" 200", "200", 1, " 200", "200", "1 2 3"}};
    for (const auto& [count, current, command, countAfter, nr, slotsAfter] : cases) {
        SCOPED_TRACE(std::string(count) + "/" + current + ": " + std::to_string(command));
        w.cmdNeu_Click();
        h.dialogs.boxes.clear();
        w.txtAnzahl_Change(count);
        w.txtAktuell_Change(current);
        command < 2   ? w.cmdAddSchaltung_Click(command)
        : command < 3 ? w.cmdLoeSchaltung_Click()
                      : w.cmdLoeschen_Click();
        std::istringstream after(slotsAfter);
        int j = 0;
        for (std::size_t n; after >> n;)
            EXPECT_EQ(s().group.slot(++j), n ? builtInCodes().at(n - 1) : kNewCircuitCode) << j;
        const View v = w.view();
        EXPECT_EQ(std::tuple(v.txtAnzahl, v.txtAktuell, h.dialogs.boxes),
                  std::tuple(countAfter, nr, std::vector(nr == "200" ? 1 : 0, full)));
        EXPECT_EQ(std::tuple(v.cmdAddSchaltung[0], v.cmdAddSchaltung[1], v.cmdLoeSchaltung),
                  std::tuple("Nummer " + nr, "Nummer " + numText(std::stoi(nr) + 1),
                             "Schaltung " + nr + "  entfernen"));
    }
}

TEST_F(Editor, LampClicksWireTheSelectedSwitchAndLampCommandsKeepOneToTenLamps) {
    openCodes({"2*150*011*001*"}); // slots 2.. keep the built-in circuits
    play("ändern L1");             // S0 until a switch is selected; a 5 from a file becomes a wire
    EXPECT_EQ(std::tuple(s().group.slot(1), s().selectedSwitch, s().lit),
              std::tuple("2*110*011*001*", std::optional(0), 0b011u)); // S0's wires shown
    play("S1 L0");
    const DrawOp wire{DrawOp::Kind::Text, 10, 20, 10, 20, qbColour(1), 1, " 1"}; // S1, L0
    EXPECT_EQ(
        std::tuple(s().group.slot(1), s().lit, std::ranges::count(w.view().picMatrix.ops(), wire)),
        std::tuple("2*110*111*001*", 0b111u, 1));
    play("L0 dazu");
    EXPECT_EQ(s().group.slot(1), "3*1100*0110*0010*0000*");
    w.cmdLoeLampe_Click();
    EXPECT_EQ(s().group.slot(1), "2*110*011*001*");
    w.txtAktuell_Change(" 5");
    w.cmdVoriges_Click(); // circuit 4: ten lamps are the most
    w.cmdAddLampe_Click();
    EXPECT_EQ(std::tuple(s().maxIndex, s().group.slot(4)), std::tuple(9, builtInCodes()[3]));
    w.txtAktuell_Change(" 2");
    w.cmdVoriges_Click();
    for (int i = 0; i < 3; ++i) // down to one lamp, which stays
        w.cmdLoeLampe_Click();
    EXPECT_EQ(std::tuple(s().group.slot(1), s().maxIndex, h.dialogs.boxes.size()),
              std::tuple("0*1*", 0, 0u));
}

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
    for (const char* way : {"hilfe", "math", "fertig"}) {
        SCOPED_TRACE(way);
        w.cmdNeu_Click();     // the built-in group afresh: circuit 1 solves every lamp with S0 S2
        play("ändern S2 L2"); // S2 loses its only wire: every lamp is no longer reachable
        play(way);
        const View v = w.view();
        // Not the target FakeRandom would draw (lamp 0): every lamp of the circuit.
        EXPECT_EQ(std::tuple(s().editMode(), v.panels.matrix, maskOf(v.cmdLampe, &Placed::visible),
                             maskOf(v.cmdMLampe, &Placed::visible), s().lit, s().target,
                             s().analysis.targetSolvable, v.cmdSchalter[2].fontSize),
                  std::tuple(false, false, 0u, 0u, 0u, 0b111u, false, v.cmdSchalter[0].fontSize));
        play("L0 S0 S1"); // no lamp buttons outside the editor
        EXPECT_EQ(std::tuple(s().group.slot(1), v.txtKlicks, w.view().txtAusgabe),
                  std::tuple("2*110*011*000*", "0", texts::task));
        h.dialogs.boxes.clear();
        play("status fertig"); // a "fertig" outside the editor starts nothing
        EXPECT_EQ(std::tuple(h.dialogs.boxes.at(0).text, s().presses.value),
                  std::tuple("Die Aufgabe ist nicht lösbar.", 2));
    }
}

TEST_F(Classroom, TheEditorsLampsShowTheSelectedSwitchAfterEveryOperation) {
    write("zwei.lmp", "2*110*011*001*\r\n4*11000*01100*00110*00011*00001*\r\n");
    // A lamp more, fewer, inserting, removing and stepping circuits, the main switch, a wire.
    for (const char* operation : {"dazu", "weniger", "weniger weniger", "N0", "N1", "entfernen",
                                  "nächste", "vorige", "aus", "L1", "Datei öffnen"}) {
        SCOPED_TRACE(operation);
        w.openGroupFile(path("zwei.lmp"));
        play("ändern nächste S2"); // five lamps
        operation == std::string("Datei öffnen") ? w.openGroupFile(path("zwei.lmp"))
                                                 : play(operation);
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

TEST_F(Classroom, RemovingTheEntryReturnsToBuiltInCircuitOne) {
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
}

TEST_F(Classroom, AnEmptyGroupGetsItsFirstCircuitFromEitherInsertButton) {
    write("leer.lmp", "");
    for (int where : {0, 1}) {
        w.openGroupFile(path("leer.lmp"));
        w.cmdVoriges_Click(); // never "Nr. 0"
        EXPECT_EQ(std::tuple(w.view().txtAnzahl, w.view().txtAktuell), std::tuple(" 0", "1"));
        w.cmdAddSchaltung_Click(where);
        EXPECT_EQ(std::tuple(w.view().txtAktuell, w.view().txtAnzahl), std::tuple(" 1", " 1"))
            << where;
        h.dialogs.saveNames = {path("eins.lmp")};
        w.cmdSpeichern_Click();
        EXPECT_EQ(read("eins.lmp"), std::string(kNewCircuitCode) + "\r\n");
    }
    w.openGroupFile(path("leer.lmp"));
    w.cmdHinzufuegen_Click();
    EXPECT_EQ(std::tuple(w.view().txtAktuell, w.view().txtAnzahl, s().editMode()),
              std::tuple(" 1", " 1", true));
}

} // namespace
} // namespace lampen::testing
