// Start-up, presses, success judgement, the main switch and navigation, played headless.

#include "Started.h"

namespace lampen::testing {
namespace {

using Game = Started;

TEST_F(Game, StartsInPlayModeOnCircuitOneWithEveryLampAsTarget) {
    EXPECT_FALSE(w.editMode());
    EXPECT_EQ(w.txtAktuell(), "1");
    EXPECT_EQ(w.txtAnzahl, "19");
    EXPECT_EQ(w.txtKlicks, "0");
    EXPECT_EQ(w.fileName, "Voreinstellung.lmp");
    EXPECT_EQ(w.maxIndex, 2);
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*");
    EXPECT_EQ(w.txtAusgabe(), "Schalten Sie die gelb markierten Lampen ein!");
    EXPECT_EQ(w.txtAusgabeBackColour, colour::white);
    EXPECT_EQ(w.shpDonlampFill, colour::darkBlue);
    for (int l = 0; l < kLampCount; ++l) {
        const LampShape& lamp = w.shpLampe[static_cast<std::size_t>(l)];
        EXPECT_FALSE(lamp.on) << l;
        EXPECT_EQ(lamp.isTarget(), l <= 2) << l;
        EXPECT_EQ(lamp.visible, l <= 2) << l;
        EXPECT_EQ(w.cmdSchalter[static_cast<std::size_t>(l)].visible, l <= 2) << l;
        EXPECT_FALSE(w.cmdLampe[static_cast<std::size_t>(l)].visible) << l;
    }
    // Captions: the current text as it stands, the next number with numText's blank.
    EXPECT_EQ(w.cmdAddSchaltungCaption[0], "Nummer 1");
    EXPECT_EQ(w.cmdAddSchaltungCaption[1], "Nummer  2");
    EXPECT_EQ(w.cmdLoeSchaltungCaption, "Schaltung 1  entfernen");
    EXPECT_FALSE(w.visible.lblWege);
    EXPECT_FALSE(w.visible.picMatrix);
    EXPECT_FALSE(w.visible.txtSchalter);
    EXPECT_TRUE(w.visible.lblErklaerung[0]);
    EXPECT_FALSE(w.visible.lblErklaerung[1]);
    EXPECT_EQ(w.cboDatei.text(), "Voreinstellung.lmp");
    EXPECT_EQ(w.analysis.minPresses, 2);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Game, WiringOfCircuitOneAfterStartUp) {
    const int expected[3][3] = {{1, 1, 0}, {0, 1, 1}, {0, 0, 1}};
    for (int s = 0; s < 3; ++s)
        for (int l = 0; l < 3; ++l)
            EXPECT_EQ(w.verbindungsmatrix(s, l), expected[s][l]) << s << "," << l;
}

TEST_F(Game, ShortestSolutionIsJudgedMinimalAndCounted) {
    press({0});
    EXPECT_EQ(w.txtStatistik[0], " 1");
    EXPECT_EQ(w.txtAusgabe(), text::task);
    press({2});
    EXPECT_EQ(w.txtKlicks, " 2");
    EXPECT_EQ(w.txtAusgabe(), "Gelöst mit minimaler Schaltzahl!");
    EXPECT_EQ(w.txtAusgabeBackColour, colour::yellow);
    EXPECT_EQ(w.shpDonlampFill, colour::yellow);
    EXPECT_EQ(w.txtStatistik[0], " 1");
    EXPECT_EQ(w.txtStatistik[1], " 1");
    EXPECT_EQ(w.txtStatistik[2], "0");
    EXPECT_EQ(w.matchCount, 3);
}

TEST_F(Game, LongerSolutionNamesTheMinimum) {
    press({0, 1, 1, 2});
    EXPECT_EQ(w.txtKlicks, " 4");
    EXPECT_EQ(w.txtAusgabe(), "Gelöst, aber es geht besser (mit nur 2 Klicks).");
    EXPECT_EQ(w.txtStatistik[1], "0");
    EXPECT_EQ(w.txtStatistik[2], " 1");
}

TEST_F(Game, EveryReturnToTheSolutionCountsAgain) {
    press({0, 2});
    press({1, 1});
    EXPECT_EQ(w.txtStatistik[2], " 1");
    press({2, 2});
    EXPECT_EQ(w.txtStatistik[2], " 2");
    EXPECT_EQ(w.txtStatistik[1], " 1");
    EXPECT_EQ(w.txtStatistik[0], " 1") << "one task, however many presses";
}

TEST_F(Game, SuccessTextStaysThroughFurtherPresses) {
    press({0, 2, 1});
    EXPECT_EQ(w.txtAusgabe(), "Gelöst mit minimaler Schaltzahl!");
    EXPECT_EQ(w.txtAusgabeBackColour, colour::yellow);
}

TEST_F(Game, ShownSolutionsCostThePointForTheShortest) {
    w.cmdWege_Click();
    press({0, 2});
    EXPECT_EQ(w.txtAusgabe(), "Gelöst mit minimaler Schaltzahl!");
    EXPECT_EQ(w.txtStatistik[1], "0");
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Diese Lösung wurde nicht selbständig gefunden.\r\n"
                                       "Daher gibt es auch keinen Punkt.");
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Critical);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Kommentar");
    EXPECT_EQ(w.txtStatistik[0], "0") << "the solution list had already started the work";
    press({1, 1});
    EXPECT_EQ(w.txtStatistik[2], " 1") << "a longer solution counts all the same";
}

TEST_F(Game, UnsolvableTargetNeverSucceeds) {
    loadCode("2*110*011*101*");
    EXPECT_EQ(w.analysis.minPresses, kNoSolution);
    for (int i = 0; i < 40; ++i)
        w.cmdSchalter_Click(i % 3);
    EXPECT_EQ(w.txtAusgabe(), text::task);
    EXPECT_EQ(w.txtStatistik[1], "0");
    EXPECT_EQ(w.txtStatistik[2], "0");
}

TEST_F(Game, PressingTwiceRestoresTheLampsButCountsTwice) {
    press({1});
    const unsigned once = litLamps();
    EXPECT_EQ(once, 0b110u);
    press({1});
    EXPECT_EQ(litLamps(), 0u);
    EXPECT_EQ(w.txtKlicks, " 2");
}

TEST_F(Game, MainSwitchDarkensLampsButKeepsPressesAndTarget) {
    press({0, 2});
    w.cmdLampenaus_Click();
    EXPECT_EQ(litLamps(), 0u);
    EXPECT_EQ(w.txtKlicks, " 2");
    EXPECT_EQ(w.txtAusgabe(), text::task);
    EXPECT_EQ(w.txtAusgabeBackColour, colour::white);
    EXPECT_EQ(w.shpDonlampFill, colour::darkBlue);
    EXPECT_TRUE(w.picProzent.ops().empty());
    EXPECT_EQ(targetLamps(), 0b111u);
    press({0, 2});
    EXPECT_EQ(w.txtAusgabe(), "Gelöst, aber es geht besser (mit nur 2 Klicks).")
        << "judged against every press since the target was set";
    EXPECT_FALSE(w.picProzent.ops().empty());
}

TEST_F(Game, EditModePressSelectsTheSwitchInsteadOfToggling) {
    w.visible.lblAendern = true;
    press({1});
    EXPECT_EQ(litLamps(), 0b110u) << "the lamps show the wiring of S1";
    EXPECT_EQ(w.txtKlicks, " 1");
    EXPECT_EQ(w.txtSchalter, " 1");
    EXPECT_DOUBLE_EQ(w.cmdSchalter[1].fontSize, 10 * w.layoutScale);
    EXPECT_DOUBLE_EQ(w.cmdSchalter[0].fontSize, 8 * w.layoutScale);
    for (const auto& c : w.txtStatistik)
        EXPECT_EQ(c, "0");
    press({2});
    EXPECT_EQ(litLamps(), 0b100u);
    EXPECT_DOUBLE_EQ(w.cmdSchalter[1].fontSize, 8 * w.layoutScale);
}

TEST_F(Game, MainSwitchInEditModeUnwiresAndStores) {
    w.visible.lblAendern = true;
    w.cmdLampenaus_Click();
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*000*000*000*");
    EXPECT_EQ(w.picRaum.ops().size(), 0u);
}

TEST_F(Game, AssessmentBeforeThePressMeansThePressDoesNotCount) {
    w.optLoesbar_Click(1);
    press({0});
    EXPECT_EQ(w.txtStatistik[0], "0");
}

TEST_F(Game, PressOutsideTheCircuitIsIgnored) {
    press({3, -1, 10});
    EXPECT_EQ(w.txtKlicks, "0");
    EXPECT_EQ(litLamps(), 0u);
}

struct NavCase {
    const char* start;
    bool forward;
    const char* expected;
    friend void PrintTo(const NavCase& c, std::ostream* os) {
        *os << (c.forward ? "next from '" : "previous from '") << c.start << "'";
    }
};

class Navigation : public Started, public ::testing::WithParamInterface<NavCase> {};

TEST_P(Navigation, StepsAndWraps) {
    const NavCase& c = GetParam();
    w.setTxtAktuell(c.start);
    if (c.forward)
        w.cmdNaechstes_Click();
    else
        w.cmdVoriges_Click();
    EXPECT_EQ(w.txtAktuell(), c.expected);
    EXPECT_EQ(w.cmdAddSchaltungCaption[0], std::string("Nummer ") + c.expected);
}

INSTANTIATE_TEST_SUITE_P(BuiltInGroup, Navigation,
                         ::testing::Values(NavCase{"1", true, " 2"}, NavCase{" 3", true, " 4"},
                                           NavCase{"19", true, "1"}, NavCase{"25", true, "1"},
                                           NavCase{"0", true, " 1"}, NavCase{"1", false, "19"},
                                           NavCase{"0", false, "19"}, NavCase{" 5", false, " 4"}));

TEST_F(Game, SteppingStartsAFreshTaskAndDarkensTheIndicator) {
    press({0, 2});
    ASSERT_EQ(w.shpDonlampFill, colour::yellow);
    w.cmdNaechstes_Click();
    EXPECT_EQ(w.txtAusgabe(), text::task);
    EXPECT_EQ(w.shpDonlampFill, colour::darkBlue);
    EXPECT_EQ(w.txtKlicks, "0");
    EXPECT_EQ(w.maxIndex, 3);
    EXPECT_EQ(targetLamps(), 0b1111u);
    EXPECT_FALSE(w.workStarted);
}

TEST_F(Game, GroupOfOneReloadsTheSameCircuit) {
    w.txtAnzahl = " 1";
    press({0});
    w.cmdNaechstes_Click();
    EXPECT_EQ(w.txtAktuell(), "1");
    EXPECT_EQ(w.txtKlicks, "0");
    w.cmdVoriges_Click();
    EXPECT_EQ(w.txtAktuell(), " 1");
}

TEST_F(Game, CurrentNumberOutsideTheSlotsLoadsAnEmptyCircuitAndStoresNothing) {
    for (const char* n : {"201", "-1", "2000", "99999999999999999999999"}) {
        goTo(n);
        EXPECT_EQ(w.maxIndex, 0) << n;
        w.storeCircuit();
        EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*") << n;
    }
}

TEST_F(Game, LeftoversOfALargerCircuitStayOutsideTheSquare) {
    goTo("4");
    goTo("1");
    EXPECT_EQ(w.verbindungsmatrix(3, 3), 1);
    EXPECT_EQ(w.verbindungsmatrix(3, 5), 0);
}

TEST_F(Game, CountersGoNegativeAndClearToZeroWithoutBlank) {
    w.addStatistic(5, -1);
    w.addStatistic(5, -1);
    w.addStatistic(4, 1);
    EXPECT_EQ(w.txtStatistik[5], "-2");
    EXPECT_EQ(w.txtStatistik[4], " 1");
    w.addStatistic(6, 1); // no such counter: ignored
    w.cmdclear_Click();
    for (const auto& c : w.txtStatistik)
        EXPECT_EQ(c, "0");
}

} // namespace
} // namespace lampen::testing
