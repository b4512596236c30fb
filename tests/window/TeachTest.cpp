// "Tipp" and the panels through the window's handlers: the named switch from the lamps as they
// are, the panels stacked, the Rechenweg's steps and its result against "Lösbarkeit"; the
// Rechenweg's text of a small task eliminated by hand, and result blocks the tasks here lack.

#include "Elimination.h"
#include "Rechenweg.h"
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
    const struct {
        const char *events, *text; // a pattern for the last box
        Icon icon;
        const char *title, *counters;
    } cases[] = {
        // From dark the shortest way is S0 S2; once S0 is pressed, only lamp 2 is missing.
        {"S0 tipp", "Drücken Sie S2\\.", Icon::None, "Tipp", " 1|0|0| 1|0|0"},
        {"S2",
         "Diese Lösung wurde nicht selbständig gefunden\\.\r\nDaher gibt es auch keinen Punkt\\.",
         Icon::Critical, "Kommentar", " 1|0|0| 1|0|0"},
        {"tipp", ".*bereits.*", Icon::None, "Tipp", " 1|0|0| 2|0|0"},
        // On the ring, lamps 0 and 1 lit leave lamp 2 alone to toggle: an odd number.
        {"nächste S0 tipp", ".*nicht.*erreichbar.*", Icon::None, "Tipp", " 2|0|0| 3|0|0"},
        {"ändern tipp", "Bitte erst den Bearbeitungsmodus beenden\\.", Icon::Information, "Achtung",
         " 2|0|0| 3|0|0"},
    };
    for (const auto& c : cases) {
        const std::size_t before = h.dialogs.boxes.size();
        play(c.events);
        ASSERT_EQ(h.dialogs.boxes.size(), before + 1) << c.events;
        const Box& box = h.dialogs.boxes.back();
        EXPECT_TRUE(std::regex_match(box.text, std::regex(c.text))) << c.events << ": " << box;
        EXPECT_EQ(std::tuple(box.icon, box.title, counters()),
                  std::tuple(c.icon, c.title, c.counters))
            << c.events;
    }
    EXPECT_TRUE(s().editMode()) << "the refused tip leaves the editor open";
}

// The panels stack: one at a time, and a step count that restarts with every new task.
TEST_F(Teach, PanelsShowOneAtATimeAndRechenwegStepsRestartWithEachTask) {
    openCodes(kChainAndRing);
    const std::string solved = "Rang: 3\nLösung: S0 S2\nfreie Schalter: keine\n",
                      ring = "Rang: 2\nkeine Lösung\nZeile 3 lautet 0 = 1\n";
    const struct {
        const char *events, *panels, *heading;
        std::string result;
        bool stepLeft;
        unsigned marked; // the switches with a bold caption
        const char* asked;
    } cases[] = {
        {"rechenweg", "-----x", "Schritt 0", "", true, 0, " 1"},
        // Lamp 1's equation holds S0 as lamp 0's does; then lamp 2's holds S1 as lamp 1's.
        {"schritt", "-----x", "Schritt 1: Zeile 2 + Zeile 1", "", true, 0, " 1"},
        {"alle", "-----x", "Schritt 2: Zeile 3 + Zeile 2", solved, false, 0b101, " 1"},
        {"schritt", "-----x", "Schritt 2: Zeile 3 + Zeile 2", solved, false, 0b101, " 1"},
        {"neu", "-----x", "Schritt 0", "", true, 0, " 1"},
        {"schritt nächste", "-----x", "Schritt 0", "", true, 0, " 1"},
        // Clearing the target column leaves lamp 3's equation as 0 = 1.
        {"alle", "-----x", "Schritt 3: Zeile 1 + Zeile 3", ring, false, 0, " 1"},
        {"L0", "-----x", "Schritt 3: Zeile 1 + Zeile 3", ring, false, 0, " 1"}, // no editor
        {"vorige alle hilfe", "---x--", "", "", false, 0, " 1"}, // hides the marks too
        {"rechenweg", "-----x", "Schritt 0", "", true, 0, " 2"},
        {"wege", "-x----", "", "", false, 0, " 3"},
        {"rechenweg ändern", "x-x---", "", "", false, 0, " 4"},
        {"rechenweg", "-----x", "Schritt 0", "", true, 0, " 5"}, // ends edit mode
        {"math rechenweg", "-----x", "Schritt 0", "", true, 0, " 6"},
        {"weg", "------", "", "", false, 0, " 6"},
        {"wege I0", "------", "", "", false, 0, " 7"}, // "ausblenden"
        {"matrix math", "----x-", "", "", false, 0, " 7"},
        {"I1 K1", "-x----", "", "", false, 0, " 8"}, // "aktualisieren" asks again
        {"hilfe hilfe", "---x--", "", "", false, 0, " 8"},
    };
    for (const auto& c : cases) {
        play(c.events);
        const View v = w.view();
        EXPECT_EQ(std::tuple(panels(v), lastHeading(v.txtRechenweg), result(v.txtRechenweg),
                             v.cmdSchrittEnabled, maskOf(v.cmdSchalter, &SwitchView::marked),
                             v.txtStatistik[3]),
                  std::tuple(c.panels, c.heading, c.result, c.stepLeft, c.marked, c.asked))
            << c.events;
    }
    EXPECT_EQ(w.view().txtWege, "Schaltmuster der Lösung(en):\r\n\r\n101\r\n");
    EXPECT_TRUE(h.dialogs.boxes.empty()) << h.dialogs.boxes.front();
    const View before = w.view();
    play("copy"); // the credit box changes nothing
    EXPECT_EQ(std::tuple(w.view().txtAusgabe, w.view().txtStatistik, panels(w.view())),
              std::tuple(before.txtAusgabe, before.txtStatistik, panels(before)));
    EXPECT_EQ(h.dialogs.boxes.at(0).title, "Programmiert von");
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
        EXPECT_EQ(std::tuple(std::stoi(m[1].str()), m[3].matched),
                  std::tuple(a.rank, a.targetSolvable))
            << "circuit " << c;
        // A solving set with the fewest presses, and the one marked in the room.
        EXPECT_TRUE(!a.targetSolvable || (std::popcount(named) == a.minPresses &&
                                          std::ranges::count(a.solutions, named) == 1 &&
                                          maskOf(v.cmdSchalter, &SwitchView::marked) == named))
            << "circuit " << c << ": " << list;
    }
    // Opened from the editor after every wire was taken away: no switch lights anything.
    play("ändern aus rechenweg alle");
    EXPECT_EQ(std::tuple(result(w.view().txtRechenweg).substr(0, 21), s().analysis.rank,
                         s().analysis.targetSolvable),
              std::tuple("Rang: 0\nkeine Lösung", 0, false));
}

EliminationSteps stepsOf(const std::string& code, unsigned target) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    return eliminate(k, m, target);
}

// S0 and S1 both light lamp 1 only, so lamp 0 can never be lit.
TEST(Rechenweg, HandWorkedTaskWithoutSolution) {
    const std::string text = "Schritt 0\n"
                             "         S0  S1  | Ziel\n"
                             "Zeile 1   0   0  |  1\n"
                             "Zeile 2   1   1  |  1\n"
                             "\n"
                             "Schritt 1: Zeile 1 ↔ Zeile 2\n"
                             "         S0  S1  | Ziel\n"
                             "Zeile 1  [1]  1  |  1\n"
                             "Zeile 2   0   0  |  1\n"
                             "\n"
                             "Schritt 2: Zeile 1 + Zeile 2\n"
                             "         S0  S1  | Ziel\n"
                             "Zeile 1   1   1  |  0\n"
                             "Zeile 2   0   0  | [1]\n"
                             "\n"
                             "Rang: 1\n"
                             "keine Lösung\n"
                             "Zeile 2 lautet 0 = 1\n";
    const EliminationSteps e = stepsOf("1*01*01*", 0b11);
    EXPECT_EQ(rechenwegText(e, 2), text);
    EXPECT_EQ(rechenwegText(e, 99), text);
    // Shown step by step, the text ends after the last matrix shown, without the result.
    EXPECT_EQ(rechenwegText(e, 1), text.substr(0, text.find("\nSchritt 2")));
    EXPECT_EQ(rechenwegText(e, -1), text.substr(0, text.find("\nSchritt 1")));
}

TEST(Rechenweg, ResultBlock) {
    const struct {
        std::string code;
        unsigned target;
        std::string result;
    } cases[] = {
        // S0 and S1 are the same switch: S0+S2 and S1+S2 both solve, S0+S2 is named.
        {"2*011*011*100*", 0b111, "Rang: 2\nLösung: S0 S2\nfreie Schalter: S1\n"},
        // No lamp at all, and independent switches: only pressing nothing gives it.
        {"1*10*01*", 0, "Rang: 2\nkeine Lösung\nnur erfüllt, wenn kein Schalter gedrückt wird\n"},
    };
    for (const auto& c : cases) {
        const EliminationSteps e = stepsOf(c.code, c.target);
        const std::string text = rechenwegText(e, e.stepCount);
        EXPECT_EQ(text.substr(text.rfind("\n\n") + 2), c.result) << c.code;
    }
}

} // namespace
} // namespace lampen::testing
