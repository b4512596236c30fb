// The analysis of a target three ways: the literal exhaustive way (press every non-empty switch
// set on scratch lamps, test every wire, build the list as it goes); a plain bitmask search over
// all switch sets, the fair baseline (each set's pattern is one XOR from a smaller set's); and
// lampen::analyse, which eliminates over GF(2) and lists only actual answers. Besides, the
// Rechenweg: every step of the Gauss–Jordan elimination with its matrix. After the run the ratios
// against lampen::analyse are printed for every circuit.

#include "Analysis.h"
#include "Elimination.h"
#include "NumText.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
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

// What the bitmask search leaves behind: the same answers as lampen::Analysis.
struct BitmaskResult {
    int minPresses = lampen::kNoSolution;
    std::vector<std::uint16_t> solutions;
    std::string solutionText;
    std::bitset<1024> reachable;
    int producibleCount = 0;
    bool allPatternsProducible = false;
};

// Every switch set m in increasing order; its pattern is that of m without its lowest switch,
// plus that switch's row.
void bitmaskAnalysis(int k, const Verbindungsmatrix& wiring, unsigned target, BitmaskResult& r) {
    const auto rows = lampen::wireRows(k, wiring);
    const unsigned sets = 1u << (k + 1);
    std::array<std::uint16_t, 1024> pattern; // written before it is read, from 0 upwards
    pattern[0] = 0;
    r.minPresses = lampen::kNoSolution;
    r.solutions.clear();
    r.reachable.reset();
    for (unsigned m = 1; m < sets; ++m) {
        const auto lowest = static_cast<std::size_t>(std::countr_zero(m));
        pattern[m] = static_cast<std::uint16_t>(pattern[m & (m - 1)] ^ rows[lowest]);
        r.reachable.set(pattern[m]);
        if (pattern[m] == target) {
            r.solutions.push_back(static_cast<std::uint16_t>(m));
            r.minPresses = std::min(r.minPresses, std::popcount(m));
        }
    }
    r.solutionText = lampen::kSolutionHeader;
    for (const auto m : r.solutions)
        r.solutionText += lampen::schaltmusterText(m) + "\r\n";
    if (r.solutions.empty())
        r.solutionText += lampen::kNoSolutionText;
    r.producibleCount = static_cast<int>(r.reachable.count()) - (r.reachable[0] ? 1 : 0);
    r.allPatternsProducible = r.producibleCount == static_cast<int>(sets) - 1;
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

// All three ways must give the same answer, or the comparison means nothing.
bool agree(const Circuit& c) {
    LiteralResult r;
    literalAnalysis(c.k, c.wiring, c.targetFlags, r);
    BitmaskResult b;
    bitmaskAnalysis(c.k, c.wiring, c.target, b);
    const lampen::Analysis a = lampen::analyse(c.k, c.wiring, c.target);
    bool same = r.solutionText == a.solutionText && r.minPresses == a.minPresses &&
                r.producibleCount == a.producibleCount &&
                r.allPatternsProducible == a.allPatternsProducible &&
                b.solutionText == a.solutionText && b.solutions == a.solutions &&
                b.minPresses == a.minPresses && b.producibleCount == a.producibleCount &&
                b.allPatternsProducible == a.allPatternsProducible;
    for (unsigned p = 0; p <= 1024; ++p)
        same = same && r.reachable[p] == a.reachable(p) &&
               (p == 1024 || b.reachable[p] == a.reachable(p));
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

void bitmask(benchmark::State& state, const Circuit& c) {
    BitmaskResult r;
    for (auto _ : state) {
        bitmaskAnalysis(c.k, c.wiring, c.target, r);
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
const std::string kBitmask = "bitmask/";
const std::string kAnalyse = "analyse/";
const std::string kRechenweg = "rechenweg/";

// The console table as usual, then for every circuit the literal and the bitmask time, each
// divided by lampen::analyse's time.
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
        std::printf("\nlampen::analyse against the literal search and the bitmask search "
                    "(CPU time per call, fastest run)\n");
        std::printf("%-14s %11s %11s %11s %13s %13s\n", "circuit", "literal us", "bitmask us",
                    "analyse us", "literal/an.", "bitmask/an.");
        for (const auto& [name, seconds] : cpuSeconds_) {
            if (name.rfind(kLiteral, 0) != 0)
                continue;
            const std::string circuit = name.substr(kLiteral.size());
            const double bits = lookUp(kBitmask + circuit), fast = lookUp(kAnalyse + circuit);
            if (bits <= 0 || fast <= 0)
                continue;
            std::printf("%-14s %11.3f %11.3f %11.3f %12.1fx %12.1fx\n", circuit.c_str(),
                        seconds * 1e6, bits * 1e6, fast * 1e6, seconds / fast, bits / fast);
        }
        std::printf("\nall Rechenweg steps against lampen::analyse (CPU time per call)\n");
        std::printf("%-14s %11s %11s %13s\n", "circuit", "steps us", "analyse us", "steps/an.");
        for (const auto& [name, seconds] : cpuSeconds_) {
            if (name.rfind(kRechenweg, 0) != 0)
                continue;
            const std::string circuit = name.substr(kRechenweg.size());
            const double fast = lookUp(kAnalyse + circuit);
            if (fast > 0)
                std::printf("%-14s %11.3f %11.3f %12.1fx\n", circuit.c_str(), seconds * 1e6,
                            fast * 1e6, seconds / fast);
        }
    }

private:
    double lookUp(const std::string& name) const {
        const auto it = cpuSeconds_.find(name);
        return it == cpuSeconds_.end() ? 0 : it->second;
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
        benchmark::RegisterBenchmark((kBitmask + c.name).c_str(), bitmask, c)
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
