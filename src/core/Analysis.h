#pragma once
// What the program knows about a target before the first press: whether some non-empty set of
// switches produces it, the fewest presses, every set that does, and which lamp patterns the
// circuit can produce at all.
//
// The switches' rows are vectors over GF(2); one elimination gives the rank, a particular
// solution and a basis of the switch sets that produce nothing. Every solving set is the
// particular solution plus a combination of that basis, so nothing is enumerated that is not
// an answer.

#include "Schaltcode.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lampen {

inline constexpr int kNoSolution = 11; // more presses than any circuit has switches

struct Analysis {
    int maxIndex = 0;
    int rank = 0;
    int minPresses = kNoSolution;
    bool targetSolvable = false;
    int patternCount = 1;    // 2^(k+1) - 1 lamp patterns other than all off
    int producibleCount = 0; // 2^rank - 1
    bool allPatternsProducible = false;
    // Every solving switch set (Schaltmuster number), in increasing order; never the empty set.
    std::vector<std::uint16_t> solutions;
    // "Schaltmuster der Lösung(en):" CR LF CR LF, then one Schaltmuster text and CR LF per
    // solving set, or "es gibt keine Lösung".
    std::string solutionText;

    // Whether some non-empty switch set produces the lamp pattern p (0..1023). Pattern 0 is
    // produced by a non-empty set only when the rows are dependent.
    bool reachable(unsigned p) const;

    // Echelon basis of the row space: basis[b] has its highest set bit at b, or is 0.
    std::array<std::uint16_t, kMaxIndex + 1> basis{};
};

// Analyses the circuit of k+1 switches and lamps against the target lamps (bit l = lamp l).
Analysis analyse(int k, const Verbindungsmatrix& wiring, unsigned targetLamps);
Analysis analyseRows(int k, const std::array<std::uint16_t, kMaxIndex + 1>& rows,
                     unsigned targetLamps);

// The Schaltmuster text of a switch set: base 2, lowest digit first (5 -> "101", 12 -> "0011").
std::string schaltmusterText(unsigned m);

// The same from the decimal text of the number (a leading blank allowed), taken as 16 bits.
std::string toSchaltmuster(std::string_view decimalText);

inline constexpr std::string_view kSolutionHeader = "Schaltmuster der Lösung(en):\r\n\r\n";
inline constexpr std::string_view kNoSolutionText = "es gibt keine Lösung";

} // namespace lampen
