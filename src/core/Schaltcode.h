#pragma once
// A circuit (Schaltung) as a wiring table and as its text code (Schaltcode).
//
// A code is the digit k, "*", then one row per switch (S0 first) of k+1 digits for the lamps
// 0..k, each row closed by "*": "2*110*011*001*". Reading is lenient: rows are found by
// arithmetic, missing positions read 0 and the "*" positions are never examined.
//
// A file may carry digits 2..9 in a row. They are kept in the table exactly as read and written
// back unchanged, so a group survives a round trip byte for byte; they are never a wire (only the
// value 1 toggles a lamp or counts in the analysis), and a click on the lamp in the editor makes
// such a cell 1. Any other character reads 0, so every cell is a single digit 0..9 and a stored
// code is always well-formed.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lampen {

inline constexpr int kMaxIndex = 9;               // at most ten switches and ten lamps
inline constexpr int kMatrixSize = kMaxIndex + 1; // the wiring table has indices 0..9

// Element (switch, lamp); cells outside the current circuit keep what an earlier, larger
// circuit left there.
struct Verbindungsmatrix {
    std::array<std::array<int, kMatrixSize>, kMatrixSize> cell{};

    int& operator()(int s, int l) { return cell.at(s).at(l); }
    int operator()(int s, int l) const { return cell.at(s).at(l); }
};

// The one-digit value of a code character: '0'..'9' give 0..9, everything else 0.
int codeDigit(char c);

// k of a code: the value of its first character (0 for an empty code or a non-digit).
int readMaxIndex(std::string_view code);

// Writes the square 0..k of the table from the code; every other cell stays as it was.
void readWiring(std::string_view code, int k, Verbindungsmatrix& m);

// The code of the square 0..k of the table; its length is 2 + (k+1)(k+2).
std::string writeCode(int k, const Verbindungsmatrix& m);

// Row s as a bit mask over the lamps 0..k: bit l is set where element (s, l) is exactly 1.
std::array<std::uint16_t, kMaxIndex + 1> wireRows(int k, const Verbindungsmatrix& m);

} // namespace lampen
