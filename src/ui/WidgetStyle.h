#pragma once
// Small helpers shared by building and mirroring: colours and fonts.

#include "Colour.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace lampen::ui {

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Background and text of a box or label; only what changed is written.
void setColours(QWidget* w, QPalette::ColorRole background, const QColor& back,
                QPalette::ColorRole foreground, const QColor& fore);
// The font's size in points, keeping its face; nothing happens when it is already that size.
void setPointSize(QWidget* w, double points);

// The light system colours the design was drawn on: the window's area keeps them under any
// desktop palette, so its own colours, lines and texts stay as designed and readable.
QPalette designPalette();

// The system colours the design names.
inline const QColor kLight3d = toQColor(colour::light3d); // light 3-D edge
inline const QColor kShadow3d{128, 128, 128};             // dark 3-D edge
inline const QColor kScrollBar{200, 200, 200};

} // namespace lampen::ui
