#pragma once
// The one measure of text the window needs from the toolkit: how high a line of the window's
// font is at a given size, so that the matrix view's row buttons sit over their headings.

namespace lampen {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Height of one text line of the window's font at the given size in points, in twips.
    virtual double lineHeightTwips(double points) const = 0;
};

} // namespace lampen
