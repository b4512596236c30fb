// Playing from the keyboard: digit keys press the switches of the same number as a click does,
// in play and in edit mode, but never while a box takes the typing; menu access keys trigger
// their items. Keys are delivered to the window as the platform delivers them, so they reach the
// widget with the keyboard focus first.

#include "LampenWindow.h"
#include "UiTest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace {

const QColor kOff(0, 0, 128);
const QColor kOn(255, 255, 0);

} // namespace

class WindowKeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LampenWindow> window_;

    template <class T = QWidget> T* get(const QString& name) {
        T* w = window_->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    template <class T = QWidget> T* get(const char* name) {
        return get<T>(QString::fromUtf8(name));
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    QColor lamp(int i) {
        return get(QStringLiteral("shpLampe(%1)").arg(i))->property("fillColor").value<QColor>();
    }
    // A key stroke as the platform reports it: to the window, which hands it to the focus.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window_->windowHandle(), key, modifiers);
    }
    void focus(const char* name) {
        QWidget* w = get(name);
        w->setFocus(Qt::OtherFocusReason);
        QCOMPARE(window_->focusWidget(), w);
    }

private slots:
    void init() {
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->setGeometry(0, 0, 1024, 768);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void digitsPressTheirSwitches() {
        // Circuit 1: S0 lights lamps 0 and 1, S2 lamp 2; the target is all three lamps.
        type(Qt::Key_0);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 1"));
        QCOMPARE(text("txtStatistik(0)"), QStringLiteral(" 1"));
        QCOMPARE(lamp(0), kOn);
        QCOMPARE(lamp(1), kOn);
        QCOMPARE(lamp(2), kOff);
        // The keypad's digits are the same keys.
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 2"));
        QCOMPARE(text("txtAusgabe"), QStringLiteral("Gelöst mit minimaler Schaltzahl!"));
        QCOMPARE(text("txtStatistik(1)"), QStringLiteral(" 1"));
        QCOMPARE(lamp(2), kOn);
        // A second stroke is a second press: lamps 0 and 1 go out again.
        type(Qt::Key_0);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 3"));
        QCOMPARE(lamp(0), kOff);
        QCOMPARE(lamp(1), kOff);
    }

    void aDigitAboveTheLastSwitchDoesNothing() {
        // Circuit 1 has the switches S0..S2.
        for (Qt::Key key : {Qt::Key_3, Qt::Key_5, Qt::Key_9}) {
            type(key);
            type(key, Qt::KeypadModifier);
        }
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        QCOMPARE(text("txtStatistik(0)"), QStringLiteral("0"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(lamp(i), kOff);

        // Circuit 4 has ten switches: "9" is S9, wired to lamps 8 and 9.
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(get<QPushButton>("cmdNächstes"), Qt::LeftButton);
        QCOMPARE(window_->model().maxIndex, 9);
        type(Qt::Key_9);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 1"));
        QCOMPARE(lamp(8), kOn);
        QCOMPARE(lamp(9), kOn);
        QCOMPARE(lamp(7), kOff);
    }

    void digitsWithOtherKeysHeldOrRepeatedDoNotPress() {
        type(Qt::Key_1, Qt::ControlModifier);
        type(Qt::Key_1, Qt::AltModifier);
        type(Qt::Key_1, Qt::ShiftModifier);
        // A held key: the repeats that follow the first stroke are not presses.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
        QApplication::sendEvent(window_.get(), &repeat);
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        QCOMPARE(lamp(1), kOff);
    }

    void aBoxThatTakesTypingKeepsItsDigits_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("presses");
        // The file list and the explanation take typed text; read-only boxes take none.
        QTest::newRow("file list") << QStringLiteral("cboDatei") << false;
        QTest::newRow("explanation") << QStringLiteral("txtErklärung(0)") << false;
        QTest::newRow("press counter, read-only") << QStringLiteral("txtKlicks") << true;
        QTest::newRow("a switch") << QStringLiteral("cmdSchalter(2)") << true;
    }
    void aBoxThatTakesTypingKeepsItsDigits() {
        QFETCH(QString, control);
        QFETCH(bool, presses);
        focus(control.toUtf8().constData());
        type(Qt::Key_1);
        QCOMPARE(text("txtKlicks"), presses ? QStringLiteral(" 1") : QStringLiteral("0"));
        QCOMPARE(lamp(1), presses ? kOn : kOff);
    }

    void digitsTypedIntoTheFileListGoIntoItsText() {
        auto* list = get<QComboBox>("cboDatei");
        focus("cboDatei");
        list->lineEdit()->selectAll();
        type(Qt::Key_1);
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(list->currentText(), QStringLiteral("12"));
        QCOMPARE(window_->model().cboDatei.text(), std::string("12"));
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        // Even a stroke that reaches the window itself is no press while the list has the focus.
        QTest::keyClick(window_.get(), Qt::Key_1);
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        // Typed straight into the line edit, too.
        QTest::keyClicks(list->lineEdit(), QStringLiteral("0"));
        QCOMPARE(window_->model().cboDatei.text(), std::string("120"));
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        QCOMPARE(lamp(0), kOff);
    }

    void inEditModeADigitSelectsItsSwitch() {
        get<QAction>("cmdÄndern")->trigger();
        QVERIFY(window_->model().editMode());
        const double scale = window_->model().layoutScale;
        // S1 of circuit 1 is wired to lamps 1 and 2: they light, lamp 0 does not.
        type(Qt::Key_1);
        QCOMPARE(window_->model().txtSchalter, std::string(" 1"));
        QCOMPARE(lamp(0), kOff);
        QCOMPARE(lamp(1), kOn);
        QCOMPARE(lamp(2), kOn);
        QCOMPARE(get("cmdSchalter(1)")->font().pointSizeF(), 10 * scale);
        QCOMPARE(get("cmdSchalter(0)")->font().pointSizeF(), 8 * scale);
        // The keypad's 0 moves the selection to S0 (lamps 0 and 1); the group is unchanged.
        type(Qt::Key_0, Qt::KeypadModifier);
        QCOMPARE(window_->model().txtSchalter, std::string(" 0"));
        QCOMPARE(lamp(0), kOn);
        QCOMPARE(lamp(2), kOff);
        QCOMPARE(get("cmdSchalter(0)")->font().pointSizeF(), 10 * scale);
        QCOMPARE(get("cmdSchalter(1)")->font().pointSizeF(), 8 * scale);
        QCOMPARE(window_->model().schaltgruppe.slot(1), std::string("2*110*011*001*"));
        // No switch beyond the circuit can be selected.
        type(Qt::Key_7);
        QCOMPARE(window_->model().txtSchalter, std::string(" 0"));
    }

    void anAccessKeyTriggersItsMenuItem() {
        auto* menu = get<QMenu>("cmdSchaltung");
        window_->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        // "&löschen": the l removes the current circuit, as the item does.
        QTest::keyClick(menu, Qt::Key_L);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 18"));
        QCOMPARE(window_->model().schaltgruppe.slot(1), std::string("3*1000*0110*0011*1001*"));
        // A letter that is no item's access key leaves the open menu and the group alone.
        window_->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_X);
        QVERIFY(menu->isVisible());
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 18"));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }
};

LAMPEN_UI_TEST_MAIN(WindowKeyboardTest)
#include "WindowKeyboardTest.moc"
