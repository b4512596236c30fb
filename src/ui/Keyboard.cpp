// Playing from the keyboard: the digit keys press the switches of the same number, through the
// very click a mouse would give, so counting, messages and edit-mode selection stay the same.

#include "LampenWindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// A box that takes typed text. Read-only boxes take no digits, so they leave them to the switches.
bool takesTyping(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return !e->isReadOnly();
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w))
        return !t->isReadOnly();
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->isEditable();
    return false;
}

} // namespace

int LampenWindow::switchForKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key < Qt::Key_0 || key > Qt::Key_9)
        return -1;
    // Shift, Ctrl or Alt with a digit mean something else; the keypad flag alone is a digit.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return -1;
    return key - Qt::Key_0;
}

bool LampenWindow::textBoxHasFocus() const {
    // The focus may sit on a part of a box (a viewport, a combo box's line edit).
    for (const QWidget* w = focusWidget(); w && w != this; w = w->parentWidget())
        if (takesTyping(w))
            return true;
    return false;
}

void LampenWindow::keyPressEvent(QKeyEvent* event) {
    const int s = switchForKey(*event);
    if (s < 0 || textBoxHasFocus()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats; one stroke is one press. Switches beyond the circuit do not exist.
    if (event->isAutoRepeat() || s > model_.state().maxIndex)
        return;
    cmdSchalter_[static_cast<std::size_t>(s)]->click();
}
