// Tasks played through: judged presses, reports, the solution list, assessments, random targets;
// "Tipp" and the panels: the named switch from the lamps as they are, the panels stacked, the
// Rechenweg's steps and its result against "Lösbarkeit", its text of a task worked by hand.

#include "ClockRandom.h"
#include "Elimination.h"
#include "Rechenweg.h"
#include "Started.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <ctime>
#include <regex>
#include <set>

namespace lampen::testing {
namespace {

using Task = Started;
using Teach = Started;

TEST_F(Task, PlayedTasksShowTheirBoxesAndScore) {
    const auto note = [](std::string t) { return Box{t, Icon::Exclamation, "Kommentar"}; };
    const auto alarm = [](std::string t) { return Box{t, Icon::Critical, "Kommentar"}; };
    const Box noPoint = alarm("Diese Lösung wurde nicht selbständig gefunden.\r\n"
                              "Daher gibt es auch keinen Punkt.");
    const Box solvable{"Die Aufgabe ist lösbar. Man benötigt\n\rmindestens 2 Schaltvorgänge.",
                       Icon::Information, "Lösbarkeit"};
    const Box unsolvable{"Die Aufgabe ist nicht lösbar.", Icon::Exclamation, "Lösbarkeit"};
    const Box editing{"Bitte erst den Bearbeitungsmodus beenden.", Icon::Information, "Achtung"};
    const Box right = note("Das ist richtig!");
    const Box wrong = alarm("Das ist falsch!\r\nSie erhalten einen Minuspunkt.");
    const Box tooLate = alarm("Dieser Tip muß vor Beginn der Bearbeitung\r\n"
                              "dieser Aufgabe abgegeben werden!");
    const Box good = note("Gut, die Antwort ist richtig!\r\nSie erhalten einen Analysepunkt.");
    const Box alsoRight = note("Sehr gut, auch diese Antwort ist richtig!\r\n"
                               "Sie erhalten einen weiteren Analysepunkte!");
    const Box twoPoints =
        note("Sehr gut, auch diese Antwort ist richtig!\r\nSie erhalten 2 Analysepunkte!");
    const Box total7 = note("Das ist leider falsch.\r\n 7 Leuchtmuster gibt es insgesamt.\r\n"
                            "Sie erhalten einen Minuspunkt");
    const Box producible3 = note("Das ist leider falsch.\r\n 3 Leuchtmuster sind schaltbar.\r\n"
                                 "Sie erhalten einen Minuspunkt!");
    const Box bad = alarm("Diese Antwort ist leider falsch!\r\nSie erhalten einen Minuspunkt.");
    const Box stillRight = note("Sehr gut, diese Antwort ist allerdings richtig!\r\n"
                                "Sie erhalten einen positiven Analysepunkte!");
    const Box alsoWrong7 = note("Das ist leider auch falsch.\r\n 7 Leuchtmuster gibt es "
                                "insgesamt.\r\nSie erhalten einen weiteren Minuspunkt!");
    const Box assessed = alarm("Diese Schaltung wurde schon bewertet.");
    const std::string longer = "Gelöst, aber es geht besser (mit nur 2 Klicks).";
    // Circuit 1 makes all 7 patterns, its target in two presses; notAll makes 3, not its target.
    const std::string all = "2*110*011*001*", notAll = "2*110*011*101*";
    const struct {
        std::string code, events, klicks, counters;
        std::vector<Box> boxes;
        std::deque<std::string> replies{};
        std::string text = texts::task;
    } cases[] = {
        {all, "S0 S2", " 2", " 1| 1|0|0|0|0", {}, {}, "Gelöst mit minimaler Schaltzahl!"},
        {all, "S0 S2 S1 S1 S2 S2", " 6", " 1| 1| 2|0|0|0", {}, {}, longer}, // each time again
        {all, "S0 S2 aus", " 2", " 1| 1|0|0|0|0", {}},
        {all, "S0 S2 aus S2 S0", " 4", " 1| 1| 1|0|0|0", {}, {}, longer}, // every press counts
        {all, "wege S0 S2 S1 S1", " 4", "0|0| 1| 1|0|0", {noPoint}, {}, longer},
        {notAll, "S0 S1 S0 S2 S0 S1 S0", " 7", " 1|0|0|0|0|0", {}}, // all 8 patterns
        {all, "status", "0", "0|0|0|0|0|0", {solvable}},
        {notAll, "status", "0", "0|0|0|0|0|0", {unsolvable}},
        {all, "wege wege wege", "0", "0|0|0| 3|0|0", {}},
        {all, "ändern wege", "0", "0|0|0|0|0|0", {editing}},
        {all, "A1", "0", "0|0|0|0| 1|0", {right}},
        {notAll, "A1", "0", "0|0|0|0|-1|0", {wrong}},
        {all, "S0 A1", " 1", " 1|0|0|0|0|0", {tooLate}},
        {all, "A1 A1", "0", "0|0|0|0| 1|0", {right, tooLate}},
        {all, "B0", "0", "0|0|0|0|0| 2", {good, alsoRight}, {"7"}},
        {all, "B0", "0", "0|0|0|0|0| 0", {good, total7}, {"8"}},
        {notAll, "B1", "0", "0|0|0|0|0|-1", {good, total7, producible3}, {"6", "4"}},
        {notAll, "B1", "0", "0|0|0|0|0| 4", {good, alsoRight, twoPoints}, {"  7", "3.0"}},
        {notAll, "B1", "0", "0|0|0|0|0|-1", {good, total7, producible3}}, // cancelled: 0
        {all, "B1", "0", "0|0|0|0|0| 0", {bad, stillRight}, {"7.0"}},
        {notAll, "B0", "0", "0|0|0|0|0|-2", {bad, alsoWrong7}, {"x"}},
        {all, "B0 B1", "0", "0|0|0|0|0| 2", {good, alsoRight, assessed}, {"7"}},
        {all, "B0 neu B0", "0", "0|0|0|0|0| 4", {good, alsoRight, good, alsoRight}, {"7", "7"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code + ": " + c.events);
        if (s().editMode())
            w.cmdSpielen_Click();
        openCodes({c.code});
        w.cmdclear_Click();
        h.dialogs.boxes.clear();
        h.dialogs.replies = c.replies;
        play(c.events);
        const View v = w.view();
        EXPECT_EQ(std::tuple(v.txtKlicks, counters(), v.txtAusgabe, h.dialogs.boxes),
                  std::tuple(c.klicks, c.counters, c.text, c.boxes));
        const auto solved = std::tuple(colour::yellow, colour::yellow);
        EXPECT_EQ(std::tuple(v.txtAusgabeBack, v.shpDonlampFill),
                  c.text == texts::task ? std::tuple(colour::white, colour::darkBlue) : solved);
    }
    std::set<std::string> asked;
    for (const Box& p : h.dialogs.prompts)
        asked.insert(p.title + ": " + p.text);
    const std::string q = "Zusatzfrage: Wieviele Leuchtmuster (ohne >alles aus<)\r\n";
    const std::string end = "\r\n(Bitte Anzahl eingeben)";
    EXPECT_EQ(asked, (std::set<std::string>{q + "gibt es überhaupt insgesamt?" + end,
                                            q + "sind denn insgesamt herstellbar?" + end,
                                            q + "gibt es denn überhaupt insgesamt?" + end}));
}

TEST_F(Task, AFullRoundWithRealRandomTargetsRunsQuickly) {
    // Every event is followed by the view, as the window applies it after each.
    // Processor time, so that other work on the machine does not count.
    const std::clock_t start = std::clock();
    ClockRandom real;
    Lampen r{h.dialogs, real, h.metrics};
    r.Form_Load();
    const GameState& rs = r.state();
    const auto drawTargets = [&](int count) { // each checked against the circuit
        for (int i = 0; i < count; ++i) {
            r.cmdAufgabe_Click();
            ASSERT_FALSE(r.view().txtAusgabe.empty());
            ASSERT_NE(rs.target, 0u);
            ASSERT_EQ(rs.target & ~rs.circuitLamps(), 0u) << "only lamps of the circuit";
            ASSERT_EQ(rs.matchCount, rs.maxIndex + 1 - std::popcount(rs.target));
        }
    };
    r.txtAktuell_Change(" 3");
    r.cmdNaechstes_Click(); // ten lamps
    for (int i = 0; i < 1000; ++i) {
        r.cmdSchalter_Click(i % 10);
        ASSERT_FALSE(r.view().txtKlicks.empty());
    }
    drawTargets(100);
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    std::printf("full round (start-up, 1000 presses, 100 targets at k = 9): %.2f ms\n", ms);
    EXPECT_LT(ms, 3000.0); // with sanitizers: a guard against gross slowness, not a benchmark
    r.cmdVoriges_Click();  // five lamps
    drawTargets(200);
}

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
    // The events, a pattern for the last box, its icon and title, the counters.
    const std::tuple<const char*, const char*, Icon, const char*, const char*> cases[] = {
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
    for (const auto& [events, text, icon, title, counters_] : cases) {
        const std::size_t before = h.dialogs.boxes.size();
        play(events);
        ASSERT_EQ(h.dialogs.boxes.size(), before + 1) << events;
        const Box& box = h.dialogs.boxes.back();
        EXPECT_TRUE(std::regex_match(box.text, std::regex(text))) << events << ": " << box;
        EXPECT_EQ(std::tuple(box.icon, box.title, counters()), std::tuple(icon, title, counters_))
            << events;
    }
    EXPECT_TRUE(s().editMode()) << "the refused tip leaves the editor open";
}

// The panels stack: one at a time, and a step count that restarts with every new task.
TEST_F(Teach, PanelsShowOneAtATimeAndRechenwegStepsRestartWithEachTask) {
    openCodes(kChainAndRing);
    const std::string solved = "Rang: 3\nLösung: S0 S2\nfreie Schalter: keine\n",
                      ring = "Rang: 2\nkeine Lösung\nZeile 3 lautet 0 = 1\n";
    // The events, the panels shown, the last heading, the result, a step left, the switches with a
    // bold caption, the times the way was asked for.
    const std::tuple<const char*, const char*, const char*, std::string, bool, unsigned,
                     const char*>
        cases[] = {
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
        play(std::get<0>(c));
        const View v = w.view();
        EXPECT_EQ(std::tuple(std::get<0>(c), panels(v), lastHeading(v.txtRechenweg),
                             result(v.txtRechenweg), v.cmdSchrittEnabled,
                             maskOf(v.cmdSchalter, &SwitchView::marked), v.txtStatistik[3]),
                  c);
    }
    EXPECT_EQ(w.view().txtWege, "Schaltmuster der Lösung(en):\r\n\r\n101\r\n");
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
    EXPECT_EQ(rechenwegText(e, 99), text);
    // Shown step by step, the text ends after the last matrix shown, without the result.
    EXPECT_EQ(rechenwegText(e, 1), text.substr(0, text.find("\nSchritt 2")));
}

TEST(Rechenweg, ResultBlock) {
    const std::tuple<std::string, unsigned, std::string> cases[] = {
        // code, target, result
        // S0 and S1 are the same switch: S0+S2 and S1+S2 both solve, S0+S2 is named.
        {"2*011*011*100*", 0b111, "Rang: 2\nLösung: S0 S2\nfreie Schalter: S1\n"},
        // No lamp at all, and independent switches: only pressing nothing gives it.
        {"1*10*01*", 0, "Rang: 2\nkeine Lösung\nnur erfüllt, wenn kein Schalter gedrückt wird\n"},
    };
    for (const auto& [code, target, block] : cases) {
        const EliminationSteps e = stepsOf(code, target);
        const std::string text = rechenwegText(e, e.stepCount);
        EXPECT_EQ(text.substr(text.rfind("\n\n") + 2), block) << code;
    }
}

} // namespace
} // namespace lampen::testing
