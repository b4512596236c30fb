#pragma once
// Bytes from a file are shown on a terminal and put into JSON; both need valid UTF-8 and no
// control characters, so every code point is looked at on its own.

#include <cstddef>
#include <string>
#include <string_view>

namespace lampen::cli {

struct Utf8Step {
    char32_t codePoint = 0; // meaningful only when valid
    std::size_t length = 1; // bytes taken; 1 for an invalid byte
    bool valid = false;
};

// The code point starting at pos (pos < bytes.size()). Overlong forms, surrogates, values
// above U+10FFFF and cut-off sequences are invalid and take one byte.
Utf8Step nextCodePoint(std::string_view bytes, std::size_t pos);

// Appends the UTF-8 form of a valid code point.
void appendUtf8(std::string& out, char32_t codePoint);

inline constexpr char32_t kReplacement = 0xFFFD;

// For a terminal: invalid bytes and control characters become U+FFFD.
std::string printable(std::string_view bytes);

// Code points in valid UTF-8 text: the width it takes in a table.
std::size_t displayWidth(std::string_view utf8);

} // namespace lampen::cli
