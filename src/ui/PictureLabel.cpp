#include "PictureLabel.h"

#include "ReadPicture.h"

#include <QImage>
#include <QPainter>

PictureLabel::PictureLabel(QString file, QWidget* parent)
    : QLabel(parent), file_(std::move(file)) {}

void PictureLabel::paintEvent(QPaintEvent*) {
    const QRect area = contentsRect();
    const qreal ratio = devicePixelRatio();
    const QSize pixels = area.size() * ratio;
    if (scaled_.size() != pixels) {
        // Smoothly scaled, as a label scales its contents; a missing picture leaves it empty.
        const QImage picture = readPicture(file_);
        if (picture.isNull() || pixels.isEmpty())
            return;
        scaled_ = QPixmap::fromImage(
            picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(area.topLeft(), scaled_);
}
