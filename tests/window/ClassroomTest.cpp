// Nothing stale after a step: leaving the editor by any way, the editor's operations with a
// switch selected, removing a group's entry, and an empty group.

#include "Started.h"

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
    play("ändern L2"); // S0 gains lamp 2
    h.dialogs.saveNames = {path("neu")};
    w.cmdSpeichern_Click();
    EXPECT_EQ(read("neu.lmp").substr(0, 16), "2*111*011*001*\r\n");
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
        EXPECT_EQ(read("eins.lmp"), std::string(kNewCircuitCode) + "\r\n");
    }
    w.openGroupFile(path("leer.lmp"));
    w.cmdHinzufuegen_Click();
    EXPECT_EQ(std::tuple(w.view().txtAktuell, w.view().txtAnzahl, s().editMode()),
              std::tuple(" 1", " 1", true));
}

} // namespace
} // namespace lampen::testing
