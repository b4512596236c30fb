// The editor's verbs: entering and leaving edit mode, wiring lamps to the selected switch,
// growing and shrinking a circuit, inserting and removing circuits. Every change goes into the
// group at once, so the group in memory is always what the user sees.

#include "Game.h"

#include <algorithm>

namespace lampen {

void Game::enterEditMode() {
    hidePanels();
    s_.panels.editor = true;
    showMatrix(); // under the editor frame
    drawTarget(); // in edit mode: every lamp
    showSelectedWiring();
    redrawn();
}

void Game::endEditing() {
    s_.panels.editor = false;
    s_.selectedSwitch.reset();
    s_.lit = 0;
    s_.presses = ShownNumber::plain(0);
    s_.outcome = Outcome::Open;
    s_.workStarted = false;
    s_.matchBarShown = false;
    analyseTarget();
}

void Game::leaveEditMode() {
    if (!s_.editMode())
        return;
    endEditing();
    s_.panels.matrix = false;
    s_.fullTargetNext = true;
    newTask(); // now in play mode: a new target of every lamp
}

void Game::showSelectedWiring() {
    if (!s_.editMode())
        return;
    if (s_.selectedSwitch > s_.maxIndex)
        s_.selectedSwitch.reset();
    s_.lit = 0;
    if (s_.selectedSwitch)
        for (int l = 0; l <= s_.maxIndex; ++l)
            s_.lit |= s_.wiring(*s_.selectedSwitch, l) == 1 ? 1u << l : 0u;
}

void Game::unwireAll() {
    for (int s = 0; s <= kMaxIndex; ++s)
        for (int l = 0; l <= kMaxIndex; ++l)
            s_.wiring(s, l) = 0;
    showSelectedWiring();
    restartRechenweg();
    redrawn();
    storeCircuit();
}

void Game::toggleWire(int lamp) {
    // Lamp buttons exist in edit mode only, and only for the circuit's lamps.
    if (!s_.editMode() || lamp < 0 || lamp > s_.maxIndex)
        return;
    // Until a switch is selected, the lamp buttons wire S0, which then counts as selected.
    if (!s_.selectedSwitch)
        s_.selectedSwitch = 0;
    int& cell = s_.wiring(*s_.selectedSwitch, lamp);
    // A digit 2..9 read from a file is no wire; a click makes it one, so the cell stays one digit.
    cell = cell == 1 ? 0 : 1;
    showSelectedWiring();
    restartRechenweg();
    redrawn();
    storeCircuit();
}

InsertResult Game::insertCircuit(int where) {
    const int count = s_.count.value;
    if (count >= kMaxCircuits)
        return InsertResult::GroupFull;
    const int n = count + 1;
    if (n < 1)
        return InsertResult::OutsideSlots; // a count below zero has no place to insert at
    // The number of the new circuit, which lies within the group that results: in an empty
    // group the new circuit is circuit 1 whichever side it is inserted on.
    const int p = std::clamp(s_.current.value + where, 1, n);
    s_.count = ShownNumber::counted(n);
    for (int j = n; j > p; --j)
        s_.group.setSlot(j, s_.group.slot(j - 1));
    s_.group.setSlot(p, kNewCircuitCode);
    goTo(ShownNumber::counted(p));
    return InsertResult::Inserted;
}

void Game::removeCircuit() {
    const int n = s_.count.value;
    const int c = s_.current.value;
    if (n < 2)
        return; // the last circuit of a group stays
    s_.count = ShownNumber::counted(n - 1);
    if (c == 1)
        s_.current = ShownNumber::plain(1);
    else if (c > 1)
        s_.current = ShownNumber::counted(c - 1);
    // The circuits after c move down; slot n keeps its text above the new count.
    const int last = std::min(n, kMaxCircuits);
    for (int j = std::clamp(c, 0, kMaxCircuits); j < last; ++j)
        s_.group.setSlot(j, s_.group.slot(j + 1));
    goTo(s_.current);
}

void Game::addLamp() {
    if (s_.maxIndex >= kMaxIndex)
        return;
    // The new row and column come from the table cells just outside the old circuit.
    ++s_.maxIndex;
    storeCircuit();
    goTo(s_.current);
}

void Game::removeLamp() {
    if (s_.maxIndex <= 0)
        return;
    --s_.maxIndex;
    storeCircuit();
    goTo(s_.current);
}

} // namespace lampen
