#include "QtTextMetrics.h"

#include "Fonts.h"
#include "Lampen.h"

#include <QFontMetricsF>

namespace {

constexpr double kDesignLine = 11; // the matrix font's line at the reference layout, in units

} // namespace

void QtTextMetrics::attach(const lampen::Lampen& model, double twipsPerPixel) {
    model_ = &model;
    twipsPerPixel_ = twipsPerPixel > 0 ? twipsPerPixel : 15;
    cachedFont_ = cachedHeight_ = -1;
}

double QtTextMetrics::matrixLineHeight() const {
    if (!model_)
        return kDesignLine;
    const lampen::Placement* area = model_->layout().find("picMatrix");
    if (!area || !area->height || !area->fontSize || *area->height <= 0)
        return kDesignLine;
    if (*area->fontSize == cachedFont_ && *area->height == cachedHeight_)
        return cachedLine_;

    const auto& s = model_->picMatrix.scale();
    const double heightPixels = *area->height / twipsPerPixel_;
    const double unitsPerPixel = (s.bottom - s.top) / heightPixels;
    const QFontMetricsF metrics(lampen::ui::windowFont(*area->fontSize));
    cachedFont_ = *area->fontSize;
    cachedHeight_ = *area->height;
    cachedLine_ = metrics.height() * unitsPerPixel;
    return cachedLine_;
}
