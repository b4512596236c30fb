#include "HairLine.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace lampen::ui {

std::optional<PixelTarget> pixelTarget(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(engine->paintDevice());
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        return std::nullopt;
    }
    const QTransform& t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || image->devicePixelRatio() != 1.0)
        return std::nullopt;
    return PixelTarget{image, QPoint(qRound(t.dx()), qRound(t.dy()))};
}

namespace {

long floorDiv(long a, long b) { // b > 0
    return a / b - (a % b != 0 && a < 0 ? 1 : 0);
}

long ceilDiv(long a, long b) { // b > 0
    return -floorDiv(-a, b);
}

// One line one pixel wide. Along its main axis u it takes every pixel t = 0..du; across it, v
// moves by floor((2 t dv + du) / 2 du). The same rule for every pixel gives the same line however
// the clip cuts it, and each of the clip's rectangles is entered only where the line crosses it.
class Plotter {
public:
    Plotter(const PixelTarget& t, QRgb colour)
        : bits_(t.image->bits()), stride_(t.image->bytesPerLine()), origin_(t.origin),
          colour_(colour | 0xff000000u), image_(-t.origin, t.image->size()) {}

    void line(QPoint a, QPoint b, const QRegion& clip) {
        flat_ = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
        u0_ = flat_ ? a.x() : a.y(), v0_ = flat_ ? a.y() : a.x();
        const int u1 = flat_ ? b.x() : b.y(), v1 = flat_ ? b.y() : b.x();
        du_ = std::abs(u1 - u0_), dv_ = std::abs(v1 - v0_);
        su_ = u1 < u0_ ? -1 : 1, sv_ = v1 < v0_ ? -1 : 1;
        for (const QRect& r : clip)
            within(r & image_);
    }

private:
    void within(const QRect& r) {
        if (r.isEmpty())
            return;
        const long ulo = flat_ ? r.left() : r.top(), uhi = flat_ ? r.right() : r.bottom();
        const long vlo = flat_ ? r.top() : r.left(), vhi = flat_ ? r.bottom() : r.right();
        // The steps whose main coordinate lies inside the rectangle...
        long first = su_ > 0 ? ulo - u0_ : u0_ - uhi, last = su_ > 0 ? uhi - u0_ : u0_ - ulo;
        first = std::max(first, 0L), last = std::min(last, static_cast<long>(du_));
        // ... and whose offset across it does.
        const long klo = sv_ > 0 ? vlo - v0_ : v0_ - vhi, khi = sv_ > 0 ? vhi - v0_ : v0_ - vlo;
        if (dv_ == 0) {
            if (klo > 0 || khi < 0)
                return;
        } else {
            first = std::max(first, ceilDiv((2 * klo - 1) * du_, 2L * dv_));
            last = std::min(last, ceilDiv((2 * khi + 1) * du_, 2L * dv_) - 1);
        }
        if (first > last)
            return;
        const long twiceDu = 2L * std::max(du_, 1);
        long n = 2 * first * dv_ + du_;
        long k = n / twiceDu, rest = n % twiceDu;
        for (long t = first; t <= last; ++t) {
            const long u = u0_ + su_ * t, v = v0_ + sv_ * k;
            plot(static_cast<int>(flat_ ? u : v), static_cast<int>(flat_ ? v : u));
            rest += 2 * dv_;
            if (rest >= twiceDu)
                rest -= twiceDu, ++k;
        }
    }

    void plot(int x, int y) {
        auto* row = reinterpret_cast<QRgb*>(bits_ + (y + origin_.y()) * stride_);
        row[x + origin_.x()] = colour_;
    }

    uchar* bits_;
    qsizetype stride_;
    QPoint origin_;
    QRgb colour_;
    QRect image_; // the image in user coordinates
    bool flat_ = true;
    int u0_ = 0, v0_ = 0, du_ = 0, dv_ = 0, su_ = 1, sv_ = 1;
};

} // namespace

void drawHairLine(const PixelTarget& target, QPoint a, QPoint b, QRgb colour, int width,
                  const QRegion& clip) {
    Plotter plot(target, colour);
    // A wider line is drawn as neighbours across its main direction.
    const bool flat = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    for (int i = 0; i < std::max(1, width); ++i) {
        const int offset = i - (width - 1) / 2;
        const QPoint across = flat ? QPoint(0, offset) : QPoint(offset, 0);
        plot.line(a + across, b + across, clip);
    }
}

} // namespace lampen::ui
