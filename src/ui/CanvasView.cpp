#include "CanvasView.h"

#include "HairLine.h"
#include "WidgetStyle.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

using lampen::ui::toQColor;

CanvasView::CanvasView(lampen::CanvasScale scale, const QColor& background, QWidget* parent)
    : QWidget(parent), shown_(scale) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void CanvasView::show(const lampen::Canvas& canvas) {
    if (canvas == shown_)
        return;
    // A hidden area paints nothing now and everything when it shows again.
    if (!isVisible() || canvas.scale() != shown_.scale()) {
        shown_ = canvas;
        update();
        return;
    }
    // The lists are built in a fixed order, so a change keeps the operations before it in place;
    // one rectangle around all that differs keeps the repaint's clip simple.
    const auto& was = shown_.ops();
    const auto& now = canvas.ops();
    const QFontMetrics metrics(font());
    QRect changed;
    for (std::size_t i = 0; i < std::max(was.size(), now.size()); ++i) {
        const bool before = i < was.size(), after = i < now.size();
        if (before && after && was[i] == now[i])
            continue;
        if (before)
            changed |= bounds(was[i], metrics);
        if (after)
            changed |= bounds(now[i], metrics);
    }
    shown_ = canvas;
    update(changed);
}

QRect CanvasView::bounds(const lampen::DrawOp& op, const QFontMetrics& metrics) const {
    const QPointF a = toPixels(op.x1, op.y1);
    if (op.kind == lampen::DrawOp::Kind::Text) {
        // Wide enough for any text of that many bytes, without shaping it.
        const int width = metrics.maxWidth() * static_cast<int>(op.text.size());
        return QRect(a.toPoint(), QSize(width, metrics.height())).adjusted(-2, -2, 2, 2);
    }
    const int margin = op.penWidth + 1;
    return QRectF(a, toPixels(op.x2, op.y2))
        .normalized()
        .toAlignedRect()
        .adjusted(-margin, -margin, margin, margin);
}

double CanvasView::xPixels(double units) const {
    const auto& s = shown_.scale();
    const double span = s.right - s.left;
    return span == 0 ? 0 : units * width() / span;
}

double CanvasView::yPixels(double units) const {
    const auto& s = shown_.scale();
    const double span = s.bottom - s.top;
    return span == 0 ? 0 : units * height() / span;
}

QPointF CanvasView::toPixels(double x, double y) const {
    const auto& s = shown_.scale();
    return {xPixels(x - s.left), yPixels(y - s.top)};
}

void CanvasView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int ascent = metrics.ascent();
    const QRegion& dirty = event->region();
    const auto pixels = lampen::ui::pixelTarget(p);
    for (const lampen::DrawOp& op : shown_.ops()) {
        if (!dirty.intersects(bounds(op, metrics)))
            continue; // a lamp's repaint touches two or three of the room's lines

        const QPointF a = toPixels(op.x1, op.y1);
        const QPointF b = toPixels(op.x2, op.y2);
        switch (op.kind) {
        case lampen::DrawOp::Kind::Line:
            if (pixels) {
                const lampen::Rgb c = op.colour;
                lampen::ui::drawHairLine(*pixels, a.toPoint(), b.toPoint(), qRgb(c.r, c.g, c.b),
                                         op.penWidth, dirty);
                break;
            }
            p.setPen(QPen(toQColor(op.colour), op.penWidth));
            p.drawLine(a, b);
            break;
        case lampen::DrawOp::Kind::Box:
            p.setPen(QPen(toQColor(op.colour), op.penWidth));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(a, b).normalized());
            break;
        case lampen::DrawOp::Kind::FilledBox:
            p.fillRect(QRectF(a, b).normalized(), toQColor(op.colour));
            break;
        case lampen::DrawOp::Kind::Text:
            // The print position is the text's top-left corner.
            p.setPen(toQColor(op.colour));
            p.drawText(QPointF(a.x(), a.y() + ascent), QString::fromStdString(op.text));
            break;
        }
    }
}
