#pragma once
// One circuit's page of a worksheet: heading, the room with lamps, switches and wires, the task,
// a table to tick the presses, the line for the count and the circuit's 0/1 matrix.

#include "CircuitSheet.h"
#include "PageGeometry.h"

#include <QPointF>

class QPainter;

namespace lampen::print {

// Where lamp l and switch s of a circuit with k+1 of each stand on the page, in mm: the room's
// start arrangement, both rings unturned.
QPointF lampCentreMm(int l, int k);
QPointF switchCentreMm(int s, int k);

// Paints the page onto a painter without a transformation whose device has dotsPerMm dots per
// millimetre; the page's top-left corner is the device's origin.
void paintCircuitPage(QPainter& p, const PageScale& mm, const CircuitSheet& sheet);

} // namespace lampen::print
