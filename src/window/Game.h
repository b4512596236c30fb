#pragma once
// The rules: every change of the window's state is one of these verbs. They read no texts and
// show no boxes; where a box depends on what happened, the verb says so in its result and the
// window's handler shows it.

#include "GameState.h"
#include "Random.h"
#include "Tip.h"

#include <string>
#include <vector>

namespace lampen {

inline constexpr const char* kNewCircuitCode = "2*100*010*001*";

// What a press in play mode did to the task.
enum class PressResult { Pressed, SolvedShortest, SolvedLonger };
enum class InsertResult { Inserted, GroupFull, OutsideSlots };
enum class AnswerResult { TooLate, Right, Wrong };

class Game {
public:
    explicit Game(Random& random) : random_(random) {}

    const GameState& state() const { return s_; }

    // ---- start-up and the group ------------------------------------------------------------
    // The built-in group, its first circuit with every lamp as the target.
    void start();
    void loadBuiltInGroup();
    // Slots 1..n from the lines of a group read completely (at most 200).
    void takeGroup(const std::vector<std::string>& lines);
    // The circuit of the given number becomes current with a fresh task of every lamp. A number
    // outside the group's slots is an empty circuit of one unwired lamp.
    void goTo(ShownNumber number);
    void stepForward();
    void stepBack();
    // The number typed into the box of the current number or of the count, taken as it is.
    void setCurrent(ShownNumber number) { s_.current = number; }
    void setCount(ShownNumber number) { s_.count = number; }
    // The group's lines 1..count for saving, or nothing when the count is outside 0..200.
    std::optional<std::vector<std::string>> linesToSave() const;

    void setFileName(std::string name) { s_.fileName = std::move(name); }
    void rememberFile(const std::string& name) { s_.files.rememberFile(name); }
    void forgetFile(const std::string& name) { s_.files.remove(name); }
    void setFileListText(std::string text) { s_.files.setText(std::move(text)); }

    // ---- the task ----------------------------------------------------------------------------
    // A press of switch s in play mode: counts, toggles, judges. In edit mode it selects s.
    PressResult press(int s);
    void darken();  // "Hauptschalter" in play mode
    void newTask(); // "neue Zielvorgabe": a new target, all lamps off, the bar counted
    void setTarget(unsigned lamps); // exactly these lamps, analysed as a drawn target is
    void noteWorkStarted() { s_.workStarted = true; }
    void showSolutions();
    void hideSolutions() { s_.panels.solutions = false; }
    AnswerResult answerSolvable(int option);
    // The general question: marks the option; false when the circuit was assessed already.
    bool chooseAllPatterns(int option);
    void scoreAnalysis(int points);
    void finishAssessment() { s_.generalAssessed = true; }
    void clearCounters() { s_.counters = {}; }

    // ---- teaching: the tip and the Rechenweg (GameTeaching.cpp) ------------------------------
    // The next switch towards the target from the lamps as they are; asked like the solutions.
    Tip tip();
    void showRechenweg(); // the panel at "Schritt 0"; asked like the solutions
    void hideRechenweg() { s_.panels.rechenweg = false; }
    void nextStep();
    void allSteps();

    // ---- the editor --------------------------------------------------------------------------
    void enterEditMode();
    void leaveEditMode(); // "fertig": back to play with a new target of every lamp
    void unwireAll();
    void toggleWire(int lamp);
    InsertResult insertCircuit(int where); // 0 before the current circuit, 1 after it
    void removeCircuit();
    void addLamp();
    void removeLamp();

    // ---- panels, room and sliders ------------------------------------------------------------
    void showHelp(int which); // 0 "Hilfe zur Bedienung", 1 "Mathematisches"
    void hideHelp(int which);
    void showMatrix();
    void hideMatrix() { s_.panels.matrix = false; }
    void resetMatrixPlace() { s_.panels.matrixPlace = MatrixPlace::Design; }
    void setLampAngle(int value) { setSlider(&Sliders::lampAngle, kAngleRange, value); }
    void setLampRadius(int value) { setSlider(&Sliders::lampRadius, kRadiusRange, value); }
    void setSwitchAngle(int value) { setSlider(&Sliders::switchAngle, kAngleRange, value); }
    void setSwitchRadius(int value) { setSlider(&Sliders::switchRadius, kRadiusRange, value); }
    void hover(std::optional<int> s) { s_.hoverSwitch = s; }
    void requestClose() { s_.closeRequested = true; }

private:
    // A slider's position, kept within its range; the room follows it.
    void setSlider(int Sliders::*slider, const SliderRange& range, int value);
    void loadCircuit();
    void storeCircuit();
    // Edit mode ends by any way: the analysis follows the wiring as it is now, and the task
    // starts again on the same target with every lamp dark.
    void endEditing();
    // In edit mode the lamps show the wiring of the selected switch; a selection beyond the
    // circuit's last switch is dropped.
    void showSelectedWiring();
    void drawTarget();
    void analyseTarget();
    void countMatches();
    void hidePanels();
    // The solution paths, a tip or the Rechenweg were asked for: no point for a shortest success.
    void noteSolutionAsked();
    // A new task or wiring: the Rechenweg starts again at its start matrix.
    void restartRechenweg() { s_.rechenwegSteps = 0; }
    int rechenwegStepCount() const;
    // Redrawing the room unchecks the solvability answer.
    void redrawn() { s_.solvableAnswer = {}; }
    static ShownNumber plus(ShownNumber n, int d) { return ShownNumber::counted(n.value + d); }

    GameState s_;
    Random& random_;
};

} // namespace lampen
