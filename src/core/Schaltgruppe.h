#pragma once
// The group of circuits: 201 text slots, slot 0 never used, circuits in slots 1..N.
// Every access is checked: a slot number outside 0..200 reads as an empty code and is never
// written.

#include <array>
#include <string>
#include <string_view>

namespace lampen {

inline constexpr int kSlotCount = 201;
inline constexpr int kMaxCircuits = 200;
inline constexpr int kBuiltInCount = 19;
inline constexpr std::string_view kBuiltInName = "Voreinstellung.lmp";

// The codes of the built-in group "Voreinstellung.lmp", circuit 1 first.
const std::array<std::string_view, kBuiltInCount>& builtInCodes();

class Schaltgruppe {
public:
    // The code in slot n; an empty text for a slot number outside 0..200.
    const std::string& slot(int n) const;
    // Writes slot n; returns false (and writes nothing) outside 0..200.
    bool setSlot(int n, std::string code);
    // Puts the built-in codes into slots 1..19; the other slots stay as they are.
    void loadBuiltIn();

    static bool valid(int n) { return n >= 0 && n < kSlotCount; }

private:
    std::array<std::string, kSlotCount> slots_{};
};

} // namespace lampen
