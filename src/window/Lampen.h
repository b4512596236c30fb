#pragma once
// The headless window "Lampen": the whole state of the window as plain data, and every event
// handler and operation, named after the controls and events they belong to. No Qt, no files of
// its own: boxes, file names, random numbers and font metrics come through small interfaces.
//
// The Qt window forwards each user event to the handler of the same name, then copies this state
// into its widgets. Identifiers transliterate umlauts (cmdAendern_Click for "cmdÄndern").
//
// Several values live only as the text of a control and are read back with numValue whenever
// they are needed: the current circuit number (txtAktuell), the count (txtAnzahl), the presses
// (txtKlicks), the six counters (txtStatistik) and the editor's selected switch (txtSchalter).
// The user cannot type into any of these boxes; only the program writes them.

#include "Analysis.h"
#include "Canvas.h"
#include "Colour.h"
#include "Dialogs.h"
#include "FileError.h"
#include "FileList.h"
#include "Layout.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <array>
#include <string>

namespace lampen {

inline constexpr int kLampCount = 10; // control arrays 0..9

// Texts of the program that more than one operation uses.
namespace text {
inline constexpr const char* task = "Schalten Sie die gelb markierten Lampen ein!";
inline constexpr const char* newCircuit = "2*100*010*001*";
} // namespace text

// A control's place and visibility. Inside the room and the matrix view in their own units.
struct Placed {
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
};

// A lamp: its Tag (on), its fill, and its border, which alone records the target.
struct LampShape : Placed {
    bool on = false; // the Tag "1"
    Rgb fill = colour::darkBlue;
    Rgb border = colour::black;
    bool isTarget() const { return border == colour::yellow; }
};

struct SwitchButton : Placed {
    double fontSize = 8; // points; 10 x layoutScale marks the selected switch in edit mode
};

class Lampen {
public:
    Lampen(Dialogs& dialogs, Random& random, TextMetrics& metrics);

    // ---- start-up, layout, end ------------------------------------------------------------
    // The whole start-up: layout for the given screen (twips), then the model.
    void Form_Load(double screenWidthTwips = kDesignWidth,
                   double screenHeightTwips = kDesignHeight);
    void Form_Resize(); // the layout pass again, for the same screen
    void layoutWindow(double screenWidthTwips, double screenHeightTwips);
    const Layout& layout() const { return layout_; }
    double layoutScale = 1;

    // ---- circuit model and start-up ------------------------------------------------------
    void loadDefaultGroup();
    void loadCircuit();
    void storeCircuit();
    void refreshView();
    void txtAktuell_Change();
    void cboDatei_Change() {}

    const std::string& txtAktuell() const { return txtAktuell_; }
    void setTxtAktuell(std::string t); // runs txtAktuell_Change
    const std::string& txtAusgabe() const { return txtAusgabe_; }
    void setTxtAusgabe(std::string t); // runs txtAusgabe_Change

    // ---- presses and success ---------------------------------------------------------------
    void cmdSchalter_Click(int index);
    void cmdLampenaus_Click();
    void txtAusgabe_Change();

    // ---- navigation --------------------------------------------------------------------------
    void cmdNaechstes_Click();
    void cmdVoriges_Click();

    // ---- room geometry and drawing -------------------------------------------------------
    void placeLamps();
    void placeSwitches();
    void drawWiring();
    void hscLampwinkel_Change(int value);
    void hscLampwinkel_Scroll(int value) { hscLampwinkel_Change(value); }
    void hscRadLampe_Change(int value);
    void hscRadLampe_Scroll(int value) { hscRadLampe_Change(value); }
    void hscSchaltwinkel_Change(int value);
    void hscSchaltwinkel_Scroll(int value) { hscSchaltwinkel_Change(value); }
    void hscRadSchalter_Change(int value);
    void hscRadSchalter_Scroll(int value) { hscRadSchalter_Change(value); }
    void cmdSchalter_MouseMove(int index);
    void picRaum_MouseMove();

    // ---- targets and analysis ------------------------------------------------------------
    void cmdAufgabe_Click();
    void newTarget();
    void analyseTarget();
    void cmdStatus_Click();
    void cmdWege_Click();
    void cmdInfofenster_Click(int index);
    void optLoesbar_Click(int index);
    void Option1_Click(int index);
    void addStatistic(int i, double d);
    void drawMatchBar();
    void cmdclear_Click();

    // ---- files ---------------------------------------------------------------------------
    // Reads the named file into the group. On failure nothing of the group changes and the
    // reason is returned; the caller shows the message.
    FileStatus readGroupFile(const std::string& name);
    void rememberFile(const std::string& name) { cboDatei.rememberFile(name); }
    void cmdLaden_Click();
    // "Datei öffnen" with the name the dialog would have returned: opening a group named on the
    // command line behaves exactly like choosing it, messages included.
    void openGroupFile(const std::string& name);
    void cmdSpeichern_Click();
    void cmdNeu_Click();
    void cmdEntfernen_Click();

    // ---- circuit editor ------------------------------------------------------------------
    void cmdAendern_Click();
    void cmdHinzufuegen_Click();
    void cmdLoeschen_Click() { cmdLoeSchaltung_Click(); }
    void cmdLampe_Click(int index) { toggleConnection(index); }
    void toggleConnection(int lamp);
    void insertCircuit(int where);
    void removeCircuit();
    void cmdAddSchaltung_Click(int index) { insertCircuit(index); }
    void cmdLoeSchaltung_Click() { removeCircuit(); }
    void cmdAddLampe_Click();
    void cmdLoeLampe_Click();
    void leaveEditLamps();
    void cmdSpielen_Click();
    bool editMode() const { return visible.lblAendern; }

    // ---- matrix view ---------------------------------------------------------------------
    void drawMatrix();
    void outlineLastSwitch(); // the frame around the row of the switch pressed last
    void cmdMzeigen_Click();
    void cmdMverbergen_Click();
    void cmdMSchalter_Click(int index) { cmdSchalter_Click(index); }
    void cmdMLampe_Click(int index) { cmdLampe_Click(index); }
    void cmdMHaupt_Click() { cmdLampenaus_Click(); }
    void cmdMnaechste_Click() { cmdNaechstes_Click(); }
    void cmdMvorige_Click() { cmdVoriges_Click(); }

    // ---- main window, menus and texts ----------------------------------------------------
    void hideInfoPanels();
    void cmdHilfe_Click();
    void cmdMath_Click();
    void cmdAusKB_Click(int index);
    void cmdCopy_Click();
    void cmdSchliessen_Click() { closeRequested = true; }
    void cmdSchlussjetzt_Click() { closeRequested = true; }

    // =========================== state ======================================================
    // The circuit and the group.
    Schaltgruppe schaltgruppe;
    Verbindungsmatrix verbindungsmatrix;
    int maxIndex = 0;
    double currentNr = 0;
    std::string fileName;
    std::string taskText;
    std::array<Rgb, 3> lampColour{};   // 1 off, 2 on (index 0 unused)
    std::array<Rgb, 2> borderColour{}; // 0 plain, 1 target

    // The task.
    bool fullTargetNext = false;
    bool workStarted = false;
    bool solutionShown = false;
    bool generalAssessed = false;
    int targetLampCount = 0;
    int matchCount = 0;
    int lastSwitch = 0;
    Analysis analysis; // minPresses, targetSolvable, solutionText, patternCount, ...

    // Text boxes the program writes and reads back.
    std::string txtKlicks = "0";
    std::string txtAnzahl = "2";
    std::array<std::string, 6> txtStatistik{"0", "0", "0", "0", "0", "0"};
    std::string txtSchalter = "Text4";
    std::string txtWege;
    Rgb txtAusgabeBackColour = colour::white;
    FileList cboDatei;

    // Captions that change.
    std::array<std::string, 2> cmdAddSchaltungCaption{"vor akt. Nr.", "hinter"};
    std::string cmdLoeSchaltungCaption = "Schaltung entfernen";

    // Question buttons (index as the controls: optLösbar(1) "richtig", Option1(0) "richtig").
    std::array<bool, 2> optLoesbar{};
    std::array<bool, 2> Option1{};

    // Panels of the right-hand area and the other controls that hide and show. Edit mode is
    // exactly "lblÄndern visible".
    struct Visibility {
        bool lblAendern = false;
        bool lblWege = false;
        bool picMatrix = false;
        bool txtSchalter = false;
        std::array<bool, 2> lblErklaerung{true, false};
    } visible;
    double picMatrixTop =
        1000; // twips; "zeigen" and the edit mode move it, a layout pass resets it
    Rgb shpDonlampFill = colour::darkBlue;

    // The room: lamps, their edit buttons and the switches, in room units.
    std::array<LampShape, kLampCount> shpLampe{};
    std::array<Placed, kLampCount> cmdLampe{};
    std::array<SwitchButton, kLampCount> cmdSchalter{};
    double lampAngle = 0, lampRadius = 7.0, switchAngle = 0, switchRadius = 3;
    int hoverSwitch = 0; // 11: none
    int hscLampwinkel = 0, hscRadLampe = 70, hscSchaltwinkel = 0, hscRadSchalter = 30;

    // The matrix view's buttons, in its units.
    Placed cmdMHaupt, cmdMvorige, cmdMnaechste;
    std::array<Placed, kLampCount> cmdMSchalter{}, cmdMLampe{};
    double matrixButtonFontSize = 8;

    // Drawing areas.
    Canvas picRaum, picProzent, picMatrix;

    bool closeRequested = false;

private:
    // After "Datei öffnen" or "Datei speichern": circuit 1 of the group as a fresh task and the
    // name in the list, or the message when the file could not be read or written.
    void showOpenedOrSaved(const FileStatus& done);
    // insertCircuit, telling whether the circuit was inserted or refused.
    bool insertNewCircuit(int where);
    unsigned targetMask() const; // bit l set for every target lamp 0..k
    void countMatches();         // matchCount over the lamps 0..k

    Dialogs& dialogs_;
    Random& random_;
    TextMetrics& metrics_;
    Layout layout_;
    double screenWidthTwips_ = kDesignWidth, screenHeightTwips_ = kDesignHeight;
    std::string txtAktuell_ = "1";
    std::string txtAusgabe_ = text::task;
};

} // namespace lampen
