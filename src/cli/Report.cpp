#include "Report.h"

#include "Analysis.h"
#include "GroupFile.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

namespace lampen::cli {

CircuitReport reportCircuit(int nr, std::string_view code) {
    // A fresh table per circuit: a group report never depends on the circuit before.
    Verbindungsmatrix wiring;
    const int k = readMaxIndex(code);
    readWiring(code, k, wiring);
    const Analysis a = analyse(k, wiring, (1u << (k + 1)) - 1);

    CircuitReport r;
    r.nr = nr;
    r.code = std::string(code);
    r.lamps = k + 1;
    r.rank = a.rank;
    r.patterns = a.patternCount;
    r.producible = a.producibleCount;
    r.allProducible = a.allPatternsProducible;
    r.solvable = a.targetSolvable;
    if (a.targetSolvable)
        r.minPresses = a.minPresses;
    r.solutions.reserve(a.solutions.size());
    for (const auto m : a.solutions)
        r.solutions.push_back(schaltmusterText(m));
    return r;
}

GroupReport reportGroup(std::string file, const std::vector<std::string>& codes) {
    GroupReport g;
    g.file = std::move(file);
    g.circuits.reserve(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        g.circuits.push_back(reportCircuit(static_cast<int>(i + 1), codes[i]));
    return g;
}

GroupReport reportBuiltIn() {
    const auto& builtIn = builtInCodes();
    return reportGroup(std::string(kBuiltInName),
                       std::vector<std::string>(builtIn.begin(), builtIn.end()));
}

GroupReport reportFile(const std::string& file) {
    const FileResult<GroupLines> read = readGroupFile(std::filesystem::path(file));
    if (!read)
        return {file, {}, read.error()};
    return reportGroup(file, read.value());
}

} // namespace lampen::cli
