// The circuit editor on a started window: inserting and removing circuits, wiring lamps to the
// selected switch, growing and shrinking a circuit, and the limits.

#include "NumText.h"
#include "Started.h"

#include <algorithm>
#include <sstream>

namespace lampen::testing {
namespace {

using Editor = Started;

// Count and current number, the command (0, 1: insert before, after; 2, 3: remove by button, menu),
// then count, current number and slots 1.. as built-in circuits (0: new); 200 is a full group.
using GroupEdit = std::tuple<std::string, std::string, int, std::string, std::string, std::string>;
class Edit : public Editor, public ::testing::WithParamInterface<GroupEdit> {};

TEST_P(Edit, MovesTheLaterCircuitsOrRefusesWhenTheGroupIsFull) {
    const auto& [count, current, command, countAfter, nr, slotsAfter] = GetParam();
    w.txtAnzahl_Change(count);
    w.txtAktuell_Change(current);
    command < 2   ? w.cmdAddSchaltung_Click(command)
    : command < 3 ? w.cmdLoeSchaltung_Click()
                  : w.cmdLoeschen_Click();
    std::istringstream after(slotsAfter);
    int j = 0;
    for (std::size_t n; after >> n;)
        EXPECT_EQ(s().group.slot(++j), n ? builtInCodes().at(n - 1) : kNewCircuitCode) << j;
    const Box full{"Die Schaltgruppe ist voll: mehr als 200 Schaltungen sind nicht möglich.",
                   Icon::Exclamation, "Achtung"};
    const View v = w.view();
    EXPECT_EQ(std::tuple(v.txtAnzahl, v.txtAktuell, h.dialogs.boxes),
              std::tuple(countAfter, nr, std::vector(countAfter == " 200" ? 1 : 0, full)));
    EXPECT_EQ(std::tuple(v.cmdAddSchaltung[0], v.cmdAddSchaltung[1], v.cmdLoeSchaltung),
              std::tuple("Nummer " + nr, "Nummer " + numText(std::stoi(nr) + 1),
                         "Schaltung " + nr + "  entfernen"));
}

INSTANTIATE_TEST_SUITE_P(
    InsertRemoveFull, Edit,
    ::testing::Values(
        GroupEdit{"19", " 5", 0, " 20", " 5", "1 2 3 4 0 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19"},
        GroupEdit{"19", " 5", 1, " 20", " 6", "1 2 3 4 5 0 6 7 8 9 10 11 12 13 14 15 16 17 18 19"},
        GroupEdit{"19", "19", 1, " 20", " 20", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 0"},
        GroupEdit{"3", " 1", 2, " 2", "1", "2 3 3"}, GroupEdit{"3", " 3", 3, " 2", " 2", "1 2 3"},
        GroupEdit{"1", "1", 2, "1", "1", "1 2 3"}, GroupEdit{" 0", " 1", 0, " 1", " 1", "0 2 3"},
        GroupEdit{"19", " 30", 3, " 18", " 29", "1 2 3"},
        GroupEdit{" 200", "200", 1, " 200", "200", "1 2 3"}));

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
    w.cmdVoriges_Click(); // straight back: the new lamp takes circuit 4's leftovers
    w.cmdAddLampe_Click();
    EXPECT_EQ(s().group.slot(1), "3*1100*0110*0011*0001*");
    for (int i = 0; i < 4; ++i) // down to one lamp, which stays
        w.cmdLoeLampe_Click();
    EXPECT_EQ(std::tuple(s().group.slot(1), s().maxIndex, h.dialogs.boxes.size()),
              std::tuple("0*1*", 0, 0u));
}

} // namespace
} // namespace lampen::testing
