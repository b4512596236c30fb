// The window for screen readers and the keyboard, and under a dark desktop palette: accessible
// names through Qt's accessibility interface, shortcuts, the Tab order, the focus frame, the wire
// highlight that follows the focus, and the design's colours kept readable.

#include "LampenWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Contrast of two colours as the web's accessibility guidelines define it: 1 (none) to 21.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette() {
    QPalette p(QColor(53, 53, 53), QColor(45, 45, 45));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    return p;
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LampenWindow> window_;

    QWidget* get(const char* name) {
        auto* w = window_->findChild<QWidget*>(QString::fromUtf8(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString said(const char* name, QAccessible::Text what) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(get(name));
        return a ? a->text(what) : QStringLiteral("?");
    }

private slots:
    void init() {
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->setGeometry(0, 0, 1024, 768);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void screenReadersHearNamesAndStates() {
        // The texts themselves are the presentation's; here they must reach the reader, and
        // follow a press.
        QCOMPARE(said("shpLampe(1)", QAccessible::Name), QStringLiteral("Lampe 1"));
        QCOMPARE(said("shpLampe(1)", QAccessible::Description), QStringLiteral("aus, Ziel"));
        QTest::mouseClick(static_cast<QPushButton*>(get("cmdSchalter(0)")), Qt::LeftButton);
        QCOMPARE(said("shpLampe(1)", QAccessible::Description), QStringLiteral("an, Ziel"));
        QCOMPARE(said("cmdSchalter(1)", QAccessible::Description),
                 QStringLiteral("schaltet L1, L2"));
        QCOMPARE(said("optLösbar(1)", QAccessible::Name),
                 QStringLiteral("Das Leuchtmuster ist herstellbar: richtig"));
    }

    void menuItemsHaveStandardShortcutsAndKeepTheirCaptions() {
        const std::tuple<const char*, QKeySequence, const char*> cases[] = {
            {"cmdLaden", QKeySequence(QStringLiteral("Ctrl+O")), "Datei öffnen"},
            {"cmdSpeichern", QKeySequence(QStringLiteral("Ctrl+S")), "Datei speichern"},
            {"cmdSchließen", QKeySequence(QStringLiteral("Ctrl+Q")), "Programm beenden"},
            {"cmdHilfe", QKeySequence(QStringLiteral("F1")), "Hilfe zur Bedienung"},
        };
        for (const auto& [name, keys, caption] : cases) {
            auto* a = window_->findChild<QAction*>(QString::fromUtf8(name));
            QVERIFY2(a, name);
            QCOMPARE(a->shortcut(), keys);
            QCOMPARE(a->text(), QString::fromUtf8(caption));
        }
        // The key works from anywhere in the window: F1 brings the help back in front.
        QTest::mouseClick(static_cast<QPushButton*>(get("cmdAusKB(0)")), Qt::LeftButton);
        QVERIFY(!get("lblErklärung(0)")->isVisible());
        QTest::keyClick(window_->windowHandle(), Qt::Key_F1);
        QVERIFY(get("lblErklärung(0)")->isVisible());
    }

    void tabGoesThroughTheWindowInReadingOrderSlidersIncluded() {
        // Tab from the press count round the whole window and back.
        get("txtKlicks")->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int i = 0;
             i < 80 && (order.isEmpty() || QApplication::focusWidget() != get("txtKlicks")); ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), get("txtKlicks"));
        // Top strip, room, sliders on the left; then the questions, the help and the statistics.
        const QStringList along{
            "txtKlicks",     "txtAusgabe",   "cmdEntfernen",    "cmdNeu",
            "cmdVoriges",    "cmdNächstes",  "cmdSchalter(0)",  "cmdLampenaus",
            "hscLampwinkel", "hscRadLampe",  "hscSchaltwinkel", "hscRadSchalter",
            "optLösbar(1)",  "optLösbar(0)", "txtErklärung(0)", "cmdAusKB(0)",
            "Option1(0)",    "Option1(1)",   "txtStatistik(0)", "cmdclear"};
        qsizetype at = -1;
        for (const QString& name : along) {
            const qsizetype next = order.indexOf(name);
            QVERIFY2(next > at, qPrintable(name + QStringLiteral(" in ") + order.join(u' ')));
            at = next;
        }
    }

    void focusOnASwitchShowsItsWiresAndAFrame() {
        get("cmdSchalter(2)")->setFocus(Qt::TabFocusReason);
        QCOMPARE(window_->model().state().hoverSwitch, std::optional(2));
        // The frame lies around the switch, above everything else of the window.
        const QWidget* ring = window_->findChild<QWidget*>(QStringLiteral("focusRing"));
        QVERIFY(ring && ring->isVisible());
        const QRect sw(get("cmdSchalter(2)")->mapTo(ring->parentWidget(), QPoint(0, 0)),
                       get("cmdSchalter(2)")->size());
        QVERIFY(ring->geometry().contains(sw) && ring->geometry() != sw);
        // It follows the switch when a slider moves the ring of switches.
        static_cast<QScrollBar*>(get("hscSchaltwinkel"))->setValue(157);
        const QRect moved(get("cmdSchalter(2)")->mapTo(ring->parentWidget(), QPoint(0, 0)),
                          get("cmdSchalter(2)")->size());
        QVERIFY(moved != sw && ring->geometry().contains(moved));
    }
};

// A dark desktop: the window keeps the design's colours and everything stays readable.
class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void designColoursStayAndEverythingIsReadable() {
        const QPalette before = QApplication::palette();
        QApplication::setPalette(darkPalette());
        LampenWindow window(ScreenMetrics{QSize(1024, 768), 96});
        window.setGeometry(0, 0, 1024, 768);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto get = [&](const char* name) {
            return window.findChild<QWidget*>(QString::fromUtf8(name));
        };
        // Text against its own background, for every kind of control.
        const std::tuple<const char*, QPalette::ColorRole, QPalette::ColorRole> texts[] = {
            {"Frame1", QPalette::WindowText, QPalette::Window},
            {"lblStatistik(2)", QPalette::WindowText, QPalette::Window},
            {"lblLampen", QPalette::WindowText, QPalette::Window},
            {"txtKlicks", QPalette::Text, QPalette::Base},
            {"txtStatistik(3)", QPalette::Text, QPalette::Base},
            {"txtStatistik(5)", QPalette::Text, QPalette::Base},
            {"Label2", QPalette::WindowText, QPalette::Window},
            {"Option1(0)", QPalette::WindowText, QPalette::Window},
            {"cmdclear", QPalette::ButtonText, QPalette::Button},
            {"txtErklärung(0)", QPalette::Text, QPalette::Base},
        };
        for (const auto& [name, fore, back] : texts) {
            const QPalette& p = get(name)->palette();
            QVERIFY2(contrast(p.color(fore), p.color(back)) >= 3, name);
        }
        // The design's own colours.
        QCOMPARE(get("txtStatistik(1)")->palette().color(QPalette::Base), QColor(255, 192, 128));
        QCOMPARE(get("Label2")->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(get("Option1(1)")->palette().color(QPalette::Window), QColor(255, 0, 0));
        // The leader lines as drawn, against the frame's own background beside them.
        QWidget* frame = get("Frame1");
        const QImage shot = frame->grab().toImage();
        for (const char* line : {"lineStat(0)", "lineStat(1)", "Line4"}) {
            const QRect r = get(line)->geometry();
            const QColor drawn = shot.pixelColor(r.center());
            const QColor beside = shot.pixelColor(r.center() + QPoint(4, 4));
            QVERIFY2(contrast(drawn, beside) >= 3, line);
        }
        QApplication::setPalette(before);
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AccessTest access;
    DarkPaletteTest dark;
    return QTest::qExec(&access, argc, argv) | QTest::qExec(&dark, argc, argv);
}

#include "AccessTest.moc"
