#include "Schaltgruppe.h"

namespace lampen {

const std::array<std::string_view, kBuiltInCount>& builtInCodes() {
    static constexpr std::array<std::string_view, kBuiltInCount> codes = {
        "2*110*011*001*",
        "3*1000*0110*0011*1001*",
        "4*11000*01100*00110*00011*00001*",
        "9*1100000000*0110000000*0011000000*0001100000*0000110000*0000011000*0000001000*"
        "0000001100*0000000110*0000000011*",
        "2*110*011*101*",
        "3*1100*0110*0011*1001*",
        "4*11000*01100*00110*00011*10001*",
        "5*110000*011000*001100*000110*000011*100001*",
        "2*110*111*101*",
        "3*1100*0110*0011*1011*",
        "4*11000*01100*00110*00011*10101*",
        "5*111000*011000*001100*000110*000011*100001*",
        "5*110100*011000*001100*000110*000011*100001*",
        "3*1110*0111*1011*1101*",
        "4*11110*01111*10111*11011*11101*",
        "3*1101*1110*0111*1011*",
        "4*11001*11100*01110*00111*10011*",
        "5*110001*111000*011100*001110*000111*100011*",
        "8*110000001*111000000*011100000*001110000*000111000*000011100*000001110*000000111*"
        "100000011*",
    };
    return codes;
}

const std::string& Schaltgruppe::slot(int n) const {
    static const std::string empty;
    return valid(n) ? slots_[static_cast<std::size_t>(n)] : empty;
}

bool Schaltgruppe::setSlot(int n, std::string code) {
    if (!valid(n))
        return false;
    slots_[static_cast<std::size_t>(n)] = std::move(code);
    return true;
}

void Schaltgruppe::loadBuiltIn() {
    const auto& codes = builtInCodes();
    for (int i = 0; i < kBuiltInCount; ++i)
        slots_[static_cast<std::size_t>(i + 1)] = std::string(codes[static_cast<std::size_t>(i)]);
}

} // namespace lampen
