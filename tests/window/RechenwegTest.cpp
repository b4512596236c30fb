// The Rechenweg text of a small task eliminated by hand, and the result blocks the window's
// tasks do not show.

#include "Rechenweg.h"
#include "Elimination.h"
#include "Schaltcode.h"

#include <gtest/gtest.h>

#include <string>

namespace lampen {
namespace {

EliminationSteps stepsOf(const std::string& code, unsigned target) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    return eliminate(k, m, target);
}

// S0 and S1 both light lamp 1 only, so lamp 0 can never be lit.
TEST(Rechenweg, HandWorkedTaskWithoutSolution) {
    const std::string text = "Schritt 0\n"
                             "         S0  S1  | Ziel\n"
                             "Zeile 1   0   0  |  1\n"
                             "Zeile 2   1   1  |  1\n"
                             "\n"
                             "Schritt 1: Zeile 1 ↔ Zeile 2\n"
                             "         S0  S1  | Ziel\n"
                             "Zeile 1  [1]  1  |  1\n"
                             "Zeile 2   0   0  |  1\n"
                             "\n"
                             "Schritt 2: Zeile 1 + Zeile 2\n"
                             "         S0  S1  | Ziel\n"
                             "Zeile 1   1   1  |  0\n"
                             "Zeile 2   0   0  | [1]\n"
                             "\n"
                             "Rang: 1\n"
                             "keine Lösung\n"
                             "Zeile 2 lautet 0 = 1\n";
    const EliminationSteps e = stepsOf("1*01*01*", 0b11);
    EXPECT_EQ(rechenwegText(e, 2), text);
    EXPECT_EQ(rechenwegText(e, 99), text);
    // Shown step by step, the text ends after the last matrix shown, without the result.
    EXPECT_EQ(rechenwegText(e, 1), text.substr(0, text.find("\nSchritt 2")));
    EXPECT_EQ(rechenwegText(e, -1), text.substr(0, text.find("\nSchritt 1")));
}

TEST(Rechenweg, ResultBlock) {
    const struct {
        std::string code;
        unsigned target;
        std::string result;
    } cases[] = {
        // S0 and S1 are the same switch: S0+S2 and S1+S2 both solve, S0+S2 is named.
        {"2*011*011*100*", 0b111, "Rang: 2\nLösung: S0 S2\nfreie Schalter: S1\n"},
        // No lamp at all, and independent switches: only pressing nothing gives it.
        {"1*10*01*", 0, "Rang: 2\nkeine Lösung\nnur erfüllt, wenn kein Schalter gedrückt wird\n"},
    };
    for (const auto& c : cases) {
        const EliminationSteps e = stepsOf(c.code, c.target);
        const std::string text = rechenwegText(e, e.stepCount);
        EXPECT_EQ(text.substr(text.rfind("\n\n") + 2), c.result) << c.code;
    }
}

} // namespace
} // namespace lampen
