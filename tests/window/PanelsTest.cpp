// The panels of the right-hand area, the credit box and ending the program.

#include "Started.h"

namespace lampen::testing {
namespace {

using Panels = Started;

int visibleCount(const Lampen& w) {
    return w.visible.lblAendern + w.visible.lblWege + w.visible.picMatrix +
           w.visible.lblErklaerung[0] + w.visible.lblErklaerung[1];
}

TEST_F(Panels, InformationItemsLeaveExactlyTheirPanel) {
    struct Item {
        void (Lampen::*open)();
        int panel;
    };
    for (const Item item : {Item{&Lampen::cmdHilfe_Click, 0}, Item{&Lampen::cmdMath_Click, 1}}) {
        w.cmdWege_Click();
        w.visible.picMatrix = true;
        (w.*item.open)();
        (w.*item.open)();
        EXPECT_EQ(visibleCount(w), 1);
        EXPECT_TRUE(w.visible.lblErklaerung[static_cast<std::size_t>(item.panel)]);
    }
}

TEST_F(Panels, HideOnlyHidesItsOwnPanel) {
    w.cmdMath_Click();
    w.visible.lblWege = true;
    w.cmdAusKB_Click(1);
    EXPECT_FALSE(w.visible.lblErklaerung[1]);
    EXPECT_TRUE(w.visible.lblWege);
    w.cmdAusKB_Click(7); // no such panel
    EXPECT_TRUE(w.visible.lblWege);
}

TEST_F(Panels, AnotherPanelEndsEditModeWithoutTheStepsOfFinishing) {
    w.visible.lblAendern = true;
    w.cmdSchalter_Click(1); // selects S1: lamps 1 and 2 show its wiring
    w.cmdHilfe_Click();
    EXPECT_FALSE(w.editMode());
    EXPECT_TRUE(w.shpLampe[1].on) << "the lamps keep what the editor gave them";
    EXPECT_DOUBLE_EQ(w.cmdSchalter[1].fontSize, 10 * w.layoutScale);
}

TEST_F(Panels, CreditBoxChangesNothing) {
    const std::string before = w.txtAusgabe() + w.txtKlicks + w.txtStatistik[0];
    w.cmdCopy_Click();
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Programmiert von");
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Information);
    EXPECT_NE(h.dialogs.boxes[0].text.find("Lampen"), std::string::npos);
    EXPECT_EQ(w.txtAusgabe() + w.txtKlicks + w.txtStatistik[0], before);
    EXPECT_TRUE(w.visible.lblErklaerung[0]);
}

TEST_F(Panels, BothEndItemsCloseTheWindow) {
    EXPECT_FALSE(w.closeRequested);
    w.cmdSchliessen_Click();
    EXPECT_TRUE(w.closeRequested);
    Lampen other{h.dialogs, h.random, h.metrics};
    other.Form_Load();
    other.cmdSchlussjetzt_Click();
    EXPECT_TRUE(other.closeRequested);
}

TEST_F(Panels, IndicatorLampFollowsTheOutputLine) {
    w.setTxtAusgabe("irgendwas");
    EXPECT_EQ(w.shpDonlampFill, colour::yellow);
    w.setTxtAusgabe(text::task);
    EXPECT_EQ(w.shpDonlampFill, colour::darkBlue);
    w.setTxtAusgabe("schalten Sie die gelb markierten Lampen ein!"); // case counts
    EXPECT_EQ(w.shpDonlampFill, colour::yellow);
}

} // namespace
} // namespace lampen::testing
