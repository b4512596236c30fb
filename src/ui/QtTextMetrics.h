#pragma once
// The line height of the matrix view's font in the matrix view's own units, from the font the
// layout gives the view (Times New Roman bold) and the view's height on screen.

#include "Dialogs.h"

namespace lampen {
class Lampen;
}

class QtTextMetrics final : public lampen::TextMetrics {
public:
    // The model is attached once it exists; until then the design's own value is returned.
    void attach(const lampen::Lampen& model, double twipsPerPixel);
    double matrixLineHeight() const override;

private:
    const lampen::Lampen* model_ = nullptr;
    double twipsPerPixel_ = 15;
    // The last answer, kept while font size and view height stay the same.
    mutable double cachedFont_ = -1, cachedHeight_ = -1, cachedLine_ = 11;
};
