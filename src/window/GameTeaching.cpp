// The verbs that teach: the tip for the next press and the Rechenweg, the elimination of the
// task shown one row operation at a time.

#include "Elimination.h"
#include "Game.h"

namespace lampen {

Tip Game::tip() {
    noteSolutionAsked();
    return tipFrom(s_.maxIndex, s_.wiring, s_.lit, s_.target);
}

void Game::showRechenweg() {
    hidePanels(); // ends edit mode as every panel does, the analysis following the wiring
    s_.panels.rechenweg = true;
    restartRechenweg();
    noteSolutionAsked();
}

void Game::nextStep() {
    if (s_.rechenwegSteps < rechenwegStepCount())
        ++s_.rechenwegSteps;
}

void Game::allSteps() {
    s_.rechenwegSteps = rechenwegStepCount();
}

int Game::rechenwegStepCount() const {
    return eliminate(s_.maxIndex, s_.wiring, s_.target).stepCount;
}

} // namespace lampen
