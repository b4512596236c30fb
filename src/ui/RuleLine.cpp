#include "RuleLine.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

RuleLine::RuleLine(const QColor& colour, int penWidth, QWidget* parent)
    : QWidget(parent), colour_(colour), penWidth_(std::max(1, penWidth)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RuleLine::setEnds(QPoint from, QPoint to) {
    // At least as thick as the pen, so a horizontal or vertical line keeps its width.
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    const int w = std::max(std::abs(to.x() - from.x()), penWidth_);
    const int h = std::max(std::abs(to.y() - from.y()), penWidth_);
    setGeometry(left, top, w, h);
}

void RuleLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
}
