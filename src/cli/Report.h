#pragma once
// What lampen-analyse reports: per circuit of a group its size, rank and pattern counts, and
// the analysis of the target "all lamps", the first task the window sets for every circuit.

#include "FileError.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lampen::cli {

struct CircuitReport {
    int nr = 0;       // 1-based place in the group
    std::string code; // the line as it stands in the group, untouched
    int lamps = 0;    // k + 1
    int rank = 0;     // over GF(2)
    int patterns = 0; // 2^(k+1) - 1
    int producible = 0;
    bool allProducible = false;
    // target all lamps 0..k
    bool solvable = false;
    std::optional<int> minPresses;      // only when solvable
    std::vector<std::string> solutions; // Schaltmuster texts, increasing order
};

struct GroupReport {
    std::string file; // the name as given, or the built-in group's name
    std::vector<CircuitReport> circuits;
    std::optional<FileError> error; // why the file could not be read; then no circuits
};

CircuitReport reportCircuit(int nr, std::string_view code);
GroupReport reportGroup(std::string file, const std::vector<std::string>& codes);
GroupReport reportBuiltIn();
// The report of the named file, or of why it could not be read.
GroupReport reportFile(const std::string& file);

} // namespace lampen::cli
