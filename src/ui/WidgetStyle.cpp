#include "WidgetStyle.h"

namespace lampen::ui {

void setColours(QWidget* w, QPalette::ColorRole background, const QColor& back,
                QPalette::ColorRole foreground, const QColor& fore) {
    const QPalette& now = w->palette();
    if (now.color(background) == back && now.color(foreground) == fore)
        return;
    QPalette pal = now;
    pal.setColor(background, back);
    pal.setColor(foreground, fore);
    w->setPalette(pal);
}

void setPointSize(QWidget* w, double points) {
    if (points <= 0)
        return;
    QFont f = w->font();
    if (f.pointSizeF() == points)
        return;
    f.setPointSizeF(points);
    w->setFont(f);
}

} // namespace lampen::ui
