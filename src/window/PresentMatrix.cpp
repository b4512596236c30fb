// The matrix view: the circuit as rows of switch vectors over the lamps, with the lamp states
// and the target below, in the view's own units. Its buttons lie over the row and column
// headings and play exactly as the room's do.

#include "NumText.h"
#include "Presentation.h"

#include <algorithm>

namespace lampen {

namespace {

constexpr double kCell = 10;       // one row or column of the grid
constexpr double kButtonSize = 10; // the mirror buttons are one cell square
constexpr double kTopButtonTop = -15;

constexpr Rgb kHeading = qbColour(8);
constexpr Rgb kOne = qbColour(1);
constexpr Rgb kZero = qbColour(13);
constexpr Rgb kAgreement = qbColour(12);
constexpr Rgb kLampOn = qbColour(14);
constexpr Rgb kTargetOn = qbColour(4);
constexpr Rgb kTargetOff = qbColour(3);
constexpr Rgb kSeparator = qbColour(0);

Placed at(double left, double top, double width, double height) {
    return {left, top, width, height, true};
}

std::string heading(char letter, int index) {
    return letter + std::to_string(index);
}

} // namespace

void presentMatrix(const GameState& s, const Layout& layout, double matrixLine, View& v) {
    const int k = std::clamp(s.maxIndex, 0, kMaxIndex);
    const double right = kCell * k + 20; // right edge of the grid lines and boxes
    const double stateRow = kCell * k + 22;
    const double targetRow = kCell * k + 32;
    Canvas& m = v.picMatrix;

    v.cmdMHaupt = at(kMatrixScale.left, kTopButtonTop, 30, kButtonSize);
    v.cmdMvorige = at(kMatrixScale.right - 2 * 20, kTopButtonTop, 20, kButtonSize);
    v.cmdMnaechste = at(kMatrixScale.right - 20, kTopButtonTop, 20, kButtonSize);
    v.matrixButtonFont = layout.buttonFont;

    for (int c = 0; c <= k; ++c)
        m.text(10 + kCell * c, 0, heading('L', c), kHeading);
    m.line(0, 10, right, 10, kHeading);

    // Each row button lies over its heading: it starts one text line below the heading's top.
    for (int r = 0; r <= k; ++r) {
        const double y = 10 + kCell * r;
        m.text(0, y, heading('S', r), kHeading);
        v.cmdMSchalter[static_cast<std::size_t>(r)] =
            at(-1, y + matrixLine - 11, kButtonSize, kButtonSize);
    }
    if (s.editMode())
        for (int c = 0; c <= k; ++c)
            v.cmdMLampe[static_cast<std::size_t>(c)] =
                at(kCell * c + 9, 0, kButtonSize, kButtonSize);
    m.line(10, 10, 10, right, kHeading);

    for (int r = 0; r <= k; ++r) {
        for (int c = 0; c <= k; ++c) {
            const int cell = s.wiring(r, c);
            if (cell == 1 || cell == 0) // digits 2..9 are no wire and show nothing here
                m.text(10 + kCell * c, 10 + kCell * r, numText(cell), cell == 1 ? kOne : kZero);
        }
    }

    m.filledBox(0, stateRow, right, targetRow, kOne);
    if (s.matchCount == k + 1)
        m.filledBox(0, stateRow, right, targetRow, kAgreement);

    auto bit = [&](int c, double y, bool one, Rgb oneColour, Rgb zeroColour) {
        m.text(10 + kCell * c, y, numText(one ? 1 : 0), one ? oneColour : zeroColour);
    };
    for (int c = 0; c <= k; ++c)
        bit(c, stateRow, hasBit(s.lit, c), kLampOn, kZero);
    m.line(0, stateRow, right, stateRow, kSeparator);
    for (int c = 0; c <= k; ++c)
        bit(c, targetRow, hasBit(s.target, c), kTargetOn, kTargetOff);

    // The row of the switch pressed last gets a frame, once the task has begun.
    if (s.workStarted)
        m.box(0, kCell * s.lastSwitch + 11, kCell * k + 20, kCell * s.lastSwitch + 20, kOne);
}

} // namespace lampen
