#pragma once
// The headless window "Lampen": the handlers of every control and event, named after them, each
// turning the event into a verb on the game's state and showing the boxes that follow from it.
// The typed state is readable; what the window shows is derived from it by view().
//
// The Qt window forwards each user event to the handler of the same name, then applies the view.
// Identifiers transliterate umlauts (cmdAendern_Click for "cmdÄndern").

#include "Dialogs.h"
#include "FileError.h"
#include "Game.h"
#include "Layout.h"
#include "Presentation.h"
#include "Random.h"
#include "TextMetrics.h"

#include <string>

namespace lampen {

class Lampen {
public:
    Lampen(Dialogs& dialogs, Random& random, TextMetrics& metrics);

    const GameState& state() const { return game_.state(); }
    const Layout& layout() const { return layout_; }
    // Everything the window shows, derived from the state and the layout.
    View view() const;

    // ---- start-up and layout ---------------------------------------------------------------
    // The whole start-up: layout for the given screen (twips), then the game.
    void Form_Load(double screenWidthTwips = kDesignWidth,
                   double screenHeightTwips = kDesignHeight);
    void Form_Resize(); // the layout pass again, for the same screen

    // ---- boxes the user types into ---------------------------------------------------------
    void txtAktuell_Change(const std::string& text);
    void txtAnzahl_Change(const std::string& text);
    void cboDatei_Change(const std::string& text);

    // ---- the room --------------------------------------------------------------------------
    void cmdSchalter_Click(int index);
    void cmdLampenaus_Click();
    void cmdNaechstes_Click() { game_.stepForward(); }
    void cmdVoriges_Click() { game_.stepBack(); }
    void cmdAufgabe_Click() { game_.newTask(); }
    void hscLampwinkel_Change(int value) { game_.setLampAngle(value); }
    void hscRadLampe_Change(int value) { game_.setLampRadius(value); }
    void hscSchaltwinkel_Change(int value) { game_.setSwitchAngle(value); }
    void hscRadSchalter_Change(int value) { game_.setSwitchRadius(value); }
    void cmdSchalter_MouseMove(int index) { game_.hover(index); }
    void picRaum_MouseMove() { game_.hover(std::nullopt); }

    // ---- analysis and questions ------------------------------------------------------------
    void cmdStatus_Click();
    void cmdWege_Click();
    void cmdInfofenster_Click(int index);
    void optLoesbar_Click(int index);
    void Option1_Click(int index);
    void cmdclear_Click() { game_.clearCounters(); }

    // ---- teaching: the tip and the Rechenweg panel (TeachingCommands.cpp) -----------------
    void cmdTipp_Click();
    void cmdRechenweg_Click() { game_.showRechenweg(); }
    void cmdSchritt_Click() { game_.nextStep(); }
    void cmdAlleSchritte_Click() { game_.allSteps(); }
    void cmdRechenwegAus_Click() { game_.hideRechenweg(); }

    // ---- files -----------------------------------------------------------------------------
    void cmdLaden_Click();
    // "Datei öffnen" with the name the dialog would have returned: opening a group named on the
    // command line behaves exactly like choosing it, messages included.
    void openGroupFile(const std::string& name);
    void cmdSpeichern_Click();
    void cmdNeu_Click();
    void cmdEntfernen_Click();

    // ---- circuit editor --------------------------------------------------------------------
    void cmdAendern_Click() { game_.enterEditMode(); }
    void cmdHinzufuegen_Click();
    void cmdLoeschen_Click() { game_.removeCircuit(); }
    void cmdLampe_Click(int index) { game_.toggleWire(index); }
    void cmdAddSchaltung_Click(int index);
    void cmdLoeSchaltung_Click() { game_.removeCircuit(); }
    void cmdAddLampe_Click() { game_.addLamp(); }
    void cmdLoeLampe_Click() { game_.removeLamp(); }
    void cmdSpielen_Click() { game_.leaveEditMode(); }

    // ---- matrix view: its buttons play as the room's ---------------------------------------
    void cmdMzeigen_Click() { game_.showMatrix(); }
    void cmdMverbergen_Click() { game_.hideMatrix(); }

    // ---- menus and panels ------------------------------------------------------------------
    void cmdHilfe_Click() { game_.showHelp(0); }
    void cmdMath_Click() { game_.showHelp(1); }
    void cmdAusKB_Click(int index);
    void cmdCopy_Click();
    void cmdSchliessen_Click() { game_.requestClose(); }

private:
    bool insertCircuit(int where); // false when refused, with the reason shown
    FileStatus readGroup(const std::string& name);
    FileStatus saveGroup(const std::string& name);
    // After opening or saving: circuit 1 of the group as a fresh task and the name in the list,
    // or the message with the reason when the file could not be read or written.
    void showOpenedOrSaved(const FileStatus& done);
    double askPatternCount(const char* question);

    Dialogs& dialogs_;
    TextMetrics& metrics_;
    Game game_;
    Layout layout_;
    double screenWidthTwips_ = kDesignWidth, screenHeightTwips_ = kDesignHeight;
};

} // namespace lampen
