// The verbs of the game: the group, the task on the current circuit, panels and sliders.
// The editor's verbs are in GameEditor.cpp.

#include "Game.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace lampen {

// ---- start-up and the group ------------------------------------------------------------------

void Game::start() {
    s_.files.rememberFile(std::string(kBuiltInName));
    loadBuiltInGroup();
    loadCircuit();
    redrawn();
}

void Game::loadBuiltInGroup() {
    s_.count = ShownNumber::plain(kBuiltInCount);
    s_.fileName = std::string(kBuiltInName);
    s_.group.loadBuiltIn();
}

void Game::takeGroup(const std::vector<std::string>& lines) {
    int n = 0;
    for (const std::string& line : lines)
        s_.group.setSlot(++n, line); // at most 200 lines, so always within the slots
    s_.count = ShownNumber::counted(n);
}

void Game::goTo(ShownNumber number) {
    s_.current = number;
    loadCircuit();
    redrawn();
}

void Game::stepForward() {
    const int n = s_.count.value;
    const int c = s_.current.value;
    goTo(n > c ? ShownNumber::counted(c + 1) : ShownNumber::plain(1));
}

void Game::stepBack() {
    const int c = s_.current.value;
    // Before the first circuit comes the last, written exactly as the count stands; an empty
    // group has only circuit 1.
    if (c > 1)
        goTo(ShownNumber::counted(c - 1));
    else
        goTo(s_.count.value >= 1 ? s_.count : ShownNumber::plain(1));
}

std::optional<std::vector<std::string>> Game::linesToSave() const {
    const int n = s_.count.value;
    if (n < 0 || n > kMaxCircuits)
        return std::nullopt; // a count outside the group cannot be written
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        lines.push_back(s_.group.slot(i));
    return lines;
}

void Game::loadCircuit() {
    s_.presses = ShownNumber::plain(0);
    s_.lit = 0;
    // A current number outside the group's slots reads as an empty code: one unwired lamp.
    const std::string& code = s_.group.slot(s_.current.value);
    s_.maxIndex = readMaxIndex(code);
    s_.matchBarShown = false;
    s_.fullTargetNext = true;
    readWiring(code, s_.maxIndex, s_.wiring);
    drawTarget();
    showSelectedWiring();
}

void Game::storeCircuit() {
    // Never written outside the group's slots.
    s_.group.setSlot(s_.current.value, writeCode(s_.maxIndex, s_.wiring));
}

// ---- the task --------------------------------------------------------------------------------

PressResult Game::press(int s) {
    if (s < 0 || s > s_.maxIndex)
        return PressResult::Pressed; // only the circuit's switches exist
    s_.lastSwitch = s;
    s_.presses = plus(s_.presses, 1);
    s_.matchCount = 0;
    PressResult result = PressResult::Pressed;
    if (s_.editMode()) {
        s_.selectedSwitch = s;
        showSelectedWiring();
    } else {
        if (!s_.workStarted)
            s_.counters.tasksWorked = plus(s_.counters.tasksWorked, 1);
        s_.workStarted = true;
        for (int l = 0; l <= s_.maxIndex; ++l)
            if (s_.wiring(s, l) == 1)
                s_.lit ^= 1u << l;
        countMatches();
        s_.matchBarShown = true;

        const int presses = s_.presses.value;
        const bool solved = s_.matchCount == s_.maxIndex + 1;
        if (solved && presses == s_.analysis.minPresses) {
            s_.outcome = Outcome::SolvedShortest;
            if (!s_.solutionShown)
                s_.counters.shortestFound = plus(s_.counters.shortestFound, 1);
            result = PressResult::SolvedShortest;
        }
        if (solved && presses > s_.analysis.minPresses) {
            s_.outcome = Outcome::SolvedLonger;
            s_.counters.longerFound = plus(s_.counters.longerFound, 1);
            result = PressResult::SolvedLonger;
        }
    }
    s_.workStarted = true;
    redrawn();
    return result;
}

void Game::darken() {
    s_.outcome = Outcome::Open;
    s_.lit = 0;
    s_.matchBarShown = false; // the bar goes; the count it showed stays
    redrawn();
}

void Game::newTask() {
    if (s_.editMode())
        return;
    s_.matchCount = 0;
    drawTarget();
    s_.lit = 0;
    redrawn();
    countMatches();
    s_.matchBarShown = true;
}

void Game::drawTarget() {
    restartRechenweg();
    s_.solutionShown = false;
    s_.presses = ShownNumber::plain(0);
    s_.outcome = Outcome::Open;
    s_.target = 0;

    const int lamps = s_.maxIndex + 1;
    // A generator that strays outside [0, 1) must not pick a lamp outside the circuit.
    auto draw = [&] {
        const double r = random_.next();
        const double clamped = (r >= 0 && r < 1) ? r : 0.0;
        return std::min(lamps - 1, static_cast<int>(std::floor(lamps * clamped)));
    };
    random_.seedFromClock();
    int wanted = 1 + draw();
    if (s_.editMode() || s_.fullTargetNext)
        wanted = lamps;
    s_.fullTargetNext = false;
    // Drawing until enough distinct lamps came up makes every set of that size equally likely.
    // The bound only matters for a broken generator: then the first free lamps complete it.
    for (int tries = 0; std::popcount(s_.target) < wanted && tries < 100000; ++tries)
        s_.target |= 1u << draw();
    for (int l = 0; std::popcount(s_.target) < wanted && l < lamps; ++l)
        s_.target |= 1u << l;
    analyseTarget();
    s_.workStarted = false;
}

void Game::setTarget(unsigned lamps) {
    s_.target = lamps & ((1u << kLampCount) - 1);
    restartRechenweg();
    analyseTarget();
}

void Game::analyseTarget() {
    s_.generalAssessed = false;
    s_.allPatternAnswer = {};
    s_.analysis = analyse(s_.maxIndex, s_.wiring, s_.target);
}

void Game::countMatches() {
    const unsigned agree = ~(s_.lit ^ s_.target) & s_.circuitLamps();
    s_.matchCount = std::popcount(agree);
}

void Game::showSolutions() {
    hidePanels();
    s_.panels.solutions = true;
    s_.solutionsShown = s_.analysis.solutionText;
    noteSolutionAsked();
}

void Game::noteSolutionAsked() {
    s_.solutionShown = true;
    s_.counters.solutionsAsked = plus(s_.counters.solutionsAsked, 1);
    s_.workStarted = true;
}

AnswerResult Game::answerSolvable(int option) {
    s_.solvableAnswer = {option == 0, option == 1};
    if (s_.workStarted) {
        s_.solvableAnswer = {};
        return AnswerResult::TooLate;
    }
    const bool right = s_.analysis.targetSolvable == (option == 1);
    s_.counters.solvabilityPoints = plus(s_.counters.solvabilityPoints, right ? 1 : -1);
    s_.workStarted = true;
    return right ? AnswerResult::Right : AnswerResult::Wrong;
}

bool Game::chooseAllPatterns(int option) {
    s_.allPatternAnswer = {option == 0, option == 1};
    return !s_.generalAssessed;
}

void Game::scoreAnalysis(int points) {
    s_.counters.analysisPoints = plus(s_.counters.analysisPoints, points);
}

// ---- panels, room and sliders ------------------------------------------------------------------

void Game::hidePanels() {
    if (s_.editMode())
        endEditing();
    s_.panels.solutions = false;
    s_.panels.explanation = {false, false};
    s_.panels.matrix = false;
    s_.panels.rechenweg = false;
}

void Game::showHelp(int which) {
    hidePanels();
    s_.panels.explanation[which == 0 ? 0 : 1] = true;
}

void Game::hideHelp(int which) {
    s_.panels.explanation[which == 0 ? 0 : 1] = false;
}

void Game::showMatrix() {
    // In edit mode the matrix goes under the editor frame, else under the solutions' title.
    s_.panels.matrixPlace = s_.editMode() ? MatrixPlace::UnderEditor : MatrixPlace::UnderSolutions;
    s_.panels.matrix = true;
}

void Game::setSlider(int Sliders::*slider, const SliderRange& range, int value) {
    s_.sliders.*slider = std::clamp(value, range.min, range.max);
    redrawn();
}

} // namespace lampen
