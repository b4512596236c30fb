// The room: ring positions, sliders, the wiring's display list, pointer highlighting and the
// "Achtung!" warnings.

#include "Started.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace lampen::testing {
namespace {

using Room = Started;

struct Centre {
    double x, y;
};
Centre centre(const Placed& p) {
    return {p.left + p.width / 2, p.top + p.height / 2};
}

std::vector<DrawOp> linesOf(const Canvas& c) {
    std::vector<DrawOp> out;
    for (const auto& op : c.ops())
        if (op.kind == DrawOp::Kind::Line)
            out.push_back(op);
    return out;
}

TEST_F(Room, SingleLampAndSwitchStandStraightBelowTheCentre) {
    loadCode("0*1*");
    EXPECT_NEAR(centre(w.shpLampe[0]).x, 0, 1e-9);
    EXPECT_NEAR(centre(w.shpLampe[0]).y, 7.0, 1e-9);
    EXPECT_NEAR(centre(w.cmdSchalter[0]).x, 0, 1e-9);
    EXPECT_NEAR(centre(w.cmdSchalter[0]).y, 3.0, 1e-9);
}

TEST_F(Room, LampsOfCircuitOneBelowUpperRightAndUpperLeft) {
    const Centre expected[] = {{0, 7}, {6.0624, -3.4996}, {-6.0617, -3.5007}};
    for (int l = 0; l < 3; ++l) {
        EXPECT_NEAR(centre(w.shpLampe[static_cast<std::size_t>(l)]).x, expected[l].x, 1e-3) << l;
        EXPECT_NEAR(centre(w.shpLampe[static_cast<std::size_t>(l)]).y, expected[l].y, 1e-3) << l;
        // The lamp button lies centred on its lamp.
        EXPECT_NEAR(centre(w.cmdLampe[static_cast<std::size_t>(l)]).x, expected[l].x, 1e-3);
    }
    EXPECT_NEAR(w.shpLampe[0].width, 1.9584, 1e-4);
    EXPECT_NEAR(w.shpLampe[0].height, 1.9967, 1e-4);
    EXPECT_NEAR(w.cmdSchalter[0].width, 1.1904, 1e-4);
    EXPECT_NEAR(w.cmdSchalter[0].height, 1.2137, 1e-4);
}

TEST_F(Room, SlidersTurnAndWidenTheRings) {
    w.hscLampwinkel_Change(157);
    EXPECT_NEAR(centre(w.shpLampe[0]).x, 7.0000, 1e-3);
    EXPECT_NEAR(centre(w.shpLampe[0]).y, 0.0056, 1e-3);
    w.hscRadSchalter_Scroll(50);
    EXPECT_NEAR(centre(w.cmdSchalter[0]).y, 5.0, 1e-9);
    w.hscSchaltwinkel_Change(314);
    EXPECT_NEAR(centre(w.cmdSchalter[0]).y, -5.0, 1e-2);
    w.hscRadLampe_Scroll(10);
    EXPECT_NEAR(std::hypot(centre(w.shpLampe[1]).x, centre(w.shpLampe[1]).y), 1.0, 1e-6);
    // Values outside a slider's range are held at its ends.
    w.hscRadLampe_Change(500);
    EXPECT_EQ(w.hscRadLampe, 90);
    w.hscLampwinkel_Change(-3);
    EXPECT_EQ(w.hscLampwinkel, 0);
}

TEST_F(Room, SliderChangeClearsTheSolvabilityAnswers) {
    w.optLoesbar = {true, false};
    w.hscRadLampe_Change(60);
    EXPECT_FALSE(w.optLoesbar[0]);
}

TEST_F(Room, ArrangementSurvivesLoadingAnotherCircuit) {
    w.hscLampwinkel_Change(100);
    w.cmdNaechstes_Click();
    EXPECT_DOUBLE_EQ(w.lampAngle, 1.0);
}

TEST_F(Room, WiringLinesInSwitchThenLampOrderWithHighlight) {
    // hoverSwitch starts at 0: the lines of S0 are orange and two pixels wide.
    const auto lines = linesOf(w.picRaum);
    ASSERT_EQ(lines.size(), 5u);
    const std::pair<int, int> order[] = {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto [s, l] = order[i];
        const Centre from = centre(w.cmdSchalter[static_cast<std::size_t>(s)]);
        const Centre to = centre(w.shpLampe[static_cast<std::size_t>(l)]);
        EXPECT_NEAR(lines[i].x1, from.x, 1e-12) << i;
        EXPECT_NEAR(lines[i].y1, from.y, 1e-12) << i;
        EXPECT_NEAR(lines[i].x2, to.x, 1e-12) << i;
        EXPECT_NEAR(lines[i].y2, to.y, 1e-12) << i;
        EXPECT_EQ(lines[i].colour, s == 0 ? colour::wireHighlight : colour::wire) << i;
        EXPECT_EQ(lines[i].penWidth, s == 0 ? 2 : 1) << i;
    }
}

TEST_F(Room, PointerRedrawsOnlyWhenTheHighlightChanges) {
    const auto before = w.picRaum.clears();
    w.cmdSchalter_MouseMove(2);
    w.cmdSchalter_MouseMove(2);
    EXPECT_EQ(w.picRaum.clears(), before + 1);
    w.cmdSchalter_MouseMove(1);
    EXPECT_EQ(w.picRaum.clears(), before + 2);
    for (const auto& l : linesOf(w.picRaum)) {
        const bool ofS1 = std::abs(l.x1 - centre(w.cmdSchalter[1]).x) < 1e-12 &&
                          std::abs(l.y1 - centre(w.cmdSchalter[1]).y) < 1e-12;
        EXPECT_EQ(l.penWidth, ofS1 ? 2 : 1);
        EXPECT_EQ(l.colour, ofS1 ? colour::wireHighlight : colour::wire);
    }
    w.picRaum_MouseMove();
    w.picRaum_MouseMove();
    w.picRaum_MouseMove();
    EXPECT_EQ(w.picRaum.clears(), before + 3);
    for (const auto& l : linesOf(w.picRaum))
        EXPECT_EQ(l.penWidth, 1);
}

TEST_F(Room, PressKeepsTheHighlight) {
    w.cmdSchalter_MouseMove(1);
    w.cmdSchalter_Click(1);
    EXPECT_EQ(w.hoverSwitch, 1);
    int wide = 0;
    for (const auto& l : linesOf(w.picRaum))
        wide += l.penWidth == 2;
    EXPECT_EQ(wide, 2);
}

TEST_F(Room, WarningOnlyUnderLitLampsOutsideTheTarget) {
    goTo("4");
    setTarget(0b0000000001); // lamp 0 only
    w.cmdSchalter_Click(0);  // lights lamps 0 and 1
    std::vector<DrawOp> texts;
    for (const auto& op : w.picRaum.ops())
        if (op.kind == DrawOp::Kind::Text)
            texts.push_back(op);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Achtung!");
    EXPECT_DOUBLE_EQ(texts[0].x1, w.shpLampe[1].left);
    EXPECT_DOUBLE_EQ(texts[0].y1, w.shpLampe[1].top + w.shpLampe[1].height);
    EXPECT_EQ(texts[0].colour, colour::light3d);
}

TEST_F(Room, WarningIsPrintedAfterItsSwitchAndBeforeLaterLines) {
    goTo("4");
    setTarget(0b1000000000);
    w.cmdSchalter_Click(0);
    const auto& ops = w.picRaum.ops();
    std::size_t warning = ops.size();
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == DrawOp::Kind::Text && ops[i].x1 == w.shpLampe[0].left)
            warning = i;
    ASSERT_LT(warning, ops.size());
    // Two lines of S0, then lamp 0's warning, then the lines of S1 onwards.
    EXPECT_EQ(warning, 2u);
}

TEST_F(Room, UnwiredSwitchesAndLampsHaveNoLines) {
    loadCode("2*000*010*000*");
    EXPECT_EQ(linesOf(w.picRaum).size(), 1u);
}

TEST_F(Room, DigitsAboveOneAreDrawnButNeverToggle) {
    loadCode("1*15*00*");
    EXPECT_EQ(linesOf(w.picRaum).size(), 2u);
    w.cmdSchalter_Click(0);
    EXPECT_EQ(litLamps(), 0b01u);
    w.storeCircuit();
    EXPECT_EQ(w.schaltgruppe.slot(1), "1*15*00*");
}

TEST_F(Room, SwitchesAndLampsAboveTheCircuitAreHidden) {
    goTo("4");
    goTo("1");
    for (int i = 3; i < kLampCount; ++i) {
        EXPECT_FALSE(w.shpLampe[static_cast<std::size_t>(i)].visible);
        EXPECT_FALSE(w.cmdSchalter[static_cast<std::size_t>(i)].visible);
    }
}

TEST_F(Room, AFullRoundRunsQuickly) {
    const auto start = std::chrono::steady_clock::now();
    Lampen r{h.dialogs, h.random, h.metrics};
    r.Form_Load();
    r.setTxtAktuell("4");
    r.loadCircuit();
    r.refreshView();
    h.random.values = {0.3, 0.7, 0.1, 0.9, 0.5, 0.2, 0.8, 0.4, 0.6, 0.05};
    for (int i = 0; i < 1000; ++i)
        r.cmdSchalter_Click(i % 10);
    for (int i = 0; i < 100; ++i)
        r.cmdAufgabe_Click();
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("full_round_ms", std::to_string(ms));
    std::printf("full round (start-up, 1000 presses, 100 targets at k = 9): %.2f ms\n", ms);
    EXPECT_LT(ms, 1000.0);
}

} // namespace
} // namespace lampen::testing
