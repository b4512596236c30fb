// The Rechenweg panel: the elimination of the task up to the steps shown, and once the result is
// there the switches of its solution marked in the room, so the sum of their rows is seen on the
// circuit itself.

#include "Elimination.h"
#include "Presentation.h"
#include "Rechenweg.h"

#include <algorithm>

namespace lampen {

void presentRechenweg(const GameState& s, View& v) {
    if (!s.panels.rechenweg)
        return;
    // Derived afresh from wiring and target, so it never lags behind either.
    const EliminationSteps e = eliminate(s.maxIndex, s.wiring, s.target);
    const int shown = std::clamp(s.rechenwegSteps, 0, e.stepCount);
    v.txtRechenweg = rechenwegText(e, shown);
    v.cmdSchrittEnabled = shown < e.stepCount;
    if (shown < e.stepCount)
        return; // the solution is named only in the result block
    for (int sw = 0; sw <= e.maxIndex; ++sw)
        v.cmdSchalter[static_cast<std::size_t>(sw)].marked = ((e.solution >> sw) & 1u) != 0;
}

} // namespace lampen
