#include "Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lampen {
namespace {

constexpr double kTol = 1e-9;

// Screens used throughout, in twips.
constexpr double kRefW = 12288, kRefH = 9216;
constexpr double kXgaW = 1024 * 15, kXgaH = 768 * 15;    // 1024 x 768 at 96 DPI
constexpr double kWideW = 1920 * 15, kWideH = 1080 * 15; // 1920 x 1080 at 96 DPI

const Placement& placed(const Layout& layout, const std::string& name) {
    const Placement* p = layout.find(name);
    if (p == nullptr)
        throw std::runtime_error("no placement for " + name);
    return *p;
}

void expectValue(const std::optional<double>& actual, std::optional<double> expected,
                 const char* field) {
    SCOPED_TRACE(field);
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(*actual, *expected, kTol * std::max(1.0, std::abs(*expected)));
    }
}

std::string indexed(const std::string& name, int i) {
    return name + "(" + std::to_string(i) + ")";
}

// ---- factors --------------------------------------------------------------------------------

struct FactorCase {
    const char* screen;
    double width, height;
    double xScale, yScale, layoutScale;
};

TEST(LayoutFactors, FollowTheScreenAndFontsTakeTheSmaller) {
    const std::vector<FactorCase> cases{
        {"reference", kRefW, kRefH, 1, 1, 1},
        {"1024x768 at 96 DPI", kXgaW, kXgaH, 1.25, 1.25, 1.25},
        {"1920x1080 at 96 DPI", kWideW, kWideH, 2.34375, 1.7578125, 1.7578125},
        {"768x1024 portrait at 96 DPI", 768 * 15, 1024 * 15, 0.9375, 15360.0 / 9216, 0.9375},
        {"1024x768 at 120 DPI", 1024 * 12, 768 * 12, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        const Layout l = layoutWindow(c.width, c.height);
        EXPECT_NEAR(l.xScale, c.xScale, kTol);
        EXPECT_NEAR(l.yScale, c.yScale, kTol);
        EXPECT_NEAR(l.layoutScale, c.layoutScale, kTol);
    }
}

TEST(LayoutFactors, UnusableScreenMeasureKeepsTheDesignOnThatAxis) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<FactorCase> cases{
        {"zero width", 0, kXgaH, 1, 1.25, 1},
        {"negative height", kXgaW, -9216, 1.25, 1, 1},
        {"NaN width", nan, kRefH, 1, 1, 1},
        {"infinite height", kWideW, inf, 2.34375, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        const Layout l = layoutWindow(c.width, c.height);
        EXPECT_NEAR(l.xScale, c.xScale, kTol);
        EXPECT_NEAR(l.yScale, c.yScale, kTol);
        EXPECT_NEAR(l.layoutScale, c.layoutScale, kTol);
        EXPECT_TRUE(std::isfinite(placed(l, "picRaum").width.value()));
    }
}

// ---- the reference screen ---------------------------------------------------------------------

struct DesignCase {
    const char* name;
    double left, top, width;
    std::optional<double> height, font;
};

TEST(LayoutDesign, ReferenceScreenPlacesEveryControlAtItsDesignValue) {
    const std::vector<DesignCase> cases{
        {"txtKlicks", 360, 360, 372, 372, 12},
        {"txtAusgabe", 840, 360, 5772, 396, 12},
        {"cboDatei", 360, 840, 5532, std::nullopt, 10},
        {"cmdNeu", 6240, 840, 372, 372, 8},
        {"picRaum", 360, 1200, 6252, 6132, 8},
        {"txtSchalter", 2880, 2880, 492, 492, 18},
        {"Frame3", 360, 7320, 6252, 612, 8},
        {"picProzent", 6840, 360, 132, 7572, 8},
        {"optLösbar(1)", 10200, 360, 852, 252, 10},
        {"optLösbar(0)", 11040, 360, 972, 252, 10},
        {"lblÄndern", 7200, 240, 4812, 3852, 8},
        {"lblErklärung(1)", 7200, 960, 4812, 3852, 8},
        {"picMatrix", 7200, 1000, 4812, 3832, 12},
        {"imgDon", 7200, 1080, 4812, 3632, std::nullopt},
        {"shpDonlamp", 7320, 2160, 972, 972, std::nullopt},
        {"Option1(1)", 11040, 5040, 972, 252, 10},
        {"Frame1", 7200, 5400, 4812, 2532, 8},
        {"lblLampen", 120, 240, 972, 252, 10},
        {"hscRadSchalter", 5280, 240, 852, 264, std::nullopt},
        {"lblStatistik(0)", 240, 360, 2532, 252, 12},
        {"lblStatistik(4)", 240, 1800, 2652, 252, 12},
        {"txtStatistik(5)", 3000, 2040, 612, 372, 12},
        {"cmdclear", 3840, 2200, 852, 252, 8},
        {"Text1", 240, 240, 4332, 2412, 11},
        {"cmdLöSchaltung", 240, 3480, 2052, 252, 8},
        {"cmdLöLampe", 2400, 3360, 1092, 372, 8},
        {"cmdSpielen", 3600, 2880, 972, 852, 10},
        {"lblKurzb(0)", 1440, 240, 2052, 372, 12},
        {"lblKurzb(1)", 1440, 240, 1932, 372, 12},
        {"txtErklärung(1)", 120, 600, 4572, 2412, 10},
        {"cmdAusKB(0)", 1560, 3240, 1572, 372, 8},
        {"Label3", 600, 240, 3372, 252, 12},
        {"txtWege", 120, 600, 4452, 2412, 14},
        {"cmdInfofenster(0)", 2760, 3240, 1332, 372, 8},
    };
    const Layout l = layoutWindow(kRefW, kRefH);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Placement& p = placed(l, c.name);
        EXPECT_EQ(p.units, Units::Twips);
        expectValue(p.left, c.left, "left");
        expectValue(p.top, c.top, "top");
        expectValue(p.width, c.width, "width");
        expectValue(p.height, c.height, "height");
        expectValue(p.fontSize, c.font, "font");
        EXPECT_FALSE(p.line.has_value());
    }
}

// ---- scaling -----------------------------------------------------------------------------------

// Every control in twips follows the rule: horizontal measures with xScale, vertical with yScale,
// fonts with layoutScale; the room's and the matrix view's sizes do not depend on the screen.
void expectScaledFromReference(double width, double height) {
    const Layout ref = layoutWindow(kRefW, kRefH);
    const Layout l = layoutWindow(width, height);
    ASSERT_EQ(l.placements.size(), ref.placements.size());
    const auto scaled = [](const std::optional<double>& v, double f) -> std::optional<double> {
        if (!v)
            return std::nullopt;
        return *v * f;
    };
    for (std::size_t i = 0; i < l.placements.size(); ++i) {
        const Placement& p = l.placements[i];
        const Placement& r = ref.placements[i];
        SCOPED_TRACE(p.name);
        ASSERT_EQ(p.name, r.name);
        const bool twips = p.units == Units::Twips;
        expectValue(p.left, twips ? scaled(r.left, l.xScale) : r.left, "left");
        expectValue(p.top, twips ? scaled(r.top, l.yScale) : r.top, "top");
        expectValue(p.width, twips ? scaled(r.width, l.xScale) : r.width, "width");
        expectValue(p.height, twips ? scaled(r.height, l.yScale) : r.height, "height");
        expectValue(p.fontSize, scaled(r.fontSize, l.layoutScale), "font");
    }
}

TEST(LayoutScaling, XgaScreenScalesEverythingByOneAndAQuarter) {
    expectScaledFromReference(kXgaW, kXgaH);
    const Layout l = layoutWindow(kXgaW, kXgaH);
    const Placement& raum = placed(l, "picRaum");
    expectValue(raum.left, 450, "left");
    expectValue(raum.top, 1500, "top");
    expectValue(raum.width, 7815, "width");
    expectValue(raum.height, 7665, "height");
    expectValue(raum.fontSize, 10, "font");
}

TEST(LayoutScaling, WideScreenWidthsFollowTheWidthFontsTheHeight) {
    expectScaledFromReference(kWideW, kWideH);
    const Layout l = layoutWindow(kWideW, kWideH);
    const Placement& frame = placed(l, "Frame1");
    expectValue(frame.left, 7200 * 2.34375, "left");
    expectValue(frame.width, 4812 * 2.34375, "width");
    expectValue(frame.top, 5400 * 1.7578125, "top");
    expectValue(frame.height, 2532 * 1.7578125, "height");
    expectValue(frame.fontSize, 8 * 1.7578125, "font");
}

TEST(LayoutScaling, PortraitScreenFontsFollowTheWidth) {
    expectScaledFromReference(768 * 15, 1024 * 15);
    const Layout l = layoutWindow(768 * 15, 1024 * 15);
    expectValue(placed(l, "txtWege").fontSize, 14 * 0.9375, "font");
}

TEST(LayoutStatistics, BoxesStandInAZigZagAndLabelsHaveTwoWidths) {
    const double labelWidth[6] = {2532, 2652, 2652, 2532, 2652, 2532};
    const double boxLeft[6] = {4000, 3000, 4000, 3000, 4000, 3000};
    const Layout l = layoutWindow(kWideW, kWideH);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const Placement& label = placed(l, indexed("lblStatistik", i));
        const Placement& box = placed(l, indexed("txtStatistik", i));
        expectValue(label.width, labelWidth[i] * l.xScale, "label width");
        expectValue(label.top, (360 + 360 * i) * l.yScale, "label top");
        expectValue(box.left, boxLeft[i] * l.xScale, "box left");
        // Each box stands 120 twips above its label's line.
        expectValue(box.top, (label.top.value() / l.yScale - 120) * l.yScale, "box top");
    }
}

// ---- room and matrix view --------------------------------------------------------------------

struct RoomCase {
    const char* name;
    double left, top, width, height, font;
};

TEST(LayoutRoom, OwnControlsStandInRoomUnitsWhateverTheScreen) {
    const std::vector<RoomCase> cases{
        {"txtNr", -9.9, -10, 0.8064, 744.0 / 613, 10},
        {"txtAktuell", -8.464, -10, 1.1904, 504.0 / 613, 12},
        {"txtAnzahl", -5.392, -10, 1.4592, 600.0 / 613, 10},
        {"Text2", -3.856, -10, 4.2624, 744.0 / 613, 10},
        {"cmdVoriges", 4.592, 240.0 / 613 - 10, 2.3424, 504.0 / 613, 8},
        {"cmdNächstes", 7.28, 240.0 / 613 - 10, 2.3424, 504.0 / 613, 8},
        {"cmdLampenaus", -9.616, 11520.0 / 613 - 10, 5.0304, 504.0 / 613, 8},
        {"cmdAufgabe", 4.592, 11520.0 / 613 - 10, 5.0304, 504.0 / 613, 8},
    };
    for (const double screenW : {kRefW, kXgaW, kWideW}) {
        const Layout l = layoutWindow(screenW, screenW * 0.6);
        SCOPED_TRACE(screenW);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const Placement& p = placed(l, c.name);
            EXPECT_EQ(p.parent, "picRaum");
            EXPECT_EQ(p.units, Units::Room);
            expectValue(p.left, c.left, "left");
            expectValue(p.top, c.top, "top");
            expectValue(p.width, c.width, "width");
            expectValue(p.height, c.height, "height");
            expectValue(p.fontSize, c.font * l.layoutScale, "font");
        }
    }
}

TEST(LayoutRoom, LampsAndButtonsAreSizedButNotPlaced) {
    const Layout l = layoutWindow(kXgaW, kXgaH);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const Placement& lamp = placed(l, indexed("shpLampe", i));
        expectValue(lamp.width, 1.9584, "lamp width");
        expectValue(lamp.height, 1224.0 / 613, "lamp height");
        EXPECT_FALSE(lamp.left || lamp.top || lamp.fontSize);
        for (const char* button : {"cmdLampe", "cmdSchalter"}) {
            SCOPED_TRACE(button);
            const Placement& b = placed(l, indexed(button, i));
            EXPECT_EQ(b.units, Units::Room);
            expectValue(b.width, 1.1904, "width");
            expectValue(b.height, 744.0 / 613, "height");
            expectValue(b.fontSize, 10, "font"); // 8 points at 1.25
            EXPECT_FALSE(b.left || b.top);
        }
    }
}

struct MatrixCase {
    std::string name;
    double width, height;
    std::optional<double> font; // design points
};

TEST(LayoutMatrix, ButtonsAreSizedInMatrixUnitsAndPlacedByTheDrawing) {
    std::vector<MatrixCase> cases{
        {"cmdMHaupt", 30, 10, std::nullopt},
        {"cmdMvorige", 20, 10, std::nullopt},
        {"cmdMnächste", 20, 10, std::nullopt},
    };
    for (int i = 0; i < 10; ++i) {
        cases.push_back({indexed("cmdMLampe", i), 10, 10, 8});
        cases.push_back({indexed("cmdMSchalter", i), 10, 10, 8});
    }
    const Layout l = layoutWindow(kWideW, kWideH);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Placement& p = placed(l, c.name);
        EXPECT_EQ(p.parent, "picMatrix");
        EXPECT_EQ(p.units, Units::Matrix);
        expectValue(p.width, c.width, "width");
        expectValue(p.height, c.height, "height");
        expectValue(p.fontSize, c.font ? std::optional(*c.font * l.layoutScale) : std::nullopt,
                    "font");
        EXPECT_FALSE(p.left || p.top);
    }
}

// ---- names, parents, order ------------------------------------------------------------------

std::vector<std::string> expectedNames() {
    std::vector<std::string> names{
        "Line1",
        "Line2",
        "txtKlicks",
        "txtAusgabe",
        "cboDatei",
        "cmdEntfernen",
        "cmdNeu",
        "picRaum",
        "txtSchalter",
        "Frame3",
        "picProzent",
        "Label2",
        "optLösbar(1)",
        "optLösbar(0)",
        "Label4",
        "lblÄndern",
        "lblErklärung(0)",
        "lblErklärung(1)",
        "lblWege",
        "picMatrix",
        "imgDon",
        "shpDonlamp",
        "Line3",
        "lblGAnalyse",
        "Option1(0)",
        "Option1(1)",
        "Frame1",
        "lblLampen",
        "hscLampwinkel",
        "hscRadLampe",
        "Label1",
        "hscSchaltwinkel",
        "hscRadSchalter",
        "cmdclear",
        "lineStat(0)",
        "lineStat(1)",
        "lineStat(2)",
        "Line4",
        "Text1",
        "Label5",
        "cmdAddSchaltung(0)",
        "cmdAddSchaltung(1)",
        "cmdLöSchaltung",
        "cmdAddLampe",
        "cmdLöLampe",
        "cmdSpielen",
        "Label3",
        "txtWege",
        "cmdInfofenster(1)",
        "cmdInfofenster(0)",
        "cmdMHaupt",
        "cmdMvorige",
        "cmdMnächste",
        "txtNr",
        "txtAktuell",
        "Text3",
        "txtAnzahl",
        "Text2",
        "cmdVoriges",
        "cmdNächstes",
        "cmdLampenaus",
        "cmdAufgabe",
    };
    for (int i = 0; i < 6; ++i) {
        names.push_back(indexed("lblStatistik", i));
        names.push_back(indexed("txtStatistik", i));
    }
    for (int i = 0; i < 2; ++i) {
        names.push_back(indexed("lblKurzb", i));
        names.push_back(indexed("txtErklärung", i));
        names.push_back(indexed("cmdAusKB", i));
    }
    for (int i = 0; i < 10; ++i)
        for (const char* array :
             {"cmdMLampe", "cmdMSchalter", "shpLampe", "cmdLampe", "cmdSchalter"})
            names.push_back(indexed(array, i));
    return names;
}

TEST(LayoutNames, EveryLaidOutControlAppearsExactlyOnce) {
    const Layout l = layoutWindow(kRefW, kRefH);
    std::map<std::string, int> seen;
    for (const auto& p : l.placements)
        ++seen[p.name];
    const std::vector<std::string> names = expectedNames();
    for (const auto& name : names)
        EXPECT_EQ(seen[name], 1) << name;
    EXPECT_EQ(l.placements.size(), names.size()) << "controls laid out that are not expected";
}

TEST(LayoutNames, FindAnswersOnlyExactObjectNames) {
    const Layout l = layoutWindow(kRefW, kRefH);
    for (const char* unknown : {"", "lblAendern", "cmdSchalter(10)", "cmdschalter(0)",
                                "txtStatistik", "cmdMnaechste", "Lampen"})
        EXPECT_EQ(l.find(unknown), nullptr) << unknown;
    const Placement* p = l.find("cmdSchalter(9)");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name, "cmdSchalter(9)");
}

TEST(LayoutParents, ChildrenLieInTheirFramesAndAreas) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"lblStatistik(3)", "Frame1"},
        {"txtStatistik(0)", "Frame1"},
        {"lineStat(1)", "Frame1"},
        {"Line4", "Frame1"},
        {"Text1", "lblÄndern"},
        {"cmdSpielen", "lblÄndern"},
        {"cmdAusKB(1)", "lblErklärung(1)"},
        {"txtErklärung(0)", "lblErklärung(0)"},
        {"lblKurzb(1)", "lblErklärung(1)"},
        {"txtWege", "lblWege"},
        {"cmdInfofenster(0)", "lblWege"},
        {"hscRadLampe", "Frame3"},
        {"lblLampen", "Frame3"},
        {"txtNr", "picRaum"},
        {"shpLampe(0)", "picRaum"},
        {"cmdMSchalter(4)", "picMatrix"},
        {"picRaum", ""},
        {"txtSchalter", ""},
        {"picMatrix", ""},
        {"Line3", ""},
        {"Frame1", ""},
        {"lblErklärung(0)", ""},
    };
    const Layout l = layoutWindow(kXgaW, kXgaH);
    for (const auto& [name, parent] : cases)
        EXPECT_EQ(placed(l, name).parent, parent) << name;
}

TEST(LayoutOrder, WindowFirstThenEachContainerBeforeItsChildren) {
    const Layout l = layoutWindow(kXgaW, kXgaH);
    std::map<std::string, std::size_t> position;
    bool childSeen = false;
    for (std::size_t i = 0; i < l.placements.size(); ++i) {
        const Placement& p = l.placements[i];
        position[p.name] = i;
        if (p.parent.empty()) {
            EXPECT_FALSE(childSeen) << p.name << " comes after a framed control";
            continue;
        }
        childSeen = true;
        const auto parent = position.find(p.parent);
        ASSERT_NE(parent, position.end()) << p.name << " before its parent " << p.parent;
        EXPECT_TRUE(l.placements[parent->second].parent.empty());
        const Units units = p.parent == "picRaum"     ? Units::Room
                            : p.parent == "picMatrix" ? Units::Matrix
                                                      : Units::Twips;
        EXPECT_EQ(p.units, units) << p.name;
    }
}

// ---- lines and untouched properties -----------------------------------------------------------

TEST(LayoutLines, EndPointsScaleWithTheirAxes) {
    const std::vector<std::pair<const char*, LineEnds>> cases{
        {"Line1", {0, 0, 12240, 0}},
        {"Line2", {0, 12, 12240, 12}},
        {"Line3", {7800, 1320, 7800, 2172}},
        {"lineStat(0)", {2400, 480, 3960, 480}},
        {"lineStat(1)", {2760, 1200, 3960, 1200}},
        {"lineStat(2)", {2760, 1920, 3960, 1920}},
        {"Line4", {3840, 240, 3840, 2280}},
    };
    const Layout l = layoutWindow(kWideW, kWideH);
    for (const auto& [name, design] : cases) {
        SCOPED_TRACE(name);
        const Placement& p = placed(l, name);
        ASSERT_TRUE(p.line.has_value());
        EXPECT_NEAR(p.line->x1, design.x1 * 2.34375, kTol);
        EXPECT_NEAR(p.line->y1, design.y1 * 1.7578125, kTol);
        EXPECT_NEAR(p.line->x2, design.x2 * 2.34375, kTol);
        EXPECT_NEAR(p.line->y2, design.y2 * 1.7578125, kTol);
        EXPECT_FALSE(p.left || p.top || p.width || p.height || p.fontSize);
    }
}

TEST(LayoutUntouched, PropertiesTheDesignLeavesAloneStayEmpty) {
    struct Case {
        const char* name;
        bool height, font; // whether the layout sets them
    };
    const std::vector<Case> cases{
        {"cboDatei", false, true},       {"imgDon", true, false},
        {"shpDonlamp", true, false},     {"hscLampwinkel", true, false},
        {"hscRadLampe", true, false},    {"hscSchaltwinkel", true, false},
        {"hscRadSchalter", true, false}, {"lblLampen", true, true},
    };
    const Layout l = layoutWindow(kXgaW, kXgaH);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Placement& p = placed(l, c.name);
        EXPECT_EQ(p.height.has_value(), c.height);
        EXPECT_EQ(p.fontSize.has_value(), c.font);
        EXPECT_TRUE(p.left && p.top && p.width);
    }
    // Only lines carry end points.
    for (const auto& p : l.placements)
        EXPECT_EQ(p.line.has_value(), p.name.starts_with("Line") || p.name.starts_with("lineStat"))
            << p.name;
}

// ---- twips per pixel ------------------------------------------------------------------------

TEST(TwipsPerPixel, IsAnInchOfTwipsOverTheDpi) {
    const std::vector<std::pair<double, double>> cases{
        {96, 15}, {120, 12}, {144, 10}, {72, 20}, {192, 7.5}};
    for (const auto& [dpi, twips] : cases)
        EXPECT_DOUBLE_EQ(twipsPerPixel(dpi), twips) << dpi;
}

TEST(TwipsPerPixel, UnusableDpiCountsAsStandard) {
    for (const double dpi : {0.0, -96.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()})
        EXPECT_DOUBLE_EQ(twipsPerPixel(dpi), 15) << dpi;
}

} // namespace
} // namespace lampen
