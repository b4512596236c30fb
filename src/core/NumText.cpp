#include "NumText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lampen {

std::string numText(double n) {
    if (std::isnan(n))
        n = 0;
    // The sign's place first: a blank, or the minus the number brings.
    char buf[64] = {' '};
    char* const start = n >= 0 ? buf + 1 : buf;
    char* end = start;
    if (n == std::trunc(n) && std::fabs(n) < 1e15) // whole numbers, the common case, directly
        end = std::to_chars(start, buf + sizeof buf, static_cast<long long>(n)).ptr;
    else
        end = start + std::snprintf(start, sizeof buf - 1, "%.15g", n);
    return std::string(buf, end);
}

double numValue(std::string_view text) {
    std::string number; // sign, digits and one decimal point, blanks removed
    bool seenDigitOrPoint = false;
    bool seenPoint = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if ((c == '+' || c == '-') && number.empty()) {
            number.push_back(c);
            continue;
        }
        if (c >= '0' && c <= '9') {
            number.push_back(c);
            seenDigitOrPoint = true;
            continue;
        }
        if (c == '.' && !seenPoint) {
            number.push_back(c);
            seenPoint = true;
            seenDigitOrPoint = true;
            continue;
        }
        break;
    }
    if (!seenDigitOrPoint)
        return 0;
    double v = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(v))
        v = v > 0 ? DBL_MAX : -DBL_MAX;
    return v == 0 ? 0.0 : v; // no "-0"
}

std::string changeCounter(std::string_view text, double d) {
    return numText(numValue(text) + d);
}

std::optional<int> indexWithin(double v, int lo, int hi) {
    if (!(v >= lo - 0.5 && v <= hi + 0.5)) // also rejects NaN
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < lo || r > hi)
        return std::nullopt;
    return static_cast<int>(r);
}

} // namespace lampen
