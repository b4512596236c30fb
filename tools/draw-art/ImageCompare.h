#pragma once

#include <QImage>

// How far a stored picture is from a freshly drawn one.
struct ImageDifference {
    bool sameSize = false;
    bool sameAlpha = false;
    // Pixels where some channel differs by more than the tolerance.
    qsizetype differingPixels = 0;
};

// Compares channel by channel; `tolerance` absorbs rounding in the antialiasing.
ImageDifference compareImages(const QImage& stored, const QImage& drawn, int tolerance);
