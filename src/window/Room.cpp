// The room: lamps on an outer circle, switches on an inner circle, the wiring between them, and
// the four sliders that turn and widen the two circles.

#include "Lampen.h"
#include "Ring.h"

#include <algorithm>

namespace lampen {

namespace {

constexpr int kNoHover = 11;

using Point = RingPoint;

void centreOn(Placed& p, Point c) {
    p.left = c.x - p.width / 2;
    p.top = c.y - p.height / 2;
}

Point centreOf(const Placed& p) {
    return {p.left + p.width / 2, p.top + p.height / 2};
}

} // namespace

void Lampen::placeLamps() {
    for (int l = 0; l < kLampCount; ++l) {
        shpLampe[static_cast<std::size_t>(l)].visible = false;
        cmdLampe[static_cast<std::size_t>(l)].visible = false;
    }
    const int n = maxIndex + 1;
    for (int l = 0; l <= maxIndex; ++l) {
        const auto u = static_cast<std::size_t>(l);
        LampShape& lamp = shpLampe[u];
        lamp.fill = lamp.on ? lampColour[2] : lampColour[1];
        const Point c = ringPosition(lampAngle, lampRadius, l, n);
        centreOn(lamp, c);
        lamp.visible = true;
        centreOn(cmdLampe[u], c);
        cmdLampe[u].visible = editMode();
    }
    drawMatrix();
    outlineLastSwitch();
}

void Lampen::placeSwitches() {
    for (auto& s : cmdSchalter)
        s.visible = false;
    const int n = maxIndex + 1;
    for (int s = 0; s <= maxIndex; ++s)
        centreOn(cmdSchalter[static_cast<std::size_t>(s)],
                 ringPosition(switchAngle, switchRadius, s, n));
    for (int s = 0; s <= maxIndex; ++s)
        cmdSchalter[static_cast<std::size_t>(s)].visible = true;
}

void Lampen::drawWiring() {
    picRaum.cls();
    for (int s = 0; s <= maxIndex; ++s) {
        const auto su = static_cast<std::size_t>(s);
        const bool highlighted = hoverSwitch == s;
        const Rgb c = highlighted ? colour::wireHighlight : colour::wire;
        const int width = highlighted ? 2 : 1;
        const Point from = centreOf(cmdSchalter[su]);
        for (int l = 0; l <= maxIndex; ++l) {
            if (verbindungsmatrix(s, l) > 0) {
                const Point to = centreOf(shpLampe[static_cast<std::size_t>(l)]);
                picRaum.line(from.x, from.y, to.x, to.y, c, width);
            }
        }
        // A lamp that is lit although it is not wanted gets a warning right below it.
        const LampShape& lamp = shpLampe[su];
        if (lamp.fill == lampColour[2] && lamp.border == borderColour[0])
            picRaum.text(lamp.left, lamp.top + lamp.height, "Achtung!", colour::light3d);
    }
}

void Lampen::hscLampwinkel_Change(int value) {
    hscLampwinkel = std::clamp(value, 0, 628);
    lampAngle = hscLampwinkel / 100.0;
    refreshView();
}

void Lampen::hscRadLampe_Change(int value) {
    hscRadLampe = std::clamp(value, 10, 90);
    // The lamp radius is kept in single precision.
    lampRadius = static_cast<float>(hscRadLampe / 10.0);
    refreshView();
}

void Lampen::hscSchaltwinkel_Change(int value) {
    hscSchaltwinkel = std::clamp(value, 0, 628);
    switchAngle = hscSchaltwinkel / 100.0;
    refreshView();
}

void Lampen::hscRadSchalter_Change(int value) {
    hscRadSchalter = std::clamp(value, 10, 90);
    switchRadius = hscRadSchalter / 10.0;
    refreshView();
}

void Lampen::cmdSchalter_MouseMove(int index) {
    if (hoverSwitch != index) {
        hoverSwitch = index;
        drawWiring();
    }
}

void Lampen::picRaum_MouseMove() {
    if (hoverSwitch != kNoHover) {
        hoverSwitch = kNoHover;
        drawWiring();
    }
}

} // namespace lampen
