#include "Lampen.h"

#include "NumText.h"
#include "Texts.h"

#include <cmath>

namespace lampen {

namespace {

constexpr const char* kCommentTitle = "Kommentar";
constexpr const char* kExtraQuestionTitle = "Zusatzfrage";
constexpr const char* kWarningTitle = "Achtung";

// A number typed into a box: read leniently, kept within what a whole number can hold, and
// remembered with the blank of a sign when it was typed with one.
ShownNumber typedNumber(const std::string& text) {
    constexpr double kLimit = 1e9;
    const double v = std::floor(numValue(text));
    const double kept = std::isfinite(v) ? std::fmax(-kLimit, std::fmin(kLimit, v)) : 0;
    return {static_cast<int>(kept), !text.empty() && text.front() == ' '};
}

} // namespace

Lampen::Lampen(Dialogs& dialogs, Random& random, TextMetrics& metrics)
    : dialogs_(dialogs), metrics_(metrics), game_(random) {}

View Lampen::view() const {
    const double line = matrixLineUnits(layout_, metrics_.lineHeightTwips(layout_.matrixFont));
    return present(game_.state(), layout_, line);
}

// ---- start-up and layout ---------------------------------------------------------------------

void Lampen::Form_Load(double screenWidthTwips, double screenHeightTwips) {
    screenWidthTwips_ = screenWidthTwips;
    screenHeightTwips_ = screenHeightTwips;
    layout_ = layoutWindow(screenWidthTwips, screenHeightTwips);
    game_.start();
}

void Lampen::Form_Resize() {
    layout_ = layoutWindow(screenWidthTwips_, screenHeightTwips_);
    game_.resetMatrixPlace(); // the pass puts the matrix view back in its design place
}

// ---- boxes the user types into -----------------------------------------------------------------

void Lampen::txtAktuell_Change(const std::string& text) {
    game_.setCurrent(typedNumber(text));
}

void Lampen::txtAnzahl_Change(const std::string& text) {
    game_.setCount(typedNumber(text));
}

void Lampen::cboDatei_Change(const std::string& text) {
    game_.setFileListText(text);
}

// ---- the room ----------------------------------------------------------------------------------

void Lampen::cmdSchalter_Click(int index) {
    const bool noPoint = game_.press(index) == PressResult::SolvedShortest && state().solutionShown;
    if (noPoint)
        dialogs_.message("Diese Lösung wurde nicht selbständig gefunden.\r\n"
                         "Daher gibt es auch keinen Punkt.",
                         Icon::Critical, kCommentTitle);
}

void Lampen::cmdLampenaus_Click() {
    if (state().editMode())
        game_.unwireAll();
    else
        game_.darken();
}

// ---- analysis and questions --------------------------------------------------------------------

void Lampen::cmdStatus_Click() {
    const Analysis& a = state().analysis;
    if (a.targetSolvable)
        dialogs_.message("Die Aufgabe ist lösbar. Man benötigt\n\rmindestens" +
                             numText(a.minPresses) + " Schaltvorgänge.",
                         Icon::Information, "Lösbarkeit");
    else
        dialogs_.message("Die Aufgabe ist nicht lösbar.", Icon::Exclamation, "Lösbarkeit");
    game_.noteWorkStarted();
}

void Lampen::cmdWege_Click() {
    if (state().editMode()) {
        dialogs_.message("Bitte erst den Bearbeitungsmodus beenden.", Icon::Information,
                         kWarningTitle);
        return;
    }
    game_.showSolutions();
}

void Lampen::cmdInfofenster_Click(int index) {
    if (index == 0)
        game_.hideSolutions();
    else if (index == 1)
        cmdWege_Click();
}

void Lampen::optLoesbar_Click(int index) {
    if (index != 0 && index != 1)
        return;
    switch (game_.answerSolvable(index)) {
    case AnswerResult::TooLate:
        dialogs_.message("Dieser Tip muß vor Beginn der Bearbeitung\r\n"
                         "dieser Aufgabe abgegeben werden!",
                         Icon::Critical, kCommentTitle);
        break;
    case AnswerResult::Right:
        dialogs_.message("Das ist richtig!", Icon::Exclamation, kCommentTitle);
        break;
    case AnswerResult::Wrong:
        dialogs_.message("Das ist falsch!\r\nSie erhalten einen Minuspunkt.", Icon::Critical,
                         kCommentTitle);
        break;
    }
}

double Lampen::askPatternCount(const char* question) {
    return numValue(dialogs_.input(std::string("Wieviele Leuchtmuster (ohne >alles aus<)\r\n") +
                                       question + "\r\n(Bitte Anzahl eingeben)",
                                   kExtraQuestionTitle));
}

void Lampen::Option1_Click(int index) {
    if (index != 0 && index != 1)
        return;
    if (!game_.chooseAllPatterns(index)) {
        dialogs_.message("Diese Schaltung wurde schon bewertet.", Icon::Critical, kCommentTitle);
        return;
    }
    const Analysis& a = state().analysis;
    auto tell = [&](const std::string& text, int points) {
        dialogs_.message(text, Icon::Exclamation, kCommentTitle);
        game_.scoreAnalysis(points);
    };
    if (a.allPatternsProducible == (index == 0)) {
        tell("Gut, die Antwort ist richtig!\r\nSie erhalten einen Analysepunkt.", 1);
        if (askPatternCount("gibt es überhaupt insgesamt?") == a.patternCount)
            tell("Sehr gut, auch diese Antwort ist richtig!\r\n"
                 "Sie erhalten einen weiteren Analysepunkte!",
                 1);
        else
            tell("Das ist leider falsch.\r\n" + numText(a.patternCount) +
                     " Leuchtmuster gibt es insgesamt.\r\nSie erhalten einen Minuspunkt",
                 -1);
        if (!a.allPatternsProducible) {
            if (askPatternCount("sind denn insgesamt herstellbar?") == a.producibleCount)
                tell("Sehr gut, auch diese Antwort ist richtig!\r\nSie erhalten 2 Analysepunkte!",
                     2);
            else
                tell("Das ist leider falsch.\r\n" + numText(a.producibleCount) +
                         " Leuchtmuster sind schaltbar.\r\nSie erhalten einen Minuspunkt!",
                     -1);
        }
    } else {
        dialogs_.message("Diese Antwort ist leider falsch!\r\nSie erhalten einen Minuspunkt.",
                         Icon::Critical, kCommentTitle);
        game_.scoreAnalysis(-1);
        if (askPatternCount("gibt es denn überhaupt insgesamt?") == a.patternCount)
            tell("Sehr gut, diese Antwort ist allerdings richtig!\r\n"
                 "Sie erhalten einen positiven Analysepunkte!",
                 1);
        else
            tell("Das ist leider auch falsch.\r\n" + numText(a.patternCount) +
                     " Leuchtmuster gibt es insgesamt.\r\nSie erhalten einen weiteren "
                     "Minuspunkt!",
                 -1);
    }
    game_.finishAssessment();
}

// ---- editor ------------------------------------------------------------------------------------

void Lampen::cmdHinzufuegen_Click() {
    // A refused insert was explained to the user; the mode then stays as it was.
    if (insertCircuit(0))
        game_.enterEditMode();
}

void Lampen::cmdAddSchaltung_Click(int index) {
    if (index == 0 || index == 1)
        insertCircuit(index);
}

bool Lampen::insertCircuit(int where) {
    switch (game_.insertCircuit(where)) {
    case InsertResult::Inserted:
        return true;
    case InsertResult::GroupFull:
        dialogs_.message("Die Schaltgruppe ist voll: mehr als 200 Schaltungen sind nicht möglich.",
                         Icon::Exclamation, kWarningTitle);
        return false;
    case InsertResult::OutsideSlots:
        dialogs_.message("Hier kann keine Schaltung eingefügt werden: sie läge außerhalb der 200 "
                         "Plätze der Schaltgruppe.",
                         Icon::Exclamation, kWarningTitle);
        return false;
    }
    return false;
}

// ---- panels ------------------------------------------------------------------------------------

void Lampen::cmdAusKB_Click(int index) {
    if (index == 0 || index == 1)
        game_.hideHelp(index);
}

void Lampen::cmdCopy_Click() {
    dialogs_.message(texts::credit(), Icon::Information, std::string(texts::creditTitle));
}

} // namespace lampen
