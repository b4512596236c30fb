#include "FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kBand(0, 70, 230);
const QColor kEdge(255, 255, 255);

} // namespace

FocusRing::FocusRing(QWidget* area) : QWidget(area) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("focusRing"));
    hide();
    // Focus that arrives with the window's activation is not shown, only focus that moves
    // inside the window afterwards, by Tab, a shortcut or a click.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { follow(old ? now : nullptr); });
}

void FocusRing::setBandWidth(int pixels) {
    band_ = std::max(1, pixels);
    place();
}

void FocusRing::follow(QWidget* now) {
    if (now && !parentWidget()->isAncestorOf(now))
        now = nullptr;
    if (now == target_)
        return;
    watch(false);
    target_ = now;
    watch(true);
    place();
}

// The focused control and everything between it and the area: a move of any of them moves it.
void FocusRing::watch(bool on) {
    for (QWidget* w = target_; w && w != parentWidget(); w = w->parentWidget())
        on ? w->installEventFilter(this) : w->removeEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::place() {
    if (!target_ || !target_->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    const QPoint topLeft = target_->mapTo(parentWidget(), QPoint(0, 0));
    const int out = band_ + 1; // the band lies outside the control, the white edge on its rim
    setGeometry(QRect(topLeft, target_->size()).adjusted(-out, -out, out, out));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const int b = band_;
    p.fillRect(r.left(), r.top(), r.width(), b, kBand);
    p.fillRect(r.left(), r.bottom() - b + 1, r.width(), b, kBand);
    p.fillRect(r.left(), r.top(), b, r.height(), kBand);
    p.fillRect(r.right() - b + 1, r.top(), b, r.height(), kBand);
    p.setPen(kEdge);
    p.drawRect(r.adjusted(b, b, -b - 1, -b - 1));
}
