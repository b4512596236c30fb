// The matrix view on a started window: the display list for small and large circuits, its
// colours for agreement, lamp states and target, the outline of the last press, its mirror
// buttons in both modes, and showing and hiding it.

#include "Fakes.h"
#include "Lampen.h"
#include "NumText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lampen {
namespace {

using testing::Harness;
using Kind = DrawOp::Kind;

constexpr Rgb kGrey = qbColour(8);
constexpr Rgb kBlue = qbColour(1);
constexpr Rgb kMagenta = qbColour(13);

// Every wire on the diagonal only: switch s toggles lamp s.
std::string diagonalCode(int k) {
    Verbindungsmatrix m;
    for (int i = 0; i <= k; ++i)
        m(i, i) = 1;
    return writeCode(k, m);
}

std::vector<DrawOp> ofKind(const Canvas& c, Kind kind) {
    std::vector<DrawOp> out;
    std::copy_if(c.ops().begin(), c.ops().end(), std::back_inserter(out),
                 [kind](const DrawOp& op) { return op.kind == kind; });
    return out;
}

// The text printed with its top-left corner at (x, y), if exactly one was.
const DrawOp* textAt(const Canvas& c, double x, double y) {
    const DrawOp* found = nullptr;
    for (const DrawOp& op : c.ops()) {
        if (op.kind != Kind::Text || op.x1 != x || op.y1 != y)
            continue;
        if (found)
            return nullptr;
        found = &op;
    }
    return found;
}

DrawOp text(double x, double y, const char* s, Rgb c) {
    return {Kind::Text, x, y, x, y, c, 1, s};
}
DrawOp shape(Kind kind, double x1, double y1, double x2, double y2, Rgb c) {
    return {kind, x1, y1, x2, y2, c, 1, {}};
}

class MatrixView : public ::testing::Test {
protected:
    Harness h;
    Lampen w{h.dialogs, h.random, h.metrics};

    void SetUp() override { w.Form_Load(); }

    void showCode(const std::string& code) {
        w.schaltgruppe.setSlot(1, code);
        w.setTxtAktuell("1");
        w.loadCircuit();
        w.refreshView();
    }

    std::vector<Rgb> stateBoxes() const {
        std::vector<Rgb> colours;
        for (const DrawOp& op : ofKind(w.picMatrix, Kind::FilledBox))
            colours.push_back(op.colour);
        return colours;
    }
};

// ---- the display list -----------------------------------------------------------------------

TEST_F(MatrixView, OneLampCircuitDrawsExactlyThisList) {
    showCode("0*1*");
    const std::vector<DrawOp> expected = {
        text(10, 0, "L0", kGrey),        shape(Kind::Line, 0, 10, 20, 10, kGrey),
        text(0, 10, "S0", kGrey),        shape(Kind::Line, 10, 10, 10, 20, kGrey),
        text(10, 10, " 1", kBlue),       shape(Kind::FilledBox, 0, 22, 20, 32, kBlue),
        text(10, 22, " 0", kMagenta),    shape(Kind::Line, 0, 22, 20, 22, qbColour(0)),
        text(10, 32, " 1", qbColour(4)),
    };
    EXPECT_EQ(w.picMatrix.ops(), expected);
    EXPECT_EQ(w.picMatrix.scale(), (CanvasScale{-15, -15, 120, 140}));
}

TEST_F(MatrixView, EveryRedrawStartsFromAClearArea) {
    const auto clears = w.picMatrix.clears();
    const auto count = w.picMatrix.ops().size();
    w.drawMatrix();
    EXPECT_EQ(w.picMatrix.clears(), clears + 1);
    EXPECT_EQ(w.picMatrix.ops().size(), count);
}

class GridForK : public MatrixView, public ::testing::WithParamInterface<int> {};

TEST_P(GridForK, RowsColumnsAndButtonsFollowTheCircuitSize) {
    const int k = GetParam();
    showCode(diagonalCode(k));
    const Canvas& m = w.picMatrix;

    EXPECT_EQ(ofKind(m, Kind::Text).size(), static_cast<std::size_t>((k + 1) * (k + 5)));
    for (int i = 0; i <= k; ++i) {
        const auto* column = textAt(m, 10 + 10 * i, 0);
        const auto* row = textAt(m, 0, 10 + 10 * i);
        ASSERT_TRUE(column && row) << i;
        EXPECT_EQ(column->text, "L" + std::to_string(i));
        EXPECT_EQ(row->text, "S" + std::to_string(i));
        EXPECT_EQ(row->colour, kGrey);
        // The diagonal entry is the one wire of the row.
        const auto* diagonal = textAt(m, 10 + 10 * i, 10 + 10 * i);
        ASSERT_TRUE(diagonal);
        EXPECT_EQ(diagonal->text, " 1");
        EXPECT_EQ(diagonal->colour, kBlue);
        // The lamp is off and in the target.
        const auto* state = textAt(m, 10 + 10 * i, 10 * k + 22);
        const auto* target = textAt(m, 10 + 10 * i, 10 * k + 32);
        ASSERT_TRUE(state && target) << i;
        EXPECT_EQ(state->colour, kMagenta);
        EXPECT_EQ(target->colour, qbColour(4));
    }
    const auto boxes = ofKind(m, Kind::FilledBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], shape(Kind::FilledBox, 0, 10 * k + 22, 10 * k + 20, 10 * k + 32, kBlue));
    // Everything lies inside the area, the lamp and target rows below the matrix.
    for (const DrawOp& op : m.ops()) {
        EXPECT_GE(std::min(op.x1, op.x2), -15);
        EXPECT_LE(std::max(op.x1, op.x2) + (op.kind == Kind::Text ? 10 : 0), 120);
        EXPECT_GE(std::min(op.y1, op.y2), 0);
        EXPECT_LE(std::max(op.y1, op.y2) + (op.kind == Kind::Text ? 10 : 0), 140);
    }

    for (int i = 0; i < kLampCount; ++i) {
        const Placed& b = w.cmdMSchalter[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.visible, i <= k) << i;
        EXPECT_FALSE(w.cmdMLampe[static_cast<std::size_t>(i)].visible) << i;
        if (i <= k) {
            EXPECT_DOUBLE_EQ(b.left, -1);
            EXPECT_DOUBLE_EQ(b.top, 10 * i + 10); // 10 r + line height 11 - 1
            EXPECT_DOUBLE_EQ(b.width, 10);
            EXPECT_DOUBLE_EQ(b.height, 10);
        }
    }

    w.cmdAendern_Click();
    for (int i = 0; i < kLampCount; ++i) {
        const Placed& b = w.cmdMLampe[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.visible, i <= k) << i;
        if (i <= k) {
            EXPECT_DOUBLE_EQ(b.left, 10 * i + 9);
            EXPECT_DOUBLE_EQ(b.top, 0);
            EXPECT_DOUBLE_EQ(b.width, 10);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridForK, ::testing::Values(0, 1, 2, 5, 8, 9));

TEST_F(MatrixView, TenLampCircuitShowsItsOddRow) {
    for (int i = 0; i < 3; ++i)
        w.cmdNaechstes_Click();
    ASSERT_EQ(w.maxIndex, 9);
    const Canvas& m = w.picMatrix;
    // S6 is wired to lamp 6 only, S7 to lamps 6 and 7.
    EXPECT_EQ(textAt(m, 80, 70)->text, " 0");
    EXPECT_EQ(textAt(m, 80, 70)->colour, kMagenta);
    EXPECT_EQ(textAt(m, 80, 80)->colour, kBlue);
    EXPECT_EQ(textAt(m, 100, 100)->colour, kBlue);
    EXPECT_EQ(textAt(m, 100, 10)->colour, kMagenta);
    EXPECT_EQ(ofKind(m, Kind::FilledBox).at(0), shape(Kind::FilledBox, 0, 112, 110, 122, kBlue));
}

// A screen one and a half times as wide and a quarter higher: fonts follow the height.
class ScaledMatrixView : public MatrixView {
protected:
    void SetUp() override { w.Form_Load(kDesignWidth * 1.5, kDesignHeight * 1.25); }
};

TEST_F(ScaledMatrixView, TopButtonsStandAboveTheHeadings) {
    EXPECT_DOUBLE_EQ(w.matrixButtonFontSize, 10);
    const struct {
        const Placed& button;
        double left, width;
    } rows[] = {{w.cmdMHaupt, -15, 30}, {w.cmdMvorige, 80, 20}, {w.cmdMnaechste, 100, 20}};
    for (const auto& r : rows) {
        EXPECT_TRUE(r.button.visible);
        EXPECT_DOUBLE_EQ(r.button.left, r.left);
        EXPECT_DOUBLE_EQ(r.button.top, -15);
        EXPECT_DOUBLE_EQ(r.button.width, r.width);
        EXPECT_DOUBLE_EQ(r.button.height, 10);
    }
}

TEST_F(MatrixView, RowButtonsFollowTheFontsLineHeight) {
    h.metrics.lineHeight = 13;
    w.drawMatrix();
    EXPECT_DOUBLE_EQ(w.cmdMSchalter[0].top, 12);
    EXPECT_DOUBLE_EQ(w.cmdMSchalter[2].top, 32);
}

TEST_F(MatrixView, MirrorButtonsAboveTheCircuitHideAfterEveryRedraw) {
    for (int i = 0; i < 3; ++i)
        w.cmdNaechstes_Click();
    w.cmdAendern_Click();
    ASSERT_TRUE(w.cmdMLampe[9].visible);
    w.cmdMnaechste_Click(); // circuit 5: three lamps, still in edit mode
    ASSERT_EQ(w.maxIndex, 2);
    for (std::size_t i = 0; i < kLampCount; ++i) {
        EXPECT_EQ(w.cmdMSchalter[i].visible, i <= 2) << i;
        EXPECT_EQ(w.cmdMLampe[i].visible, i <= 2) << i;
    }
}

TEST_F(MatrixView, ValuesItCannotShowLeaveTheirCellEmpty) {
    showCode("2*150*011*001*");
    EXPECT_EQ(textAt(w.picMatrix, 20, 10), nullptr);
    EXPECT_NE(textAt(w.picMatrix, 10, 10), nullptr);

    w.shpLampe[1].fill = colour::red;
    w.shpLampe[2].border = colour::red;
    w.drawMatrix();
    EXPECT_EQ(textAt(w.picMatrix, 20, 42), nullptr); // state of lamp 1
    EXPECT_NE(textAt(w.picMatrix, 30, 42), nullptr); // state of lamp 2
    EXPECT_EQ(textAt(w.picMatrix, 30, 52), nullptr); // target of lamp 2
    EXPECT_NE(textAt(w.picMatrix, 20, 52), nullptr); // target of lamp 1
}

// ---- playing on the matrix ------------------------------------------------------------------

TEST_F(MatrixView, LastPressIsFramedUntilANewTarget) {
    EXPECT_TRUE(ofKind(w.picMatrix, Kind::Box).empty());
    w.cmdSchalter_Click(2);
    ASSERT_EQ(w.picMatrix.ops().back(), shape(Kind::Box, 0, 31, 40, 40, kBlue));
    w.cmdMSchalter_Click(0);
    EXPECT_EQ(w.picMatrix.ops().back(), shape(Kind::Box, 0, 11, 40, 20, kBlue));
    EXPECT_EQ(ofKind(w.picMatrix, Kind::Box).size(), 1u);

    w.cmdAufgabe_Click();
    EXPECT_TRUE(ofKind(w.picMatrix, Kind::Box).empty());
}

TEST_F(MatrixView, SelectingASwitchInEditModeFramesItsRow) {
    w.cmdAendern_Click();
    EXPECT_TRUE(ofKind(w.picMatrix, Kind::Box).empty());
    w.cmdMSchalter_Click(1);
    EXPECT_EQ(ofKind(w.picMatrix, Kind::Box),
              std::vector<DrawOp>{shape(Kind::Box, 0, 21, 40, 30, kBlue)});
}

TEST_F(MatrixView, LampRowTurnsLightRedOnAgreement) {
    const struct {
        int press;
        std::vector<Rgb> boxes;
    } steps[] = {
        {0, {kBlue}},               // lamps 0 and 1 on, lamp 2 still off
        {2, {kBlue, qbColour(12)}}, // all three agree
        {2, {kBlue}},               // one press away again
        {2, {kBlue, qbColour(12)}},
    };
    for (const auto& s : steps) {
        w.cmdMSchalter_Click(s.press);
        EXPECT_EQ(stateBoxes(), s.boxes) << "after S" << s.press;
    }
}

TEST_F(MatrixView, LampRowShowsTheLitLampsInYellow) {
    w.cmdMSchalter_Click(0);
    const Canvas& m = w.picMatrix;
    EXPECT_EQ(textAt(m, 10, 42)->colour, qbColour(14));
    EXPECT_EQ(textAt(m, 20, 42)->colour, qbColour(14));
    EXPECT_EQ(textAt(m, 30, 42)->colour, kMagenta);
    EXPECT_EQ(textAt(m, 10, 42)->text, " 1");
}

TEST_F(MatrixView, TargetRowFollowsTheBorders) {
    h.random.values = {0.0, 0.5};
    h.random.next_ = 0;
    w.cmdAufgabe_Click(); // one lamp: the middle one
    const Canvas& m = w.picMatrix;
    EXPECT_EQ(textAt(m, 10, 52)->colour, qbColour(3));
    EXPECT_EQ(textAt(m, 10, 52)->text, " 0");
    EXPECT_EQ(textAt(m, 20, 52)->colour, qbColour(4));
    EXPECT_EQ(textAt(m, 30, 52)->colour, qbColour(3));
}

TEST_F(MatrixView, AMirrorSwitchInPlayModeIsARealPress) {
    Harness other;
    Lampen room{other.dialogs, other.random, other.metrics};
    room.Form_Load();
    for (int s : {0, 1, 1, 2}) {
        w.cmdMSchalter_Click(s);
        room.cmdSchalter_Click(s);
    }
    EXPECT_EQ(w.txtKlicks, " 4");
    EXPECT_EQ(w.txtStatistik[0], " 1");
    EXPECT_EQ(w.txtStatistik[2], " 1");
    EXPECT_EQ(w.txtAusgabe(), "Gelöst, aber es geht besser (mit nur 2 Klicks).");
    EXPECT_EQ(w.txtStatistik, room.txtStatistik);
    EXPECT_EQ(w.picMatrix.ops(), room.picMatrix.ops());
}

TEST_F(MatrixView, MirrorButtonsInEditModeSelectAndWire) {
    w.cmdAendern_Click();
    w.cmdMSchalter_Click(1);
    EXPECT_EQ(w.txtSchalter, " 1");
    EXPECT_EQ(w.txtStatistik[0], "0");
    EXPECT_TRUE(w.shpLampe[1].on);
    EXPECT_FALSE(w.shpLampe[0].on);
    w.cmdMLampe_Click(0);
    EXPECT_EQ(w.schaltgruppe.slot(1), "2*110*111*001*");
    EXPECT_EQ(textAt(w.picMatrix, 10, 20)->text, " 1");
}

TEST_F(MatrixView, TopButtonsForwardToTheRoom) {
    w.cmdMSchalter_Click(0);
    w.cmdMHaupt_Click();
    EXPECT_FALSE(w.shpLampe[0].on);
    EXPECT_EQ(w.txtKlicks, " 1"); // the main switch keeps the count
    w.cmdMnaechste_Click();
    EXPECT_EQ(w.txtAktuell(), " 2");
    w.cmdMvorige_Click();
    w.cmdMvorige_Click();
    EXPECT_EQ(w.txtAktuell(), "19");
}

// ---- showing and hiding ---------------------------------------------------------------------

TEST_F(ScaledMatrixView, ZeigenPlacesItByModeAndDrawsNothing) {
    w.cmdWege_Click();
    const auto clears = w.picMatrix.clears();
    w.cmdMzeigen_Click();
    EXPECT_TRUE(w.visible.picMatrix);
    EXPECT_TRUE(w.visible.lblWege); // shown in front of the solutions, not instead
    EXPECT_DOUBLE_EQ(w.picMatrixTop, 960 * 1.25);
    EXPECT_EQ(w.picMatrix.clears(), clears);

    w.cmdMverbergen_Click();
    EXPECT_FALSE(w.visible.picMatrix);
    EXPECT_DOUBLE_EQ(w.picMatrixTop, 960 * 1.25);

    w.cmdAendern_Click();
    w.cmdMverbergen_Click();
    w.picMatrixTop = 0;
    w.cmdMzeigen_Click();
    EXPECT_TRUE(w.visible.picMatrix);
    EXPECT_DOUBLE_EQ(w.picMatrixTop, (240 + 3852) * 1.25);
}

} // namespace
} // namespace lampen
