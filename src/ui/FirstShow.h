#pragma once
// Work a control needs only once it can be seen, done when it first shows: a box in a panel
// that starts hidden would otherwise load fonts and lay out text the first frame never uses.

#include <functional>

class QWidget;

namespace lampen::ui {

// Runs what once, just before w first shows (with its panel or by itself), then forgets it.
void whenFirstShown(QWidget* w, std::function<void()> what);

} // namespace lampen::ui
