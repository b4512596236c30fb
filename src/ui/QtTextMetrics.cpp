#include "QtTextMetrics.h"

#include "Fonts.h"

#include <QFontMetricsF>

double QtTextMetrics::lineHeightTwips(double points) const {
    if (points != cachedPoints_) {
        cachedPoints_ = points;
        cachedTwips_ = QFontMetricsF(lampen::ui::windowFont(points)).height() * twipsPerPixel_;
    }
    return cachedTwips_;
}
