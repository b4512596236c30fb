// The matrix view: its display list for the smallest and the largest circuit, the colours of
// agreement, the outline of the last press, its mirror buttons in both modes, showing and hiding.

#include "Started.h"

#include <algorithm>
#include <iterator>

namespace lampen::testing {
namespace {

using Matrix = Started;
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
}

TEST_F(Matrix, RowButtonsLieOverTheirHeadingsOneLineDown) {
    h.metrics.lineTwips *= 2; // a font twice as high
    const View v = w.view();
    for (int r = 0; r <= 2; ++r)
        EXPECT_NEAR(v.cmdMSchalter[static_cast<std::size_t>(r)].top, 10 + 10 * r + 22 - 11, 1e-9);
}

TEST_F(Matrix, ZeigenAndVerbergenPlaceItByMode) {
    w.Form_Load(kDesignWidth * 1.5, kDesignHeight * 1.25);
    w.cmdMzeigen_Click();
    EXPECT_EQ(std::tuple(w.view().panels.matrix, w.view().panels.matrixTop),
              std::tuple(true, 960 * 1.25));
    w.cmdAendern_Click(); // shows it under the editor's frame
    w.cmdMverbergen_Click();
    EXPECT_FALSE(w.view().panels.matrix);
    w.Form_Resize(); // back in its design place
    EXPECT_EQ(w.view().panels.matrixTop, 1000 * 1.25);
    w.cmdMzeigen_Click();
    EXPECT_EQ(std::tuple(w.view().panels.matrix, w.view().panels.matrixTop),
              std::tuple(true, (240 + 3852) * 1.25));
}

} // namespace
} // namespace lampen::testing
