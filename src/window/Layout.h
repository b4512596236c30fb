#pragma once
// The window's layout as pure arithmetic: the design is drawn for a reference screen of
// 12288 x 9216 twips and scaled to the real screen, widths with the screen's width, heights with
// its height, fonts with the smaller of the two factors.

#include "Canvas.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lampen {

inline constexpr double kDesignWidth = 12288;
inline constexpr double kDesignHeight = 9216;

// The units of a placement: twips of the screen for the window and its frames, the area's own
// user units inside the room (picRaum, -10..10) and the matrix view (picMatrix, -15..120 wide,
// -15..140 high).
enum class Units { Twips, Room, Matrix };

struct LineEnds {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Where one control goes. Fields left empty are not touched by the layout pass (the height of
// the file list, the positions of lamps and switches, which the room computes itself).
struct Placement {
    std::string name;   // the control's objectName: "cmdSchalter(3)", "lblÄndern"
    std::string parent; // "" for the window, else the frame or area it lies in
    Units units = Units::Twips;
    std::optional<double> left, top, width, height;
    std::optional<double> fontSize; // points
    std::optional<LineEnds> line;   // line controls only
};

// The user scales of the three drawing areas.
inline constexpr CanvasScale kRoomScale{-10, -10, 10, 10};
inline constexpr CanvasScale kMatrixScale{-15, -15, 120, 140};
inline constexpr CanvasScale kBarScale{0, 0, 1, 1};

// Room units per design twip: the design's room of 6250 x 6130 twips spans the scale -10..10.
inline constexpr double kRoomX = 2.0 / 625;
inline constexpr double kRoomY = 2.0 / 613;

struct Layout {
    double xScale = 1, yScale = 1;
    double layoutScale = 1; // the smaller of the two: every font size is design points times this
    std::vector<Placement> placements;

    // What the presentation needs of the layout, computed by the same pass.
    double lampWidth = 0, lampHeight = 0;     // a lamp in room units
    double buttonWidth = 0, buttonHeight = 0; // a switch or lamp button in room units
    double buttonFont = 8;                    // points of the room's and the matrix's buttons
    double selectedButtonFont = 10;           // the selected switch in edit mode
    // The matrix view's top in twips: its design place, under the editor frame, under the
    // solution panel's title; and its height and font, which give the line height in its units.
    double matrixDesignTop = 0, matrixUnderEditor = 0, matrixUnderSolutions = 0;
    double matrixHeight = 0, matrixFont = 12;

    // The placement of a control by objectName, or nullptr.
    const Placement* find(std::string_view name) const;
};

// The objectName of element i of a control array: "cmdSchalter(3)".
std::string arrayName(std::string_view name, int i);

// Lays out the whole window for a screen of the given size in twips.
// A size that is zero, negative or not a number leaves that axis at the design size (factor 1).
Layout layoutWindow(double screenWidthTwips, double screenHeightTwips);

// Twips per pixel of a screen with the given logical DPI: 1440 / dpi, so 15 at 96 DPI and 12 at
// 120 DPI. A DPI that is zero, negative or not a number counts as the standard 96.
double twipsPerPixel(double logicalDpi);

} // namespace lampen
