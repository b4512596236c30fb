// The elimination-based analysis against the plain exhaustive one: every non-empty switch set
// pressed on scratch lamps, the results collected in increasing order. The exhaustive version
// here is written from the rules alone and shares no code with the analysis.

#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace lampen {
namespace {

// What the exhaustive analysis finds for one target.
struct TargetResult {
    int minPresses = 11;
    bool targetSolvable = false;
    std::string solutionText = "Schaltmuster der L\xC3\xB6sung(en):\r\n\r\n";
    std::vector<unsigned> solutions;
};

// What it finds for the circuit, whatever the target.
struct Exhaustive {
    std::array<bool, 1025> reachable{};
    int patternCount = 0;
    int producibleCount = 0;
    bool allPatternsProducible = false;
    std::vector<TargetResult> targets;
};

using LampFlags = std::array<bool, 10>;

// Random circuits per size k = 0..9. The exhaustive run doubles in cost with every lamp, so
// the two largest sizes get fewer to keep the whole check within a couple of seconds in a
// sanitised debug build.
constexpr int kCircuitsPerSize[10] = {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 500, 300};

std::string lowestDigitFirst(unsigned n) {
    std::string text;
    do {
        text += n % 2 == 1 ? "1" : "0";
        n /= 2;
    } while (n != 0);
    return text;
}

// Presses every non-empty switch set once and checks it against each of the targets, which
// is the same as one run per target: the scratch lamps do not depend on the target. Plain
// arrays keep it quick enough in an unoptimised, sanitised build.
Exhaustive exhaustive(int k, const Verbindungsmatrix& wiring,
                      const std::vector<LampFlags>& targets) {
    Exhaustive e;
    e.targets.resize(targets.size());
    int cell[10][10] = {};
    for (int s = 0; s <= k; ++s)
        for (int l = 0; l <= k; ++l)
            cell[s][l] = wiring(s, l);
    int power = 1;
    for (int i = 0; i <= k; ++i)
        power *= 2;
    e.patternCount = power - 1;
    for (int m = 1; m <= e.patternCount; ++m) {
        bool lamp[10] = {};
        int presses = 0;
        int digits = m;
        for (int s = 0; s <= k; ++s, digits /= 2) {
            if (digits % 2 == 1) {
                ++presses;
                for (int l = 0; l <= k; ++l)
                    if (cell[s][l] == 1)
                        lamp[l] = !lamp[l];
            }
        }
        int p = 0;
        int value = 1;
        for (int l = 0; l <= k; ++l, value *= 2)
            if (lamp[l])
                p += value;
        e.reachable[static_cast<std::size_t>(p)] = true;
        for (std::size_t t = 0; t < targets.size(); ++t) {
            const bool* target = targets[t].data();
            bool fits = true;
            for (int l = 0; l <= k && fits; ++l)
                if (lamp[l] != target[l])
                    fits = false;
            if (fits) {
                TargetResult& r = e.targets[t];
                r.solutionText += lowestDigitFirst(static_cast<unsigned>(m)) + "\r\n";
                r.solutions.push_back(static_cast<unsigned>(m));
                r.targetSolvable = true;
                if (presses < r.minPresses)
                    r.minPresses = presses;
            }
        }
    }
    for (TargetResult& r : e.targets)
        if (!r.targetSolvable)
            r.solutionText += "es gibt keine L\xC3\xB6sung";
    e.allPatternsProducible = true;
    for (int p = 1; p <= e.patternCount; ++p) {
        if (!e.reachable[static_cast<std::size_t>(p)])
            e.allPatternsProducible = false;
        else
            ++e.producibleCount;
    }
    return e;
}

// Rank over GF(2) by Gauss-Jordan on the lamp columns, lowest lamp first.
int rankByColumns(int k, const Verbindungsmatrix& wiring) {
    const auto n = static_cast<std::size_t>(k + 1);
    std::array<LampFlags, 10> a{};
    for (std::size_t s = 0; s < n; ++s)
        for (std::size_t l = 0; l < n; ++l)
            a[s][l] = wiring(static_cast<int>(s), static_cast<int>(l)) == 1;
    std::size_t pivotRow = 0;
    for (std::size_t col = 0; col < n && pivotRow < n; ++col) {
        std::size_t r = pivotRow;
        while (r < n && !a[r][col])
            ++r;
        if (r == n)
            continue;
        std::swap(a[r], a[pivotRow]);
        for (std::size_t other = 0; other < n; ++other)
            if (other != pivotRow && a[other][col])
                for (std::size_t c = 0; c < n; ++c)
                    a[other][c] = a[other][c] != a[pivotRow][c];
        ++pivotRow;
    }
    return static_cast<int>(pivotRow);
}

LampFlags targetFlags(unsigned bits) {
    LampFlags flags{};
    for (std::size_t l = 0; l < flags.size(); ++l)
        flags[l] = ((bits >> l) & 1u) != 0;
    return flags;
}

// Compares every figure of the analysis with the exhaustive run, for each target.
void expectSame(int k, const Verbindungsmatrix& m, const std::vector<unsigned>& targets) {
    std::vector<LampFlags> flags;
    for (unsigned t : targets)
        flags.push_back(targetFlags(t));
    const Exhaustive e = exhaustive(k, m, flags);
    SCOPED_TRACE("code " + writeCode(k, m));
    for (std::size_t t = 0; t < targets.size(); ++t) {
        const Analysis a = analyse(k, m, targets[t]);
        const TargetResult& r = e.targets[t];
        SCOPED_TRACE("target lamps " + std::to_string(targets[t]));
        ASSERT_EQ(a.maxIndex, k);
        ASSERT_EQ(a.minPresses, r.minPresses);
        ASSERT_EQ(a.targetSolvable, r.targetSolvable);
        ASSERT_EQ(a.solutionText, r.solutionText);
        ASSERT_EQ(std::vector<unsigned>(a.solutions.begin(), a.solutions.end()), r.solutions);
        ASSERT_EQ(a.patternCount, e.patternCount);
        ASSERT_EQ(a.producibleCount, e.producibleCount);
        ASSERT_EQ(a.allPatternsProducible, e.allPatternsProducible);
    }
    // The reachable patterns do not depend on the target: checked once, every pattern of the
    // circuit's lamps and as many again beyond them, and the top of the table.
    const Analysis a = analyse(k, m, 0);
    const unsigned checked = std::min(2u << (k + 1), 1025u);
    for (unsigned p = 0; p < checked; ++p)
        ASSERT_EQ(a.reachable(p), e.reachable[p]) << "pattern " << p;
    ASSERT_FALSE(k < 9 && a.reachable(1023));
    ASSERT_FALSE(a.reachable(1024));
    const int rank = rankByColumns(k, m);
    ASSERT_EQ(a.rank, rank);
    ASSERT_EQ(e.producibleCount, (1 << rank) - 1);
}

// A random table: the whole 11 x 11 is filled, so cells outside the circuit hold stray wires;
// a few cells carry digits 2..9 as a file may.
Verbindungsmatrix randomWiring(std::mt19937& rng) {
    const unsigned densities[] = {26, 77, 128, 205}; // of 256: about 10, 30, 50 and 80 %
    const unsigned density = densities[rng() % 4];
    const unsigned strayDigit = rng() % 3 == 0 ? 26 : 0;
    Verbindungsmatrix m;
    for (auto& row : m.cell)
        for (int& c : row) {
            const unsigned r = static_cast<unsigned>(rng()); // one draw per cell: cheap
            if ((r & 0xFFu) < strayDigit)
                c = 2 + static_cast<int>((r >> 8) % 8);
            else
                c = ((r >> 16) & 0xFFu) < density ? 1 : 0;
        }
    return m;
}

// The lamp pattern a switch set produces, by the same toggling rule, for a target that is
// certainly solvable.
unsigned producedBy(int k, const Verbindungsmatrix& m, unsigned switches) {
    unsigned lamps = 0;
    for (int s = 0; s <= k; ++s)
        if ((switches >> s) & 1u)
            for (int l = 0; l <= k; ++l)
                if (m(s, l) == 1)
                    lamps ^= 1u << l;
    return lamps;
}

// Several targets per circuit: all lamps, a random set (at times marking lamps beyond the
// circuit, which do not count), two that some switch set certainly produces, and all off.
std::vector<unsigned> targetsFor(int k, const Verbindungsmatrix& m, std::mt19937& rng) {
    const unsigned all = (1u << (k + 1)) - 1;
    return {all, static_cast<unsigned>(rng()) & (rng() % 2 == 0 ? all : 0x3FFu),
            producedBy(k, m, static_cast<unsigned>(rng()) & all),
            producedBy(k, m, static_cast<unsigned>(rng()) & all), 0};
}

TEST(AnalysisCrossCheck, RandomCircuitsOfEverySize) {
    std::mt19937 rng(20240611u);
    for (int k = 0; k <= kMaxIndex; ++k) {
        SCOPED_TRACE("k = " + std::to_string(k));
        for (int i = 0; i < kCircuitsPerSize[k]; ++i) {
            const Verbindungsmatrix m = randomWiring(rng);
            expectSame(k, m, targetsFor(k, m, rng));
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(AnalysisCrossCheck, EveryBuiltInCircuitAndTarget) {
    for (std::size_t i = 0; i < builtInCodes().size(); ++i) {
        const std::string_view code = builtInCodes()[i];
        SCOPED_TRACE("circuit " + std::to_string(i + 1));
        Verbindungsmatrix m;
        const int k = readMaxIndex(code);
        readWiring(code, k, m);
        std::vector<unsigned> targets;
        for (unsigned t = 0; t < (1u << (k + 1)); ++t)
            targets.push_back(t);
        expectSame(k, m, targets);
        if (HasFatalFailure())
            return;
    }
}

TEST(AnalysisCrossCheck, RankDeficientTenByTen) {
    // Copied rows and a row that is the sum of two others force kernels of several dimensions.
    std::mt19937 rng(7u);
    for (int i = 0; i < 120; ++i) {
        Verbindungsmatrix m = randomWiring(rng);
        for (int c = 0; c < 1 + i % 5; ++c) {
            const int from = static_cast<int>(rng() % 10);
            const int to = static_cast<int>(rng() % 10);
            for (int l = 0; l <= 9; ++l)
                m(to, l) = m(from, l) == 1 ? 1 : 0;
        }
        const int a = static_cast<int>(rng() % 10);
        const int b = static_cast<int>(rng() % 10);
        const int sum = static_cast<int>(rng() % 10);
        if (sum != a && sum != b)
            for (int l = 0; l <= 9; ++l)
                m(sum, l) = (m(a, l) == 1) != (m(b, l) == 1) ? 1 : 0;
        expectSame(9, m, targetsFor(9, m, rng));
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace lampen
