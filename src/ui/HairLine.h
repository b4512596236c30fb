#pragma once
// The room's wires written straight into the raster image a painter draws on. Qt's raster engine
// spends over a hundred instructions on each pixel of a plain one-pixel line; this spends a few,
// so a new circuit's dozen wires cost less than the fill of the room beneath them.

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QRgb>

#include <optional>

class QPainter;

namespace lampen::ui {

// The 32-bit image a painter writes into and where its user origin lies there, when it paints
// with the raster engine, without scaling; otherwise nothing, and the painter draws the lines.
struct PixelTarget {
    QImage* image;
    QPoint origin;
};
std::optional<PixelTarget> pixelTarget(QPainter& painter);

// The aliased line from a to b, width pixels wide across its main direction, in an opaque
// colour; only pixels inside clip (user coordinates) are written.
void drawHairLine(const PixelTarget& target, QPoint a, QPoint b, QRgb colour, int width,
                  const QRegion& clip);

} // namespace lampen::ui
