#include "Lampen.h"

// The file commands arrive in the next change.
namespace lampen {
bool Lampen::readGroupFile(const std::string&) { return false; }
void Lampen::cmdLaden_Click() {}
void Lampen::cmdSpeichern_Click() {}
void Lampen::cmdNeu_Click() {}
void Lampen::cmdEntfernen_Click() {}
} // namespace lampen
