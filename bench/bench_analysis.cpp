// The analysis of a target: the plain exhaustive way (press every non-empty switch set on
// scratch lamps, test every wire, build the list as it goes) against lampen::analyse, which
// eliminates over GF(2) and lists only actual answers; and the Rechenweg, every step of the
// Gauss–Jordan elimination with its matrix, against lampen::analyse. After the run the ratios are
// printed for every circuit.

#include "Analysis.h"
#include "Elimination.h"
#include "NumText.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using lampen::Verbindungsmatrix;

// Everything the exhaustive analysis leaves behind.
struct LiteralResult {
    int minPresses = lampen::kNoSolution;
    bool targetSolvable = false;
    std::string solutionText;
    std::array<bool, 1025> reachable{};
    int patternCount = 0;
    int producibleCount = 0;
    bool allPatternsProducible = false;
};

// Step by step, the plain way: scratch lamps per switch set, a test per wire, the Schaltmuster
// text made from the decimal text of the number.
void literalAnalysis(int k, const Verbindungsmatrix& wiring, const std::array<bool, 10>& target,
                     LiteralResult& r) {
    r.minPresses = lampen::kNoSolution;
    r.targetSolvable = false;
    r.solutionText = lampen::kSolutionHeader;
    r.reachable.fill(false);
    r.patternCount = (1 << (k + 1)) - 1;
    for (int m = 1; m <= r.patternCount; ++m) {
        std::array<bool, 10> lamp{};
        int presses = 0;
        bool fits = true;
        for (int s = 0; s <= k; ++s) {
            if ((m >> s) & 1) {
                ++presses;
                for (int l = 0; l <= k; ++l)
                    if (wiring(s, l) == 1)
                        lamp[static_cast<std::size_t>(l)] = !lamp[static_cast<std::size_t>(l)];
            }
        }
        int p = 0;
        for (int l = 0; l <= k; ++l)
            if (lamp[static_cast<std::size_t>(l)])
                p += 1 << l;
        r.reachable[static_cast<std::size_t>(p)] = true;
        for (int l = 0; l <= k; ++l) {
            const auto li = static_cast<std::size_t>(l);
            if (lamp[li] != target[li])
                fits = false;
        }
        if (fits) {
            r.solutionText += lampen::toSchaltmuster(lampen::numText(m));
            r.solutionText += "\r\n";
            r.targetSolvable = true;
            if (presses < r.minPresses)
                r.minPresses = presses;
        }
    }
    if (!r.targetSolvable)
        r.solutionText += lampen::kNoSolutionText;
    r.allPatternsProducible = true;
    r.producibleCount = 0;
    for (int p = 1; p <= r.patternCount; ++p) {
        if (!r.reachable[static_cast<std::size_t>(p)])
            r.allPatternsProducible = false;
        else
            ++r.producibleCount;
    }
}

struct Circuit {
    std::string name;
    int k = 0;
    Verbindungsmatrix wiring;
    unsigned target = 0;
    std::array<bool, 10> targetFlags{};
};

Circuit fromCode(std::string name, std::string_view code) {
    Circuit c;
    c.name = std::move(name);
    c.k = lampen::readMaxIndex(code);
    lampen::readWiring(code, c.k, c.wiring);
    c.target = (1u << (c.k + 1)) - 1; // every lamp, as after loading a circuit
    for (int l = 0; l <= c.k; ++l)
        c.targetFlags[static_cast<std::size_t>(l)] = true;
    return c;
}

// Ten lamps in a ring, each switch joining two neighbours: rank 9, two solutions.
std::string ringOfTen() {
    std::string code = "9*";
    for (int s = 0; s <= 9; ++s) {
        for (int l = 0; l <= 9; ++l)
            code += (l == s || l == (s + 1) % 10) ? '1' : '0';
        code += '*';
    }
    return code;
}

// Switches in identical pairs, each pair lighting two lamps: rank 5, 32 solutions.
std::string pairsOfTen() {
    std::string code = "9*";
    for (int s = 0; s <= 9; ++s) {
        for (int l = 0; l <= 9; ++l)
            code += l / 2 == s / 2 ? '1' : '0';
        code += '*';
    }
    return code;
}

// Switch s lights lamps s..9: each column has to be cleared in every row below its pivot.
std::string triangleOfTen() {
    std::string code = "9*";
    for (int s = 0; s <= 9; ++s) {
        for (int l = 0; l <= 9; ++l)
            code += l >= s ? '1' : '0';
        code += '*';
    }
    return code;
}

// Ten identical switches, each lighting every lamp: nullity 9, 512 solutions to search.
std::string sameTen() {
    std::string code = "9*";
    for (int s = 0; s <= 9; ++s)
        code += "1111111111*";
    return code;
}

std::vector<Circuit> circuits() {
    const auto& builtIn = lampen::builtInCodes();
    return {
        fromCode("k2/circuit1", builtIn[0]),      fromCode("k2/circuit5", builtIn[4]),
        fromCode("k8/circuit19", builtIn[18]),    fromCode("k9/circuit4", builtIn[3]),
        fromCode("k9/ring", ringOfTen()),         fromCode("k9/pairs", pairsOfTen()),
        fromCode("k9/triangle", triangleOfTen()), fromCode("k9/same", sameTen()),
    };
}

// Both ways must give the same answer, or the comparison means nothing.
bool agree(const Circuit& c) {
    LiteralResult r;
    literalAnalysis(c.k, c.wiring, c.targetFlags, r);
    const lampen::Analysis a = lampen::analyse(c.k, c.wiring, c.target);
    bool same = r.solutionText == a.solutionText && r.minPresses == a.minPresses &&
                r.producibleCount == a.producibleCount &&
                r.allPatternsProducible == a.allPatternsProducible;
    for (unsigned p = 0; p <= 1024; ++p)
        same = same && r.reachable[p] == a.reachable(p);
    const lampen::EliminationSteps e = lampen::eliminate(c.k, c.wiring, c.target);
    same = same && e.rank == a.rank && e.solvable == a.targetSolvable && e.presses == a.minPresses;
    if (!same)
        std::fprintf(stderr, "%s: the two analyses disagree\n", c.name.c_str());
    return same;
}

void literal(benchmark::State& state, const Circuit& c) {
    LiteralResult r;
    for (auto _ : state) {
        literalAnalysis(c.k, c.wiring, c.targetFlags, r);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}

void eliminated(benchmark::State& state, const Circuit& c) {
    for (auto _ : state) {
        lampen::Analysis a = lampen::analyse(c.k, c.wiring, c.target);
        benchmark::DoNotOptimize(a);
        benchmark::ClobberMemory();
    }
}

void rechenweg(benchmark::State& state, const Circuit& c) {
    for (auto _ : state) {
        lampen::EliminationSteps e = lampen::eliminate(c.k, c.wiring, c.target);
        benchmark::DoNotOptimize(e);
        benchmark::ClobberMemory();
    }
    state.counters["steps"] = lampen::eliminate(c.k, c.wiring, c.target).stepCount;
}

const std::string kLiteral = "literal/";
const std::string kAnalyse = "analyse/";
const std::string kRechenweg = "rechenweg/";

// The console table as usual, then literal time / analyse time for every circuit.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the fastest one counts: it is the least disturbed by other work.
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0)
                continue;
            const double perCall = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            const auto [it, fresh] = cpuSeconds_.try_emplace(run.benchmark_name(), perCall);
            if (!fresh)
                it->second = std::min(it->second, perCall);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nlampen::analyse against the exhaustive analysis (CPU time per call)\n");
        printRatios(kLiteral, "exhaustive us", kAnalyse, "analyse us");
        std::printf("\nall Rechenweg steps against lampen::analyse (CPU time per call)\n");
        printRatios(kRechenweg, "Rechenweg us", kAnalyse, "analyse us");
    }

private:
    // For every circuit: the time under the first prefix, under the second, first / second.
    void printRatios(const std::string& first, const char* firstTitle, const std::string& second,
                     const char* secondTitle) const {
        std::printf("%-16s %14s %14s %10s\n", "circuit", firstTitle, secondTitle, "ratio");
        for (const auto& [name, seconds] : cpuSeconds_) {
            if (name.rfind(first, 0) != 0)
                continue;
            const std::string circuit = name.substr(first.size());
            const auto other = cpuSeconds_.find(second + circuit);
            if (other == cpuSeconds_.end() || other->second <= 0)
                continue;
            std::printf("%-16s %14.3f %14.3f %9.1fx\n", circuit.c_str(), seconds * 1e6,
                        other->second * 1e6, seconds / other->second);
        }
    }

    std::map<std::string, double> cpuSeconds_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::vector<Circuit> all = circuits();
    for (const Circuit& c : all) {
        if (!agree(c))
            return 1;
        benchmark::RegisterBenchmark((kLiteral + c.name).c_str(), literal, c)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((kAnalyse + c.name).c_str(), eliminated, c)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((kRechenweg + c.name).c_str(), rechenweg, c)
            ->Unit(benchmark::kMicrosecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
