#include "LazyIcon.h"

#include "ReadPicture.h"

#include <QPixmap>

LazyIconEngine::LazyIconEngine(QString file, int side) : file_(std::move(file)), side_(side) {}

QIcon& LazyIconEngine::loaded() {
    if (!icon_)
        icon_.emplace(QPixmap::fromImage(readPicture(file_)));
    return *icon_;
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return loaded().pixmap(size, mode, state);
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    // The picture is square and never scaled up.
    const int side = std::min({size.width(), size.height(), side_});
    return {side, side};
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {QSize(side_, side_)};
}

QIconEngine* LazyIconEngine::clone() const {
    return new LazyIconEngine(file_, side_); // owned by the icon that asked for the copy
}

QIcon lazyIcon(const QString& file, int side) {
    return QIcon(new LazyIconEngine(file, side)); // the icon owns its engine
}
