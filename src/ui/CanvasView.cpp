#include "CanvasView.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QColor qColour(lampen::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

CanvasView::CanvasView(const lampen::Canvas& canvas, const QColor& background, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void CanvasView::refreshIfChanged() {
    if (canvas_.generation() != paintedGeneration_ || !(canvas_.scale() == paintedScale_))
        update();
}

double CanvasView::xPixels(double units) const {
    const auto& s = canvas_.scale();
    const double span = s.right - s.left;
    return span == 0 ? 0 : units * width() / span;
}

double CanvasView::yPixels(double units) const {
    const auto& s = canvas_.scale();
    const double span = s.bottom - s.top;
    return span == 0 ? 0 : units * height() / span;
}

QPointF CanvasView::toPixels(double x, double y) const {
    const auto& s = canvas_.scale();
    return {xPixels(x - s.left), yPixels(y - s.top)};
}

void CanvasView::paintEvent(QPaintEvent*) {
    paintedGeneration_ = canvas_.generation();
    paintedScale_ = canvas_.scale();
    QPainter p(this);
    const int ascent = QFontMetrics(font()).ascent();
    for (const lampen::DrawOp& op : canvas_.ops()) {
        const QPointF a = toPixels(op.x1, op.y1);
        const QPointF b = toPixels(op.x2, op.y2);
        switch (op.kind) {
        case lampen::DrawOp::Kind::Line:
            p.setPen(QPen(qColour(op.colour), op.penWidth));
            p.drawLine(a, b);
            break;
        case lampen::DrawOp::Kind::Box:
            p.setPen(QPen(qColour(op.colour), op.penWidth));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(a, b).normalized());
            break;
        case lampen::DrawOp::Kind::FilledBox:
            p.fillRect(QRectF(a, b).normalized(), qColour(op.colour));
            break;
        case lampen::DrawOp::Kind::Text:
            // The print position is the text's top-left corner.
            p.setPen(qColour(op.colour));
            p.drawText(QPointF(a.x(), a.y() + ascent), QString::fromStdString(op.text));
            break;
        }
    }
}
