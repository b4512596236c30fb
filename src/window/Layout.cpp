#include "Layout.h"

#include <array>
#include <cmath>

namespace lampen {

namespace {

// One control of the design: its rectangle and font in twips and points of the reference
// screen, or a line's end points. What a row leaves empty the layout does not touch.
struct DesignRow {
    std::string_view name;
    std::optional<double> left, top, width, height;
    std::optional<double> font;
    std::optional<LineEnds> line;
};

constexpr DesignRow box(std::string_view name, double l, double t, double w,
                        std::optional<double> h, std::optional<double> f) {
    return {name, l, t, w, h, f, std::nullopt};
}

constexpr DesignRow rule(std::string_view name, double x1, double y1, double x2, double y2) {
    return {name,
            std::nullopt,
            std::nullopt,
            std::nullopt,
            std::nullopt,
            std::nullopt,
            LineEnds{x1, y1, x2, y2}};
}

constexpr std::optional<double> kNoFont = std::nullopt;

// The window itself, in the order the pass goes through it.
constexpr std::array kWindowRows{
    rule("Line1", 0, 0, 12240, 0),
    rule("Line2", 0, 12, 12240, 12),
    box("txtKlicks", 360, 360, 552, 372, 12), // wide enough for " 100"
    box("txtAusgabe", 960, 360, 5652, 396, 12),
    box("cboDatei", 360, 840, 5532, std::nullopt, 10), // a combo box keeps its own height
    box("cmdEntfernen", 5880, 840, 372, 372, 8),
    box("cmdNeu", 6240, 840, 372, 372, 8),
    box("picRaum", 360, 1200, 6252, 6132, 8),
    box("txtSchalter", 2880, 2880, 492, 492, 18),
    box("Frame3", 360, 7320, 6252, 612, 8),
    box("picProzent", 6840, 360, 132, 7572, 8),
    // A question and its two answers side by side, each answer wide enough for its circle and
    // its caption.
    box("Label2", 7200, 360, 2912, 252, 10),
    box("optLösbar(1)", 10112, 360, 975, 252, 10),
    box("optLösbar(0)", 11087, 360, 925, 252, 10),
    box("Label4", 7200, 600, 4812, 252, 8),
    box("lblÄndern", 7200, 240, 4812, 3852, 8),
    box("lblErklärung(0)", 7200, 960, 4812, 3852, 8),
    box("lblErklärung(1)", 7200, 960, 4812, 3852, 8),
    box("lblWege", 7200, 960, 4812, 3852, 8),
    box("lblRechenweg", 7200, 960, 4812, 3852, 8),
    box("picMatrix", 7200, 1000, 4812, 3832, 12),
    box("imgDon", 7200, 1080, 4812, 3632, kNoFont),
    box("shpDonlamp", 7320, 2160, 972, 972, kNoFont),
    rule("Line3", 7800, 1320, 7800, 2172),
    box("lblGAnalyse", 7200, 5040, 2912, 252, 10),
    box("Option1(0)", 10112, 5040, 975, 252, 10),
    box("Option1(1)", 11087, 5040, 925, 252, 10),
    box("Frame1", 7200, 5400, 4812, 2532, 8),
};

// The geometry sliders below the room; sliders keep their own font.
constexpr std::array kFrame3Rows{
    box("lblLampen", 120, 240, 972, 252, 10),
    box("hscLampwinkel", 960, 240, 852, 264, kNoFont),
    box("hscRadLampe", 2040, 240, 852, 264, kNoFont),
    box("Label1", 3240, 240, 852, 252, 10),
    box("hscSchaltwinkel", 4200, 240, 852, 264, kNoFont),
    box("hscRadSchalter", 5280, 240, 852, 264, kNoFont),
};

// The statistics after its two arrays (built in statisticsRows).
constexpr std::array kFrame1TailRows{
    // The leader lines start just after their captions; the separator starts below the frame's
    // title, inside its border.
    box("cmdclear", 3840, 2200, 852, 252, 8),    rule("lineStat(0)", 2480, 480, 3960, 480),
    rule("lineStat(1)", 2920, 1200, 3960, 1200), rule("lineStat(2)", 2800, 1920, 3960, 1920),
    rule("Line4", 3840, 400, 3840, 2280),
};

constexpr std::array kEditRows{
    box("Text1", 240, 240, 4332, 2412, 11),
    box("Label5", 240, 2880, 2052, 252, 8),
    box("cmdAddSchaltung(0)", 240, 3120, 972, 252, 8),
    box("cmdAddSchaltung(1)", 1320, 3120, 972, 252, 8),
    box("cmdLöSchaltung", 240, 3480, 2052, 252, 8),
    box("cmdAddLampe", 2400, 2880, 1092, 372, 8),
    box("cmdLöLampe", 2400, 3360, 1092, 372, 8),
    box("cmdSpielen", 3600, 2880, 972, 852, 10),
};

constexpr std::array kWegeRows{
    box("Label3", 600, 240, 3372, 252, 12),
    box("txtWege", 120, 600, 4452, 2412, 14),
    box("cmdInfofenster(1)", 600, 3240, 1332, 372, 8),
    box("cmdInfofenster(0)", 2760, 3240, 1332, 372, 8),
};

// The Rechenweg: the text as wide as the frame allows, so a matrix of ten switches fits nearly
// whole in its small fixed-width font; the three buttons below it.
constexpr std::array kRechenwegRows{
    box("txtRechenweg", 60, 120, 4692, 3120, 7),
    box("cmdSchritt", 120, 3360, 1452, 372, 8),
    box("cmdAlleSchritte", 1680, 3360, 1452, 372, 8),
    box("cmdRechenwegAus", 3240, 3360, 1452, 372, 8),
};

// Room controls in twips from the room's top-left corner of the reference design. The room's
// own scale runs from -10 to 10; the design's room of 6250 x 6130 twips maps onto it with
// 2/625 and 2/613 per twip. The number label's left edge sits a tenth further in.
struct RoomRow {
    std::string_view name;
    double left, top, width, height, font;
    double leftOrigin = 10;
};

constexpr std::array kRoomRows{
    // "Nr." with its full stop, and both numbers with three digits and a sign's blank.
    RoomRow{"txtNr", 0, 0, 420, 372, 10, 9.9},
    RoomRow{"txtAktuell", 480, 0, 600, 252, 12},
    RoomRow{"Text3", 1140, 0, 456, 252, 10},
    RoomRow{"txtAnzahl", 1640, 0, 540, 300, 10},
    RoomRow{"Text2", 2240, 0, 1332, 372, 10},
    RoomRow{"cmdVoriges", 4560, 120, 732, 252, 8},
    RoomRow{"cmdNächstes", 5400, 120, 732, 252, 8},
    RoomRow{"cmdLampenaus", 120, 5760, 1572, 252, 8},
    RoomRow{"cmdAufgabe", 4560, 5760, 1572, 252, 8},
};

constexpr double kLampSize = 612;
constexpr double kRoomButtonSize = 372;
constexpr double kRoomButtonFont = 8;
constexpr double kSelectedButtonFont = 10;

constexpr double kMatrixButtonFont = 8;

constexpr int kArrayLength = 10; // lamps, switches and their mirror buttons: 0..9

constexpr double kTwipsPerInch = 1440;
constexpr double kStandardDpi = 96;

// Applies the design-to-screen rule to every row and appends the results.
class Scaler {
public:
    explicit Scaler(Layout& layout) : layout_(layout) {}

    void add(const DesignRow& row, std::string_view parent) {
        Placement p;
        p.name = std::string(row.name);
        p.parent = std::string(parent);
        p.units = Units::Twips;
        p.left = times(row.left, layout_.xScale);
        p.top = times(row.top, layout_.yScale);
        p.width = times(row.width, layout_.xScale);
        p.height = times(row.height, layout_.yScale);
        p.fontSize = times(row.font, layout_.layoutScale);
        if (row.line)
            p.line = LineEnds{row.line->x1 * layout_.xScale, row.line->y1 * layout_.yScale,
                              row.line->x2 * layout_.xScale, row.line->y2 * layout_.yScale};
        layout_.placements.push_back(std::move(p));
    }

    template <std::size_t N>
    void addAll(const std::array<DesignRow, N>& rows, std::string_view parent) {
        for (const auto& row : rows)
            add(row, parent);
    }

private:
    static std::optional<double> times(std::optional<double> v, double factor) {
        if (!v)
            return std::nullopt;
        return *v * factor;
    }

    Layout& layout_;
};

void statisticsRows(Scaler& scaler) {
    // Labels 0, 3 and 5 are the short ones; the boxes stand in a zig-zag, even rows right.
    constexpr std::array<double, 6> labelWidth{2532, 2760, 2760, 2532, 2760, 2532};
    for (int i = 0; i < 6; ++i) {
        const std::string name = arrayName("lblStatistik", i);
        scaler.add(box(name, 240, 360 + 360 * i, labelWidth[static_cast<std::size_t>(i)], 252, 12),
                   "Frame1");
    }
    for (int i = 0; i < 6; ++i) {
        const std::string name = arrayName("txtStatistik", i);
        scaler.add(box(name, i % 2 == 0 ? 4000 : 3000, 240 + 360 * i, 612, 372, 12), "Frame1");
    }
    scaler.addAll(kFrame1TailRows, "Frame1");
}

void explanationRows(Scaler& scaler) {
    constexpr std::array<double, 2> titleWidth{2052, 1932};
    for (int i = 0; i < 2; ++i) {
        const std::string frame = arrayName("lblErklärung", i);
        const std::string title = arrayName("lblKurzb", i);
        const std::string text = arrayName("txtErklärung", i);
        const std::string hide = arrayName("cmdAusKB", i);
        scaler.add(box(title, 1440, 240, titleWidth[static_cast<std::size_t>(i)], 372, 12), frame);
        scaler.add(box(text, 120, 600, 4572, 2412, 10), frame);
        scaler.add(box(hide, 1560, 3240, 1572, 372, 8), frame);
    }
}

Placement sized(std::string name, std::string_view parent, Units units, double width, double height,
                std::optional<double> font) {
    Placement p;
    p.name = std::move(name);
    p.parent = std::string(parent);
    p.units = units;
    p.width = width;
    p.height = height;
    p.fontSize = font;
    return p;
}

// The matrix view's buttons in its own units; the matrix drawing places them.
void matrixRows(Layout& layout) {
    const double font = kMatrixButtonFont * layout.layoutScale;
    for (int i = 0; i < kArrayLength; ++i) {
        layout.placements.push_back(
            sized(arrayName("cmdMLampe", i), "picMatrix", Units::Matrix, 10, 10, font));
        layout.placements.push_back(
            sized(arrayName("cmdMSchalter", i), "picMatrix", Units::Matrix, 10, 10, font));
    }
    // The matrix drawing sets these three fonts itself.
    layout.placements.push_back(sized("cmdMHaupt", "picMatrix", Units::Matrix, 30, 10, {}));
    layout.placements.push_back(sized("cmdMvorige", "picMatrix", Units::Matrix, 20, 10, {}));
    layout.placements.push_back(sized("cmdMnächste", "picMatrix", Units::Matrix, 20, 10, {}));
}

// The room's own controls in room units; lamps and switches are only sized, the ring geometry
// places them.
void roomRows(Layout& layout) {
    for (const auto& row : kRoomRows) {
        Placement p = sized(std::string(row.name), "picRaum", Units::Room, row.width * kRoomX,
                            row.height * kRoomY, row.font * layout.layoutScale);
        p.left = row.left * kRoomX - row.leftOrigin;
        p.top = row.top * kRoomY - 10;
        layout.placements.push_back(std::move(p));
    }
    const double buttonFont = kRoomButtonFont * layout.layoutScale;
    for (int i = 0; i < kArrayLength; ++i)
        layout.placements.push_back(sized(arrayName("shpLampe", i), "picRaum", Units::Room,
                                          kLampSize * kRoomX, kLampSize * kRoomY, {}));
    for (int i = 0; i < kArrayLength; ++i)
        layout.placements.push_back(sized(arrayName("cmdLampe", i), "picRaum", Units::Room,
                                          kRoomButtonSize * kRoomX, kRoomButtonSize * kRoomY,
                                          buttonFont));
    for (int i = 0; i < kArrayLength; ++i)
        layout.placements.push_back(sized(arrayName("cmdSchalter", i), "picRaum", Units::Room,
                                          kRoomButtonSize * kRoomX, kRoomButtonSize * kRoomY,
                                          buttonFont));
}

// A screen measure that is zero, negative or not a number cannot be scaled to; that axis then
// keeps the design size rather than collapsing every control to nothing.
double screenFactor(double screenTwips, double designTwips) {
    if (!std::isfinite(screenTwips) || screenTwips <= 0)
        return 1;
    return screenTwips / designTwips;
}

// The places and sizes the presentation uses, taken from the rows above so each stands once.
void typedPlaces(Layout& layout) {
    layout.lampWidth = kLampSize * kRoomX;
    layout.lampHeight = kLampSize * kRoomY;
    layout.buttonWidth = kRoomButtonSize * kRoomX;
    layout.buttonHeight = kRoomButtonSize * kRoomY;
    layout.buttonFont = kRoomButtonFont * layout.layoutScale;
    layout.selectedButtonFont = kSelectedButtonFont * layout.layoutScale;
    const Placement* matrix = layout.find("picMatrix");
    const Placement* editor = layout.find("lblÄndern");
    const Placement* solutions = layout.find("lblWege");
    layout.matrixDesignTop = *matrix->top;
    layout.matrixHeight = *matrix->height;
    layout.matrixFont = *matrix->fontSize;
    layout.matrixUnderEditor = *editor->top + *editor->height;
    layout.matrixUnderSolutions = *solutions->top;
}

} // namespace

const Placement* Layout::find(std::string_view name) const {
    for (const auto& p : placements)
        if (p.name == name)
            return &p;
    return nullptr;
}

Layout layoutWindow(double screenWidthTwips, double screenHeightTwips) {
    Layout layout;
    layout.xScale = screenFactor(screenWidthTwips, kDesignWidth);
    layout.yScale = screenFactor(screenHeightTwips, kDesignHeight);
    layout.layoutScale = layout.yScale < layout.xScale ? layout.yScale : layout.xScale;
    layout.placements.reserve(140);

    Scaler scaler(layout);
    scaler.addAll(kWindowRows, "");
    scaler.addAll(kFrame3Rows, "Frame3");
    statisticsRows(scaler);
    scaler.addAll(kEditRows, "lblÄndern");
    explanationRows(scaler);
    scaler.addAll(kWegeRows, "lblWege");
    scaler.addAll(kRechenwegRows, "lblRechenweg");
    matrixRows(layout);
    roomRows(layout);
    typedPlaces(layout);
    return layout;
}

double twipsPerPixel(double logicalDpi) {
    if (!std::isfinite(logicalDpi) || logicalDpi <= 0)
        return kTwipsPerInch / kStandardDpi;
    return kTwipsPerInch / logicalDpi;
}

std::string arrayName(std::string_view name, int i) {
    std::string s(name);
    s += '(';
    s += std::to_string(i);
    s += ')';
    return s;
}

} // namespace lampen
