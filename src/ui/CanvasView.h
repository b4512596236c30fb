#pragma once
// A drawing area on screen: paints the display list it was given in the list's own user scale,
// over a plain background. Child widgets (lamps, buttons) lie above it.

#include "Canvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QPointF>
#include <QWidget>

class CanvasView : public QWidget {
    Q_OBJECT

public:
    CanvasView(lampen::CanvasScale scale, const QColor& background, QWidget* parent = nullptr);

    // Takes the display list; repaints only where it differs from the one shown.
    void show(const lampen::Canvas& canvas);

    // Pixel position of a point in user units, and pixel size of a length in user units.
    QPointF toPixels(double x, double y) const;
    double xPixels(double units) const;
    double yPixels(double units) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The pixels an operation may touch, with room for its pen and its antialiased edges.
    QRect bounds(const lampen::DrawOp& op, const QFontMetrics& metrics) const;

    lampen::Canvas shown_;
};
