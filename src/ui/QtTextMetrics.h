#pragma once
// The line height of the window's font (Times New Roman bold) at a size, in twips of the screen.

#include "TextMetrics.h"

class QtTextMetrics final : public lampen::TextMetrics {
public:
    explicit QtTextMetrics(double twipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}
    double lineHeightTwips(double points) const override;

private:
    double twipsPerPixel_;
    // The last answer, kept while the size stays the same.
    mutable double cachedPoints_ = -1, cachedTwips_ = 0;
};
