#pragma once

#include <QImage>

#include <array>

// The sizes in which the icon is shipped as PNG beside the scalable SVG.
inline constexpr std::array<int, 6> appIconSizes = {16, 32, 48, 64, 128, 256};

// The program icon at size x size pixels with alpha: a dark rounded square with a glowing
// lamp wired to two switches. Same shapes as data/icons/io.github.lampen_glimmrix.svg.
QImage drawAppIcon(int size);
