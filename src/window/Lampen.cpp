#include "Lampen.h"

#include "NumText.h"
#include "Texts.h"

#include <algorithm>
#include <cmath>

namespace lampen {

namespace {

constexpr const char* kCommentTitle = "Kommentar";
constexpr const char* kExtraQuestionTitle = "Zusatzfrage";

// Room units of the lamps and of the switch and lamp buttons: design twips times 2/625
// horizontally and 2/613 vertically.
constexpr double kRoomX = 2.0 / 625.0;
constexpr double kRoomY = 2.0 / 613.0;

} // namespace

Lampen::Lampen(Dialogs& dialogs, Random& random, TextMetrics& metrics)
    : dialogs_(dialogs), random_(random), metrics_(metrics) {}

// ---- start-up and layout ---------------------------------------------------------------------

void Lampen::Form_Load(double screenWidthTwips, double screenHeightTwips) {
    layoutWindow(screenWidthTwips, screenHeightTwips);
    taskText = text::task;
    picProzent.setScale(0, 0, 1, 1);
    switchRadius = 3;
    lampRadius = 7.0;
    for (auto& lamp : shpLampe)
        lamp.on = false;
    visible.lblAendern = false;
    visible.picMatrix = false;
    visible.txtSchalter = false;
    visible.lblErklaerung[1] = false;
    visible.lblWege = false;
    cboDatei.rememberFile(std::string(kBuiltInName));
    lampColour[1] = colour::darkBlue;
    lampColour[2] = colour::yellow;
    borderColour[0] = colour::black;
    borderColour[1] = colour::yellow;
    shpDonlampFill = lampColour[1];
    loadDefaultGroup();
    loadCircuit();
    refreshView();
    txtAktuell_Change();
}

void Lampen::Form_Resize() {
    layoutWindow(screenWidthTwips_, screenHeightTwips_);
}

void Lampen::layoutWindow(double screenWidthTwips, double screenHeightTwips) {
    screenWidthTwips_ = screenWidthTwips;
    screenHeightTwips_ = screenHeightTwips;
    layout_ = lampen::layoutWindow(screenWidthTwips, screenHeightTwips);
    layoutScale = layout_.layoutScale;

    const Placement* matrix = layout_.find("picMatrix");
    picMatrixTop = (matrix && matrix->top) ? *matrix->top : 1000 * layout_.yScale;
    picMatrix.setScale(-15, -15, 120, 140);
    for (auto* b : {&cmdMHaupt, &cmdMvorige, &cmdMnaechste})
        b->height = 10;
    cmdMHaupt.width = 30;
    cmdMvorige.width = cmdMnaechste.width = 20;
    for (int i = 0; i < kLampCount; ++i) {
        const auto u = static_cast<std::size_t>(i);
        cmdMSchalter[u].width = cmdMSchalter[u].height = 10;
        cmdMLampe[u].width = cmdMLampe[u].height = 10;
    }

    picRaum.setScale(-10, -10, 10, 10);
    for (int i = 0; i < kLampCount; ++i) {
        const auto u = static_cast<std::size_t>(i);
        shpLampe[u].width = 612 * kRoomX;
        shpLampe[u].height = 612 * kRoomY;
        cmdLampe[u].width = cmdSchalter[u].width = 372 * kRoomX;
        cmdLampe[u].height = cmdSchalter[u].height = 372 * kRoomY;
        cmdSchalter[u].fontSize = 8 * layoutScale;
    }
}

// ---- circuit model -----------------------------------------------------------------------------

void Lampen::loadDefaultGroup() {
    txtAnzahl = "19";
    fileName = std::string(kBuiltInName);
    schaltgruppe.loadBuiltIn();
}

void Lampen::loadCircuit() {
    txtKlicks = "0";
    currentNr = numValue(txtAktuell_);
    for (auto& lamp : shpLampe)
        lamp.on = false;
    // A current number outside the group's slots reads as an empty code: one unwired lamp.
    const auto slotNr = indexWithin(currentNr, 0, kSlotCount - 1);
    const std::string& code = slotNr ? schaltgruppe.slot(*slotNr) : std::string();
    maxIndex = readMaxIndex(code);
    picProzent.cls();
    fullTargetNext = true;
    readWiring(code, maxIndex, verbindungsmatrix);
    newTarget();
}

void Lampen::storeCircuit() {
    currentNr = numValue(txtAktuell_);
    // Never written outside the group's slots.
    if (const auto slotNr = indexWithin(currentNr, 0, kSlotCount - 1))
        schaltgruppe.setSlot(*slotNr, writeCode(maxIndex, verbindungsmatrix));
}

void Lampen::refreshView() {
    optLoesbar = {false, false};
    placeLamps();
    placeSwitches();
    drawWiring();
}

void Lampen::setTxtAktuell(std::string t) {
    txtAktuell_ = std::move(t);
    txtAktuell_Change();
}

void Lampen::txtAktuell_Change() {
    const std::string& t = txtAktuell_;
    cmdAddSchaltungCaption[0] = "Nummer " + t;
    cmdAddSchaltungCaption[1] = "Nummer " + numText(numValue(t) + 1);
    cmdLoeSchaltungCaption = "Schaltung " + t + "  entfernen";
}

void Lampen::setTxtAusgabe(std::string t) {
    txtAusgabe_ = std::move(t);
    txtAusgabe_Change();
}

void Lampen::txtAusgabe_Change() {
    shpDonlampFill = txtAusgabe_ != taskText ? lampColour[2] : lampColour[1];
}

// ---- presses and success -------------------------------------------------------------------

void Lampen::cmdSchalter_Click(int index) {
    // Only the switches of the circuit exist on screen; anything else is not a press.
    if (index < 0 || index > maxIndex)
        return;
    const auto s = static_cast<std::size_t>(index);
    lastSwitch = index;
    txtKlicks = changeCounter(txtKlicks, 1);
    matchCount = 0;

    if (editMode()) {
        // The lamps show the wiring of the selected switch, whose caption stands out.
        for (int l = 0; l <= maxIndex; ++l) {
            const auto u = static_cast<std::size_t>(l);
            cmdSchalter[u].fontSize = 8 * layoutScale;
            shpLampe[u].on = verbindungsmatrix(index, l) == 1;
        }
        cmdSchalter[s].fontSize = 10 * layoutScale;
        txtSchalter = numText(index);
    } else {
        if (!workStarted)
            addStatistic(0, 1);
        workStarted = true;
        for (int l = 0; l <= maxIndex; ++l)
            if (verbindungsmatrix(index, l) == 1)
                shpLampe[static_cast<std::size_t>(l)].on ^= true;
        countMatches();
        drawMatchBar();

        const double presses = numValue(txtKlicks);
        const bool solved = matchCount == maxIndex + 1;
        if (solved && presses == analysis.minPresses) {
            txtAusgabeBackColour = lampColour[2];
            setTxtAusgabe("Gelöst mit minimaler Schaltzahl!");
            if (!solutionShown)
                addStatistic(1, 1);
            else
                dialogs_.message("Diese Lösung wurde nicht selbständig gefunden.\r\n"
                                 "Daher gibt es auch keinen Punkt.",
                                 Icon::Critical, kCommentTitle);
        }
        if (solved && presses > analysis.minPresses) {
            txtAusgabeBackColour = lampColour[2];
            setTxtAusgabe("Gelöst, aber es geht besser (mit nur" + numText(analysis.minPresses) +
                          " Klicks).");
            addStatistic(2, 1);
        }
    }
    workStarted = true;
    refreshView();
}

void Lampen::cmdLampenaus_Click() {
    if (editMode()) {
        for (int s = 0; s <= kMaxIndex; ++s)
            for (int l = 0; l <= kMaxIndex; ++l)
                verbindungsmatrix(s, l) = 0;
        refreshView();
        storeCircuit();
        return;
    }
    setTxtAusgabe(taskText);
    txtAusgabeBackColour = colour::white;
    for (auto& lamp : shpLampe) {
        lamp.on = false;
        lamp.fill = lampColour[1];
    }
    picProzent.cls();
    refreshView();
}

// ---- navigation ------------------------------------------------------------------------------

void Lampen::cmdNaechstes_Click() {
    const double n = numValue(txtAnzahl);
    const double c = numValue(txtAktuell_);
    setTxtAktuell(n > c ? numText(c + 1) : "1");
    loadCircuit();
    refreshView();
}

void Lampen::cmdVoriges_Click() {
    const double c = numValue(txtAktuell_);
    setTxtAktuell(c > 1 ? numText(c - 1) : txtAnzahl);
    loadCircuit();
    refreshView();
}

// ---- targets and analysis ------------------------------------------------------------------

unsigned Lampen::targetMask() const {
    unsigned mask = 0;
    for (int l = 0; l <= maxIndex; ++l)
        if (shpLampe[static_cast<std::size_t>(l)].border == borderColour[1])
            mask |= 1u << l;
    return mask;
}

void Lampen::countMatches() {
    matchCount = 0;
    for (int l = 0; l <= maxIndex; ++l) {
        const LampShape& lamp = shpLampe[static_cast<std::size_t>(l)];
        if ((lamp.on && lamp.border == borderColour[1]) ||
            (!lamp.on && lamp.border == borderColour[0]))
            ++matchCount;
    }
}

void Lampen::cmdAufgabe_Click() {
    if (editMode())
        return;
    matchCount = 0;
    newTarget();
    for (auto& lamp : shpLampe)
        lamp.on = false;
    refreshView();
    countMatches();
    drawMatchBar();
}

void Lampen::newTarget() {
    solutionShown = false;
    txtKlicks = "0";
    setTxtAusgabe(taskText);
    txtAusgabeBackColour = colour::white;
    for (auto& lamp : shpLampe)
        lamp.border = borderColour[0];

    const int lamps = maxIndex + 1;
    // A generator that strays outside [0, 1) must not pick a lamp outside the circuit.
    auto draw = [&] {
        const double r = random_.next();
        const double clamped = (r >= 0 && r < 1) ? r : 0.0;
        return std::min(lamps - 1, static_cast<int>(std::floor(lamps * clamped)));
    };
    random_.seedFromClock();
    targetLampCount = 1 + draw();
    if (editMode())
        targetLampCount = lamps;
    if (fullTargetNext) {
        fullTargetNext = false;
        targetLampCount = lamps;
    }
    int chosen = 0;
    // Drawing until enough distinct lamps came up makes every set of that size equally likely.
    // The bound only matters for a broken generator: then the first free lamps complete it.
    for (int tries = 0; chosen < targetLampCount && tries < 100000; ++tries) {
        LampShape& lamp = shpLampe[static_cast<std::size_t>(draw())];
        if (lamp.border == borderColour[0]) {
            lamp.border = borderColour[1];
            ++chosen;
        }
    }
    for (int l = 0; chosen < targetLampCount && l < lamps; ++l) {
        LampShape& lamp = shpLampe[static_cast<std::size_t>(l)];
        if (lamp.border == borderColour[0]) {
            lamp.border = borderColour[1];
            ++chosen;
        }
    }
    analyseTarget();
    workStarted = false;
}

void Lampen::analyseTarget() {
    generalAssessed = false;
    Option1 = {false, false};
    analysis = analyse(maxIndex, verbindungsmatrix, targetMask());
}

void Lampen::cmdStatus_Click() {
    if (analysis.targetSolvable)
        dialogs_.message("Die Aufgabe ist lösbar. Man benötigt\n\rmindestens" +
                             numText(analysis.minPresses) + " Schaltvorgänge.",
                         Icon::Information, "Lösbarkeit");
    else
        dialogs_.message("Die Aufgabe ist nicht lösbar.", Icon::Exclamation, "Lösbarkeit");
    workStarted = true;
}

void Lampen::cmdWege_Click() {
    if (editMode()) {
        dialogs_.message("Bitte erst den Bearbeitungsmodus beenden.", Icon::Information, "Achtung");
        return;
    }
    solutionShown = true;
    hideInfoPanels();
    visible.lblWege = true;
    txtWege = analysis.solutionText;
    addStatistic(3, 1);
    workStarted = true;
}

void Lampen::cmdInfofenster_Click(int index) {
    if (index == 0)
        visible.lblWege = false;
    else if (index == 1)
        cmdWege_Click();
}

void Lampen::optLoesbar_Click(int index) {
    if (index != 0 && index != 1)
        return;
    optLoesbar = {false, false};
    optLoesbar[static_cast<std::size_t>(index)] = true;
    if (workStarted) {
        dialogs_.message("Dieser Tip muß vor Beginn der Bearbeitung\r\n"
                         "dieser Aufgabe abgegeben werden!",
                         Icon::Critical, kCommentTitle);
        optLoesbar = {false, false};
        return;
    }
    if (analysis.targetSolvable == (index == 1)) {
        addStatistic(4, 1);
        dialogs_.message("Das ist richtig!", Icon::Exclamation, kCommentTitle);
    } else {
        addStatistic(4, -1);
        dialogs_.message("Das ist falsch!\r\nSie erhalten einen Minuspunkt.", Icon::Critical,
                         kCommentTitle);
    }
    workStarted = true;
}

void Lampen::Option1_Click(int index) {
    if (index != 0 && index != 1)
        return;
    Option1 = {false, false};
    Option1[static_cast<std::size_t>(index)] = true;
    if (generalAssessed) {
        dialogs_.message("Diese Schaltung wurde schon bewertet.", Icon::Critical, kCommentTitle);
        return;
    }
    const bool all = analysis.allPatternsProducible;
    const bool saysAll = index == 0;
    auto reply = [&](const char* question) {
        return numValue(dialogs_.input(std::string("Wieviele Leuchtmuster (ohne >alles aus<)\r\n") +
                                           question + "\r\n(Bitte Anzahl eingeben)",
                                       kExtraQuestionTitle));
    };
    auto tell = [&](const std::string& text) {
        dialogs_.message(text, Icon::Exclamation, kCommentTitle);
    };
    if (all == saysAll) {
        tell("Gut, die Antwort ist richtig!\r\nSie erhalten einen Analysepunkt.");
        addStatistic(5, 1);
        if (reply("gibt es überhaupt insgesamt?") == analysis.patternCount) {
            tell("Sehr gut, auch diese Antwort ist richtig!\r\n"
                 "Sie erhalten einen weiteren Analysepunkte!");
            addStatistic(5, 1);
        } else {
            tell("Das ist leider falsch.\r\n" + numText(analysis.patternCount) +
                 " Leuchtmuster gibt es insgesamt.\r\nSie erhalten einen Minuspunkt");
            addStatistic(5, -1);
        }
        if (!all) {
            if (reply("sind denn insgesamt herstellbar?") == analysis.producibleCount) {
                tell("Sehr gut, auch diese Antwort ist richtig!\r\nSie erhalten 2 Analysepunkte!");
                addStatistic(5, 2);
            } else {
                tell("Das ist leider falsch.\r\n" + numText(analysis.producibleCount) +
                     " Leuchtmuster sind schaltbar.\r\nSie erhalten einen Minuspunkt!");
                addStatistic(5, -1);
            }
        }
    } else {
        dialogs_.message("Diese Antwort ist leider falsch!\r\nSie erhalten einen Minuspunkt.",
                         Icon::Critical, kCommentTitle);
        addStatistic(5, -1);
        if (reply("gibt es denn überhaupt insgesamt?") == analysis.patternCount) {
            tell("Sehr gut, diese Antwort ist allerdings richtig!\r\n"
                 "Sie erhalten einen positiven Analysepunkte!");
            addStatistic(5, 1);
        } else {
            tell("Das ist leider auch falsch.\r\n" + numText(analysis.patternCount) +
                 " Leuchtmuster gibt es insgesamt.\r\nSie erhalten einen weiteren Minuspunkt!");
            addStatistic(5, -1);
        }
    }
    generalAssessed = true;
}

// ---- counters and bar ------------------------------------------------------------------------

void Lampen::addStatistic(int i, double d) {
    if (i < 0 || i >= static_cast<int>(txtStatistik.size()))
        return;
    std::string& counter = txtStatistik[static_cast<std::size_t>(i)];
    counter = changeCounter(counter, d);
}

void Lampen::drawMatchBar() {
    picProzent.cls();
    const double f = static_cast<double>(matchCount) / (maxIndex + 1);
    picProzent.filledBox(0, 1 - f, 1, 1, colour::darkBlue);
}

void Lampen::cmdclear_Click() {
    txtStatistik.fill("0");
}

// ---- panels of the right-hand area -------------------------------------------------------------

void Lampen::hideInfoPanels() {
    visible.lblAendern = false;
    visible.lblWege = false;
    visible.lblErklaerung = {false, false};
    visible.picMatrix = false;
}

void Lampen::cmdHilfe_Click() {
    hideInfoPanels();
    visible.lblErklaerung[0] = true;
}

void Lampen::cmdMath_Click() {
    hideInfoPanels();
    visible.lblErklaerung[1] = true;
}

void Lampen::cmdAusKB_Click(int index) {
    if (index == 0 || index == 1)
        visible.lblErklaerung[static_cast<std::size_t>(index)] = false;
}

void Lampen::cmdCopy_Click() {
    dialogs_.message(texts::credit(), Icon::Information, std::string(texts::creditTitle));
}

} // namespace lampen
