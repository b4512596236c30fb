// The circuit editor: selecting wires by lamp clicks, growing and shrinking a circuit, inserting
// and removing circuits of the group, and entering and leaving edit mode. Every change goes into
// the group at once, so the group in memory is always what the user sees.

#include "Lampen.h"
#include "NumText.h"

#include <algorithm>
#include <optional>

namespace lampen {

namespace {

constexpr const char* kFullGroup =
    "Die Schaltgruppe ist voll: mehr als 200 Schaltungen sind nicht möglich.";
constexpr const char* kNumberOutside =
    "Hier kann keine Schaltung eingefügt werden: sie läge außerhalb der 200 Plätze der "
    "Schaltgruppe.";
constexpr const char* kWarningTitle = "Achtung";

} // namespace

void Lampen::cmdAendern_Click() {
    hideInfoPanels();
    visible.lblAendern = true;
    // The matrix view goes under the editor frame, exactly where "zeigen" puts it in edit mode.
    cmdMzeigen_Click();
    newTarget();
    refreshView();
    drawMatrix();
    outlineLastSwitch();
}

void Lampen::cmdHinzufuegen_Click() {
    // A refused insert was explained to the user; the mode then stays as it was.
    if (insertNewCircuit(0))
        cmdAendern_Click();
}

void Lampen::toggleConnection(int lamp) {
    const auto s = indexWithin(numValue(txtSchalter), 0, kMaxIndex);
    const auto l = indexWithin(lamp, 0, kMaxIndex);
    if (!s || !l)
        return; // no such switch or lamp button exists
    int& cell = verbindungsmatrix(*s, *l);
    // A digit 2..9 read from a file is no wire; a click makes it one, so the cell stays one digit.
    cell = cell == 1 ? 0 : 1;
    auto& shape = shpLampe[static_cast<std::size_t>(*l)];
    shape.on = !shape.on; // the lamp keeps showing the wiring of the selected switch
    refreshView();
    storeCircuit();
}

void Lampen::insertCircuit(int where) {
    insertNewCircuit(where);
}

bool Lampen::insertNewCircuit(int where) {
    if (where != 0 && where != 1)
        return false;
    const double count = numValue(txtAnzahl);
    if (count >= kMaxCircuits) {
        dialogs_.message(kFullGroup, Icon::Exclamation, kWarningTitle);
        return false;
    }
    const double n = count + 1;
    const double p = numValue(txtAktuell_) + where; // the number of the new circuit
    // The new circuit and every circuit that moves up must stay within the group's slots.
    const auto last = indexWithin(n, 0, kSlotCount - 1);
    const auto slot = indexWithin(p, 0, kSlotCount - 1);
    if (!last || !slot) {
        dialogs_.message(kNumberOutside, Icon::Exclamation, kWarningTitle);
        return false;
    }
    txtAnzahl = numText(n);
    setTxtAktuell(numText(p));
    for (int j = *last; j > *slot; --j)
        schaltgruppe.setSlot(j, schaltgruppe.slot(j - 1));
    schaltgruppe.setSlot(*slot, text::newCircuit);
    loadCircuit();
    refreshView();
    return true;
}

void Lampen::removeCircuit() {
    const double n = numValue(txtAnzahl);
    const double c = numValue(txtAktuell_);
    if (n < 2)
        return; // the last circuit of a group stays
    txtAnzahl = numText(n - 1);
    if (c == 1)
        setTxtAktuell("1");
    else if (c > 1)
        setTxtAktuell(numText(c - 1));
    // The circuits after c move down; slot n keeps its text above the new count. Both numbers
    // are whole (only the program writes them), and the loop never leaves the group's slots.
    const int count = static_cast<int>(std::min(n, double{kMaxCircuits}));
    const int from = static_cast<int>(std::clamp(c, 0.0, double{kMaxCircuits}));
    for (int j = from; j < count; ++j)
        schaltgruppe.setSlot(j, schaltgruppe.slot(j + 1));
    loadCircuit();
    refreshView();
}

void Lampen::cmdAddLampe_Click() {
    if (maxIndex >= kMaxIndex)
        return;
    // The new row and column come from the table cells just outside the old circuit.
    ++maxIndex;
    storeCircuit();
    loadCircuit();
    refreshView();
}

void Lampen::cmdLoeLampe_Click() {
    if (maxIndex <= 0)
        return;
    --maxIndex;
    storeCircuit();
    loadCircuit();
    refreshView();
}

void Lampen::leaveEditLamps() {
    for (std::size_t l = 0; l < kLampCount; ++l) {
        shpLampe[l].on = false;
        cmdSchalter[l].fontSize = 8 * layoutScale;
        shpLampe[l].fill = lampColour[1];
        cmdLampe[l].visible = false;
    }
}

void Lampen::cmdSpielen_Click() {
    workStarted = false;
    visible.lblAendern = false;
    visible.picMatrix = false;
    visible.txtSchalter = false;
    leaveEditLamps();
    analyseTarget();
    setTxtAusgabe(taskText);
    fullTargetNext = true;
    cmdAufgabe_Click(); // now in play mode: a new target of all lamps
}

} // namespace lampen
