#include "Analysis.h"

#include "NumText.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace lampen {

namespace {

int highestBit(unsigned v) {
    return std::bit_width(v) - 1;
}

} // namespace

bool Analysis::reachable(unsigned p) const {
    if (p == 0)
        return rank < maxIndex + 1;
    if (p >= (1u << (maxIndex + 1)))
        return false;
    for (int b = maxIndex; b >= 0 && p != 0; --b)
        if ((p >> b) & 1u)
            p ^= basis[static_cast<std::size_t>(b)];
    return p == 0;
}

Analysis analyseRows(int k, const std::array<std::uint16_t, kMaxIndex + 1>& rows,
                     unsigned targetLamps) {
    Analysis a;
    k = std::clamp(k, 0, kMaxIndex);
    a.maxIndex = k;
    const unsigned lampMask = (1u << (k + 1)) - 1;
    targetLamps &= lampMask;

    // Elimination: for each pivot bit the reduced row and the switches that make it up.
    std::array<std::uint16_t, kMaxIndex + 1> pivotSwitches{};
    std::array<std::uint16_t, kMaxIndex + 1> kernel{}; // switch sets that produce nothing
    int nullity = 0;
    for (int s = 0; s <= k; ++s) {
        unsigned v = rows[static_cast<std::size_t>(s)] & lampMask;
        unsigned comb = 1u << s;
        while (v != 0) {
            const int b = highestBit(v);
            const auto bi = static_cast<std::size_t>(b);
            if (a.basis[bi] == 0) {
                a.basis[bi] = static_cast<std::uint16_t>(v);
                pivotSwitches[bi] = static_cast<std::uint16_t>(comb);
                break;
            }
            v ^= a.basis[bi];
            comb ^= pivotSwitches[bi];
        }
        if (v == 0)
            kernel[static_cast<std::size_t>(nullity++)] = static_cast<std::uint16_t>(comb);
    }
    a.rank = k + 1 - nullity;
    a.patternCount = static_cast<int>(lampMask);
    a.producibleCount = (1 << a.rank) - 1;
    a.allPatternsProducible = a.rank == k + 1;

    // A particular solution: reduce the target against the basis.
    unsigned rest = targetLamps;
    unsigned particular = 0;
    for (int b = k; b >= 0 && rest != 0; --b) {
        const auto bi = static_cast<std::size_t>(b);
        if (((rest >> b) & 1u) && a.basis[bi] != 0) {
            rest ^= a.basis[bi];
            particular ^= pivotSwitches[bi];
        }
    }

    a.solutionText.reserve(kSolutionHeader.size() + 16);
    a.solutionText = kSolutionHeader;
    if (rest == 0) {
        // particular + every combination of the kernel basis, in Gray-code order: one XOR each.
        const unsigned count = 1u << nullity;
        a.solutions.reserve(count);
        unsigned x = particular;
        for (unsigned i = 0; i < count; ++i) {
            if (i != 0)
                x ^= kernel[static_cast<std::size_t>(std::countr_zero(i))];
            if (x != 0)
                a.solutions.push_back(static_cast<std::uint16_t>(x));
        }
        std::sort(a.solutions.begin(), a.solutions.end());
    }
    if (a.solutions.empty()) {
        a.solutionText += kNoSolutionText;
        return a;
    }
    a.targetSolvable = true;
    a.solutionText.reserve(a.solutionText.size() + a.solutions.size() * (k + 3));
    for (const std::uint16_t m : a.solutions) {
        a.minPresses = std::min(a.minPresses, std::popcount(m));
        for (unsigned n = m; n != 0; n >>= 1)
            a.solutionText.push_back((n & 1u) ? '1' : '0');
        a.solutionText += "\r\n";
    }
    return a;
}

Analysis analyse(int k, const Verbindungsmatrix& wiring, unsigned targetLamps) {
    return analyseRows(k, wireRows(k, wiring), targetLamps);
}

std::string schaltmusterText(unsigned m) {
    std::string text;
    do {
        text.push_back((m & 1u) ? '1' : '0');
        m >>= 1;
    } while (m != 0);
    return text;
}

std::string toSchaltmuster(std::string_view decimalText) {
    const double v = numValue(decimalText);
    // Taken as a 16-bit integer: out-of-range values wrap rather than overflow.
    const double r = std::isfinite(v) ? std::fmod(std::nearbyint(v), 65536.0) : 0.0;
    const auto n = static_cast<unsigned>(r < 0 ? r + 65536.0 : r) & 0xFFFFu;
    return schaltmusterText(n);
}

} // namespace lampen
