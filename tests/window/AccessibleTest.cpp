// What a screen reader is told: lamps and switches follow the play, the fixed controls name
// their question, label or caption.

#include "Started.h"

namespace lampen::testing {
namespace {

using Accessible = Started;

// Name and description of a control, joined by " / "; "?" when the view has no entry for it.
std::string said(const View& v, const std::string& control) {
    for (const AccessibleText& a : v.accessible)
        if (a.control == control)
            return a.name + " / " + a.description;
    return "?";
}

// Circuit 1: S0 toggles lamps 0 and 1, S1 lamps 1 and 2, S2 lamp 2; the target is all three.
TEST_F(Accessible, LampsSwitchesAndFixedControlsAreNamed) {
    press({0});
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
    press({0});
    EXPECT_EQ(said(w.view(), "shpLampe(0)") + "|" + said(w.view(), "shpLampe(1)"),
              "Lampe 0 / an|Lampe 1 / an, Ziel");
}

// A digit other than 1 is drawn as a wire but toggles nothing; switches beyond the circuit
// toggle nothing either.
TEST_F(Accessible, OnlyWiresThatToggleAreNamed) {
    openCodes({"2*152*000*311*"});
    const View v = w.view();
    EXPECT_EQ(said(v, "cmdSchalter(0)") + "|" + said(v, "cmdSchalter(1)") + "|" +
                  said(v, "cmdSchalter(2)") + "|" + said(v, "cmdSchalter(3)"),
              "S0 / schaltet L0|S1 / schaltet keine Lampe|S2 / schaltet L1, L2|S3 / schaltet "
              "keine Lampe");
}

} // namespace
} // namespace lampen::testing
