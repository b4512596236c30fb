#pragma once
// Shared by the window tests: a main that runs on the offscreen platform, and a watcher that
// answers the modal boxes a handler opens, recording what they showed.

#include "Fonts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

namespace lampen::uitest {

// What one modal box showed.
struct SeenBox {
    QString className;
    QString title;
    QString text; // the message, or the prompt of an input box
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool presetEmpty = true; // input boxes: no text was preset
};

// Polls for the active modal box and closes it: message boxes with their button, input boxes
// with the queued reply. Lives for one test step.
class ModalWatcher {
public:
    std::vector<SeenBox> seen;
    QStringList replies;

    ModalWatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        SeenBox box;
        box.className = QString::fromLatin1(modal->metaObject()->className());
        box.title = modal->windowTitle();
        if (auto* m = qobject_cast<QMessageBox*>(modal)) {
            box.text = m->text();
            box.icon = m->icon();
            box.buttons = static_cast<int>(m->buttons().size());
            seen.push_back(box);
            m->accept();
        } else if (auto* in = qobject_cast<QInputDialog*>(modal)) {
            box.text = in->labelText();
            box.presetEmpty = in->textValue().isEmpty();
            seen.push_back(box);
            if (replies.isEmpty()) {
                in->reject();
            } else {
                in->setTextValue(replies.takeFirst());
                in->accept();
            }
        } else {
            seen.push_back(box);
            modal->close();
        }
    }

    QTimer timer_;
};

} // namespace lampen::uitest

#define LAMPEN_UI_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char* argv[]) {                                                             \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        lampen::ui::installFontSubstitutes();                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
