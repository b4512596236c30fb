// The circuit editor on a started window: inserting and removing circuits, wiring lamps to the
// selected switch, growing and shrinking a circuit, the limits, and leaving edit mode.

#include "Fakes.h"
#include "Lampen.h"
#include "NumText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace lampen {
namespace {

using testing::Harness;

std::string builtIn(int n) {
    return std::string(builtInCodes().at(static_cast<std::size_t>(n - 1)));
}

class CircuitEditor : public ::testing::Test {
protected:
    Harness h;
    Lampen w{h.dialogs, h.random, h.metrics};

    void SetUp() override { w.Form_Load(); }

    // Steps with "nächste" as the user would, so the number reads " 5" like navigation writes it.
    void goTo(int nr) {
        for (int i = 0; i < 200 && numValue(w.txtAktuell()) != nr; ++i)
            w.cmdNaechstes_Click();
        ASSERT_EQ(numValue(w.txtAktuell()), nr);
    }

    std::vector<std::string> slots() const {
        std::vector<std::string> all;
        for (int j = 0; j < kSlotCount; ++j)
            all.push_back(w.schaltgruppe.slot(j));
        return all;
    }

    std::array<bool, kLampCount> lampsOn() const {
        std::array<bool, kLampCount> on{};
        for (std::size_t l = 0; l < kLampCount; ++l)
            on[l] = w.shpLampe[l].on;
        return on;
    }

    // A group of n circuits, two kinds taking turns, so a slot that moved shows it.
    void fillGroup(int n) {
        for (int j = 1; j <= n; ++j)
            w.schaltgruppe.setSlot(j, j % 2 ? "2*110*011*001*" : "0*1*");
        w.txtAnzahl = numText(n);
    }
};

// ---- inserting --------------------------------------------------------------------------------

struct InsertCase {
    const char* name;
    int current;
    int where;
    int newNr;
};

class InsertIntoBuiltIn : public CircuitEditor, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertIntoBuiltIn, NewCircuitTakesItsNumberAndTheRestMovesUp) {
    const InsertCase c = GetParam();
    goTo(c.current);
    w.cmdAddSchaltung_Click(c.where);

    EXPECT_EQ(w.txtAnzahl, " 20");
    EXPECT_EQ(w.txtAktuell(), numText(c.newNr));
    for (int j = 1; j <= 20; ++j) {
        const std::string expected = j < c.newNr    ? builtIn(j)
                                     : j == c.newNr ? text::newCircuit
                                                    : builtIn(j - 1);
        EXPECT_EQ(w.schaltgruppe.slot(j), expected) << "slot " << j;
    }
    // The new circuit is the one shown, as a fresh task.
    EXPECT_EQ(w.maxIndex, 2);
    for (int s = 0; s <= 2; ++s)
        for (int l = 0; l <= 2; ++l)
            EXPECT_EQ(w.verbindungsmatrix(s, l), s == l ? 1 : 0);
    EXPECT_EQ(w.cmdAddSchaltungCaption[0], "Nummer " + numText(c.newNr));
    EXPECT_EQ(w.cmdAddSchaltungCaption[1], "Nummer " + numText(c.newNr + 1));
    EXPECT_EQ(w.cmdLoeSchaltungCaption, "Schaltung " + numText(c.newNr) + "  entfernen");
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Positions, InsertIntoBuiltIn,
                         ::testing::Values(InsertCase{"BeforeFive", 5, 0, 5},
                                           InsertCase{"AfterFive", 5, 1, 6},
                                           InsertCase{"BeforeFirst", 1, 0, 1},
                                           InsertCase{"AfterLast", 19, 1, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CircuitEditor, InsertBeforeKeepsTheCaptionTextAsNavigationWroteIt) {
    goTo(5);
    w.cmdAddSchaltung_Click(0);
    EXPECT_EQ(w.cmdAddSchaltungCaption[0], "Nummer  5");
    EXPECT_EQ(w.cmdAddSchaltungCaption[1], "Nummer  6");
    EXPECT_EQ(w.cmdLoeSchaltungCaption, "Schaltung  5  entfernen");
}

TEST_F(CircuitEditor, MenuAddInsertsBeforeAndEntersEditMode) {
    goTo(3);
    w.cmdHinzufuegen_Click();
    EXPECT_TRUE(w.editMode());
    EXPECT_EQ(w.schaltgruppe.slot(3), text::newCircuit);
    EXPECT_EQ(w.schaltgruppe.slot(4), builtIn(3));
    EXPECT_TRUE(w.visible.picMatrix);
    EXPECT_TRUE(w.cmdLampe[0].visible);
}

// ---- removing ---------------------------------------------------------------------------------

struct RemoveCase {
    const char* name;
    int current;
    std::string countAfter;
    std::string currentAfter;
    std::array<std::string, 3> slotsAfter;
};

class RemoveFromThree : public CircuitEditor, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveFromThree, LaterCircuitsMoveDown) {
    const RemoveCase c = GetParam();
    w.txtAnzahl = "3";
    w.setTxtAktuell(numText(c.current));
    w.loadCircuit();
    w.refreshView();

    w.cmdLoeSchaltung_Click();

    EXPECT_EQ(w.txtAnzahl, c.countAfter);
    EXPECT_EQ(w.txtAktuell(), c.currentAfter);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(w.schaltgruppe.slot(j), c.slotsAfter.at(static_cast<std::size_t>(j - 1)))
            << "slot " << j;
    // The circuit shown is the one now standing at the current number.
    const int shown = static_cast<int>(numValue(c.currentAfter));
    EXPECT_EQ(w.maxIndex, readMaxIndex(w.schaltgruppe.slot(shown)));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, RemoveFromThree,
    ::testing::Values(RemoveCase{"First", 1, " 2", "1", {builtIn(2), builtIn(3), builtIn(3)}},
                      RemoveCase{"Middle", 2, " 2", " 1", {builtIn(1), builtIn(3), builtIn(3)}},
                      RemoveCase{"Last", 3, " 2", " 2", {builtIn(1), builtIn(2), builtIn(3)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CircuitEditor, MenuDeleteRemovesLikeTheButton) {
    goTo(4);
    w.cmdLoeschen_Click();
    EXPECT_EQ(w.txtAnzahl, " 18");
    EXPECT_EQ(w.txtAktuell(), " 3");
    EXPECT_EQ(w.schaltgruppe.slot(4), builtIn(5));
    EXPECT_EQ(w.maxIndex, 4); // circuit 3 has five lamps
}

// ---- wiring ------------------------------------------------------------------------------------

TEST_F(CircuitEditor, SelectingSwitchOneShowsItsLampsAndALampClickWiresLampZero) {
    w.cmdAendern_Click();
    w.cmdSchalter_Click(1);
    EXPECT_EQ(w.txtSchalter, " 1");
    EXPECT_EQ(lampsOn(), (std::array<bool, kLampCount>{false, true, true}));

    w.cmdLampe_Click(0);

    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*111*001*");
    EXPECT_EQ(w.verbindungsmatrix(1, 0), 1);
    EXPECT_EQ(lampsOn(), (std::array<bool, kLampCount>{true, true, true}));
    EXPECT_EQ(w.shpLampe[0].fill, w.lampColour[2]);
    // The matrix view was redrawn with the new wire: row S1, column L0.
    const auto& ops = w.picMatrix.ops();
    const auto entry = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.x1 == 10 && op.y1 == 20;
    });
    ASSERT_NE(entry, ops.end());
    EXPECT_EQ(entry->text, " 1");
    EXPECT_EQ(entry->colour, qbColour(1));

    // A second click takes the wire away again.
    w.cmdLampe_Click(0);
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*");
    EXPECT_FALSE(w.shpLampe[0].on);
}

TEST_F(CircuitEditor, LampClickBeforeAnySelectionRewiresSwitchZero) {
    ASSERT_EQ(w.txtSchalter, "Text4");
    w.cmdAendern_Click();
    w.cmdLampe_Click(2);
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*111*011*001*");
}

TEST_F(CircuitEditor, ADigitReadFromAFileBecomesAWireOnClick) {
    w.schaltgruppe.setSlot(1, "2*150*011*001*");
    w.loadCircuit();
    w.refreshView();
    w.cmdAendern_Click();
    w.cmdLampe_Click(1);
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*");
}

TEST_F(CircuitEditor, AddingAndRemovingALampGivesBackTheCircuit) {
    w.cmdAendern_Click();
    w.cmdAddLampe_Click();
    EXPECT_EQ(w.maxIndex, 3);
    EXPECT_EQ(w.schaltgruppe.slot(1), "3*1100*0110*0010*0000*");
    w.cmdLoeLampe_Click();
    EXPECT_EQ(w.maxIndex, 2);
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*");
    // Each lamp command loads the circuit afresh: lamps off, all lamps the target.
    for (int l = 0; l <= 2; ++l) {
        EXPECT_FALSE(w.shpLampe[static_cast<std::size_t>(l)].on);
        EXPECT_TRUE(w.shpLampe[static_cast<std::size_t>(l)].isTarget());
    }
}

TEST_F(CircuitEditor, AddingALampAfterALargerCircuitTakesItsLeftovers) {
    goTo(4);
    // Straight back to circuit 1, as opening a file does, so no other circuit comes between.
    w.setTxtAktuell("1");
    w.loadCircuit();
    w.refreshView();
    w.cmdAddLampe_Click();
    // Column 3 of S2 and row S3 still hold circuit 4's wires.
    EXPECT_EQ(w.schaltgruppe.slot(1), "3*1100*0110*0011*0001*");
}

TEST_F(CircuitEditor, RemovingALampThenAddingItBringsTheWiringBack) {
    goTo(2); // "3*1000*0110*0011*1001*"
    w.cmdLoeLampe_Click();
    EXPECT_EQ(w.schaltgruppe.slot(2), "2*100*011*001*");
    w.cmdAddLampe_Click();
    EXPECT_EQ(w.schaltgruppe.slot(2), builtIn(2));
}

// ---- limits -----------------------------------------------------------------------------------

TEST_F(CircuitEditor, TenLampsIsTheMost) {
    goTo(4);
    const auto before = slots();
    w.cmdAddLampe_Click();
    EXPECT_EQ(w.maxIndex, 9);
    EXPECT_EQ(slots(), before);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(CircuitEditor, OneLampIsTheLeast) {
    w.cmdLoeLampe_Click();
    w.cmdLoeLampe_Click();
    ASSERT_EQ(w.schaltgruppe.slot(1), "0*1*");
    const auto before = slots();
    w.cmdLoeLampe_Click();
    EXPECT_EQ(w.maxIndex, 0);
    EXPECT_EQ(slots(), before);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(CircuitEditor, TheLastCircuitOfAGroupStays) {
    w.txtAnzahl = "1";
    const auto before = slots();
    w.cmdLoeSchaltung_Click();
    EXPECT_EQ(w.txtAnzahl, "1");
    EXPECT_EQ(w.txtAktuell(), "1");
    EXPECT_EQ(slots(), before);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

struct FullCase {
    const char* name;
    int current;
    int where;
};

class FullGroup : public CircuitEditor, public ::testing::WithParamInterface<FullCase> {};

TEST_P(FullGroup, RefusesWithAMessageAndChangesNothing) {
    const FullCase c = GetParam();
    fillGroup(kMaxCircuits);
    w.setTxtAktuell(numText(c.current));
    w.loadCircuit();
    w.refreshView();
    const auto before = slots();
    const int k = w.maxIndex;

    w.cmdAddSchaltung_Click(c.where);

    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Exclamation);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Achtung");
    EXPECT_NE(h.dialogs.boxes[0].text.find("200"), std::string::npos);
    EXPECT_EQ(w.txtAnzahl, " 200");
    EXPECT_EQ(w.txtAktuell(), numText(c.current));
    EXPECT_EQ(w.maxIndex, k);
    EXPECT_EQ(slots(), before);
}

INSTANTIATE_TEST_SUITE_P(Positions, FullGroup,
                         ::testing::Values(FullCase{"BeforeFirst", 1, 0},
                                           FullCase{"AfterLast", 200, 1},
                                           FullCase{"BeforeLast", 200, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CircuitEditor, MenuAddOnAFullGroupStaysInPlayMode) {
    fillGroup(kMaxCircuits);
    const auto before = slots();
    w.cmdHinzufuegen_Click();
    EXPECT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_FALSE(w.editMode());
    EXPECT_EQ(slots(), before);
}

TEST_F(CircuitEditor, AGroupOf199TakesOneMore) {
    fillGroup(kMaxCircuits - 1);
    w.setTxtAktuell(numText(199));
    w.cmdAddSchaltung_Click(1);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w.txtAnzahl, " 200");
    EXPECT_EQ(w.schaltgruppe.slot(200), text::newCircuit);
}

TEST_F(CircuitEditor, ACurrentNumberOutsideTheGroupIsRefused) {
    for (const char* current : {" 0", " 25", " 250", "-3"}) {
        h.dialogs.boxes.clear();
        w.setTxtAktuell(current);
        const auto before = slots();
        w.cmdAddSchaltung_Click(0);
        w.cmdAddSchaltung_Click(1);
        w.cmdLoeSchaltung_Click();
        EXPECT_EQ(h.dialogs.boxes.size(), 3u) << current;
        EXPECT_EQ(w.txtAnzahl, "19") << current;
        EXPECT_EQ(w.txtAktuell(), current);
        EXPECT_EQ(slots(), before) << current;
    }
}

// ---- leaving edit mode -----------------------------------------------------------------------

class LeavingEditMode : public CircuitEditor {
protected:
    // A screen one and a half times as wide and a quarter higher: fonts follow the height.
    void SetUp() override { w.Form_Load(kDesignWidth * 1.5, kDesignHeight * 1.25); }
};

TEST_F(LeavingEditMode, FertigResetsLampsCaptionsAndStartsAFullTarget) {
    ASSERT_DOUBLE_EQ(w.layoutScale, 1.25);
    goTo(3);
    w.cmdAendern_Click();
    w.cmdSchalter_Click(1);
    w.cmdSchalter_Click(2); // lights lamps 2 and 3; S2 in the larger font
    ASSERT_DOUBLE_EQ(w.cmdSchalter[2].fontSize, 12.5);
    ASSERT_TRUE(w.shpLampe[2].on);
    h.random.values = {0.0, 0.2, 0.4, 0.6, 0.8}; // a random target would be one lamp only
    h.random.next_ = 0;

    w.cmdSpielen_Click();

    EXPECT_FALSE(w.editMode());
    EXPECT_FALSE(w.visible.picMatrix);
    EXPECT_FALSE(w.visible.txtSchalter);
    for (std::size_t l = 0; l < kLampCount; ++l) {
        EXPECT_FALSE(w.shpLampe[l].on) << l;
        EXPECT_EQ(w.shpLampe[l].fill, w.lampColour[1]) << l;
        EXPECT_DOUBLE_EQ(w.cmdSchalter[l].fontSize, 10) << l; // 8 x 1.25
        EXPECT_FALSE(w.cmdLampe[l].visible) << l;
        EXPECT_FALSE(w.cmdMLampe[l].visible) << l;
        EXPECT_EQ(w.shpLampe[l].isTarget(), l <= 4) << l;
    }
    EXPECT_EQ(w.txtAusgabe(), text::task);
    EXPECT_EQ(w.txtKlicks, "0");
    EXPECT_FALSE(w.workStarted);
    EXPECT_EQ(w.matchCount, 0);
    EXPECT_TRUE(w.analysis.targetSolvable);
    // The circuit stays the current one, unchanged.
    EXPECT_EQ(w.txtAktuell(), " 3");
    EXPECT_EQ(w.schaltgruppe.slot(3), builtIn(3));
}

TEST_F(LeavingEditMode, AnotherPanelEndsEditModeWithoutTheFertigSteps) {
    w.cmdAendern_Click();
    w.cmdSchalter_Click(1);
    w.cmdHilfe_Click();

    EXPECT_FALSE(w.editMode());
    EXPECT_FALSE(w.visible.picMatrix);
    // The editor's lamps and the large caption stay; the lamp buttons until the next redraw.
    EXPECT_EQ(lampsOn(), (std::array<bool, kLampCount>{false, true, true}));
    EXPECT_DOUBLE_EQ(w.cmdSchalter[1].fontSize, 10 * w.layoutScale);
    EXPECT_TRUE(w.cmdLampe[0].visible);
    w.refreshView();
    EXPECT_FALSE(w.cmdLampe[0].visible);
    EXPECT_EQ(w.txtSchalter, " 1"); // the selection survives
}

TEST_F(LeavingEditMode, EnteringPutsTheMatrixUnderTheFrameWithAFullTarget) {
    h.random.values = {0.0};
    w.cmdAufgabe_Click(); // a one-lamp target in play mode
    ASSERT_FALSE(w.shpLampe[1].isTarget());
    w.cmdMath_Click();

    w.cmdAendern_Click();

    EXPECT_TRUE(w.editMode());
    EXPECT_TRUE(w.visible.picMatrix);
    EXPECT_FALSE(w.visible.lblErklaerung[1]);
    EXPECT_DOUBLE_EQ(w.picMatrixTop, (240 + 3852) * 1.25);
    for (std::size_t l = 0; l <= 2; ++l) {
        EXPECT_TRUE(w.shpLampe[l].isTarget()) << l;
        EXPECT_TRUE(w.cmdLampe[l].visible) << l;
        EXPECT_TRUE(w.cmdMLampe[l].visible) << l;
    }
    EXPECT_EQ(w.schaltgruppe.slot(1), builtIn(1));
}

} // namespace
} // namespace lampen
