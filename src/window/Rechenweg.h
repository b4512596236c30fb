#pragma once
// The text of the Rechenweg panel: the augmented matrix of the task, the row operations shown so
// far with the matrix after each, and once every step is shown the result. Lines end with "\n".
//
//              S0  S1  | Ziel
//     Zeile 1  [1]  1  |  1
//     Zeile 2   0   0  |  1
//
// Rows are numbered from 1 as the operations name them; the pivot of a step stands in brackets.

#include "Elimination.h"

#include <string>

namespace lampen {

// "Schritt 0" and the start matrix, then steps 1..shownSteps (clamped to the steps there are);
// the result block follows when no step is left.
std::string rechenwegText(const EliminationSteps& e, int shownSteps);

} // namespace lampen
