// The matrix view: the circuit as rows of switch vectors over the lamps, with the lamp states and
// the target below, drawn into picMatrix in its own units (-15..120 wide, -15..140 high). Its
// buttons forward to the room's handlers, so playing here is playing there.

#include "Lampen.h"
#include "NumText.h"

#include <algorithm>
#include <string>

namespace lampen {

namespace {

// Design places in twips, used while the layout has no entry for the frame.
constexpr double kEditFrameTop = 240;
constexpr double kEditFrameHeight = 3852;
constexpr double kSolutionFrameTop = 960;

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

double editFrameBottom(const Layout& layout) {
    const Placement* frame = layout.find("lblÄndern");
    const double top = frame && frame->top ? *frame->top : kEditFrameTop * layout.yScale;
    const double height =
        frame && frame->height ? *frame->height : kEditFrameHeight * layout.yScale;
    return top + height;
}

double solutionFrameTop(const Layout& layout) {
    const Placement* frame = layout.find("lblWege");
    return frame && frame->top ? *frame->top : kSolutionFrameTop * layout.yScale;
}

void place(Placed& button, double left, double top, double width, double height) {
    button.left = left;
    button.top = top;
    button.width = width;
    button.height = height;
    button.visible = true;
}

std::string heading(char letter, int index) {
    return letter + std::to_string(index);
}

} // namespace

void Lampen::drawMatrix() {
    const int k = std::clamp(maxIndex, 0, kMaxIndex);
    const double right = kCell * k + 20; // right edge of the grid lines and boxes
    const double stateRow = kCell * k + 22;
    const double targetRow = kCell * k + 32;

    picMatrix.cls();
    picMatrix.setScale(-15, -15, 120, 140);

    place(cmdMHaupt, -15, kTopButtonTop, 30, 10);
    place(cmdMvorige, 120 - 2 * 20, kTopButtonTop, 20, 10);
    place(cmdMnaechste, cmdMvorige.left + cmdMvorige.width, kTopButtonTop, 20, 10);
    matrixButtonFontSize = 8 * layoutScale;

    for (auto& b : cmdMSchalter)
        b.visible = false;
    for (auto& b : cmdMLampe)
        b.visible = false;

    for (int c = 0; c <= k; ++c)
        picMatrix.text(10 + kCell * c, 0, heading('L', c), kHeading);
    picMatrix.line(0, 10, right, 10, kHeading);

    // Each row button lies over its heading: it starts one text line below the heading's top.
    const double lineHeight = metrics_.matrixLineHeight();
    for (int r = 0; r <= k; ++r) {
        const double y = 10 + kCell * r;
        picMatrix.text(0, y, heading('S', r), kHeading);
        place(cmdMSchalter[static_cast<std::size_t>(r)], -1, y + lineHeight - 11, kButtonSize,
              kButtonSize);
    }
    if (editMode())
        for (int c = 0; c <= k; ++c)
            place(cmdMLampe[static_cast<std::size_t>(c)], kCell * c + 9, 0, kButtonSize,
                  kButtonSize);
    picMatrix.line(10, 10, 10, right, kHeading);

    for (int r = 0; r <= k; ++r) {
        for (int c = 0; c <= k; ++c) {
            const int v = verbindungsmatrix(r, c);
            if (v == 1 || v == 0)
                picMatrix.text(10 + kCell * c, 10 + kCell * r, numText(v), v == 1 ? kOne : kZero);
        }
    }

    picMatrix.filledBox(0, stateRow, right, targetRow, kOne);
    if (matchCount == k + 1)
        picMatrix.filledBox(0, stateRow, right, targetRow, kAgreement);

    // A cell of the state and target rows: 1 or 0 for the two known colours, else nothing.
    auto bit = [&](int c, double y, bool one, bool zero, Rgb oneColour, Rgb zeroColour) {
        if (one)
            picMatrix.text(10 + kCell * c, y, numText(1), oneColour);
        else if (zero)
            picMatrix.text(10 + kCell * c, y, numText(0), zeroColour);
    };
    for (int c = 0; c <= k; ++c) {
        const Rgb fill = shpLampe[static_cast<std::size_t>(c)].fill;
        bit(c, stateRow, fill == lampColour[2], fill == lampColour[1], kLampOn, kZero);
    }
    picMatrix.line(0, stateRow, right, stateRow, kSeparator);
    for (int c = 0; c <= k; ++c) {
        const Rgb border = shpLampe[static_cast<std::size_t>(c)].border;
        bit(c, targetRow, border == borderColour[1], border == borderColour[0], kTargetOn,
            kTargetOff);
    }
}

void Lampen::outlineLastSwitch() {
    if (!workStarted)
        return; // a fresh target has no last press yet
    const int k = std::clamp(maxIndex, 0, kMaxIndex);
    picMatrix.box(0, kCell * lastSwitch + 11, kCell * k + 20, kCell * lastSwitch + 20, kOne);
}

void Lampen::cmdMzeigen_Click() {
    picMatrixTop = editMode() ? editFrameBottom(layout()) : solutionFrameTop(layout());
    visible.picMatrix = true;
}

void Lampen::cmdMverbergen_Click() {
    visible.picMatrix = false;
}

} // namespace lampen
