// Reading and writing circuit codes: the round trip of the built-in group, lenient reading of
// short and odd codes, and the cells a smaller circuit leaves alone.

#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lampen {
namespace {

Verbindungsmatrix filledWith(int v) {
    Verbindungsmatrix m;
    for (auto& row : m.cell)
        row.fill(v);
    return m;
}

// Loads a code the way the window does: k from the first character, then the square 0..k.
int load(std::string_view code, Verbindungsmatrix& m) {
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    return k;
}

TEST(CodeDigit, DigitsGiveTheirValueEverythingElseZero) {
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(codeDigit(c), c - '0') << c;
    for (char c : {'*', 'a', 'Z', ' ', '-', '+', '.', '\0', '\r', '\n', '/', ':'})
        EXPECT_EQ(codeDigit(c), 0) << static_cast<int>(c);
    EXPECT_EQ(codeDigit(static_cast<char>(0xC3)), 0); // a byte of a UTF-8 umlaut
}

TEST(Schaltcode, EveryBuiltInCodeRoundTripsCharacterForCharacter) {
    for (std::size_t i = 0; i < builtInCodes().size(); ++i) {
        const std::string_view code = builtInCodes()[i];
        SCOPED_TRACE("circuit " + std::to_string(i + 1));
        Verbindungsmatrix m = filledWith(7); // whatever stood there before
        const int k = load(code, m);
        const std::string written = writeCode(k, m);
        EXPECT_EQ(written, code);
        EXPECT_EQ(written.size(), static_cast<std::size_t>(2 + (k + 1) * (k + 2)));
    }
}

TEST(Schaltcode, FirstCircuitLoadsItsFiveWires) {
    Verbindungsmatrix m;
    ASSERT_EQ(load(builtInCodes()[0], m), 2);
    const int expected[3][3] = {{1, 1, 0}, {0, 1, 1}, {0, 0, 1}};
    for (int s = 0; s <= 2; ++s)
        for (int l = 0; l <= 2; ++l)
            EXPECT_EQ(m(s, l), expected[s][l]) << "switch " << s << ", lamp " << l;
    const auto rows = wireRows(2, m);
    EXPECT_EQ(rows[0], 0b011);
    EXPECT_EQ(rows[1], 0b110);
    EXPECT_EQ(rows[2], 0b100);
}

TEST(Schaltcode, EmptyCodeIsOneUnwiredSwitchAndLamp) {
    Verbindungsmatrix m = filledWith(1);
    EXPECT_EQ(load("", m), 0);
    EXPECT_EQ(m(0, 0), 0);
    EXPECT_EQ(m(0, 1), 1); // outside the circuit: untouched
    EXPECT_EQ(wireRows(0, m)[0], 0);
    EXPECT_EQ(writeCode(0, m), "0*0*");
}

TEST(Schaltcode, FirstCharacterThatIsNoDigitGivesOneLamp) {
    for (const char* code : {"*", "x*1*", " 2*110*011*001*", "-1*1*"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(readMaxIndex(code), 0);
    }
    for (char d = '0'; d <= '9'; ++d)
        EXPECT_EQ(readMaxIndex(std::string(1, d) + "*"), d - '0');
}

TEST(Schaltcode, CutShortNineReadsMissingCellsAsZero) {
    Verbindungsmatrix m = filledWith(1);
    const std::string code = "9*1101";
    ASSERT_EQ(load(code, m), 9);
    for (int s = 0; s <= 9; ++s)
        for (int l = 0; l <= 9; ++l) {
            const bool given = s == 0 && l <= 3;
            EXPECT_EQ(m(s, l), given ? code[static_cast<std::size_t>(2 + l)] - '0' : 0)
                << "switch " << s << ", lamp " << l;
        }
    const std::string written = writeCode(9, m);
    EXPECT_EQ(written.size(), 112u);
    EXPECT_EQ(written.substr(0, 14), "9*1101000000*0");
    EXPECT_EQ(written.substr(written.size() - 11), "0000000000*");
}

TEST(Schaltcode, StarPositionsAreNeverExamined) {
    Verbindungsmatrix m;
    ASSERT_EQ(load("2x110y011z001w", m), 2);
    EXPECT_EQ(writeCode(2, m), "2*110*011*001*");
    // Rows are found by arithmetic: a missing "*" shifts every later row.
    ASSERT_EQ(load("2*110011*001*", m), 2);
    EXPECT_EQ(writeCode(2, m), "2*110*110*010*");
}

TEST(Schaltcode, TextAfterTheLastRowIsIgnored) {
    Verbindungsmatrix m;
    ASSERT_EQ(load("1*10*01*111111*junk", m), 1);
    EXPECT_EQ(writeCode(1, m), "1*10*01*");
}

TEST(Schaltcode, SmallerCircuitLeavesTheOtherCellsAlone) {
    Verbindungsmatrix m;
    load(builtInCodes()[3], m); // circuit 4: ten switches and lamps
    const Verbindungsmatrix afterFour = m;
    ASSERT_EQ(load(builtInCodes()[0], m), 2);
    EXPECT_EQ(m(3, 3), 1);
    EXPECT_EQ(m(3, 5), 0);
    for (int s = 0; s < kMatrixSize; ++s)
        for (int l = 0; l < kMatrixSize; ++l)
            if (s > 2 || l > 2) {
                EXPECT_EQ(m(s, l), afterFour(s, l)) << "switch " << s << ", lamp " << l;
            }
    // One more lamp written now carries circuit 4's leftovers into the new row and column.
    EXPECT_EQ(writeCode(3, m), "3*1100*0110*0011*0001*");
}

TEST(Schaltcode, DigitsAboveOneAreKeptButAreNoWire) {
    Verbindungsmatrix m;
    const std::string code = "2*120*031*009*";
    ASSERT_EQ(load(code, m), 2);
    EXPECT_EQ(m(0, 1), 2);
    EXPECT_EQ(m(1, 1), 3);
    EXPECT_EQ(m(2, 2), 9);
    EXPECT_EQ(writeCode(2, m), code);
    const auto rows = wireRows(2, m);
    EXPECT_EQ(rows[0], 0b001);
    EXPECT_EQ(rows[1], 0b100);
    EXPECT_EQ(rows[2], 0);
}

TEST(Schaltcode, EveryDigitSurvivesTheRoundTrip) {
    std::string code = "9*";
    for (int s = 0; s <= 9; ++s) {
        for (int l = 0; l <= 9; ++l)
            code.push_back(static_cast<char>('0' + (s + l) % 10));
        code.push_back('*');
    }
    Verbindungsmatrix m;
    ASSERT_EQ(load(code, m), 9);
    EXPECT_EQ(writeCode(9, m), code);
    const auto rows = wireRows(9, m);
    for (int s = 0; s <= 9; ++s) {
        // only the cell holding exactly 1 is a wire: lamp l with (s + l) % 10 == 1
        const int l = (11 - s) % 10;
        EXPECT_EQ(rows[static_cast<std::size_t>(s)], 1u << l) << "switch " << s;
    }
}

TEST(Schaltcode, LettersAndSignsReadAsZero) {
    Verbindungsmatrix m = filledWith(1);
    ASSERT_EQ(load("2*1a0*-b1*.+c*", m), 2);
    EXPECT_EQ(writeCode(2, m), "2*100*001*000*");
}

TEST(Schaltcode, WireRowsLookOnlyAtTheCircuit) {
    Verbindungsmatrix m = filledWith(1);
    const auto rows = wireRows(2, m);
    for (int s = 0; s <= 2; ++s)
        EXPECT_EQ(rows[static_cast<std::size_t>(s)], 0b111);
    for (int s = 3; s <= kMaxIndex; ++s)
        EXPECT_EQ(rows[static_cast<std::size_t>(s)], 0);
}

TEST(Schaltcode, OutOfRangeCircuitSizeNeverLeavesTheTable) {
    Verbindungsmatrix m;
    const std::string longCode(300, '1');
    for (int k : {-5, 10, 11, 42, 1 << 30}) {
        SCOPED_TRACE(k);
        EXPECT_NO_THROW(readWiring(longCode, k, m));
        EXPECT_NO_THROW(static_cast<void>(writeCode(k, m)));
        EXPECT_NO_THROW(static_cast<void>(wireRows(k, m)));
    }
}

} // namespace
} // namespace lampen
