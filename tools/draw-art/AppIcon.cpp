#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>

namespace {

// Every measure is in the 256-unit box of the SVG; keep both in step.
constexpr double iconUnits = 256;
constexpr QPointF lampCentre(128, 100);
constexpr double lampRadius = 38;
constexpr double glowRadius = 84;
constexpr QRectF leftSwitch(44, 168, 52, 52);
constexpr QRectF rightSwitch(160, 168, 52, 52);
constexpr double wireWidth = 8;

void drawBackground(QPainter& p) {
    QLinearGradient fill(0, 8, 0, 248);
    fill.setColorAt(0, QColor(0x24, 0x30, 0x5c));
    fill.setColorAt(1, QColor(0x10, 0x17, 0x33));
    p.setPen(QPen(QColor(0x3c, 0x4c, 0x80), 4));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(10, 10, 236, 236), 46, 46);
}

void drawWires(QPainter& p, double width) {
    p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(leftSwitch.center().x(), leftSwitch.top()), lampCentre);
    p.drawLine(QPointF(rightSwitch.center().x(), rightSwitch.top()), lampCentre);
    p.drawLine(QPointF(lampCentre.x(), 28), lampCentre);
}

void drawLamp(QPainter& p) {
    QRadialGradient glow(lampCentre, glowRadius);
    glow.setColorAt(0, QColor(255, 255, 0, 150));
    glow.setColorAt(0.45, QColor(255, 255, 0, 70));
    glow.setColorAt(1, QColor(255, 255, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(lampCentre, glowRadius, glowRadius);

    p.setPen(QPen(QColor(0xc8, 0xb4, 0x00), 5));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(lampCentre, lampRadius, lampRadius);
}

void drawSwitch(QPainter& p, const QRectF& key) {
    p.setPen(QPen(QColor(0xee, 0xee, 0xee), 4));
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(key);
    // The lower and right edge in shadow, as on a raised button.
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 4));
    p.drawLine(key.bottomLeft(), key.bottomRight());
    p.drawLine(key.topRight(), key.bottomRight());
}

} // namespace

QImage drawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / iconUnits;
    p.scale(scale, scale);

    drawBackground(p);
    // Wires at least one pixel wide, so they survive at the smallest sizes.
    drawWires(p, std::max(wireWidth, 1.0 / scale));
    drawLamp(p);
    drawSwitch(p, leftSwitch);
    drawSwitch(p, rightSwitch);
    p.end();
    return image;
}
