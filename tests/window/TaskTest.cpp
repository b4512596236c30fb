// Tasks played through: judged presses, reports, the solution list, assessments, random targets.

#include "Started.h"

#include "ClockRandom.h"

#include <bit>
#include <cstdio>
#include <ctime>
#include <set>

namespace lampen::testing {
namespace {

using Task = Started;

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
        {all, "S0 S2 S1 S1 S2 S2", " 6", " 1| 1| 2|0|0|0", {}, {}, longer}, // longer, each time
                                                                            // again
        {all, "S0 S2 aus", " 2", " 1| 1|0|0|0|0", {}},
        {all, "S0 S2 aus S2 S0", " 4", " 1| 1| 1|0|0|0", {}, {}, longer}, // every press counts
        {all, "wege S0 S2 S1 S1", " 4", "0|0| 1| 1|0|0", {noPoint}, {}, longer},
        {notAll, "S0 S1 S0 S2 S0 S1 S0", " 7", " 1|0|0|0|0|0", {}}, // all 8 patterns
        {all, "status", "0", "0|0|0|0|0|0", {solvable}},
        {notAll, "status", "0", "0|0|0|0|0|0", {unsolvable}},
        {all, "wege wege wege", "0", "0|0|0| 3|0|0", {}},
        {all, "ändern wege", "0", "0|0|0|0|0|0", {editing}},
        {all, "A1", "0", "0|0|0|0| 1|0", {right}},
        {all, "A0", "0", "0|0|0|0|-1|0", {wrong}},
        {notAll, "A0", "0", "0|0|0|0| 1|0", {right}},
        {notAll, "A1", "0", "0|0|0|0|-1|0", {wrong}},
        {all, "S0 A1", " 1", " 1|0|0|0|0|0", {tooLate}},
        {all, "status A1", "0", "0|0|0|0|0|0", {solvable, tooLate}},
        {all, "wege A1", "0", "0|0|0| 1|0|0", {tooLate}},
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
    r.cmdVoriges_Click();          // five lamps
    drawTargets(200);
}

} // namespace
} // namespace lampen::testing
