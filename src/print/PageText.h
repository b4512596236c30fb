#pragma once
// Fonts and text placement shared by the worksheet's pages.

#include "PageGeometry.h"

#include <QFont>
#include <QString>

#include <string_view>

class QPainter;

namespace lampen::print {

// Liberation Sans (fontconfig's stand-in for Arial) at the given size in points.
QFont pageFont(double points, bool bold = false);

QString qs(std::string_view utf8);

// Text with its baseline starting at (x, y) mm.
void textAt(QPainter& p, const PageScale& mm, double xMm, double yMm, const QString& text);
// Text ending at x mm on the baseline y mm.
void textEndingAt(QPainter& p, const PageScale& mm, double xMm, double yMm, const QString& text);
// Text centred on (x, y) mm.
void textCentredOn(QPainter& p, const PageScale& mm, QPointF centreMm, const QString& text);

// The title on the left, the group's name on the right, a rule below both.
void drawPageHeading(QPainter& p, const PageScale& mm, const QString& title,
                     const QString& groupName);

// Pen widths in millimetres.
inline constexpr double kThinLineMm = 0.3;
inline constexpr double kLineMm = 0.4;
inline constexpr double kTargetRingMm = 1.6;

} // namespace lampen::print
