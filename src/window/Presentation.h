#pragma once
// What the window shows, derived in one step from the state and the layout: every text, colour,
// visibility, control place inside the drawing areas, and every display list. The Qt window
// applies a View; nothing in it is ever read back into the state.

#include "Canvas.h"
#include "Colour.h"
#include "FileList.h"
#include "GameState.h"
#include "Layout.h"

#include <array>
#include <string>
#include <vector>

namespace lampen {

namespace texts {
inline constexpr const char* task = "Schalten Sie die gelb markierten Lampen ein!";
} // namespace texts

// A control's place and visibility inside a drawing area, in the area's own units.
struct Placed {
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    friend bool operator==(const Placed&, const Placed&) = default;
};

struct LampView : Placed {
    Rgb fill = colour::darkBlue;
    Rgb border = colour::black; // yellow marks the target
    friend bool operator==(const LampView&, const LampView&) = default;
};

struct SwitchView : Placed {
    double fontSize = 8; // points
    bool marked = false; // in the solution the Rechenweg shows: a bold caption
    friend bool operator==(const SwitchView&, const SwitchView&) = default;
};

// What a screen reader says of a control: its name and a description of its state.
struct AccessibleText {
    std::string control; // the control's objectName
    std::string name, description;
    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

struct PanelView {
    bool editor = false, solutions = false, matrix = false;
    std::array<bool, 2> explanation{};
    double matrixTop = 0; // twips
    bool rechenweg = false;
    friend bool operator==(const PanelView&, const PanelView&) = default;
};

struct View {
    // Texts.
    std::string txtKlicks, txtAusgabe, txtAktuell, txtAnzahl, txtSchalter, txtWege;
    std::array<std::string, 6> txtStatistik;
    std::array<std::string, 2> cmdAddSchaltung;
    std::string cmdLoeSchaltung;
    Rgb txtAusgabeBack = colour::white;
    Rgb shpDonlampFill = colour::darkBlue;

    // The room.
    std::array<LampView, kLampCount> shpLampe{};
    std::array<Placed, kLampCount> cmdLampe{};
    std::array<SwitchView, kLampCount> cmdSchalter{};

    // The matrix view's buttons and grid: presented only while the view is shown.
    std::array<Placed, kLampCount> cmdMSchalter{}, cmdMLampe{};
    Placed cmdMHaupt, cmdMvorige, cmdMnaechste;
    double matrixButtonFont = 8;

    Canvas picRaum{kRoomScale}, picProzent{kBarScale}, picMatrix{kMatrixScale};

    PanelView panels;
    std::array<bool, 2> optLoesbar{}, Option1{};

    // The Rechenweg panel: its text while it is shown, and whether a step is left.
    std::string txtRechenweg;
    bool cmdSchrittEnabled = false;
    Sliders sliders;
    FileList cboDatei;

    // Names and descriptions for screen readers, one entry per control that has them.
    std::vector<AccessibleText> accessible;
};

// Whether bit i of a lamp set is set: lamp i lit, or lamp i in the target.
constexpr bool hasBit(unsigned bits, int i) {
    return ((bits >> i) & 1u) != 0;
}

// The number as its box shows it.
std::string shownText(ShownNumber n);

// The matrix view's text line in its own units, from the line's height in twips.
double matrixLineUnits(const Layout& layout, double lineTwips);

// The whole view. matrixLine is the height of one text line of the matrix view in its units.
View present(const GameState& state, const Layout& layout, double matrixLine);

// The parts, each from the state alone.
void presentRoom(const GameState& state, const Layout& layout, View& view);
void presentMatrix(const GameState& state, const Layout& layout, double matrixLine, View& view);
void presentRechenweg(const GameState& state, View& view); // after the room
void presentAccessible(const GameState& state, View& view);

} // namespace lampen
