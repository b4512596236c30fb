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

// The Schaltmuster text of every switch set, CR LF included, padded to a fixed width: a solution
// line is one fixed-size copy.
struct PatternLine {
    std::array<char, 12> text{};
    std::uint8_t length = 0;
};
constexpr std::array<PatternLine, 1024> makePatternLines() {
    std::array<PatternLine, 1024> lines{};
    for (unsigned m = 1; m < 1024; ++m) {
        PatternLine& line = lines[m];
        for (unsigned n = m; n != 0; n >>= 1)
            line.text[line.length++] = static_cast<char>('0' + (n & 1u));
        line.text[line.length++] = '\r';
        line.text[line.length++] = '\n';
    }
    return lines;
}
constexpr std::array<PatternLine, 1024> kPatternLines = makePatternLines();

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

    if (rest != 0) {
        a.solutionText.reserve(kSolutionHeader.size() + kNoSolutionText.size());
        a.solutionText = kSolutionHeader;
        a.solutionText += kNoSolutionText;
        return a;
    }

    // A switch that depends on earlier ones never enters a pivot's combination. So each kernel
    // vector holds exactly one dependent switch, its own and highest, and the particular
    // solution none: counting through the kernel's combinations lists the solving sets in
    // increasing order, one XOR each and no sort.
    const std::size_t count = std::size_t{1} << nullity;
    a.solutions.resize(count);
    a.solutions[0] = static_cast<std::uint16_t>(particular);
    for (std::size_t c = 1; c < count; ++c)
        a.solutions[c] =
            a.solutions[c & (c - 1)] ^ kernel[static_cast<std::size_t>(std::countr_zero(c))];
    // The empty set is never a solution (the target was no lamp at all).
    if (a.solutions.front() == 0)
        a.solutions.erase(a.solutions.begin());
    if (a.solutions.empty()) {
        a.solutionText = kSolutionHeader;
        a.solutionText += kNoSolutionText;
        return a;
    }

    a.targetSolvable = true;
    std::size_t length = kSolutionHeader.size();
    for (const std::uint16_t m : a.solutions) {
        a.minPresses = std::min(a.minPresses, std::popcount(m));
        length += static_cast<std::size_t>(std::bit_width(m)) + 2;
    }
    // Written in place from the table; the fixed-size copies may run past the last line, into
    // room that is cut off again at the end.
    a.solutionText.resize(length + sizeof(PatternLine::text));
    char* out = std::copy(kSolutionHeader.begin(), kSolutionHeader.end(), a.solutionText.data());
    for (const std::uint16_t m : a.solutions) {
        const PatternLine& line = kPatternLines[m & 1023u];
        std::copy(line.text.begin(), line.text.end(), out);
        out += line.length;
    }
    a.solutionText.resize(length);
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
