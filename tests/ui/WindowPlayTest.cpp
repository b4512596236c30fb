// Playing through the widgets: clicks, menu items and pointer moves reach the headless window,
// its answer shows in the widgets, and its boxes open as real modal Qt dialogs.

#include "LampenWindow.h"
#include "UiTest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using lampen::uitest::ModalWatcher;

class WindowPlayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LampenWindow> window_;

    template <class T = QWidget> T* get(const char* name) {
        T* w = window_->findChild<T*>(QString::fromUtf8(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }

private slots:
    void init() {
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->setGeometry(0, 0, 1024, 768);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void shortestSolutionOfCircuitOne() {
        // Circuit 1: S0 lights lamps 0 and 1, S2 lamp 2; the target is all three lamps.
        click("cmdSchalter(0)");
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 1"));
        QCOMPARE(text("txtStatistik(0)"), QStringLiteral(" 1"));
        QCOMPARE(text("txtAusgabe"),
                 QStringLiteral("Schalten Sie die gelb markierten Lampen ein!"));
        QCOMPARE(get("shpLampe(0)")->property("fillColor").value<QColor>(), QColor(255, 255, 0));
        QCOMPARE(get("shpLampe(2)")->property("fillColor").value<QColor>(), QColor(0, 0, 128));

        click("cmdSchalter(2)");
        QCOMPARE(text("txtAusgabe"), QStringLiteral("Gelöst mit minimaler Schaltzahl!"));
        QCOMPARE(get("txtAusgabe")->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 2"));
        QCOMPARE(text("txtStatistik(0)"), QStringLiteral(" 1"));
        QCOMPARE(text("txtStatistik(1)"), QStringLiteral(" 1"));
        QCOMPARE(text("txtStatistik(2)"), QStringLiteral("0"));
        QCOMPARE(get("shpDonlamp")->property("fillColor").value<QColor>(), QColor(255, 255, 0));
        for (const char* lamp : {"shpLampe(0)", "shpLampe(1)", "shpLampe(2)"})
            QCOMPARE(get(lamp)->property("fillColor").value<QColor>(), QColor(255, 255, 0));

        // The main switch puts the task text back and darkens the indicator lamp.
        click("cmdLampenaus");
        QCOMPARE(text("txtAusgabe"),
                 QStringLiteral("Schalten Sie die gelb markierten Lampen ein!"));
        QCOMPARE(get("txtAusgabe")->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(get("shpDonlamp")->property("fillColor").value<QColor>(), QColor(0, 0, 128));
    }

    void solvabilityReportIsARealMessageBox() {
        ModalWatcher watcher;
        trigger("cmdStatus");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        const auto& box = watcher.seen.front();
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, QStringLiteral("Lösbarkeit"));
        QCOMPARE(
            box.text,
            QStringLiteral("Die Aufgabe ist lösbar. Man benötigt\n\rmindestens 2 Schaltvorgänge."));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, 1);
    }

    void copyrightBoxNamesTheAuthors() {
        ModalWatcher watcher;
        trigger("cmdCopy");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen.front().title, QStringLiteral("Programmiert von"));
        QCOMPARE(watcher.seen.front().icon, QMessageBox::Information);
        QCOMPARE(watcher.seen.front().buttons, 1);
        QVERIFY(!watcher.seen.front().text.isEmpty());
    }

    void estimateBeforeThePressScoresAndTheButtonShowsTheAnswer() {
        ModalWatcher watcher;
        auto* right = get<QRadioButton>("optLösbar(1)");
        QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(5, right->height() / 2));
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen.front().text, QStringLiteral("Das ist richtig!"));
        QCOMPARE(watcher.seen.front().icon, QMessageBox::Warning); // the exclamation icon
        QCOMPARE(text("txtStatistik(4)"), QStringLiteral(" 1"));
        QVERIFY(right->isChecked());
        QVERIFY(!get<QRadioButton>("optLösbar(0)")->isChecked());

        // A press redraws the room, which clears both answers without a click.
        click("cmdSchalter(1)");
        QVERIFY(!right->isChecked());
        QCOMPARE(watcher.seen.size(), std::size_t{1});
    }

    void wholeCircuitEstimateAsksTheExtraQuestion() {
        ModalWatcher watcher;
        watcher.replies << QStringLiteral(" 7");
        // Circuit 1 produces every pattern: "richtig" is right, then one extra question.
        QTest::mouseClick(get<QRadioButton>("Option1(0)"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(watcher.seen.size(), std::size_t{3});
        QCOMPARE(watcher.seen[1].className, QStringLiteral("QInputDialog"));
        QCOMPARE(watcher.seen[1].title, QStringLiteral("Zusatzfrage"));
        QVERIFY(watcher.seen[1].presetEmpty);
        QVERIFY(watcher.seen[1].text.startsWith(QStringLiteral("Wieviele Leuchtmuster")));
        QVERIFY(watcher.seen[2].text.startsWith(QStringLiteral("Sehr gut")));
        QCOMPARE(text("txtStatistik(5)"), QStringLiteral(" 2"));
    }

    void informationItemsShowOnePanel() {
        trigger("cmdMath");
        QVERIFY(!get("lblErklärung(1)")->isHidden());
        QVERIFY(get("lblErklärung(0)")->isHidden());
        click("cmdAusKB(1)");
        QVERIFY(get("lblErklärung(1)")->isHidden());
        trigger("cmdHilfe");
        QVERIFY(!get("lblErklärung(0)")->isHidden());
    }

    void solutionListShowsInItsPanel() {
        trigger("cmdWege");
        QVERIFY(!get("lblWege")->isHidden());
        QVERIFY(get("lblErklärung(0)")->isHidden());
        QVERIFY(get<QPlainTextEdit>("txtWege")->toPlainText().contains(QStringLiteral("\n101")));
        QCOMPARE(text("txtStatistik(3)"), QStringLiteral(" 1"));
        click("cmdInfofenster(0)");
        QVERIFY(get("lblWege")->isHidden());
    }

    void navigationRewritesTheNumberLine() {
        click("cmdNächstes");
        QCOMPARE(text("txtAktuell"), QStringLiteral(" 2"));
        QCOMPARE(get<QPushButton>("cmdAddSchaltung(0)")->text(), QStringLiteral("Nummer  2"));
        // Circuit 2 has four lamps and four switches.
        QVERIFY(!get("shpLampe(3)")->isHidden());
        QVERIFY(!get("cmdSchalter(3)")->isHidden());
        QVERIFY(get("cmdSchalter(4)")->isHidden());
        click("cmdVoriges");
        click("cmdVoriges");
        QCOMPARE(text("txtAktuell"), QStringLiteral("19"));
    }

    void pointerOverASwitchHighlightsItsWiring() {
        QWidget* room = get("picRaum");
        QWidget* s1 = get("cmdSchalter(1)");
        QTest::mouseMove(s1, s1->rect().center());
        QTRY_COMPARE(window_->model().hoverSwitch, 1);
        // A bare corner of the field, away from every lamp and button.
        QTest::mouseMove(room, QPoint(room->width() / 2, room->height() / 4));
        QTRY_COMPARE(window_->model().hoverSwitch, 11);
    }

    void removingTheBuiltInGroupIsRefusedInAPlainBox() {
        ModalWatcher watcher;
        click("cmdEntfernen");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen.front().text,
                 QStringLiteral("Voreinstellung.lmp kann nicht gelöscht werden."));
        QCOMPARE(watcher.seen.front().icon, QMessageBox::NoIcon);
        // A box without a title of its own shows the program's name.
        QCOMPARE(watcher.seen.front().title, QStringLiteral("Lampen Glimmrix"));
        QCOMPARE(watcher.seen.front().buttons, 1);
    }

    void typingIntoTheFileListChangesItsTextOnly() {
        auto* list = get<QComboBox>("cboDatei");
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), QStringLiteral("gruppe.lmp"));
        QCOMPARE(window_->model().cboDatei.text(), std::string("gruppe.lmp"));
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        // Nothing is loaded and the list keeps its one entry.
        QCOMPARE(list->count(), 1);
        QCOMPARE(window_->model().cboDatei.entries().size(), std::size_t{1});
        QCOMPARE(text("txtAnzahl"), QStringLiteral("19"));
        // Choosing the entry puts its name back as the text.
        list->activated(0);
        QCOMPARE(window_->model().cboDatei.text(), std::string("Voreinstellung.lmp"));
    }

    void quitClosesTheWindow() {
        trigger("cmdSchlußjetzt");
        QVERIFY(!window_->isVisible());
    }
};

LAMPEN_UI_TEST_MAIN(WindowPlayTest)
#include "WindowPlayTest.moc"
