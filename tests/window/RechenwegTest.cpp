// The Rechenweg text of two small tasks, eliminated by hand: one with an exchange that ends in
// 0 = 1, one with a free switch and two shortest solutions.

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

TEST(Rechenweg, HandWorkedTasks) {
    const struct {
        std::string code;
        unsigned target;
        std::string text;
    } cases[] = {
        // S0 and S1 both light lamp 1 only, so lamp 0 can never be lit.
        {"1*01*01*", 0b11,
         "Schritt 0\n"
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
         "Zeile 2 lautet 0 = 1\n"},
        // S0 and S1 are the same switch; S0+S2 and S1+S2 both solve, S0+S2 comes first.
        {"2*011*011*100*", 0b111,
         "Schritt 0\n"
         "         S0  S1  S2  | Ziel\n"
         "Zeile 1   0   0   1  |  1\n"
         "Zeile 2   1   1   0  |  1\n"
         "Zeile 3   1   1   0  |  1\n"
         "\n"
         "Schritt 1: Zeile 1 ↔ Zeile 2\n"
         "         S0  S1  S2  | Ziel\n"
         "Zeile 1  [1]  1   0  |  1\n"
         "Zeile 2   0   0   1  |  1\n"
         "Zeile 3   1   1   0  |  1\n"
         "\n"
         "Schritt 2: Zeile 3 + Zeile 1\n"
         "         S0  S1  S2  | Ziel\n"
         "Zeile 1  [1]  1   0  |  1\n"
         "Zeile 2   0   0   1  |  1\n"
         "Zeile 3   0   0   0  |  0\n"
         "\n"
         "Rang: 2\n"
         "Lösung: S0 S2\n"
         "freie Schalter: S1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const EliminationSteps e = stepsOf(c.code, c.target);
        EXPECT_EQ(rechenwegText(e, e.stepCount), c.text);
        EXPECT_EQ(rechenwegText(e, 99), c.text);
        // Shown one step at a time, the text ends after the first step's matrix.
        const std::string oneStep = c.text.substr(0, c.text.find("\nSchritt 2"));
        EXPECT_EQ(rechenwegText(e, 1), oneStep);
        EXPECT_EQ(rechenwegText(e, -1), c.text.substr(0, c.text.find("\nSchritt 1")));
    }
}

TEST(Rechenweg, NamesNoFreeSwitchWhenTheRankIsFull) {
    const EliminationSteps e = stepsOf("2*110*011*001*", 0b111);
    const std::string text = rechenwegText(e, e.stepCount);
    EXPECT_NE(text.find("\nRang: 3\nLösung: S0 S2\nfreie Schalter: keine\n"), std::string::npos)
        << text;
}

} // namespace
} // namespace lampen
