#pragma once
// What one page of a worksheet shows and what its answer says, as plain data: the circuit read
// from its code, the page's target and the analysis of that target.

#include "Analysis.h"
#include "Schaltcode.h"
#include "Worksheet.h"

#include <string>
#include <string_view>
#include <vector>

namespace lampen::print {

struct CircuitSheet {
    int nr = 0;    // 1-based place in the group
    int count = 0; // circuits in the group
    std::string groupName;
    int k = 0; // maxIndex: lamps and switches 0..k
    Verbindungsmatrix wiring;
    unsigned target = 0; // bit l set for every target lamp 0..k
    Analysis analysis;
};

// Every circuit of the input with its target and analysis, circuit 1 first.
std::vector<CircuitSheet> circuitSheets(const WorksheetInput& input);

// The group's name as a page shows it: the file name without its folders.
std::string shownGroupName(std::string_view groupName);

// A switch set as switch names, lowest first: 5 -> "{S0, S2}".
std::string switchSetText(unsigned set);

// The target in words: "alle Lampen", "keine Lampe", or the lamp names "L0, L2".
std::string targetText(const CircuitSheet& sheet);

} // namespace lampen::print
