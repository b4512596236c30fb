#pragma once
// A hint for a task under way: from the lamps as they are now, the fewest presses still needed to
// show the target, and one switch that lies on such a shortest way.
//
// Pressing a switch twice undoes it, so a way is a set x of switches: the lamps then show
// lit ^ (the lamps of x). A switch of a smallest such x leaves x without it for the rest, so
// pressing it lowers the presses still needed by exactly one.

#include "Analysis.h"
#include "Schaltcode.h"

namespace lampen {

struct Tip {
    // Presses still needed: 0 when the lamps show the target, kNoSolution when no set of
    // presses gets there.
    int presses = kNoSolution;
    // The lowest switch of the smallest set with the lowest Schaltmuster number; -1 when there
    // is nothing to press.
    int pressNext = -1;

    bool there() const { return presses == 0; }
    bool reachable() const { return presses != kNoSolution; }
};

// The circuit of k+1 switches and lamps, the lamps lit now and the target (bit l = lamp l); only
// the circuit's lamps count, and only a cell of exactly 1 is a wire.
Tip tipFrom(int k, const Verbindungsmatrix& wiring, unsigned lit, unsigned target);

} // namespace lampen
