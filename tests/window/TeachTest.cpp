// "Tipp" and the Rechenweg panel through the window's handlers: the named switch from the lamps
// as they are, the step count restarting with every new task, the panels stacked, and the
// panel's result against the analysis behind "Lösbarkeit" on every built-in circuit.

#include "Started.h"

#include <algorithm>
#include <bit>
#include <regex>

namespace lampen::testing {
namespace {

using Teach = Started;

// Three lamps where S0 lights lamps 0 and 1, S1 lamps 1 and 2, S2 lamp 2; then the ring of
// three, which lights an even number of lamps only.
const std::vector<std::string> kChainAndRing{"2*110*011*001*", "2*110*011*101*"};

std::string panels(const View& v) { // x: shown; Ändern, Wege, Matrix, Erklärung 0 and 1, Rechenweg
    const auto& p = v.panels;
    return {"-x"[p.editor],         "-x"[p.solutions],      "-x"[p.matrix],
            "-x"[p.explanation[0]], "-x"[p.explanation[1]], "-x"[p.rechenweg]};
}

// The heading of the last step shown, "Schritt 0" before the first.
std::string lastHeading(const std::string& text) {
    const std::size_t at = text.rfind("Schritt ");
    return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

// The result block, or "" while steps are left.
std::string result(const std::string& text) {
    const std::size_t at = text.find("Rang: ");
    return at == std::string::npos ? "" : text.substr(at);
}

TEST_F(Teach, TippNamesTheNextSwitchFromTheLampsAsTheyAreAndCountsAsAskingForTheWay) {
    openCodes(kChainAndRing);
    const auto tip = [&] { w.cmdTipp_Click(); };
    const struct {
        const char* what;
        std::function<void()> act;
        const char* text; // a pattern for the last box
        Icon icon;
        const char* title;
        const char* counters;
    } cases[] = {
        // From dark the shortest way is S0 S2; once S0 is pressed, only lamp 2 is missing.
        {"from lit lamps",
         [&] {
             press({0});
             tip();
         },
         "Drücken Sie S2\\.", Icon::None, "Tipp", " 1|0|0| 1|0|0"},
        {"then the shortest success earns no point", [&] { press({2}); },
         "Diese Lösung wurde nicht selbständig gefunden\\.\r\nDaher gibt es auch keinen Punkt\\.",
         Icon::Critical, "Kommentar", " 1|0|0| 1|0|0"},
        {"at the target", tip, ".*bereits.*", Icon::None, "Tipp", " 1|0|0| 2|0|0"},
        // On the ring, lamps 0 and 1 lit leave lamp 2 alone to toggle: an odd number.
        {"unreachable from here",
         [&] {
             w.cmdNaechstes_Click();
             press({0});
             tip();
         },
         ".*nicht.*erreichbar.*", Icon::None, "Tipp", " 2|0|0| 3|0|0"},
        {"in edit mode",
         [&] {
             w.cmdAendern_Click();
             tip();
         },
         "Bitte erst den Bearbeitungsmodus beenden\\.", Icon::Information, "Achtung",
         " 2|0|0| 3|0|0"},
    };
    for (const auto& c : cases) {
        const std::size_t before = h.dialogs.boxes.size();
        c.act();
        ASSERT_EQ(h.dialogs.boxes.size(), before + 1) << c.what;
        const Box& box = h.dialogs.boxes.back();
        EXPECT_TRUE(std::regex_match(box.text, std::regex(c.text))) << c.what << ": " << box;
        EXPECT_EQ(std::tuple(box.icon, box.title, counters()),
                  std::tuple(c.icon, c.title, c.counters))
            << c.what;
    }
    EXPECT_TRUE(s().editMode()) << "the refused tip leaves the editor open";
}

TEST_F(Teach, RechenwegStepsRestartWithEachTaskAndStacksWithTheOtherPanels) {
    openCodes(kChainAndRing);
    const auto step = [&] { w.cmdSchritt_Click(); };
    const auto all = [&] { w.cmdAlleSchritte_Click(); };
    const auto open = [&] { w.cmdRechenweg_Click(); };
    const struct {
        const char* what;
        std::function<void()> act;
        const char* panels;
        const char* heading;
        const char* result;
        bool stepLeft;
        unsigned marked; // the switches with a bold caption
        const char* asked;
    } cases[] = {
        {"opened", open, "-----x", "Schritt 0", "", true, 0, " 1"},
        // Lamp 1's equation holds S0 as lamp 0's does; then lamp 2's holds S1 as lamp 1's.
        {"one step", step, "-----x", "Schritt 1: Zeile 2 + Zeile 1", "", true, 0, " 1"},
        {"all steps", all, "-----x", "Schritt 2: Zeile 3 + Zeile 2",
         "Rang: 3\nLösung: S0 S2\nfreie Schalter: keine\n", false, 0b101, " 1"},
        {"no step left", step, "-----x", "Schritt 2: Zeile 3 + Zeile 2",
         "Rang: 3\nLösung: S0 S2\nfreie Schalter: keine\n", false, 0b101, " 1"},
        {"a new task", [&] { newTarget(0b100); }, "-----x", "Schritt 0", "", true, 0, " 1"},
        {"the next circuit",
         [&] {
             step();
             w.cmdNaechstes_Click();
         },
         "-----x", "Schritt 0", "", true, 0, " 1"},
        // Clearing the target column leaves lamp 3's equation as 0 = 1.
        {"no solution to mark", all, "-----x", "Schritt 3: Zeile 1 + Zeile 3",
         "Rang: 2\nkeine Lösung\nZeile 3 lautet 0 = 1\n", false, 0, " 1"},
        {"a lamp button outside the editor", [&] { w.cmdLampe_Click(0); }, "-----x",
         "Schritt 3: Zeile 1 + Zeile 3", "Rang: 2\nkeine Lösung\nZeile 3 lautet 0 = 1\n", false, 0,
         " 1"},
        {"help hides it and its marks",
         [&] {
             w.cmdVoriges_Click();
             all();
             w.cmdHilfe_Click();
         },
         "---x--", "", "", false, 0, " 1"},
        {"opened again", open, "-----x", "Schritt 0", "", true, 0, " 2"},
        {"the solutions hide it", [&] { w.cmdWege_Click(); }, "-x----", "", "", false, 0, " 3"},
        {"edit mode hides it",
         [&] {
             open();
             w.cmdAendern_Click();
         },
         "x-x---", "", "", false, 0, " 4"},
        {"it ends edit mode", open, "-----x", "Schritt 0", "", true, 0, " 5"},
        {"it hides the explanation",
         [&] {
             w.cmdMath_Click();
             open();
         },
         "-----x", "Schritt 0", "", true, 0, " 6"},
        {"ausblenden", [&] { w.cmdRechenwegAus_Click(); }, "------", "", "", false, 0, " 6"},
    };
    for (const auto& c : cases) {
        c.act();
        const View v = w.view();
        EXPECT_EQ(std::tuple(panels(v), lastHeading(v.txtRechenweg), result(v.txtRechenweg),
                             v.cmdSchrittEnabled, maskOf(v.cmdSchalter, &SwitchView::marked),
                             v.txtStatistik[3]),
                  std::tuple(c.panels, c.heading, c.result, c.stepLeft, c.marked, c.asked))
            << c.what;
    }
    EXPECT_TRUE(h.dialogs.boxes.empty()) << h.dialogs.boxes.front();
}

TEST_F(Teach, RechenwegResultAgreesWithLoesbarkeitOnEveryBuiltInCircuit) {
    w.cmdRechenweg_Click();
    const std::regex block("Rang: (\\d+)\n(Lösung: ([S0-9 ]+)|keine Lösung)\n[\\s\\S]*");
    for (int c = 1; c <= kBuiltInCount; ++c, w.cmdNaechstes_Click()) {
        w.cmdAlleSchritte_Click();
        const Analysis& a = s().analysis;
        const View v = w.view();
        const std::string shown = result(v.txtRechenweg);
        std::smatch m;
        ASSERT_TRUE(s().target == s().circuitLamps() && std::regex_match(shown, m, block))
            << "circuit " << c << ": " << shown;
        unsigned named = 0;
        const std::string list = m[3].str();
        for (std::size_t at = list.find('S'); at != std::string::npos; at = list.find('S', at + 1))
            named |= 1u << std::stoi(list.substr(at + 1));
        EXPECT_EQ(std::stoi(m[1].str()), a.rank) << "circuit " << c;
        EXPECT_EQ(m[3].matched, a.targetSolvable) << "circuit " << c;
        // A solving set with the fewest presses, and the one marked in the room.
        EXPECT_TRUE(!a.targetSolvable || (std::popcount(named) == a.minPresses &&
                                          std::ranges::count(a.solutions, named) == 1 &&
                                          maskOf(v.cmdSchalter, &SwitchView::marked) == named))
            << "circuit " << c << ": " << list;
    }
    // Opened from the editor after every wire was taken away: no switch lights anything.
    w.cmdAendern_Click();
    w.cmdLampenaus_Click();
    w.cmdRechenweg_Click();
    w.cmdAlleSchritte_Click();
    EXPECT_EQ(std::tuple(result(w.view().txtRechenweg).substr(0, 21), s().analysis.rank,
                         s().analysis.targetSolvable),
              std::tuple("Rang: 0\nkeine Lösung", 0, false));
}

} // namespace
} // namespace lampen::testing
