// The room: lamps on an outer circle, switches on an inner circle, and the wiring between them.

#include "Presentation.h"
#include "Ring.h"

namespace lampen {

namespace {

using Point = RingPoint;

void centreOn(Placed& p, Point c, double width, double height) {
    p.width = width;
    p.height = height;
    p.left = c.x - width / 2;
    p.top = c.y - height / 2;
}

Point centreOf(const Placed& p) {
    return {p.left + p.width / 2, p.top + p.height / 2};
}

} // namespace

void presentRoom(const GameState& s, const Layout& layout, View& v) {
    const int n = s.maxIndex + 1;
    const Sliders& sl = s.sliders;
    // The lamp radius is kept in single precision, as the design's field was.
    const double lampRadius = static_cast<float>(sl.lampRadius / 10.0);
    for (int l = 0; l < kLampCount; ++l) {
        const auto u = static_cast<std::size_t>(l);
        LampView& lamp = v.shpLampe[u];
        lamp.fill = hasBit(s.lit, l) ? colour::yellow : colour::darkBlue;
        lamp.border = hasBit(s.target, l) ? colour::yellow : colour::black;
        const Point c = ringPosition(sl.lampAngle / 100.0, lampRadius, l, n);
        centreOn(lamp, c, layout.lampWidth, layout.lampHeight);
        lamp.visible = l < n;
        centreOn(v.cmdLampe[u], c, layout.buttonWidth, layout.buttonHeight);
        v.cmdLampe[u].visible = l < n && s.editMode();

        SwitchView& sw = v.cmdSchalter[u];
        centreOn(sw, ringPosition(sl.switchAngle / 100.0, sl.switchRadius / 10.0, l, n),
                 layout.buttonWidth, layout.buttonHeight);
        sw.visible = l < n;
        sw.fontSize = s.selectedSwitch == l ? layout.selectedButtonFont : layout.buttonFont;
    }

    Canvas& room = v.picRaum;
    for (int sw = 0; sw < n; ++sw) {
        const bool highlighted = s.hoverSwitch == sw;
        const Rgb c = highlighted ? colour::wireHighlight : colour::wire;
        const int width = highlighted ? 2 : 1;
        const Point from = centreOf(v.cmdSchalter[static_cast<std::size_t>(sw)]);
        for (int l = 0; l < n; ++l) {
            if (s.wiring(sw, l) > 0) { // digits 2..9 are drawn, though they toggle nothing
                const Point to = centreOf(v.shpLampe[static_cast<std::size_t>(l)]);
                room.line(from.x, from.y, to.x, to.y, c, width);
            }
        }
        // A lamp that is lit although it is not wanted gets a warning right below it.
        const LampView& lamp = v.shpLampe[static_cast<std::size_t>(sw)];
        if (hasBit(s.lit, sw) && !hasBit(s.target, sw))
            room.text(lamp.left, lamp.top + lamp.height, "Achtung!", colour::light3d);
    }
}

} // namespace lampen
