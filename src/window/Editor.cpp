#include "Lampen.h"

// The editor's commands arrive in the next change.
namespace lampen {
void Lampen::cmdAendern_Click() {}
void Lampen::cmdHinzufuegen_Click() {}
void Lampen::toggleConnection(int) {}
void Lampen::insertCircuit(int) {}
void Lampen::removeCircuit() {}
void Lampen::cmdAddLampe_Click() {}
void Lampen::cmdLoeLampe_Click() {}
void Lampen::leaveEditLamps() {}
void Lampen::cmdSpielen_Click() {}
} // namespace lampen
