#pragma once
// Colours as the window uses them: RGB triples, and the numbers of the classic 16-colour palette
// that the matrix view draws with.

#include <cstdint>

namespace lampen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colour {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb darkBlue{0, 0, 128}; // lamp off
inline constexpr Rgb yellow{255, 255, 0}; // lamp on, target border, success
inline constexpr Rgb fieldGrey{128, 128, 128};
inline constexpr Rgb wire{180, 180, 180};
inline constexpr Rgb wireHighlight{255, 175, 66};
inline constexpr Rgb orangeBox{255, 192, 128}; // "Kürzeste Lösung gefunden"
inline constexpr Rgb red{255, 0, 0};
// The system's light 3-D edge colour, the text colour of the field ("Achtung!").
inline constexpr Rgb light3d{227, 227, 227};
} // namespace colour

// Entry n (0..15) of the classic 16-colour palette.
constexpr Rgb qbColour(int n) {
    constexpr Rgb palette[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return (n >= 0 && n < 16) ? palette[n] : palette[0];
}

} // namespace lampen
