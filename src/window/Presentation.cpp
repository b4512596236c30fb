#include "Presentation.h"

#include "NumText.h"

namespace lampen {

namespace {

constexpr const char* kNoSwitchSelected = "Text4"; // the hidden box's design text

std::string outputText(const GameState& s) {
    switch (s.outcome) {
    case Outcome::SolvedShortest:
        return "Gelöst mit minimaler Schaltzahl!";
    case Outcome::SolvedLonger:
        return "Gelöst, aber es geht besser (mit nur" + numText(s.analysis.minPresses) +
               " Klicks).";
    case Outcome::Open:
        break;
    }
    return texts::task;
}

double matrixTop(const Panels& p, const Layout& layout) {
    switch (p.matrixPlace) {
    case MatrixPlace::UnderEditor:
        return layout.matrixUnderEditor;
    case MatrixPlace::UnderSolutions:
        return layout.matrixUnderSolutions;
    case MatrixPlace::Design:
        break;
    }
    return layout.matrixDesignTop;
}

void presentTexts(const GameState& s, View& v) {
    v.txtKlicks = shownText(s.presses);
    v.txtAusgabe = outputText(s);
    v.txtAktuell = shownText(s.current);
    v.txtAnzahl = shownText(s.count);
    v.txtSchalter = s.selectedSwitch ? numText(*s.selectedSwitch) : kNoSwitchSelected;
    v.txtWege = s.solutionsShown;
    const Counters& c = s.counters;
    v.txtStatistik = {shownText(c.tasksWorked),       shownText(c.shortestFound),
                      shownText(c.longerFound),       shownText(c.solutionsAsked),
                      shownText(c.solvabilityPoints), shownText(c.analysisPoints)};
    v.cmdAddSchaltung = {"Nummer " + v.txtAktuell, "Nummer " + numText(s.current.value + 1)};
    v.cmdLoeSchaltung = "Schaltung " + v.txtAktuell + "  entfernen";
    const bool solved = s.outcome != Outcome::Open;
    v.txtAusgabeBack = solved ? colour::yellow : colour::white;
    v.shpDonlampFill = solved ? colour::yellow : colour::darkBlue;
}

void presentBar(const GameState& s, View& v) {
    if (!s.matchBarShown)
        return;
    const double f = static_cast<double>(s.matchCount) / (s.maxIndex + 1);
    v.picProzent.filledBox(0, 1 - f, 1, 1, colour::darkBlue);
}

} // namespace

std::string shownText(ShownNumber n) {
    return n.signBlank ? numText(n.value) : std::to_string(n.value);
}

double matrixLineUnits(const Layout& layout, double lineTwips) {
    if (!(layout.matrixHeight > 0))
        return 0;
    return lineTwips * (kMatrixScale.bottom - kMatrixScale.top) / layout.matrixHeight;
}

View present(const GameState& state, const Layout& layout, double matrixLine) {
    View v;
    presentTexts(state, v);
    presentRoom(state, layout, v);
    presentBar(state, v);
    const Panels& p = state.panels;
    // A hidden matrix view is built when it opens: most events never show it.
    if (p.matrix)
        presentMatrix(state, layout, matrixLine, v);
    v.panels = {p.editor, p.solutions, p.matrix, p.explanation, matrixTop(p, layout), p.rechenweg};
    presentRechenweg(state, v);
    v.optLoesbar = state.solvableAnswer;
    v.Option1 = state.allPatternAnswer;
    v.sliders = state.sliders;
    v.cboDatei = state.files;
    presentAccessible(state, v);
    return v;
}

} // namespace lampen
