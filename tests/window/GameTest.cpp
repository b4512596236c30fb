// Start-up, the main switch, navigation, the current number outside the group and the fixed
// texts.

#include "Started.h"
#include "Texts.h"

namespace lampen::testing {
namespace {

using Game = Started;

TEST_F(Game, StartsInPlayModeOnCircuitOneWithEveryLampAsTarget) {
    const View v = w.view();
    const auto shown = &Placed::visible; // lamps, switches, the editor's lamp buttons
    EXPECT_EQ(std::tuple(v.txtAktuell, v.txtAnzahl, v.txtKlicks, s().target, panels(v),
                         maskOf(v.shpLampe, shown), maskOf(v.cmdSchalter, shown),
                         maskOf(v.cmdLampe, shown), v.txtAusgabe),
              std::tuple("1", "19", "0", 0b111u, "---x--", 0b111u, 0b111u, 0u,
                         "Schalten Sie die gelb markierten Lampen ein!"));
}

TEST_F(Game, MainSwitchDarkensInPlayAndUnwiresInEditMode) {
    play("S0 S2 aus");
    EXPECT_EQ(std::tuple(s().lit, w.view().picProzent.ops().size()), std::tuple(0u, 0u));
    play("ändern S1 neu"); // no new target while editing; S1's wires lit, its caption larger
    const View v = w.view();
    EXPECT_EQ(
        std::tuple(s().lit, s().target, v.cmdSchalter[1].fontSize - v.cmdSchalter[0].fontSize),
        std::tuple(0b110u, 0b111u, 2.0));
    play("aus hilfe"); // another panel ends edit mode without the steps of "fertig"
    EXPECT_EQ(std::tuple(s().group.slot(1), panels(w.view())),
              std::tuple("2*000*000*000*", "---x--"));
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

TEST(Texts, LinesEndInCrLfAndKeepTheirBlanks) {
    const std::span<const std::string_view> lines[] = {
        texts::operatingHelpLines(), texts::mathematicsLines(), texts::editorInstructionLines()};
    const std::string whole[] = {texts::operatingHelp(), texts::mathematics(),
                                 texts::editorInstructions()};
    for (std::size_t t = 0; t < 3; ++t) {
        std::string joined;
        for (const std::string_view line : lines[t])
            joined.append(line).append("\r\n");
        EXPECT_EQ(whole[t], joined);
    }
    // Blanks at line ends, quotes, doubled blanks, umlauts: where a retyped text goes wrong.
    EXPECT_EQ(lines[0][0], "In dem dunklen Quadrat befinden sich Lampen ");
    EXPECT_EQ(lines[0][7], "Aus \"ein\" wird \"aus\" und \"aus\" wird zu \"ein\". ");
    EXPECT_EQ(lines[0][32], "wird das über dem Spielfeld im weißen  Textfeld ");
    EXPECT_EQ(lines[2][15], "   \"Datei\"  gespeichert werden.");
}

} // namespace
} // namespace lampen::testing
