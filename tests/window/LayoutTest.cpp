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

TEST(Layout, ReferenceScreenPlacesControlsAtTheirDesignValues) {
    const std::optional<double> no; // a property the layout leaves alone; room units from txtNr on
    // clang-format off
    const std::pair<const char*, Measures> design[] = {
        {"txtStatistik(0)", {4000, 240, 612, 372, 12}}, {"txtKlicks", {360, 360, 372, 372, 12}},
        {"txtStatistik(1)", {3000, 600, 612, 372, 12}}, {"cboDatei", {360, 840, 5532, no, 10}},
        {"picRaum", {360, 1200, 6252, 6132, 8}}, {"txtSchalter", {2880, 2880, 492, 492, 18}},
        {"lblÄndern", {7200, 240, 4812, 3852, 8}}, {"picMatrix", {7200, 1000, 4812, 3832, 12}},
        {"imgDon", {7200, 1080, 4812, 3632, no}}, {"hscRadSchalter", {5280, 240, 852, 264, no}},
        {"cmdLöLampe", {2400, 3360, 1092, 372, 8}}, {"txtWege", {120, 600, 4452, 2412, 14}},
        {"Line3", {7800, 1320, 7800, 2172, no}}, {"lineStat(0)", {2400, 480, 3960, 480, no}},
        {"txtNr", {-9.9, -10, 0.8064, 744.0 / 613, 10}},
        {"cmdAufgabe", {4.592, 11520.0 / 613 - 10, 5.0304, 504.0 / 613, 8}},
        {"shpLampe(0)", {no, no, 1.9584, 1224.0 / 613, no}},
        {"cmdSchalter(9)", {no, no, 1.1904, 744.0 / 613, 8}}};
    // clang-format on
    const Layout l = layoutWindow(kDesignWidth, kDesignHeight);
    EXPECT_EQ(std::tuple(l.xScale, l.yScale, l.layoutScale), std::tuple(1, 1, 1));
    for (const auto& [name, want] : design)
        EXPECT_TRUE(l.find(name) && near(measures(*l.find(name)), want)) << name;
}

TEST(Layout, EveryControlIsPlacedOnceAfterItsParent) {
    const Layout l = layoutWindow(kDesignWidth, kDesignHeight);
    std::set<std::string> names;
    for (const auto& p : l.placements)
        EXPECT_TRUE(names.insert(p.name).second && (p.parent.empty() || names.contains(p.parent)))
            << p.name;
    EXPECT_EQ(names.size(), 130u); // 62 single controls and the elements of ten control arrays
    const std::pair<const char*, const char*> parents[] = {
        {"txtStatistik(5)", "Frame1"}, {"cmdSpielen", "lblÄndern"},       {"picRaum", ""},
        {"txtWege", "lblWege"},        {"cmdMSchalter(9)", "picMatrix"},  {"lblLampen", "Frame3"},
        {"shpLampe(9)", "picRaum"},    {"cmdAusKB(1)", "lblErklärung(1)"}};
    for (const auto& [name, parent] : parents)
        EXPECT_TRUE(l.find(name) && l.find(name)->parent == parent) << name;
}

} // namespace
