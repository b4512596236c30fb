#include "LampShape.h"

#include <QPainter>

#include <algorithm>

LampShape::LampShape(int borderWidth, QWidget* parent)
    : QWidget(parent), borderWidth_(borderWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LampShape::setFillColor(const QColor& c) {
    if (c == fill_)
        return;
    fill_ = c;
    update();
}

void LampShape::setBorderColor(const QColor& c) {
    if (c == border_)
        return;
    border_ = c;
    update();
}

void LampShape::paintEvent(QPaintEvent*) {
    // A circle of the smaller side, centred; the border lies wholly inside it.
    const int side = std::min(width(), height());
    const double inset = borderWidth_ / 2.0;
    const QRectF circle((width() - side) / 2.0 + inset, (height() - side) / 2.0 + inset,
                        side - borderWidth_, side - borderWidth_);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border_, borderWidth_));
    p.setBrush(fill_);
    p.drawEllipse(circle);
}
