// Start-up, main switch, edit-mode presses, navigation, panels and their texts, opening by name.

#include "Started.h"
#include "Texts.h"

#include <cstdio>
#include <fstream>
#include <random>

namespace lampen::testing {
namespace {

using Game = Started;

std::string panels(const Lampen& w) { // x: shown; Ändern, Wege, Matrix, Erklärung 0 and 1
    const auto& v = w.visible;
    return {"-x"[v.lblAendern], "-x"[v.lblWege], "-x"[v.picMatrix], "-x"[v.lblErklaerung[0]],
            "-x"[v.lblErklaerung[1]]};
}

TEST_F(Game, StartsInPlayModeOnCircuitOneWithEveryLampAsTarget) {
    const auto shown = &Placed::visible; // lamps, switches, the editor's lamp buttons
    EXPECT_EQ(std::tuple(w.txtAktuell(), w.txtAnzahl, w.txtKlicks, targetLamps(), panels(w),
                         maskOf(w.shpLampe, shown), maskOf(w.cmdSchalter, shown),
                         maskOf(w.cmdLampe, shown)),
              std::tuple("1", "19", "0", 0b111u, "---x-", 0b111u, 0b111u, 0u));
    EXPECT_EQ(std::tuple(w.txtAusgabe(), w.cmdAddSchaltungCaption[0], w.cmdAddSchaltungCaption[1],
                         w.cmdLoeSchaltungCaption),
              std::tuple("Schalten Sie die gelb markierten Lampen ein!", "Nummer 1", "Nummer  2",
                         "Schaltung 1  entfernen"));
}

TEST_F(Game, MainSwitchDarkensInPlayAndUnwiresInEditMode) {
    press({0, 2});
    w.cmdLampenaus_Click();
    EXPECT_EQ(std::tuple(litLamps(), w.picProzent.ops().size()), std::tuple(0u, 0u));
    w.visible.lblAendern = true;
    press({1});
    w.cmdAufgabe_Click(); // no new target while editing
    EXPECT_EQ(std::tuple(litLamps(), targetLamps()), std::tuple(0b110u, 0b111u)) << "S1's wiring";
    EXPECT_DOUBLE_EQ(w.cmdSchalter[1].fontSize - w.cmdSchalter[0].fontSize, 2 * w.layoutScale);
    w.cmdLampenaus_Click();
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*000*000*000*");
    w.cmdHilfe_Click(); // another panel ends edit mode without the steps of "fertig"
    EXPECT_EQ(std::tuple(panels(w), w.cmdSchalter[1].fontSize),
              std::tuple("---x-", 10 * w.layoutScale));
}

TEST_F(Game, NavigationStepsAndWraps) {
    press({0, 2});
    w.cmdNaechstes_Click(); // a fresh task on circuit 2: the indicator goes dark
    EXPECT_EQ(std::tuple(w.shpDonlampFill, w.txtKlicks, w.txtAusgabe()),
              std::tuple(colour::darkBlue, "0", text::task));
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"1", true, " 2"}, {" 3", true, " 4"}, {"19", true, "1"},  {"25", true, "1"},
        {"0", true, " 1"}, {"1", false, "19"}, {"0", false, "19"}, {" 5", false, " 4"}};
    for (const auto& [start, forward, expected] : cases) {
        w.setTxtAktuell(start);
        forward ? w.cmdNaechstes_Click() : w.cmdVoriges_Click();
        EXPECT_EQ(w.txtAktuell(), expected) << start << (forward ? " next" : " previous");
        EXPECT_EQ(w.cmdAddSchaltungCaption[0], std::string("Nummer ") + expected);
    }
}

TEST_F(Game, CurrentNumberOutsideTheSlotsLoadsAnEmptyCircuitAndStoresNothing) {
    for (const char* n : {"201", "-1", "99999999999999999999999"}) {
        goTo(n);
        w.storeCircuit();
        EXPECT_EQ(w.maxIndex, 0) << n;
        EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*011*001*") << n;
    }
}

TEST_F(Game, PanelsShowOneAtATime) {
    w.cmdWege_Click();
    EXPECT_EQ(std::tuple(w.txtWege, panels(w)),
              std::tuple("Schaltmuster der Lösung(en):\r\n\r\n101\r\n", "-x---"));
    w.cmdInfofenster_Click(0); // "ausblenden"
    EXPECT_EQ(panels(w), "-----");
    w.visible.picMatrix = true;
    w.cmdMath_Click();
    EXPECT_EQ(panels(w), "----x");
    w.visible.lblWege = true;
    w.cmdAusKB_Click(1);
    EXPECT_EQ(panels(w), "-x---");
    w.cmdHilfe_Click();
    w.cmdHilfe_Click();
    EXPECT_EQ(panels(w), "---x-");
    const std::string before = w.txtAusgabe() + w.txtKlicks + counters();
    w.cmdCopy_Click(); // the credit box changes nothing
    EXPECT_EQ(w.txtAusgabe() + w.txtKlicks + counters() + panels(w), before + "---x-");
    EXPECT_EQ(h.dialogs.boxes.at(0).title, "Programmiert von");
}

// The panels' and the editor's fixed texts, line by line.
TEST(Texts, LinesStandExactlyAndEachEndsWithCrLf) {
    const std::span<const std::string_view> lines[] = {
        texts::operatingHelpLines(), texts::mathematicsLines(), texts::editorInstructionLines()};
    const std::pair<std::string, std::size_t> whole[] = {{texts::operatingHelp(), 51},
                                                         {texts::mathematics(), 41},
                                                         {texts::editorInstructions(), 16}};
    for (std::size_t t = 0; t < 3; ++t) {
        ASSERT_EQ(lines[t].size(), whole[t].second);
        std::string joined;
        for (const std::string_view line : lines[t])
            joined.append(line).append("\r\n");
        EXPECT_EQ(whole[t].first, joined);
    }
    // Blanks at line ends, quotes, doubled blanks, umlauts: where a retyped text goes wrong.
    EXPECT_EQ(lines[0][0], "In dem dunklen Quadrat befinden sich Lampen ");
    EXPECT_EQ(lines[0][7], "Aus \"ein\" wird \"aus\" und \"aus\" wird zu \"ein\". ");
    EXPECT_EQ(lines[0][32], "wird das über dem Spielfeld im weißen  Textfeld ");
    EXPECT_EQ(lines[1][9], "die ");
    EXPECT_EQ(lines[2][15], "   \"Datei\"  gespeichert werden.");
}

TEST_F(Game, OpeningAGroupByNameIsDateiOeffnenWithItsMessage) {
    const std::string two = "zwei-" + std::to_string(std::random_device{}()) + ".lmp";
    std::ofstream(two, std::ios::binary) << "2*110*011*001*\r\n3*1000*0100*0010*0001*\r\n";
    Lampen byName{h.dialogs, h.random, h.metrics};
    byName.Form_Load();
    h.dialogs.openNames = {two, "fehlt-" + two};
    for (const std::string& file : {two, "fehlt-" + two}) {
        w.cmdLaden_Click();
        byName.openGroupFile(file);
        for (const Lampen* l : {&w, &byName})
            EXPECT_EQ(l->txtAnzahl + "|" + l->txtAktuell() + "|" + l->fileName + "|" +
                          l->cboDatei.entries().front() + "|" + l->schaltgruppe.slot(2),
                      " 2| 1|" + file + "|" + two + "|3*1000*0100*0010*0001*");
    }
    EXPECT_EQ(h.dialogs.boxes, std::vector<Box>(2, {"Ungültiger Dateiname!", Icon::Critical,
                                                    "Fehler", "Datei oder Ordner nicht gefunden"}));
    std::remove(two.c_str());
}

} // namespace
} // namespace lampen::testing
