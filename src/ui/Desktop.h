#pragma once
// How the program fits into the desktop around its window: Qt's own texts in German, and the
// fonts of menus, boxes and dialogs grown with the window on large screens.

class QApplication;

namespace lampen::ui {

// German number and date formats, and Qt's German translations for its own dialogs and buttons,
// whatever the system's language. Call once, before the first window is built. False when the
// translations are not installed; the program's own texts are German either way.
bool installGermanQtTexts(QApplication& app);

// The program's own look for every window and dialog: the desktop's style with plain 3-D edges.
// Call once, before the first window is built.
void useClassicStyle();

// Grows the application's fonts (menus, message and input boxes, tool tips, the file dialog) by
// the window's layout factor when it is above 1. Call once, with the window's factor.
void followLayoutScale(double layoutScale);

} // namespace lampen::ui
