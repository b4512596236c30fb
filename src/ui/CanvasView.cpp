#include "CanvasView.h"

#include "WidgetStyle.h"

#include <QFontMetrics>
#include <QPainter>

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
    shown_ = canvas;
    update();
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

void CanvasView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int ascent = QFontMetrics(font()).ascent();
    for (const lampen::DrawOp& op : shown_.ops()) {
        const QPointF a = toPixels(op.x1, op.y1);
        const QPointF b = toPixels(op.x2, op.y2);
        switch (op.kind) {
        case lampen::DrawOp::Kind::Line:
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
