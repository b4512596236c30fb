#pragma once
// The design's fonts, requested by name. fontconfig maps "Times New Roman" to a metric-compatible
// face; "MS Sans Serif" has none, so it is mapped to Liberation Sans explicitly.

#include <QFont>

namespace lampen::ui {

// Registers the substitutes once per program, before the first window is built.
void installFontSubstitutes();

// The window font: Times New Roman, bold.
QFont windowFont(double pointSize);
// Times New Roman, regular: the explanation texts and the matrix view's lamp buttons.
QFont serifFont(double pointSize);
// MS Sans Serif, regular: buttons and the room.
QFont sansFont(double pointSize);

} // namespace lampen::ui
