#include "LampShape.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

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

namespace {

// A circle of the smaller side of `size`, centred, its border wholly inside it.
void draw(QPainter& p, QSize size, const QColor& fill, const QColor& border, int borderWidth) {
    const int side = std::min(size.width(), size.height());
    const double inset = borderWidth / 2.0;
    const QRectF circle((size.width() - side) / 2.0 + inset, (size.height() - side) / 2.0 + inset,
                        side - borderWidth, side - borderWidth);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, borderWidth));
    p.setBrush(fill);
    p.drawEllipse(circle);
}

// The lamp's pixmap in the application's pixmap cache, drawn on a miss.
QPixmap lampPixmap(QSize size, const QColor& fill, const QColor& border, int borderWidth,
                   qreal ratio) {
    const QString key = QStringLiteral("lamp:%1x%2:%3:%4:%5:%6")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(fill.rgba(), 0, 16)
                            .arg(border.rgba(), 0, 16)
                            .arg(borderWidth)
                            .arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        draw(p, size, fill, border, borderWidth);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

void LampShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The ratio of what is painted on: the screen's, or that of an image the lamp is rendered to.
    const qreal ratio = p.paintEngine()->paintDevice()->devicePixelRatio();
    // At a fractional ratio a lamp starts between device pixels, where no pixmap fits exactly.
    if (ratio != std::round(ratio)) {
        draw(p, size(), fill_, border_, borderWidth_);
        return;
    }
    auto it = std::find_if(looks_.begin(), looks_.end(), [&](const Look& l) {
        return l.fill == fill_ && l.border == border_ && l.size == size() && l.ratio == ratio;
    });
    if (it == looks_.end()) {
        constexpr std::size_t kLooks = 4; // lit or dark, wanted or not
        if (looks_.size() == kLooks)
            looks_.pop_back();
        looks_.insert(looks_.begin(),
                      Look{fill_, border_, size(), ratio,
                           lampPixmap(size(), fill_, border_, borderWidth_, ratio)});
        it = looks_.begin();
    }
    p.drawPixmap(0, 0, it->pixmap);
}
