#pragma once
// One interaction and everything it repaints, timed in the program's window and in the bare one.

#include "Timing.h"

#include <functional>
#include <optional>

class QWidget;

namespace bench {

struct Interaction {
    std::function<void()> program; // e.g. a click on a switch
    std::function<void()> bare;    // e.g. an update of the bare window's label
    int perRound = 1;              // interactions timed together as one round's figure
};

// Alternating rounds of the two, each interaction followed by the repaint it asked for. Figures are
// seconds of the thread's CPU time per interaction. Fails with a message on standard error (and
// returns nothing) when an interaction painted nothing in its window.
std::optional<Paired> timeRepaints(const Interaction& step, QWidget& programWindow,
                                   QWidget& bareWindow, int rounds);

} // namespace bench
