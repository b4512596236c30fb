#pragma once
// A drawing area on screen: paints the display list of one of the window's canvases in the
// canvas's own user scale, over a plain background. Child widgets (lamps, buttons) lie above it.

#include "Canvas.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

#include <cstdint>

class CanvasView : public QWidget {
    Q_OBJECT

public:
    CanvasView(const lampen::Canvas& canvas, const QColor& background, QWidget* parent = nullptr);

    const lampen::Canvas& canvas() const { return canvas_; }
    // Schedules a repaint when the display list or the scale changed since the last paint.
    void refreshIfChanged();

    // Pixel position of a point in user units, and pixel size of a length in user units.
    QPointF toPixels(double x, double y) const;
    double xPixels(double units) const;
    double yPixels(double units) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const lampen::Canvas& canvas_;
    std::uint64_t paintedGeneration_ = ~std::uint64_t{0};
    lampen::CanvasScale paintedScale_;
};
