#pragma once
// Shared by the window tests: a main that runs on the offscreen platform, and a watcher that
// answers the modal boxes a handler opens, recording what they showed.

#include "Fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

namespace lampen::uitest {

// Types the text into the widget key by key, umlauts included: Qt names the key of a Latin-1
// letter by its upper-case code, and the event carries the character itself.
inline void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

// What one modal box showed.
struct SeenBox {
    QString className;
    QString title;
    QString text; // the message, or the prompt of an input box
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool presetEmpty = true; // input boxes: no text was preset
    // File dialogs: where it started, what it offers and shows, opening or saving.
    QString directory;
    QStringList nameFilters;
    QString shownFilter;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
};

// Polls for the active modal box and closes it: message boxes with their button, input boxes
// with the queued reply, file dialogs by typing the queued file name and accepting (cancelled
// when none is queued). Lives for one test step.
class ModalWatcher {
public:
    std::vector<SeenBox> seen;
    QStringList replies;
    QStringList fileNames;

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
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            answerFileDialog(files, box);
        } else {
            seen.push_back(box);
            modal->close();
        }
    }

    void answerFileDialog(QFileDialog* dialog, SeenBox& box) {
        box.directory = dialog->directory().absolutePath();
        box.nameFilters = dialog->nameFilters();
        box.acceptMode = dialog->acceptMode();
        if (auto* type = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            box.shownFilter = type->currentText();
        seen.push_back(box);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (fileNames.isEmpty() || !name) {
            dialog->reject();
            return;
        }
        // Typed as a user types it, then the dialog's own open or save button.
        name->clear();
        typeText(name, fileNames.takeFirst());
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QPushButton* accept = buttons
                                  ? buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave
                                                        ? QDialogButtonBox::Save
                                                        : QDialogButtonBox::Open)
                                  : nullptr;
        if (accept)
            accept->click();
        else
            dialog->reject();
    }

    QTimer timer_;
};

} // namespace lampen::uitest

#define LAMPEN_UI_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char* argv[]) {                                                             \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        /* The file dialogs are Qt's own, whatever the platform would offer. */                    \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        lampen::ui::installFontSubstitutes();                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
