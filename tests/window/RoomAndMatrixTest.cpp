// The room and the matrix view: wiring and its highlight, a drawn target, "Achtung!" warnings,
// what a screen reader is told; the matrix's display list for the smallest and the largest
// circuit, agreement, the last press, its mirror buttons.

#include "Started.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace lampen::testing {
namespace {

using Room = Started;
// The matrix view open: its display list is built only while it is shown.
struct Matrix : Started {
    void SetUp() override {
        Started::SetUp();
        w.cmdMzeigen_Click();
    }
};

std::pair<double, double> centre(const Placed& p) {
    return {p.left + p.width / 2, p.top + p.height / 2};
}

TEST_F(Room, SlidersTurnAndWidenTheRingsOfLampsAndSwitches) {
    // Lamp 0 stands straight below the centre; the others follow evenly, turned by the angle.
    w.hscLampwinkel_Change(157); // a quarter turn: lamp 0 to the right
    w.hscRadLampe_Change(95);    // beyond the slider's end: kept at 9.0
    w.hscRadSchalter_Change(20);
    const View v = w.view();
    for (int i = 0; i < 3; ++i) {
        const auto [lx, ly] = centre(v.shpLampe[static_cast<std::size_t>(i)]);
        const auto [sx, sy] = centre(v.cmdSchalter[static_cast<std::size_t>(i)]);
        const double turn = 1.57 + 2 * 3.1415 * i / 3;
        EXPECT_NEAR(lx, 9 * std::sin(turn), 1e-6) << i;
        EXPECT_NEAR(ly, 9 * std::cos(turn), 1e-6) << i;
        EXPECT_NEAR(std::hypot(sx, sy), 2, 1e-9) << i;
    }
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
    h.random.values = {0.35, 0.05, 0.05, 0.95, 0.55, 0.15, 0.75, 0.25}, h.random.next_ = 0;
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
        {"cmdSchalter(0)", "S0 / schaltet L0, L1"},
        {"picRaum", "Lampen und Schalter / Schaltung 1 von 19: 3 Lampen, 2 an"},
        {"optLösbar(0)", "Das Leuchtmuster ist herstellbar: falsch / "}};
    for (const auto& [control, name] : cases)
        EXPECT_EQ(said(v, control), name) << control;
    EXPECT_NE(said(v, "picMatrix"), "?");
    h.random.values = {0.1, 0.5}, h.random.next_ = 0; // lamp 1 alone
    play("neu S0");
    EXPECT_EQ(said(w.view(), "shpLampe(0)") + "|" + said(w.view(), "shpLampe(1)"),
              "Lampe 0 / an|Lampe 1 / an, Ziel");
    // A digit other than 1 is drawn as a wire but toggles nothing, nor does a switch beyond.
    openCodes({"2*152*000*311*"});
    const View o = w.view();
    EXPECT_EQ(said(o, "cmdSchalter(0)") + "|" + said(o, "cmdSchalter(1)") + "|" +
                  said(o, "cmdSchalter(2)") + "|" + said(o, "cmdSchalter(3)"),
              "S0 / schaltet L0|S1 / schaltet keine Lampe|S2 / schaltet L1, L2|S3 / schaltet "
              "keine Lampe");
}

using Kind = DrawOp::Kind;

constexpr Rgb kGrey = qbColour(8), kBlue = qbColour(1), kMagenta = qbColour(13), kRed = qbColour(4);

DrawOp text(double x, double y, std::string s, Rgb c) {
    return {Kind::Text, x, y, x, y, c, 1, std::move(s)};
}
DrawOp shape(Kind kind, double x1, double y1, double x2, double y2, Rgb c) {
    return {kind, x1, y1, x2, y2, c, 1, {}};
}
std::vector<DrawOp> ofKind(const Canvas& c, Kind kind) {
    std::vector<DrawOp> out;
    std::ranges::copy_if(c.ops(), std::back_inserter(out), [&](auto& d) { return d.kind == kind; });
    return out;
}

TEST_F(Matrix, DisplayListAndMirrorButtonsFollowTheCircuitSize) {
    const std::vector oneLamp{
        text(10, 0, "L0", kGrey),     shape(Kind::Line, 0, 10, 20, 10, kGrey),
        text(0, 10, "S0", kGrey),     shape(Kind::Line, 10, 10, 10, 20, kGrey),
        text(10, 10, " 1", kBlue),    shape(Kind::FilledBox, 0, 22, 20, 32, kBlue),
        text(10, 22, " 0", kMagenta), shape(Kind::Line, 0, 22, 20, 22, qbColour(0)),
        text(10, 32, " 1", kRed)};
    for (const int k : {0, 9, 2}) { // 2 after 9: the buttons above k hide again
        Verbindungsmatrix diagonal;
        for (int i = 0; i <= k; ++i)
            diagonal(i, i) = 1;
        openCodes({writeCode(k, diagonal)});
        const View v = w.view();
        const auto& ops = v.picMatrix.ops();
        const double row = 10 * k + 22; // lamp states, and the target below
        EXPECT_EQ(ofKind(v.picMatrix, Kind::Text).size(), std::size_t((k + 1) * (k + 5)));
        if (k == 0) { // the whole list, in order
            EXPECT_EQ(ops, oneLamp);
        }
        for (int i = 0; i <= k; ++i) {
            const double x = 10 + 10 * i;
            for (const DrawOp& d :
                 {text(x, 0, "L" + std::to_string(i), kGrey),
                  text(0, x, "S" + std::to_string(i), kGrey), text(x, x, " 1", kBlue),
                  text(x, row, " 0", kMagenta), text(x, row + 10, " 1", kRed)})
                EXPECT_EQ(std::ranges::count(ops, d), 1) << d.text << " at " << x << ", k = " << k;
        }
        for (const DrawOp& d : ops) // inside the area; texts are 10 units high and wide
            EXPECT_TRUE(std::min(d.x1, d.x2) >= -15 && std::min(d.y1, d.y2) >= 0 &&
                        std::max(d.x1, d.x2) + (d.kind == Kind::Text) * 10 <= 120 &&
                        std::max(d.y1, d.y2) + (d.kind == Kind::Text) * 10 <= 140);
        for (std::size_t i = 0; i < kLampCount; ++i)
            EXPECT_TRUE(v.cmdMSchalter[i].visible == (int(i) <= k) && !v.cmdMLampe[i].visible) << i;
    }
}

TEST_F(Matrix, LastPressIsOutlinedAndTheLampRowLightRedOnAgreement) {
    const Rgb lightRed = qbColour(12); // over the blue of the row; blue alone one press away
    const std::tuple<int, double, Rgb> steps[] = {
        {0, 11, kBlue}, {2, 31, lightRed}, {1, 21, kBlue}, {1, 21, lightRed}};
    for (const auto& [sw, top, fill] : steps) {
        w.cmdSchalter_Click(sw);
        const Canvas m = w.view().picMatrix;
        EXPECT_EQ(std::tuple(ofKind(m, Kind::FilledBox).back().colour, ofKind(m, Kind::Box)),
                  std::tuple(fill, std::vector{shape(Kind::Box, 0, top, 40, top + 9, kBlue)}));
    }
    w.cmdAufgabe_Click();
    EXPECT_TRUE(ofKind(w.view().picMatrix, Kind::Box).empty());
    w.cmdMverbergen_Click();
    EXPECT_TRUE(w.view().picMatrix.ops().empty());
    w.cmdMzeigen_Click();
    EXPECT_FALSE(w.view().picMatrix.ops().empty());
}

TEST_F(Matrix, RowButtonsLieOverTheirHeadingsOneLineDown) {
    h.metrics.lineTwips *= 2; // a font twice as high
    const View v = w.view();
    for (int r = 0; r <= 2; ++r)
        EXPECT_NEAR(v.cmdMSchalter[static_cast<std::size_t>(r)].top, 10 + 10 * r + 22 - 11, 1e-9);
}

} // namespace
} // namespace lampen::testing
