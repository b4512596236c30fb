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

QPalette designPalette() {
    const QColor face(240, 240, 240);
    QPalette p(face, face); // button and window face; the 3-D shades follow from it
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, Qt::black);
        p.setColor(group, QPalette::ButtonText, Qt::black);
        p.setColor(group, QPalette::Text, Qt::black);
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::AlternateBase, face);
        p.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Light, kLight3d);
        p.setColor(group, QPalette::Dark, kShadow3d);
        p.setColor(group, QPalette::PlaceholderText, kShadow3d);
    }
    return p;
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
