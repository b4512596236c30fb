// The window's layout arithmetic: scale factors, design values on the reference screen and in
// room units, scaling to other screens, names and parents, properties left alone, twips per pixel.

#include "Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace {
using namespace lampen;

using Measures = std::array<std::optional<double>, 5>; // left, top, width, height, font

// The measures times the factors; a line's ends take the place of left, top, width and height.
Measures measures(const Placement& p, double x = 1, double y = 1, double font = 1) {
    const auto f = [](std::optional<double> v, double s) { return v ? std::optional(*v * s) : v; };
    if (p.line)
        return {p.line->x1 * x, p.line->y1 * y, p.line->x2 * x, p.line->y2 * y, {}};
    return {f(p.left, x), f(p.top, y), f(p.width, x), f(p.height, y), f(p.fontSize, font)};
}
bool near(const Measures& got, const Measures& want) {
    return std::ranges::equal(got, want, [](auto g, auto e) {
        return g.has_value() == e.has_value() && (!e || std::abs(*g - *e) <= 1e-6 * std::abs(*e));
    });
}

TEST(Layout, TwipsFollowTheirAxisFontsTheSmallerFactorOtherUnitsStayAsTheyAre) {
    const std::array<double, 5> screens[] = {
        {1024 * twipsPerPixel(96), 768 * twipsPerPixel(96), 1.25, 1.25, 1.25}, // x, y, font scales
        {1920 * 15, 1080 * 15, 2.34375, 1.7578125, 1.7578125},
        {768 * 15, 1024 * 15, 0.9375, 15360.0 / 9216, 0.9375},
        {1024 * twipsPerPixel(120), 768 * twipsPerPixel(120), 1, 1, 1}}; // 12 twips a pixel
    const Layout ref = layoutWindow(kDesignWidth, kDesignHeight);
    for (const auto& [width, height, x, y, font] : screens) {
        const Layout l = layoutWindow(width, height);
        EXPECT_EQ(std::tuple(l.xScale, l.yScale, l.layoutScale), std::tuple(x, y, font));
        EXPECT_EQ(std::tuple(l.find("txtStatistik(0)")->left, l.find("txtStatistik(1)")->left),
                  std::tuple(4000 * x, 3000 * x)); // the statistics boxes zig-zag
        ASSERT_EQ(l.placements.size(), ref.placements.size());
        for (std::size_t i = 0; i < ref.placements.size(); ++i) {
            const Placement &p = l.placements[i], &r = ref.placements[i];
            const bool twips = r.units == Units::Twips;
            EXPECT_TRUE(p.name == r.name &&
                        twips == (p.parent != "picRaum" && p.parent != "picMatrix"));
            EXPECT_TRUE(near(measures(p), measures(r, twips ? x : 1, twips ? y : 1, font)))
                << p.name << " on " << width << " x " << height;
        }
    }
}

TEST(Layout, EveryControlLiesInsideItsFrame) {
    const Layout l = layoutWindow(kDesignWidth, kDesignHeight);
    for (const Placement& p : l.placements) {
        double width = kDesignWidth, height = kDesignHeight, lo = 0;
        if (p.units == Units::Room) {
            width = height = kRoomScale.right;
            lo = kRoomScale.left;
        } else if (!p.parent.empty()) {
            const Placement* frame = l.find(p.parent);
            ASSERT_TRUE(frame && frame->units == Units::Twips) << p.name;
            width = *frame->width;
            height = *frame->height;
        }
        if (p.units == Units::Matrix || (!p.line && !p.left))
            continue;                   // the matrix drawing places its buttons
        const Measures m = measures(p); // a line's ends, or left, top, width and height
        const double x1 = *m[0], y1 = *m[1], x2 = p.line ? *m[2] : x1 + *m[2],
                     y2 = p.line ? *m[3] : y1 + m[3].value_or(0);
        EXPECT_TRUE(std::min({x1, x2, y1, y2}) >= lo - 1e-9 && std::max(x1, x2) <= width + 1e-9 &&
                    std::max(y1, y2) <= height + 1e-9)
            << p.name;
    }
}

TEST(Layout, EveryControlIsPlacedOnceAfterItsParent) {
    const Layout l = layoutWindow(kDesignWidth, kDesignHeight);
    std::set<std::string> names;
    for (const auto& p : l.placements)
        EXPECT_TRUE(names.insert(p.name).second && (p.parent.empty() || names.contains(p.parent)))
            << p.name;
    EXPECT_EQ(names.size(), 135u); // 67 single controls and the elements of ten control arrays
    const std::pair<const char*, const char*> parents[] = {{"txtStatistik(5)", "Frame1"},
                                                           {"cmdSpielen", "lblÄndern"},
                                                           {"picRaum", ""},
                                                           {"cmdMSchalter(9)", "picMatrix"},
                                                           {"shpLampe(9)", "picRaum"},
                                                           {"cmdAusKB(1)", "lblErklärung(1)"},
                                                           {"txtRechenweg", "lblRechenweg"}};
    for (const auto& [name, parent] : parents)
        EXPECT_TRUE(l.find(name) && l.find(name)->parent == parent) << name;
    // The information panels are stacked: each covers exactly the place of the others.
    for (const char* panel : {"lblErklärung(0)", "lblErklärung(1)", "lblRechenweg"})
        EXPECT_TRUE(near(measures(*l.find(panel)), measures(*l.find("lblWege")))) << panel;
}

} // namespace
