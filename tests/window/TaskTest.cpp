// Targets, the solvability report, the solution list and the two assessments with their scores.

#include "Started.h"

#include "ClockRandom.h"

#include <bit>
#include <set>

namespace lampen::testing {
namespace {

using Task = Started;

TEST_F(Task, NewTargetsAreDistinctLampsOfTheDrawnCount) {
    goTo("4"); // ten lamps
    h.random.values = {0.35, 0.05, 0.05, 0.95, 0.55, 0.15, 0.75, 0.25};
    h.random.next_ = 0;
    w.cmdAufgabe_Click();
    // 1 + floor(10 * 0.35) = 4 lamps: 0 (drawn twice), 9, 5, 1.
    EXPECT_EQ(w.targetLampCount, 4);
    EXPECT_EQ(targetLamps(), (1u << 0) | (1u << 9) | (1u << 5) | (1u << 1));
    EXPECT_EQ(w.matchCount, 6);
    EXPECT_EQ(w.txtKlicks, "0");
    EXPECT_EQ(litLamps(), 0u);
    EXPECT_FALSE(w.workStarted);
    EXPECT_GE(h.random.seeds, 1);
    // The bar shows the agreeing share: 6 of 10 lamps.
    ASSERT_EQ(w.picProzent.ops().size(), 1u);
    EXPECT_NEAR(w.picProzent.ops()[0].y1, 0.4, 1e-12);
}

TEST_F(Task, RandomTargetsKeepTheirInvariants) {
    ClockRandom real;
    Lampen r{h.dialogs, real, h.metrics};
    r.Form_Load();
    std::set<unsigned> seen;
    for (int round = 0; round < 300; ++round) {
        r.setTxtAktuell(round % 2 ? "4" : "19");
        r.loadCircuit();
        r.refreshView();
        r.cmdAufgabe_Click();
        unsigned mask = 0;
        for (int l = 0; l < kLampCount; ++l)
            if (r.shpLampe[static_cast<std::size_t>(l)].isTarget())
                mask |= 1u << l;
        ASSERT_NE(mask, 0u);
        ASSERT_EQ(mask >> (r.maxIndex + 1), 0u) << "only lamps of the circuit";
        ASSERT_EQ(std::popcount(mask), r.targetLampCount);
        ASSERT_EQ(r.matchCount, r.maxIndex + 1 - r.targetLampCount);
        seen.insert(mask);
    }
    EXPECT_GT(seen.size(), 100u) << "targets vary";
}

TEST_F(Task, NewTargetDoesNothingInEditMode) {
    w.visible.lblAendern = true;
    press({1});
    const unsigned lit = litLamps();
    w.cmdAufgabe_Click();
    EXPECT_EQ(litLamps(), lit);
    EXPECT_EQ(w.txtKlicks, " 1");
}

TEST_F(Task, SolvabilityReportWithItsOddLineBreak) {
    w.cmdStatus_Click();
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text,
              "Die Aufgabe ist lösbar. Man benötigt\n\rmindestens 2 Schaltvorgänge.");
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Information);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Lösbarkeit");
    EXPECT_TRUE(w.workStarted);
    loadCode("2*110*011*101*");
    w.cmdStatus_Click();
    EXPECT_EQ(h.dialogs.boxes[1].text, "Die Aufgabe ist nicht lösbar.");
    EXPECT_EQ(h.dialogs.boxes[1].icon, Icon::Exclamation);
}

TEST_F(Task, SolutionListCountsEveryRequest) {
    w.cmdWege_Click();
    EXPECT_TRUE(w.visible.lblWege);
    EXPECT_FALSE(w.visible.lblErklaerung[0]);
    EXPECT_EQ(w.txtWege, "Schaltmuster der Lösung(en):\r\n\r\n101\r\n");
    w.cmdInfofenster_Click(1);
    w.cmdInfofenster_Click(1);
    EXPECT_EQ(w.txtStatistik[3], " 3");
    w.cmdInfofenster_Click(0);
    EXPECT_FALSE(w.visible.lblWege);
    EXPECT_EQ(w.txtStatistik[3], " 3");
}

TEST_F(Task, SolutionListOfAnUnsolvableTask) {
    loadCode("2*110*011*101*");
    w.cmdWege_Click();
    EXPECT_EQ(w.txtWege, "Schaltmuster der Lösung(en):\r\n\r\nes gibt keine Lösung");
    EXPECT_TRUE(w.solutionShown);
    EXPECT_EQ(w.txtStatistik[3], " 1");
}

TEST_F(Task, SolutionListStaysUntilRequestedAgain) {
    w.cmdWege_Click();
    loadCode("2*110*011*101*");
    EXPECT_EQ(w.txtWege, "Schaltmuster der Lösung(en):\r\n\r\n101\r\n");
    EXPECT_FALSE(w.solutionShown);
}

TEST_F(Task, SolutionListIsRefusedInEditMode) {
    w.visible.lblAendern = true;
    w.cmdWege_Click();
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Bitte erst den Bearbeitungsmodus beenden.");
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Information);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Achtung");
    EXPECT_FALSE(w.visible.lblWege);
    EXPECT_FALSE(w.solutionShown);
    EXPECT_EQ(w.txtStatistik[3], "0");
    EXPECT_TRUE(w.visible.lblAendern);
}

// ---- assessment A: is this target producible? ------------------------------------------------

struct AssessA {
    const char* code;
    int answer; // 1 "richtig", 0 "falsch"
    const char* counter;
    const char* text;
    Icon icon;
    friend void PrintTo(const AssessA& c, std::ostream* os) {
        *os << c.code << " answered " << (c.answer ? "richtig" : "falsch");
    }
};

class AssessmentA : public Started, public ::testing::WithParamInterface<AssessA> {};

TEST_P(AssessmentA, ScoresTheAnswerBeforeWorkBegins) {
    const AssessA& c = GetParam();
    loadCode(c.code);
    w.optLoesbar_Click(c.answer);
    EXPECT_EQ(w.txtStatistik[4], c.counter);
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, c.text);
    EXPECT_EQ(h.dialogs.boxes[0].icon, c.icon);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Kommentar");
    EXPECT_TRUE(w.workStarted);
    EXPECT_TRUE(w.optLoesbar[static_cast<std::size_t>(c.answer)]) << "the answer stays selected";
}

constexpr const char* kRight = "Das ist richtig!";
constexpr const char* kWrong = "Das ist falsch!\r\nSie erhalten einen Minuspunkt.";
INSTANTIATE_TEST_SUITE_P(
    BothTruths, AssessmentA,
    ::testing::Values(AssessA{"2*110*011*001*", 1, " 1", kRight, Icon::Exclamation},
                      AssessA{"2*110*011*001*", 0, "-1", kWrong, Icon::Critical},
                      AssessA{"2*110*011*101*", 0, " 1", kRight, Icon::Exclamation},
                      AssessA{"2*110*011*101*", 1, "-1", kWrong, Icon::Critical}));

TEST_F(Task, AssessmentAIsRefusedOnceWorkHasBegun) {
    struct Start {
        const char* name;
        void (*act)(Lampen&);
    };
    const Start starts[] = {
        {"press", [](Lampen& l) { l.cmdSchalter_Click(0); }},
        {"report", [](Lampen& l) { l.cmdStatus_Click(); }},
        {"solution list", [](Lampen& l) { l.cmdWege_Click(); }},
        {"earlier answer", [](Lampen& l) { l.optLoesbar_Click(1); }},
    };
    for (const Start& s : starts) {
        goTo("1");
        h.dialogs.boxes.clear();
        s.act(w);
        const std::string counter = w.txtStatistik[4];
        h.dialogs.boxes.clear();
        w.optLoesbar_Click(1);
        ASSERT_EQ(h.dialogs.boxes.size(), 1u) << s.name;
        EXPECT_EQ(h.dialogs.boxes[0].text, "Dieser Tip muß vor Beginn der Bearbeitung\r\n"
                                           "dieser Aufgabe abgegeben werden!")
            << s.name;
        EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Critical);
        EXPECT_EQ(w.txtStatistik[4], counter) << s.name;
        EXPECT_FALSE(w.optLoesbar[0] || w.optLoesbar[1]) << s.name;
    }
}

TEST_F(Task, RedrawClearsTheSelectedAnswer) {
    w.optLoesbar_Click(1);
    w.cmdSchalter_Click(0);
    EXPECT_FALSE(w.optLoesbar[0] || w.optLoesbar[1]);
}

// ---- assessment B: is every pattern producible, and how many are there? --------------------

struct AssessB {
    const char* name;
    const char* code;
    int answer; // 0 "richtig", 1 "falsch"
    std::vector<std::string> replies;
    const char* counter;
    std::vector<std::string> texts;
    friend void PrintTo(const AssessB& c, std::ostream* os) { *os << c.name; }
};

class AssessmentB : public Started, public ::testing::WithParamInterface<AssessB> {};

TEST_P(AssessmentB, ScoresEveryPath) {
    const AssessB& c = GetParam();
    loadCode(c.code);
    for (const auto& r : c.replies)
        h.dialogs.replies.push_back(r);
    w.Option1_Click(c.answer);
    EXPECT_EQ(w.txtStatistik[5], c.counter);
    ASSERT_EQ(h.dialogs.boxes.size(), c.texts.size());
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(h.dialogs.boxes[i].text, c.texts[i]) << i;
        EXPECT_EQ(h.dialogs.boxes[i].title, "Kommentar");
    }
    EXPECT_TRUE(w.generalAssessed);
    for (const auto& p : h.dialogs.prompts)
        EXPECT_EQ(p.title, "Zusatzfrage");
}

const std::string kGood = "Gut, die Antwort ist richtig!\r\nSie erhalten einen Analysepunkt.";
const std::string kAlsoRight =
    "Sehr gut, auch diese Antwort ist richtig!\r\nSie erhalten einen weiteren Analysepunkte!";
const std::string kTwoPoints =
    "Sehr gut, auch diese Antwort ist richtig!\r\nSie erhalten 2 Analysepunkte!";
const std::string kWrongTotal7 =
    "Das ist leider falsch.\r\n 7 Leuchtmuster gibt es insgesamt.\r\nSie erhalten einen Minuspunkt";
const std::string kWrongProducible3 =
    "Das ist leider falsch.\r\n 3 Leuchtmuster sind schaltbar.\r\nSie erhalten einen Minuspunkt!";
const std::string kBadAnswer = "Diese Antwort ist leider falsch!\r\nSie erhalten einen Minuspunkt.";
const std::string kStillRight =
    "Sehr gut, diese Antwort ist allerdings richtig!\r\nSie erhalten einen positiven "
    "Analysepunkte!";
const std::string kAlsoWrong7 = "Das ist leider auch falsch.\r\n 7 Leuchtmuster gibt es "
                                "insgesamt.\r\nSie erhalten einen weiteren Minuspunkt!";

INSTANTIATE_TEST_SUITE_P(
    Paths, AssessmentB,
    ::testing::Values(
        AssessB{"AllProducibleRight", "2*110*011*001*", 0, {"7"}, " 2", {kGood, kAlsoRight}},
        AssessB{"AllProducibleRightWrongCount",
                "2*110*011*001*",
                0,
                {"8"},
                " 0",
                {kGood, kWrongTotal7}},
        AssessB{"NotAllRightBothCounts",
                "2*110*011*101*",
                1,
                {"7", "3"},
                " 4",
                {kGood, kAlsoRight, kTwoPoints}},
        AssessB{"NotAllBothCountsWrong",
                "2*110*011*101*",
                1,
                {"6", "4"},
                "-1",
                {kGood, kWrongTotal7, kWrongProducible3}},
        AssessB{"RepliesReadLeniently",
                "2*110*011*101*",
                1,
                {"  7", "3.0"},
                " 4",
                {kGood, kAlsoRight, kTwoPoints}},
        AssessB{"CancelledRepliesReadZero",
                "2*110*011*101*",
                1,
                {},
                "-1",
                {kGood, kWrongTotal7, kWrongProducible3}},
        AssessB{
            "WrongAnswerRightCount", "2*110*011*001*", 1, {"7.0"}, " 0", {kBadAnswer, kStillRight}},
        AssessB{
            "WrongAnswerWrongCount", "2*110*011*101*", 0, {"x"}, "-2", {kBadAnswer, kAlsoWrong7}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Task, AssessmentBPromptsAskTheRightQuestions) {
    loadCode("2*110*011*101*");
    w.Option1_Click(1);
    ASSERT_EQ(h.dialogs.prompts.size(), 2u);
    EXPECT_EQ(h.dialogs.prompts[0].prompt, "Wieviele Leuchtmuster (ohne >alles aus<)\r\n"
                                           "gibt es überhaupt insgesamt?\r\n"
                                           "(Bitte Anzahl eingeben)");
    EXPECT_EQ(h.dialogs.prompts[1].prompt, "Wieviele Leuchtmuster (ohne >alles aus<)\r\n"
                                           "sind denn insgesamt herstellbar?\r\n"
                                           "(Bitte Anzahl eingeben)");
    h.dialogs.prompts.clear();
    loadCode("2*110*011*001*");
    w.Option1_Click(1);
    ASSERT_EQ(h.dialogs.prompts.size(), 1u);
    EXPECT_EQ(h.dialogs.prompts[0].prompt, "Wieviele Leuchtmuster (ohne >alles aus<)\r\n"
                                           "gibt es denn überhaupt insgesamt?\r\n"
                                           "(Bitte Anzahl eingeben)");
}

TEST_F(Task, CancelledSecondQuestionIsRightOnlyWhenNothingIsProducible) {
    loadCode("0*0*");
    h.dialogs.replies = {"1"};
    w.Option1_Click(1);
    EXPECT_EQ(w.txtStatistik[5], " 4");
}

TEST_F(Task, AssessmentBOncePerAnalysis) {
    h.dialogs.replies = {"7"};
    w.Option1_Click(0);
    h.dialogs.boxes.clear();
    w.Option1_Click(1);
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Diese Schaltung wurde schon bewertet.");
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Critical);
    EXPECT_EQ(w.txtStatistik[5], " 2");
    w.cmdAufgabe_Click();
    EXPECT_FALSE(w.Option1[0] || w.Option1[1]) << "a new analysis unselects both";
    EXPECT_FALSE(w.generalAssessed);
}

} // namespace
} // namespace lampen::testing
