// The room: ring positions, wiring and its highlight, a drawn target, "Achtung!" warnings, and
// what a screen reader is told of the room and the fixed controls.

#include "Started.h"

#include <cmath>

namespace lampen::testing {
namespace {

using Room = Started;

std::pair<double, double> centre(const Placed& p) {
    return {p.left + p.width / 2, p.top + p.height / 2};
}

TEST_F(Room, RingsPlaceLampsAndSwitches) {
    const auto off = [](const Placed& p, double x, double y) {
        return std::hypot(centre(p).first - x, centre(p).second - y);
    };
    View v = w.view();
    EXPECT_LT(off(v.shpLampe[0], 0, 7), 1e-3); // below, upper right, upper left
    EXPECT_LT(off(v.shpLampe[1], 6.0624, -3.4996), 1e-3);
    EXPECT_LT(off(v.shpLampe[2], -6.0617, -3.5007), 1e-3);
    openCodes({"0*1*"});
    v = w.view();
    EXPECT_LT(off(v.shpLampe[0], 0, 7) + off(v.cmdSchalter[0], 0, 3), 1e-9);
    w.hscLampwinkel_Change(157);
    EXPECT_LT(off(w.view().shpLampe[0], 7.0000, 0.0056), 1e-3);
}

TEST_F(Room, TheWiresOfTheSwitchUnderThePointerStandOut) {
    // Switch by switch, lamp by lamp; the lines of the switch under the pointer orange, 2 px.
    const auto wiring = [&](std::optional<std::size_t> highlighted) {
        const View v = w.view();
        const std::size_t wires[][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}};
        Canvas expected(kRoomScale);
        for (const auto& [sw, l] : wires) {
            const auto [x1, y1] = centre(v.cmdSchalter[sw]);
            const auto [x2, y2] = centre(v.shpLampe[l]);
            const bool lit = sw == highlighted;
            expected.line(x1, y1, x2, y2, lit ? colour::wireHighlight : colour::wire, lit ? 2 : 1);
        }
        return expected;
    };
    w.cmdSchalter_MouseMove(2);
    EXPECT_EQ(w.view().picRaum, wiring(2));
    w.picRaum_MouseMove();
    EXPECT_EQ(w.view().picRaum, wiring(std::nullopt));
}

TEST_F(Room, DrawnTargetAndWarningsUnderLitLampsOutsideIt) {
    w.txtAktuell_Change(" 3");
    w.cmdNaechstes_Click(); // ten lamps; switch s lights lamps s and s + 1
    h.random.values = {0.35, 0.05, 0.05, 0.95, 0.55, 0.15, 0.75, 0.25};
    h.random.next_ = 0;
    w.cmdAufgabe_Click();
    // 1 + floor(10 * 0.35) = 4 lamps: 0 (drawn twice), 9, 5, 1; the bar shows the 6 of 10 agreeing.
    EXPECT_EQ(std::tuple(s().target, s().matchCount), std::tuple(0b10'0010'0011u, 6));
    EXPECT_NEAR(w.view().picProzent.ops().at(0).y1, 0.4, 1e-12);
    play("S0 S4"); // lights lamps 0, 1, 5 of the target and lamp 4 outside it
    const View v = w.view();
    auto texts = v.picRaum.ops();
    std::erase_if(texts, [](const DrawOp& op) { return op.kind != DrawOp::Kind::Text; });
    Canvas expected;
    const Placed& l = v.shpLampe[4];
    expected.text(l.left, l.top + l.height, "Achtung!", colour::light3d);
    EXPECT_EQ(texts, expected.ops());
}

// Name and description of a control, joined by " / "; "?" when the view has no entry for it.
std::string said(const View& v, const std::string& control) {
    for (const AccessibleText& a : v.accessible)
        if (a.control == control)
            return a.name + " / " + a.description;
    return "?";
}

// Circuit 1: S0 toggles lamps 0 and 1, S1 lamps 1 and 2, S2 lamp 2; the target is all three.
TEST_F(Room, AccessibleLampsSwitchesAndFixedControlsAreNamed) {
    play("S0");
    const View v = w.view();
    const std::pair<const char*, const char*> cases[] = {
        {"shpLampe(0)", "Lampe 0 / an, Ziel"},
        {"shpLampe(2)", "Lampe 2 / aus, Ziel"},
        {"shpLampe(9)", "Lampe 9 / aus"},
        {"cmdSchalter(0)", "S0 / schaltet L0, L1"},
        {"cmdSchalter(2)", "S2 / schaltet L2"},
        {"picRaum", "Lampen und Schalter / Schaltung 1 von 19: 3 Lampen, 2 an"},
        {"hscLampwinkel", "Lampen: Drehung / "},
        {"hscRadSchalter", "Schalter: Abstand / "},
        {"txtStatistik(4)", "(Un-) Lösbarkeit erkannt / "},
        {"optLösbar(0)", "Das Leuchtmuster ist herstellbar: falsch / "},
        {"Option1(0)", "Jedes Leuchtmuster ist möglich: richtig / "},
        {"Option1(1)", "Jedes Leuchtmuster ist möglich: falsch / "}};
    for (const auto& [control, name] : cases)
        EXPECT_EQ(said(v, control), name) << control;
    EXPECT_NE(said(v, "picMatrix"), "?");
    newTarget(0b010);
    EXPECT_EQ(said(w.view(), "shpLampe(1)"), "Lampe 1 / aus, Ziel");
    play("S0");
    EXPECT_EQ(said(w.view(), "shpLampe(0)") + "|" + said(w.view(), "shpLampe(1)"),
              "Lampe 0 / an|Lampe 1 / an, Ziel");
}

// A digit other than 1 is drawn as a wire but toggles nothing; switches beyond the circuit
// toggle nothing either.
TEST_F(Room, AccessibleOnlyWiresThatToggleAreNamed) {
    openCodes({"2*152*000*311*"});
    const View v = w.view();
    EXPECT_EQ(said(v, "cmdSchalter(0)") + "|" + said(v, "cmdSchalter(1)") + "|" +
                  said(v, "cmdSchalter(2)") + "|" + said(v, "cmdSchalter(3)"),
              "S0 / schaltet L0|S1 / schaltet keine Lampe|S2 / schaltet L1, L2|S3 / schaltet "
              "keine Lampe");
}

} // namespace
} // namespace lampen::testing
