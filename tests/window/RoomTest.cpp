// The room: ring positions, wiring and its highlight, a drawn target and "Achtung!" warnings.

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
    EXPECT_LT(off(w.shpLampe[0], 0, 7), 1e-3); // below, upper right, upper left
    EXPECT_LT(off(w.shpLampe[1], 6.0624, -3.4996), 1e-3);
    EXPECT_LT(off(w.shpLampe[2], -6.0617, -3.5007), 1e-3);
    loadCode("0*1*");
    EXPECT_LT(off(w.shpLampe[0], 0, 7) + off(w.cmdSchalter[0], 0, 3), 1e-9);
    w.hscLampwinkel_Change(157);
    EXPECT_LT(off(w.shpLampe[0], 7.0000, 0.0056), 1e-3);
}

TEST_F(Room, WiringIsRedrawnOnlyWhenThePointerChangesItsHighlight) {
    // Switch by switch, lamp by lamp; the lines of the switch under the pointer orange, 2 px.
    const auto wiring = [&](std::size_t highlighted) {
        const std::size_t wires[][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}};
        Canvas expected;
        for (const auto& [s, l] : wires) {
            const auto [x1, y1] = centre(w.cmdSchalter[s]);
            const auto [x2, y2] = centre(w.shpLampe[l]);
            expected.line(x1, y1, x2, y2, s == highlighted ? colour::wireHighlight : colour::wire,
                          s == highlighted ? 2 : 1);
        }
        return expected.ops();
    };
    w.cmdSchalter_MouseMove(1);
    const auto before = w.picRaum.clears();
    w.cmdSchalter_MouseMove(2);
    w.cmdSchalter_MouseMove(2);
    EXPECT_EQ(std::tuple(w.picRaum.clears() - before, w.picRaum.ops()), std::tuple(1u, wiring(2)));
    w.picRaum_MouseMove();
    w.picRaum_MouseMove();
    EXPECT_EQ(std::tuple(w.picRaum.clears() - before, w.picRaum.ops()), std::tuple(2u, wiring(11)));
}

TEST_F(Room, DrawnTargetAndWarningsUnderLitLampsOutsideIt) {
    goTo("4"); // ten lamps; switch s lights lamps s and s + 1
    h.random.values = {0.35, 0.05, 0.05, 0.95, 0.55, 0.15, 0.75, 0.25};
    h.random.next_ = 0;
    w.cmdAufgabe_Click();
    // 1 + floor(10 * 0.35) = 4 lamps: 0 (drawn twice), 9, 5, 1; the bar shows the 6 of 10 agreeing.
    EXPECT_EQ(std::tuple(targetLamps(), w.matchCount), std::tuple(0b10'0010'0011u, 6));
    EXPECT_NEAR(w.picProzent.ops().at(0).y1, 0.4, 1e-12);
    press({0, 4}); // lights lamps 0, 1, 5 of the target and lamp 4 outside it
    auto texts = w.picRaum.ops();
    std::erase_if(texts, [](const DrawOp& op) { return op.kind != DrawOp::Kind::Text; });
    Canvas expected;
    const Placed& l = w.shpLampe[4];
    expected.text(l.left, l.top + l.height, "Achtung!", colour::light3d);
    EXPECT_EQ(texts, expected.ops());
}

} // namespace
} // namespace lampen::testing
