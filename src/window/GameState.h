#pragma once
// The whole state of the window as typed facts: the one truth that every verb changes and that
// the presentation step turns into texts, colours and drawings. Nothing here is a caption, a
// number text or a colour that anybody reads back.

#include "Analysis.h"
#include "FileList.h"
#include "Ring.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <array>
#include <optional>
#include <string>

namespace lampen {

inline constexpr int kLampCount = 10; // control arrays 0..9

// A number as its box shows it. Some steps write plain digits ("1", "19", "0"), others the
// number with the blank of a sign (" 2"); which one is part of what the window shows.
struct ShownNumber {
    int value = 0;
    bool signBlank = false;

    static constexpr ShownNumber plain(int v) { return {v, false}; }
    static constexpr ShownNumber counted(int v) { return {v, true}; }
    friend constexpr bool operator==(ShownNumber, ShownNumber) = default;
};

// The six counters of the success statistics, in the order of their boxes.
struct Counters {
    ShownNumber tasksWorked;       // "Bearbeitete Aufgaben"
    ShownNumber shortestFound;     // "Kürzeste Lösung gefunden"
    ShownNumber longerFound;       // "Längere Lösung gefunden"
    ShownNumber solutionsAsked;    // "Lösungsweg erfragt"
    ShownNumber solvabilityPoints; // "(Un-) Lösbarkeit erkannt"
    ShownNumber analysisPoints;    // "Analysepunkte"
    friend bool operator==(const Counters&, const Counters&) = default;
};

// What the output line says about the task.
enum class Outcome { Open, SolvedShortest, SolvedLonger };

// Where the matrix view stands: its design place, or where "zeigen" put it last (under the
// editor in edit mode, else under the solution panel's title). A layout pass puts it back.
enum class MatrixPlace { Design, UnderEditor, UnderSolutions };

// The panels of the right-hand area and the matrix view above them. Edit mode is exactly
// "the editor is shown".
struct Panels {
    bool editor = false;
    bool solutions = false;
    bool matrix = false;
    std::array<bool, 2> explanation{true, false}; // "Hilfe zur Bedienung", "Mathematisches"
    bool rechenweg = false;
    MatrixPlace matrixPlace = MatrixPlace::Design;
    friend bool operator==(const Panels&, const Panels&) = default;
};

// The four sliders below the room, as the slider positions.
struct Sliders {
    int lampAngle = 0;                                            // hundredths of a radian, 0..628
    int lampRadius = static_cast<int>(kStartLampRadius * 10);     // tenths of a room unit, 10..90
    int switchAngle = 0;                                          // 0..628
    int switchRadius = static_cast<int>(kStartSwitchRadius * 10); // 10..90
    friend bool operator==(const Sliders&, const Sliders&) = default;
};

struct SliderRange {
    int min, max, singleStep, pageStep;
};
inline constexpr SliderRange kAngleRange{0, 628, 5, 50};
inline constexpr SliderRange kRadiusRange{10, 90, 1, 10};

struct GameState {
    // The group and where the window stands in it.
    Schaltgruppe group;
    ShownNumber count = ShownNumber::plain(2);   // circuits in the group
    ShownNumber current = ShownNumber::plain(1); // the current circuit's number
    std::string fileName;                        // the group's file, as opened or saved
    FileList files;                              // the list box: files used, and its text

    // The current circuit.
    Verbindungsmatrix wiring;
    int maxIndex = 0; // k: lamps and switches 0..k

    // The task on it.
    unsigned lit = 0;    // bit l: lamp l is on
    unsigned target = 0; // bit l: lamp l belongs to the target
    Analysis analysis;   // of the target against the wiring
    ShownNumber presses = ShownNumber::plain(0);
    Outcome outcome = Outcome::Open;
    int lastSwitch = 0;         // the switch pressed last; its matrix row gets a frame
    bool workStarted = false;   // a press, a report or a question has begun the task
    bool solutionShown = false; // the solution paths were asked for on this task
    bool generalAssessed = false;
    bool fullTargetNext = false;            // the next target is every lamp
    int matchCount = 0;                     // lamps agreeing with the target, as counted last
    bool matchBarShown = false;             // the bar shows that count, or was cleared since
    std::string solutionsShown;             // the solution text as it was asked for
    std::array<bool, 2> solvableAnswer{};   // "falsch", "richtig" of the solvability question
    std::array<bool, 2> allPatternAnswer{}; // "richtig", "falsch" of the general question
    int rechenwegSteps = 0; // row operations the Rechenweg shows after its start matrix

    // The editor and the room.
    std::optional<int> selectedSwitch; // the switch whose wiring the editor shows
    std::optional<int> hoverSwitch;    // the switch under the mouse: its wires stand out
    Sliders sliders;
    Panels panels;

    Counters counters;
    bool closeRequested = false;

    bool editMode() const { return panels.editor; }
    unsigned circuitLamps() const { return (1u << (maxIndex + 1)) - 1; }
};

} // namespace lampen
