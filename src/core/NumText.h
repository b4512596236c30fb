#pragma once
// The two number conventions of every text box: numbers are shown with a leading blank when
// not negative, and any text is read leniently as a number.

#include <optional>
#include <string>
#include <string_view>

namespace lampen {

// " 2", "-3", " 0"; a fraction keeps its digits (" 2.5").
std::string numText(double n);

// Blanks, tabs and line feeds are ignored wherever they stand; then an optional sign and a
// decimal number are read up to the first character that cannot continue it. "1 2" reads 12,
// "7.0" reads 7, "" and "*" read 0. Never infinite: an absurdly long digit run is clamped.
double numValue(std::string_view text);

// A counter text changed by d: numText(numValue(text) + d).
std::string changeCounter(std::string_view text, double d);

// The whole number nearest to v (halves to even) when it lies within lo..hi, else nothing.
// Every table index that comes from a text goes through here before it is used.
std::optional<int> indexWithin(double v, int lo, int hi);

} // namespace lampen
