#pragma once
// A drawing area as retained data: its user coordinate scale and a display list. The
// presentation builds it anew from the state; the view repaints only when it differs from the
// list it shows.

#include "Colour.h"

#include <string>
#include <vector>

namespace lampen {

struct CanvasScale {
    double left = 0, top = 0, right = 1, bottom = 1;
    friend bool operator==(const CanvasScale&, const CanvasScale&) = default;
};

struct DrawOp {
    enum class Kind { Line, Box, FilledBox, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Text: top-left corner at (x1, y1)
    Rgb colour;
    int penWidth = 1; // pixels, not user units
    std::string text;
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

class Canvas {
public:
    explicit Canvas(CanvasScale scale = {}) : scale_(scale) {}
    const CanvasScale& scale() const { return scale_; }

    void cls() { ops_.clear(); }
    void line(double x1, double y1, double x2, double y2, Rgb c, int penWidth = 1) {
        ops_.push_back({DrawOp::Kind::Line, x1, y1, x2, y2, c, penWidth, {}});
    }
    void box(double x1, double y1, double x2, double y2, Rgb c, int penWidth = 1) {
        ops_.push_back({DrawOp::Kind::Box, x1, y1, x2, y2, c, penWidth, {}});
    }
    void filledBox(double x1, double y1, double x2, double y2, Rgb c) {
        ops_.push_back({DrawOp::Kind::FilledBox, x1, y1, x2, y2, c, 1, {}});
    }
    void text(double x, double y, std::string s, Rgb c) {
        ops_.push_back({DrawOp::Kind::Text, x, y, x, y, c, 1, std::move(s)});
    }

    const std::vector<DrawOp>& ops() const { return ops_; }
    friend bool operator==(const Canvas&, const Canvas&) = default;

private:
    CanvasScale scale_;
    std::vector<DrawOp> ops_;
};

} // namespace lampen
