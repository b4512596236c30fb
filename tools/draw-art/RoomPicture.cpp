#include "RoomPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <array>
#include <initializer_list>

namespace {

// The window shows the picture stretched over 4812 x 3632 twips. Drawing in those units and
// scaling to the pixel size keeps circles round where the user sees them.
constexpr double designWidth = 4812;
constexpr double designHeight = 3632;

// The back wall; the room's edges run from the picture's corners to its corners and meet in
// the vanishing point (2406, 1500).
constexpr double wallLeft = 722;
constexpr double wallRight = 4090;
constexpr double wallTop = 450;
constexpr double wallBottom = 2992;
constexpr double vanishX = 2406;
constexpr double vanishY = 1500;

// The window's lamp cord starts 240 twips below the top at x 600; the canopy ends there.
constexpr double cordX = 600;
constexpr double cordTop = 240;

constexpr QRgb ceilingColour = qRgb(0xc9, 0xcd, 0xd5);
constexpr QRgb backWallTop = qRgb(0xa4, 0xac, 0xba);
constexpr QRgb backWallBottom = qRgb(0x93, 0x9c, 0xac);
constexpr QRgb sideWallNear = qRgb(0x74, 0x7e, 0x90);
constexpr QRgb sideWallFar = qRgb(0x86, 0x90, 0xa1);
constexpr QRgb skirtingColour = qRgb(0x5c, 0x63, 0x73);
constexpr QRgb floorFar = qRgb(0x7a, 0x6e, 0x61);
constexpr QRgb floorNear = qRgb(0x5f, 0x55, 0x4b);
constexpr QRgb floorSeam = qRgb(0x52, 0x49, 0x40);
constexpr QRgb canopyColour = qRgb(0x4a, 0x4f, 0x5b);
constexpr QRgb slateColour = qRgb(0x2e, 0x48, 0x42);
constexpr QRgb boardFrameColour = qRgb(0x7b, 0x62, 0x48);
constexpr QRgb chalkColour = qRgb(0xe4, 0xea, 0xe6);
constexpr QRgb chalkYellow = qRgb(0xe8, 0xd8, 0x6a);
constexpr QRgb windowFrameColour = qRgb(0xdc, 0xe0, 0xe6);
constexpr QRgb sillShadowColour = qRgb(0x81, 0x8a, 0x9a);
constexpr QRgb skyTop = qRgb(0x17, 0x22, 0x45);
constexpr QRgb skyBottom = qRgb(0x33, 0x47, 0x72);
constexpr QRgb moonColour = qRgb(0xf0, 0xe6, 0xa4);
constexpr QRgb starColour = qRgb(0xe6, 0xe2, 0xc4);
constexpr QRgb woodColour = qRgb(0x8a, 0x6d, 0x50);
constexpr QRgb woodEdgeColour = qRgb(0x6c, 0x55, 0x3f);
constexpr QRgb woodDarkColour = qRgb(0x5a, 0x47, 0x35);
constexpr QRgb shelfInsideColour = qRgb(0x4e, 0x41, 0x34);
constexpr QRgb toyBoardColour = qRgb(0x2a, 0x30, 0x44);
constexpr QRgb lampOffColour = qRgb(0, 0, 128);
constexpr QRgb switchGrey = qRgb(0xc0, 0xc0, 0xc0);
constexpr QRgb potColour = qRgb(0x9e, 0x6c, 0x52);
constexpr QRgb potRimColour = qRgb(0x8e, 0x5c, 0x42);
constexpr QRgb leafLight = qRgb(0x63, 0x86, 0x60);
constexpr QRgb leafDark = qRgb(0x4a, 0x6b, 0x4b);

// Muted book spines, used in turn.
constexpr std::array<QRgb, 6> bookColours = {qRgb(0x4f, 0x6d, 0x8f), qRgb(0x9c, 0x5a, 0x4c),
                                             qRgb(0xc4, 0xa2, 0x4e), qRgb(0x6a, 0x88, 0x5e),
                                             qRgb(0x76, 0x68, 0x8c), qRgb(0xb8, 0xb0, 0x9c)};

void fillPolygon(QPainter& p, std::initializer_list<QPointF> corners, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

void fillRect(QPainter& p, const QRectF& rect, QRgb colour) {
    p.fillRect(rect, QColor(colour));
}

QPen strokePen(QRgb colour, double width) {
    return QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Where the floor line through the vanishing point and (x, wallBottom) meets the picture's
// lower edge.
double floorLineAtBottom(double x) {
    return vanishX + (x - vanishX) * (designHeight - vanishY) / (wallBottom - vanishY);
}

void drawRoomShell(QPainter& p) {
    fillPolygon(p, {{0, 0}, {designWidth, 0}, {wallRight, wallTop}, {wallLeft, wallTop}},
                QColor(ceilingColour));

    QLinearGradient back(0, wallTop, 0, wallBottom);
    back.setColorAt(0, QColor(backWallTop));
    back.setColorAt(1, QColor(backWallBottom));
    p.fillRect(QRectF(wallLeft, wallTop, wallRight - wallLeft, wallBottom - wallTop), back);

    QLinearGradient left(0, 0, wallLeft, 0);
    left.setColorAt(0, QColor(sideWallNear));
    left.setColorAt(1, QColor(sideWallFar));
    fillPolygon(p, {{0, 0}, {wallLeft, wallTop}, {wallLeft, wallBottom}, {0, designHeight}}, left);

    QLinearGradient right(designWidth, 0, wallRight, 0);
    right.setColorAt(0, QColor(sideWallNear));
    right.setColorAt(1, QColor(sideWallFar));
    fillPolygon(p,
                {{designWidth, 0},
                 {wallRight, wallTop},
                 {wallRight, wallBottom},
                 {designWidth, designHeight}},
                right);

    fillRect(p, QRectF(wallLeft, wallBottom - 50, wallRight - wallLeft, 50), skirtingColour);
}

void drawFloor(QPainter& p) {
    QLinearGradient shade(0, wallBottom, 0, designHeight);
    shade.setColorAt(0, QColor(floorFar));
    shade.setColorAt(1, QColor(floorNear));
    fillPolygon(p,
                {{wallLeft, wallBottom},
                 {wallRight, wallBottom},
                 {designWidth, designHeight},
                 {0, designHeight}},
                shade);

    constexpr int planks = 9;
    p.setPen(strokePen(floorSeam, 14));
    for (int i = 1; i < planks; ++i) {
        const double x = wallLeft + (wallRight - wallLeft) * i / planks;
        p.drawLine(QPointF(x, wallBottom), QPointF(floorLineAtBottom(x), designHeight));
    }
}

// A small round canopy on the ceiling; the window hangs its lamp cord from its lower edge.
void drawCanopy(QPainter& p) {
    QPainterPath dome;
    dome.moveTo(cordX - 90, cordTop);
    dome.cubicTo(cordX - 80, cordTop - 70, cordX + 80, cordTop - 70, cordX + 90, cordTop);
    dome.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(canopyColour));
    p.drawPath(dome);
}

// Chalk figures drawn as strokes, so the picture needs no font.
void chalkZero(QPainter& p, const QRectF& cell) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(cell.adjusted(cell.width() * 0.08, 0, -cell.width() * 0.08, 0));
}

void chalkOne(QPainter& p, const QRectF& cell) {
    const double stemX = cell.left() + cell.width() * 0.62;
    QPainterPath one;
    one.moveTo(cell.left() + cell.width() * 0.15, cell.top() + cell.height() * 0.28);
    one.lineTo(stemX, cell.top());
    one.lineTo(stemX, cell.bottom());
    p.setBrush(Qt::NoBrush);
    p.drawPath(one);
}

void chalkDigit(QPainter& p, const QRectF& cell, int digit) {
    if (digit == 0) {
        chalkZero(p, cell);
    } else {
        chalkOne(p, cell);
    }
}

void chalkPlus(QPainter& p, const QRectF& cell) {
    const QPointF c = cell.center();
    const double arm = cell.width() * 0.45;
    p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
}

void chalkEquals(QPainter& p, const QRectF& cell) {
    const double gap = cell.height() * 0.14;
    const double y = cell.center().y();
    p.drawLine(QPointF(cell.left(), y - gap), QPointF(cell.right(), y - gap));
    p.drawLine(QPointF(cell.left(), y + gap), QPointF(cell.right(), y + gap));
}

void chalkBracket(QPainter& p, const QRectF& span, bool opening) {
    const double outer = opening ? span.right() : span.left();
    const double inner = opening ? span.left() : span.right();
    QPainterPath bracket;
    bracket.moveTo(outer, span.top());
    bracket.cubicTo(inner, span.top() + span.height() * 0.15, inner,
                    span.bottom() - span.height() * 0.15, outer, span.bottom());
    p.setBrush(Qt::NoBrush);
    p.drawPath(bracket);
}

// Chalk cells of the blackboard's sum.
constexpr double chalkCellWidth = 80;
constexpr double chalkCellHeight = 150;
constexpr double chalkRowPitch = 210;
constexpr double chalkColumnPitch = 140;
constexpr double chalkTop = 900;

// Brackets around `columns` columns of digits starting at `left`; returns the closing bracket's
// right edge.
double chalkBrackets(QPainter& p, double left, int columns) {
    const QRectF span(left, chalkTop - 30, 40, 2 * chalkRowPitch + chalkCellHeight + 60);
    chalkBracket(p, span, true);
    const double closing = 30 + chalkColumnPitch * (columns - 1) + chalkCellWidth + 30;
    chalkBracket(p, span.translated(closing + 40, 0), false);
    return left + closing + 80;
}

QRectF chalkCell(double bracketLeft, std::size_t row, std::size_t column) {
    return QRectF(bracketLeft + 70 + chalkColumnPitch * static_cast<double>(column),
                  chalkTop + chalkRowPitch * static_cast<double>(row), chalkCellWidth,
                  chalkCellHeight);
}

double chalkVector(QPainter& p, double left, const std::array<int, 3>& digits) {
    for (std::size_t row = 0; row < digits.size(); ++row) {
        chalkDigit(p, chalkCell(left, row, 0), digits[row]);
    }
    return chalkBrackets(p, left, 1);
}

// The blackboard's sum: a switch matrix times a set of presses gives the lamps that change,
// counted modulo 2.
void drawChalkMatrix(QPainter& p) {
    constexpr std::array<std::array<int, 3>, 3> rows = {{{1, 1, 0}, {0, 1, 1}, {1, 0, 1}}};
    constexpr std::array<int, 3> presses = {1, 1, 0};
    constexpr std::array<int, 3> lamps = {0, 1, 1};
    constexpr double left = 1500;

    p.setPen(strokePen(chalkColour, 24));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            chalkDigit(p, chalkCell(left, r, c), rows[r][c]);
        }
    }
    const double afterMatrix = chalkBrackets(p, left, 3);

    const double middle = chalkTop + chalkRowPitch + chalkCellHeight / 2;
    p.setBrush(QColor(chalkColour));
    p.drawEllipse(QPointF(afterMatrix + 70, middle), 14, 14);

    const double afterPresses = chalkVector(p, afterMatrix + 140, presses);
    chalkEquals(p, QRectF(afterPresses + 60, middle - 60, 110, 120));
    p.setPen(strokePen(chalkYellow, 24));
    chalkVector(p, afterPresses + 230, lamps);
}

// Below the matrix, the rule that makes it all work: 1 + 1 = 0.
void drawChalkRule(QPainter& p) {
    constexpr double left = 1880;
    constexpr double top = 1590;
    constexpr double pitch = 120;
    const auto cell = [&](int i) { return QRectF(left + pitch * i, top, 65, 115); };
    p.setPen(strokePen(chalkColour, 20));
    chalkOne(p, cell(0));
    chalkPlus(p, cell(1));
    chalkOne(p, cell(2));
    chalkEquals(p, cell(3));
    p.setPen(strokePen(chalkYellow, 20));
    chalkZero(p, cell(4));
}

void drawBlackboard(QPainter& p) {
    const QRectF board(1350, 780, 1600, 1000);
    fillRect(p, board.adjusted(-60, -60, 60, 60), boardFrameColour);
    fillRect(p, board, slateColour);
    // A faint wiped patch keeps the slate from looking flat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 10));
    p.drawEllipse(QRectF(1450, 1480, 900, 260));

    const QRectF tray(board.left() - 90, board.bottom() + 60, board.width() + 180, 50);
    fillRect(p, tray, woodEdgeColour);
    fillRect(p, QRectF(2500, tray.top() - 30, 120, 30), chalkColour);
    fillRect(p, QRectF(2660, tray.top() - 30, 90, 30), chalkYellow);

    drawChalkMatrix(p);
    drawChalkRule(p);
}

void drawNightSky(QPainter& p, const QRectF& glass) {
    QLinearGradient sky(0, glass.top(), 0, glass.bottom());
    sky.setColorAt(0, QColor(skyTop));
    sky.setColorAt(1, QColor(skyBottom));
    p.fillRect(glass, sky);

    QPainterPath moon;
    moon.addEllipse(QPointF(3770, 950), 85, 85);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(3730, 915), 80, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(moonColour));
    p.drawPath(moon.subtracted(shadow));

    constexpr std::array<QPointF, 9> stars = {
        QPointF(3420, 880),  QPointF(3560, 1010), QPointF(3470, 1150),
        QPointF(3830, 1160), QPointF(3660, 1400), QPointF(3400, 1520),
        QPointF(3790, 1620), QPointF(3540, 1760), QPointF(3860, 1830)};
    p.setBrush(QColor(starColour));
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const double radius = i % 3 == 0 ? 17 : 11;
        p.drawEllipse(stars[i], radius, radius);
    }
}

void drawWindow(QPainter& p) {
    const QRectF glass(3300, 760, 620, 1150);
    fillRect(p, glass.adjusted(-55, -55, 55, 55), windowFrameColour);
    drawNightSky(p, glass);

    p.setPen(QPen(QColor(windowFrameColour), 40));
    p.drawLine(QPointF(glass.center().x(), glass.top()),
               QPointF(glass.center().x(), glass.bottom()));
    p.drawLine(QPointF(glass.left(), 1250), QPointF(glass.right(), 1250));

    const QRectF sill(glass.left() - 110, glass.bottom() + 55, glass.width() + 220, 55);
    fillRect(p, sill, windowFrameColour);
    fillRect(p, QRectF(sill.left(), sill.bottom(), sill.width(), 25), sillShadowColour);
}

// A row of upright books standing in a shelf compartment.
void drawBookRow(QPainter& p, const QRectF& compartment, std::size_t firstColour) {
    constexpr std::array<double, 7> widths = {70, 55, 85, 60, 75, 50, 65};
    constexpr std::array<double, 7> heights = {0.86, 0.72, 0.92, 0.8, 0.68, 0.88, 0.76};
    double x = compartment.left() + 20;
    for (std::size_t i = 0; i < widths.size() && x + widths[i] < compartment.right(); ++i) {
        const double h = compartment.height() * heights[i];
        fillRect(p, QRectF(x, compartment.bottom() - h, widths[i], h),
                 bookColours[(firstColour + i) % bookColours.size()]);
        x += widths[i] + 8;
    }
}

void drawShelf(QPainter& p) {
    const QRectF body(790, 2340, 520, wallBottom - 2340);
    fillRect(p, body, woodColour);
    fillRect(p, QRectF(765, 2300, 570, 50), woodEdgeColour);
    const QRectF upper(830, 2390, 440, 270);
    const QRectF lower(830, 2700, 440, 250);
    fillRect(p, upper, shelfInsideColour);
    fillRect(p, lower, shelfInsideColour);
    drawBookRow(p, upper, 0);
    drawBookRow(p, lower, 3);

    // A cup of pencils on top.
    fillRect(p, QRectF(1150, 2190, 90, 110), bookColours[0]);
    p.setPen(strokePen(bookColours[2], 16));
    p.drawLine(QPointF(1170, 2190), QPointF(1150, 2110));
    p.setPen(strokePen(bookColours[1], 16));
    p.drawLine(QPointF(1210, 2190), QPointF(1240, 2120));
}

// The program in miniature on the desk: one lamp, two switches, their wires.
void drawToyCircuit(QPainter& p) {
    const QRectF board(2340, 2060, 680, 260);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(toyBoardColour));
    p.drawRoundedRect(board, 40, 40);

    const QPointF lamp(2680, 2140);
    const QRectF left(2410, 2200, 100, 80);
    const QRectF right(2850, 2200, 100, 80);
    p.setPen(strokePen(switchGrey, 14));
    p.drawLine(QPointF(left.center().x(), left.top()), lamp);
    p.drawLine(QPointF(right.center().x(), right.top()), lamp);
    fillRect(p, left, switchGrey);
    fillRect(p, right, switchGrey);
    p.setPen(QPen(Qt::black, 10));
    p.setBrush(QColor(lampOffColour));
    p.drawEllipse(lamp, 50, 50);
}

void drawDesk(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(1420, 3130, 1960, 130));

    fillRect(p, QRectF(1560, 2420, 70, 780), woodDarkColour);
    fillRect(p, QRectF(3120, 2420, 70, 780), woodDarkColour);
    const QRectF drawers(2700, 2420, 490, 400);
    fillRect(p, drawers, woodColour);
    p.setPen(QPen(QColor(woodEdgeColour), 12));
    p.drawLine(QPointF(drawers.left(), 2620), QPointF(drawers.right(), 2620));
    fillRect(p, QRectF(2905, 2505, 80, 24), woodDarkColour);
    fillRect(p, QRectF(2905, 2705, 80, 24), woodDarkColour);

    fillRect(p, QRectF(1480, 2320, 1790, 70), woodColour);
    fillRect(p, QRectF(1480, 2390, 1790, 40), woodEdgeColour);

    // Three books lying flat.
    fillRect(p, QRectF(1620, 2260, 380, 60), bookColours[0]);
    fillRect(p, QRectF(1650, 2200, 330, 60), bookColours[2]);
    fillRect(p, QRectF(1640, 2150, 300, 50), bookColours[1]);

    drawToyCircuit(p);
}

void drawLeaf(QPainter& p, const QPointF& base, double angleDegrees, double length, double width,
              QRgb colour) {
    p.save();
    p.translate(base);
    p.rotate(angleDegrees);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(width, -length * 0.5, 0, -length);
    leaf.quadTo(-width, -length * 0.5, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour));
    p.drawPath(leaf);
    p.restore();
}

void drawPlant(QPainter& p) {
    const QPointF base(4380, 3190);
    struct Leaf {
        double angle;
        double length;
        double width;
        QRgb colour;
    };
    constexpr std::array<Leaf, 7> leaves = {{{-58, 520, 150, leafDark},
                                             {52, 540, 150, leafDark},
                                             {-32, 680, 170, leafLight},
                                             {28, 700, 170, leafLight},
                                             {-8, 760, 160, leafDark},
                                             {12, 640, 150, leafLight},
                                             {-80, 380, 120, leafLight}}};
    for (const Leaf& leaf : leaves) {
        drawLeaf(p, base, leaf.angle, leaf.length, leaf.width, leaf.colour);
    }
    fillPolygon(p, {{4200, 3170}, {4560, 3170}, {4510, 3500}, {4250, 3500}}, QColor(potColour));
    fillRect(p, QRectF(4180, 3150, 400, 60), potRimColour);
}

} // namespace

QImage drawRoomPicture() {
    QImage image(roomPictureWidth, roomPictureHeight, QImage::Format_RGB888);
    image.fill(QColor(backWallTop));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(roomPictureWidth / designWidth, roomPictureHeight / designHeight);

    drawRoomShell(p);
    drawFloor(p);
    drawCanopy(p);
    drawBlackboard(p);
    drawWindow(p);
    drawShelf(p);
    drawDesk(p);
    drawPlant(p);
    p.end();
    return image;
}
