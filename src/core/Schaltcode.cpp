#include "Schaltcode.h"

#include <algorithm>

namespace lampen {

int codeDigit(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

int readMaxIndex(std::string_view code) {
    return code.empty() ? 0 : codeDigit(code.front());
}

void readWiring(std::string_view code, int k, Verbindungsmatrix& m) {
    k = std::clamp(k, 0, kMaxIndex);
    for (int s = 0; s <= k; ++s) {
        for (int l = 0; l <= k; ++l) {
            // Position 3 + s(k+2) + l counted from 1.
            const std::size_t pos = static_cast<std::size_t>(2 + s * (k + 2) + l);
            m(s, l) = pos < code.size() ? codeDigit(code[pos]) : 0;
        }
    }
}

std::string writeCode(int k, const Verbindungsmatrix& m) {
    k = std::clamp(k, 0, kMaxIndex);
    std::string code;
    code.reserve(static_cast<std::size_t>(2 + (k + 1) * (k + 2)));
    code.push_back(static_cast<char>('0' + k));
    code.push_back('*');
    for (int s = 0; s <= k; ++s) {
        for (int l = 0; l <= k; ++l)
            code.push_back(static_cast<char>('0' + std::clamp(m(s, l), 0, 9)));
        code.push_back('*');
    }
    return code;
}

std::array<std::uint16_t, kMaxIndex + 1> wireRows(int k, const Verbindungsmatrix& m) {
    std::array<std::uint16_t, kMaxIndex + 1> rows{};
    k = std::clamp(k, 0, kMaxIndex);
    for (int s = 0; s <= k; ++s)
        for (int l = 0; l <= k; ++l)
            if (m(s, l) == 1)
                rows[static_cast<std::size_t>(s)] |= static_cast<std::uint16_t>(1u << l);
    return rows;
}

} // namespace lampen
