// Working the window without a mouse: standard shortcuts for the menu items, the sliders in the
// Tab order, Tab going through the window in reading order, and a visible focus frame.

#include "CanvasView.h"
#include "FocusRing.h"
#include "LampenWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

struct Shortcut {
    const char* action;
    QKeySequence keys;
};

} // namespace

void LampenWindow::setUpKeyboard() {
    // The captions stay as they are; the keys are the desktop's usual ones for these commands.
    const Shortcut shortcuts[] = {
        {"cmdLaden", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"cmdSpeichern", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"cmdSchließen", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"cmdHilfe", QKeySequence(Qt::Key_F1)},
    };
    for (const Shortcut& s : shortcuts)
        if (auto* a = findChild<QAction*>(QString::fromUtf8(s.action)))
            a->setShortcut(s.keys);

    for (QScrollBar* s : {hscLampwinkel_, hscRadLampe_, hscSchaltwinkel_, hscRadSchalter_})
        s->setFocusPolicy(Qt::TabFocus);
    // The room's number line is captions in boxes; only its two numbers take the focus.
    for (const char* caption : {"txtNr", "Text3", "Text2"})
        byName_.at(caption)->setFocusPolicy(Qt::NoFocus);
    // Tab leaves a text area instead of being typed into it, so the keyboard is never caught.
    for (auto* t : client_->findChildren<QPlainTextEdit*>())
        t->setTabChangesFocus(true);

    focusRing_ = new FocusRing(client_); // owned by the client area
    // As thick as two pixels of the design, at least two.
    focusRing_->setBandWidth(
        static_cast<int>(std::lround(2 * std::max(1.0, model_.layout().layoutScale))));
}

void LampenWindow::orderTabs() {
    // Reading order: the left half (top strip, room, sliders) from top to bottom, then the right
    // half; within a half by rows, left to right. A switch is found where the ring puts it now.
    const int middle = picProzent_->geometry().center().x();
    struct Stop {
        QWidget* w;
        int column, top, left;
    };
    std::vector<Stop> stops;
    for (const auto& [name, w] : byName_) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QPoint at = w->mapTo(client_, QPoint(0, 0));
        stops.push_back({w, at.x() + w->width() / 2 > middle ? 1 : 0, at.y(), at.x()});
    }
    std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return std::tie(a.column, a.top, a.left) < std::tie(b.column, b.top, b.left);
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1].w, stops[i].w);
}
