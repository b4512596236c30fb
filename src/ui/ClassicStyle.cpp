#include "ClassicStyle.h"

#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace {

// Two one-pixel edges around r: top and left in one colour, bottom and right in the other.
void edges(QPainter* p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p->fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    p->fillRect(r.left(), r.top() + 1, 1, r.height() - 1, topLeft);
    p->fillRect(r.left() + 1, r.bottom(), r.width() - 1, 1, bottomRight);
    p->fillRect(r.right(), r.top() + 1, 1, r.height() - 2, bottomRight);
}

// A box sunk into the window: dark above and left, light below and right, two pixels deep when
// the frame has room for it.
void sunken(QPainter* p, const QRect& r, const QPalette& pal, int depth) {
    edges(p, r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    if (depth > 1)
        edges(p, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow),
              pal.color(QPalette::Button));
}

// A button standing out of the window; pressed, it is sunk instead.
void raised(QPainter* p, const QRect& r, const QPalette& pal, bool pressed) {
    p->fillRect(r.adjusted(1, 1, -1, -1), pal.brush(QPalette::Button));
    if (pressed) {
        edges(p, r, pal.color(QPalette::Shadow), pal.color(QPalette::Light));
        edges(p, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Dark), pal.color(QPalette::Button));
        return;
    }
    edges(p, r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
    edges(p, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Button), pal.color(QPalette::Dark));
}

} // namespace

ClassicStyle::ClassicStyle() = default;

void ClassicStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (qobject_cast<QLineEdit*>(widget))
        widget->setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClassicStyle::unpolish(QWidget* widget) {
    if (qobject_cast<QLineEdit*>(widget))
        widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
    QProxyStyle::unpolish(widget);
}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Two chevrons pointing on, right for a row, down for a column.
    QPixmap arrows(8, 16);
    arrows.fill(Qt::transparent);
    QPainter p(&arrows);
    const QColor ink = widget ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black);
    for (int chevron : {0, 4})
        for (int i = 0; i < 3; ++i) {
            p.fillRect(chevron + i, 5 + i, 1, 1, ink);
            p.fillRect(chevron + i, 9 - i, 1, 1, ink);
        }
    p.end();
    if (icon == SP_ToolBarVerticalExtensionButton)
        arrows = arrows.transformed(QTransform().rotate(90));
    return QIcon(arrows);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    switch (element) {
    case PE_PanelLineEdit:
        if (!frame)
            break;
        painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
        if (frame->lineWidth > 0)
            sunken(painter, option->rect, option->palette, frame->lineWidth);
        return;
    case PE_FrameGroupBox: {
        // An etched line: a groove, dark above and left of a light one.
        const QPalette& pal = option->palette;
        const QColor dark = pal.color(QPalette::Dark), light = pal.color(QPalette::Light);
        edges(painter, option->rect, dark, light);
        edges(painter, option->rect.adjusted(1, 1, -1, -1), light, dark);
        return;
    }
    case PE_FrameLineEdit:
        if (!frame)
            break;
        sunken(painter, option->rect, option->palette, std::max(1, frame->lineWidth));
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButtonBevel) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            button && !(button->features & QStyleOptionButton::Flat)) {
            raised(painter, option->rect, option->palette,
                   option->state & (State_Sunken | State_On));
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ClassicStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                const QPalette& palette, bool enabled, const QString& text,
                                QPalette::ColorRole textRole) const {
    const bool plain = !text.contains(QLatin1Char('&')) && !text.contains(QLatin1Char('\n')) &&
                       !(flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere));
    if (!plain || text.isEmpty()) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    const QFont& font = painter->font();
    auto it = std::find_if(captions_.begin(), captions_.end(),
                           [&](const Caption& c) { return c.text == text && c.font == font; });
    if (it == captions_.end()) {
        if (captions_.size() >= 256) // captions change rarely; a long session keeps no stale ones
            captions_.clear();
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        captions_.push_back({font, text, std::move(laidOut)});
        it = captions_.end() - 1;
    }
    const QSizeF size = it->laidOut.size();
    QPointF at(rect.left(), rect.top());
    if (flags & Qt::AlignHCenter)
        at.rx() += (rect.width() - size.width()) / 2;
    else if (flags & Qt::AlignRight)
        at.rx() += rect.width() - size.width();
    if (flags & Qt::AlignVCenter)
        at.ry() += (rect.height() - size.height()) / 2;
    else if (flags & Qt::AlignBottom)
        at.ry() += rect.height() - size.height();
    const QPen pen = painter->pen();
    if (textRole != QPalette::NoRole)
        painter->setPen(palette.color(enabled ? QPalette::Active : QPalette::Disabled, textRole));
    painter->drawStaticText(QPointF(qRound(at.x()), qRound(at.y())), it->laidOut);
    painter->setPen(pen);
}
