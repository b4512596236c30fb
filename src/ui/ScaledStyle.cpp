#include "ScaledStyle.h"

#include "LampenWindow.h"

#include <QApplication>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

ScaledStyle::ScaledStyle(double factor, QObject* parent)
    : QProxyStyle(QApplication::style()->name()), factor_(std::max(1.0, factor)) {
    setParent(parent);
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
        return static_cast<int>(std::lround(size * factor_));
    default:
        return size;
    }
}

// ---- the window's option buttons ----------------------------------------------------------------

void LampenWindow::growOptionCircles() {
    auto* style = new ScaledStyle(model_.layout().layoutScale, this); // owned by the window
    for (QRadioButton* o : {optLoesbar_[0], optLoesbar_[1], Option1_[0], Option1_[1]})
        o->setStyle(style);
}
