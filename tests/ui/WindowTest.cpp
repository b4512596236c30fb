// The window through its widgets on the offscreen platform: every control and menu item, the
// layout on a 1024 x 768 screen, play by mouse and keyboard, the real message and file dialogs,
// a group named on the command line, and the circuit editor.

#include "LampenWindow.h"
#include "Schaltgruppe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <optional>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QColor kOff(0, 0, 128);
const QColor kOn(255, 255, 0);
// Two circuits: S0 lights lamp 0, S1 lamps 0 and 1; then four lamps in a ring.
const QByteArray kTwoCircuits = "1*10*11*\r\n3*1100*0110*0011*1001*\r\n";

QString at(const QString& name, int i) {
    return QStringLiteral("%1(%2)").arg(name).arg(i);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of a PDF as poppler's pdftotext reads it.
QString pdfText(const QString& pdf) {
    const QByteArray name = QFile::encodeName(pdf);
    if (std::system(("pdftotext -enc UTF-8 '" + name + "' '" + name + ".txt'").constData()) != 0)
        return {};
    return QString::fromUtf8(readFile(pdf + QStringLiteral(".txt")));
}

// What one modal dialog showed.
struct Seen {
    QString className, objectName, title, text, informative, directory, suffix;
    QStringList filters, listed;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool confirmsOverwrite = false;
};

// While it lives, answers the modal dialogs a handler opens: a message box with its button, a
// file dialog with the next queued name (cancelled when none is queued).
class ModalWatcher {
public:
    std::vector<Seen> seen;
    QStringList fileNames;
    // How questions with more than one button are answered, in turn.
    QList<QMessageBox::StandardButton> answers;
    // Runs when a dialog is seen, before it is answered: what stands behind it.
    std::function<void()> behind;

    ModalWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }

private:
    void answer() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == pending_ || busy_)
            return;
        busy_ = true;
        Seen s;
        s.className = QString::fromLatin1(dialog->metaObject()->className());
        s.objectName = dialog->objectName();
        s.title = dialog->windowTitle();
        bool accept = true;
        if (behind)
            behind();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            s.text = box->text();
            s.informative = box->informativeText();
            s.buttons = static_cast<int>(box->buttons().size());
            s.icon = box->icon();
            if (s.buttons > 1 && !answers.isEmpty()) {
                seen.push_back(s);
                QAbstractButton* button = box->button(answers.takeFirst());
                later(dialog, [button] { button->click(); });
                busy_ = false;
                return;
            }
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            s.directory = files->directory().absolutePath();
            s.filters = files->nameFilters();
            s.suffix = files->defaultSuffix();
            s.confirmsOverwrite = !files->testOption(QFileDialog::DontConfirmOverwrite);
            accept = !fileNames.isEmpty();
            if (!accept) // waiting for the folder keeps a later accept from closing the dialog
                s.listed = listed(*files);
            if (accept)
                files->selectFile(fileNames.takeFirst());
        }
        seen.push_back(s);
        later(dialog, [dialog, accept] { accept ? dialog->accept() : dialog->reject(); });
        busy_ = false;
    }

    // Answers once this tick is over: a question the answer opens gets its own tick then.
    template <class F> void later(QDialog* dialog, F answer) {
        pending_ = dialog;
        QTimer::singleShot(0, dialog, [this, answer] {
            pending_ = nullptr;
            answer();
        });
    }

    // The names the dialog lists in its folder, once its model has read the folder.
    static QStringList listed(const QFileDialog& files) {
        auto* model = files.findChild<QFileSystemModel*>();
        if (!model)
            return {};
        const QModelIndex root = model->index(files.directory().absolutePath());
        if (!QTest::qWaitFor([&] { return model->rowCount(root) > 0; }, 2000))
            return {};
        QTest::qWait(100); // the rest of the folder, if it comes in a second batch
        QStringList names;
        for (int row = 0; row < model->rowCount(root); ++row)
            names << model->index(row, 0, root).data().toString();
        names.sort();
        return names;
    }

    QTimer timer_;
    QDialog* pending_ = nullptr;
    bool busy_ = false; // waiting for a dialog's folder runs the timer again
};

// While it lives, counts the paint events of every widget of a window by objectName, and
// collects the region each one painted.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget& window) {
        for (QWidget* w : window.findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    int count(const QString& name) const { return counts_.value(name); }
    QRegion region(const QString& name) const { return regions_.value(name); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++counts_[watched->objectName()];
            regions_[watched->objectName()] += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QHash<QString, int> counts_;
    QHash<QString, QRegion> regions_;
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString startDir_;
    std::unique_ptr<LampenWindow> window_;

    template <class T = QWidget> T* get(const QString& name) {
        T* w = window_->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    template <class T = QWidget> T* get(const char* name) {
        return get<T>(QString::fromUtf8(name));
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    QColor fill(const QString& name) { return get(name)->property("fillColor").value<QColor>(); }
    void click(const QString& name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }
    // A key stroke as the platform reports it: to the window, which hands it to the focus.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window_->windowHandle(), key, modifiers);
    }
    double captionSize(int s) { return get(at("cmdSchalter", s))->font().pointSizeF(); }

private slots:
    void init() {
        // The file dialogs start in the working directory: a fresh one for every test.
        dir_ = std::make_unique<QTemporaryDir>();
        startDir_ = QDir::currentPath();
        QVERIFY(dir_->isValid() && QDir::setCurrent(dir_->path()));
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->setGeometry(0, 0, 1024, 768);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() {
        window_.reset();
        QDir::setCurrent(startDir_);
        dir_.reset();
    }

    void everyControlAndMenuItemIsThere() {
        // Each class with the names of its controls; "name[n]" stands for name(0)..name(n-1).
        const std::pair<const char*, const char*> classes[] = {
            {"QLineEdit", "txtKlicks txtAusgabe txtSchalter txtNr txtAktuell Text3 txtAnzahl Text2 "
                          "txtStatistik[6]"},
            {"QComboBox", "cboDatei"},
            {"QPushButton",
             "cmdEntfernen cmdNeu cmdSchalter[10] cmdLampe[10] cmdVoriges cmdNächstes "
             "cmdAufgabe cmdLampenaus cmdAddSchaltung[2] cmdLöSchaltung cmdAddLampe "
             "cmdLöLampe cmdSpielen cmdAusKB[2] cmdInfofenster[2] cmdMHaupt "
             "cmdMvorige cmdMnächste cmdMSchalter[10] cmdMLampe[10] cmdclear"},
            {"LampShape", "shpLampe[10] shpDonlamp"},
            {"QWidget", "picRaum picProzent picMatrix Line1 Line2 Line3 lineStat[3] Line4"},
            {"QGroupBox", "Frame3 lblÄndern lblErklärung[2] lblWege Frame1"},
            {"QScrollBar", "hscLampwinkel hscSchaltwinkel hscRadSchalter hscRadLampe"},
            {"QLabel",
             "lblLampen Label1 Label2 Label4 lblGAnalyse Label5 lblKurzb[2] Label3 imgDon "
             "lblStatistik[6]"},
            {"QRadioButton", "optLösbar[2] Option1[2]"},
            {"QPlainTextEdit", "Text1 txtErklärung[2] txtWege"}};
        int total = 0;
        for (const auto& [className, list] : classes) {
            QStringList names;
            for (const QString& token : QString::fromUtf8(list).split(u' ')) {
                const qsizetype bracket = token.indexOf(u'[');
                if (bracket < 0)
                    names << token;
                for (int i = 0; bracket >= 0 && i < token.mid(bracket + 1).chopped(1).toInt(); ++i)
                    names << at(token.left(bracket), i);
            }
            for (const QString& name : names) {
                const auto found = window_->findChildren<QWidget*>(name);
                QVERIFY2(found.size() == 1 && found.front()->inherits(className), qPrintable(name));
            }
            total += static_cast<int>(names.size());
        }
        QCOMPARE(total, 130);

        const std::pair<const char*, QStringList> menus[] = {
            {"cmdDatei",
             {"Datei", "cmdLaden", "Datei öffnen", "cmdSpeichern", "Datei speichern",
              "cmdSchließen", "Programm beenden", "", "", "cmdArbeitsblatt",
              "Arbeitsblatt als PDF…"}},
            {"cmdSchaltung",
             {"Schaltung", "cmdÄndern", "ändern", "cmdHinzufügen", "hinzufügen", "cmdLöschen",
              "&löschen"}},
            {"cmdAnalyse",
             {"Analyse", "cmdStatus", "Lösbarkeit", "cmdWege", "Lösungswege", "", "", "cmdTipp",
              "Tipp", "cmdRechenweg", "Rechenweg"}},
            {"cmdInformation",
             {"Information", "cmdHilfe", "Hilfe zur Bedienung", "cmdMath", "Mathematisches",
              "cmdCopy", "copyright"}},
            {"cmdMatrix", {"Matrix", "cmdMzeigen", "zeigen", "cmdMverbergen", "verbergen"}},
        };
        const QList<QAction*> top = window_->menuBar()->actions();
        QCOMPARE(top.size(), 6);
        for (int m = 0; m < 5; ++m) {
            // The menu's title, then each item's objectName and caption.
            const QStringList& want = menus[m].second;
            QMenu* menu = top[m]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString::fromUtf8(menus[m].first));
            QStringList got{menu->title()};
            for (const QAction* item : menu->actions())
                got << item->objectName() << item->text();
            QCOMPARE(got, want);
        }
        QCOMPARE(top[5]->objectName(), QStringLiteral("cmdSchlußjetzt"));
        QCOMPARE(top[5]->text(), QStringLiteral("Programm beenden"));
        QVERIFY(!top[5]->menu());
    }

    void tippAndTheRechenwegPanel() {
        const QList<QAction*> analyse = get<QMenu>("cmdAnalyse")->actions();
        QVERIFY(analyse.size() == 5 && analyse[2]->isSeparator());
        QVERIFY(analyse[3] == get<QAction>("cmdTipp") &&
                analyse[4] == get<QAction>("cmdRechenweg"));

        auto* panel = get<QGroupBox>("lblRechenweg");
        auto* area = get<QPlainTextEdit>("txtRechenweg");
        QVERIFY(area->parent() == panel && area->isReadOnly() &&
                QFontInfo(area->font()).fixedPitch());
        const std::pair<const char*, const char*> buttons[] = {{"cmdSchritt", "nächster Schritt"},
                                                               {"cmdAlleSchritte", "alle Schritte"},
                                                               {"cmdRechenwegAus", "ausblenden"}};
        for (const auto& [name, caption] : buttons) {
            auto* b = get<QPushButton>(name);
            QVERIFY2(b->parent() == panel && b->text() == QString::fromUtf8(caption), name);
        }
        QVERIFY(panel->isHidden());

        trigger("cmdRechenweg");
        QVERIFY(panel->isVisible() && !get("lblErklärung(0)")->isVisible());
        QCOMPARE(panel->geometry(), get("lblWege")->geometry());
        QVERIFY(area->toPlainText().startsWith(QStringLiteral("Schritt 0\n")));
        click("cmdAlleSchritte");
        QVERIFY(!get("cmdSchritt")->isEnabled());
        QVERIFY(area->toPlainText().contains(QStringLiteral("Lösung: S0 S2\n")));
        // The switches of the solution stand out in the room until the panel goes.
        const auto bold = [&](int s) { return get(at("cmdSchalter", s))->font().bold(); };
        QVERIFY(bold(0) && !bold(1) && bold(2));
        click("cmdRechenwegAus");
        QVERIFY(panel->isHidden() && !bold(0) && !bold(2));

        ModalWatcher watcher;
        trigger("cmdTipp");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen[0].title, QStringLiteral("Tipp"));
        QCOMPARE(watcher.seen[0].text, QStringLiteral("Drücken Sie S0."));
        QCOMPARE(watcher.seen[0].buttons, 1);
        QCOMPARE(text("txtStatistik(3)"), QStringLiteral(" 2"));
    }

    void layoutOnA1024By768ScreenAt96Dpi() {
        // 15 twips per pixel: the screen is 15360 x 11520 twips, so every factor is 1.25.
        QCOMPARE(window_->model().layout().layoutScale, 1.25);
        QCOMPARE(get("picRaum")->geometry(), QRect(30, 100, 521, 511));
    }

    void playingCircuitOneByClicks() {
        // Circuit 1: S0 lights lamps 0 and 1, S2 lamp 2; the target is all three lamps.
        click("cmdSchalter(0)");
        QCOMPARE(fill("shpLampe(0)"), kOn);
        QCOMPARE(fill("shpLampe(2)"), kOff);
        click("cmdSchalter(2)");
        QCOMPARE(text("txtAusgabe"), QStringLiteral("Gelöst mit minimaler Schaltzahl!"));
        QCOMPARE(get("txtAusgabe")->palette().color(QPalette::Base), kOn);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 2"));
        QCOMPARE(text("txtStatistik(0)"), QStringLiteral(" 1"));
        QCOMPARE(text("txtStatistik(1)"), QStringLiteral(" 1"));
        QCOMPARE(fill("shpDonlamp"), kOn);
    }

    void aClickRepaintsOnlyWhatItChanged() {
        // Circuit 1: S0 lights lamps 0 and 1 and nothing else; the bar shows the match.
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QCoreApplication::processEvents();
        PaintLog log(*window_);
        get<QPushButton>("cmdSchalter(0)")->click();
        QCoreApplication::processEvents();

        for (const char* changed : {"shpLampe(0)", "shpLampe(1)", "picProzent", "txtKlicks"})
            QVERIFY2(log.count(QString::fromUtf8(changed)) == 1, changed);
        for (const char* same : {"shpLampe(2)", "txtAktuell", "txtAnzahl", "txtStatistik(2)",
                                 "cmdSchalter(1)", "cmdSchalter(2)", "picMatrix"})
            QVERIFY2(log.count(QString::fromUtf8(same)) == 0, same);
        // The room itself only beneath the two lamps.
        const QRegion changed =
            QRegion(get("shpLampe(0)")->geometry()) + get("shpLampe(1)")->geometry();
        QVERIFY(!log.region("picRaum").isEmpty());
        QCOMPARE(log.region("picRaum").subtracted(changed), QRegion());
    }

    void solvabilityIsReportedInARealMessageBox() {
        ModalWatcher watcher;
        trigger("cmdStatus");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen[0].className, QStringLiteral("QMessageBox"));
        QCOMPARE(watcher.seen[0].title, QStringLiteral("Lösbarkeit"));
        QCOMPARE(
            watcher.seen[0].text,
            QStringLiteral("Die Aufgabe ist lösbar. Man benötigt\nmindestens 2 Schaltvorgänge."));
        QCOMPARE(watcher.seen[0].buttons, 1);
    }

    void digitKeysPressSelectOrGoIntoTheText() {
        // Circuit 1 has the switches S0..S2: a higher digit does nothing.
        type(Qt::Key_3);
        type(Qt::Key_9, Qt::KeypadModifier);
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        type(Qt::Key_0);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 1"));
        QCOMPARE(fill("shpLampe(1)"), kOn);
        type(Qt::Key_2, Qt::KeypadModifier); // the keypad's digits are the same keys
        QCOMPARE(text("txtAusgabe"), QStringLiteral("Gelöst mit minimaler Schaltzahl!"));

        // Typed into the file list, digits are its text and press nothing.
        auto* list = get<QComboBox>("cboDatei");
        list->setFocus(Qt::OtherFocusReason);
        list->lineEdit()->selectAll();
        type(Qt::Key_1);
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(list->currentText(), QStringLiteral("12"));
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 2"));
        QCOMPARE(fill("shpLampe(1)"), kOn);

        // In edit mode a digit selects its switch: S1 is wired to lamps 1 and 2.
        get("cmdSchalter(0)")->setFocus(Qt::OtherFocusReason);
        trigger("cmdÄndern");
        type(Qt::Key_1);
        QCOMPARE(window_->model().state().selectedSwitch, std::optional(1));
        QCOMPARE(captionSize(1), 10 * window_->model().layout().layoutScale);
        QCOMPARE(fill("shpLampe(0)"), kOff);
        QCOMPARE(fill("shpLampe(2)"), kOn);
        QCOMPARE(window_->model().state().group.slot(1), std::string("2*110*011*001*"));
    }

    void accessKeyOfTheOpenMenuTriggersItsItem() {
        auto* menu = get<QMenu>("cmdSchaltung");
        window_->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        // "&löschen": the l removes the current circuit.
        QTest::keyClick(menu, Qt::Key_L);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 18"));
        QCOMPARE(window_->model().state().group.slot(1), std::string("3*1000*0110*0011*1001*"));
    }

    void openingAndSavingThroughTheFileDialog() {
        for (const char* name : {"gruppe.lmp", "gross.LMP", "gemischt.Lmp"}) {
            QFile source(dir_->filePath(QString::fromUtf8(name)));
            QVERIFY(source.open(QIODevice::WriteOnly) && source.write(kTwoCircuits) > 0);
        }
        ModalWatcher watcher;
        trigger("cmdLaden"); // cancelled, once the folder shows
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        // Only what the program reads: the ending is compared exactly.
        QCOMPARE(watcher.seen[0].listed, QStringList{QStringLiteral("gruppe.lmp")});
        watcher.seen.clear();
        watcher.fileNames << QStringLiteral("gruppe.lmp") << QStringLiteral("kopie.lmp")
                          << QStringLiteral("kopie.lmp");
        trigger("cmdLaden");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen[0].className, QStringLiteral("QFileDialog"));
        QCOMPARE(watcher.seen[0].objectName, QStringLiteral("cdlDatei"));
        QCOMPARE(QFileInfo(watcher.seen[0].directory).canonicalFilePath(),
                 QFileInfo(QDir::currentPath()).canonicalFilePath());
        QVERIFY(watcher.seen[0].filters.join(u'\n').contains(QStringLiteral("*.lmp")));
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 2"));
        QVERIFY(get("cmdSchalter(2)")->isHidden());

        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{2});
        QVERIFY(watcher.seen[1].filters.join(u'\n').contains(QStringLiteral("*.lmp")));
        QCOMPARE(readFile(dir_->filePath(QStringLiteral("kopie.lmp"))), kTwoCircuits);
        // Replacing a file asks Qt's own question first, also when the ending is left out; "No"
        // leaves the dialog open, and cancelling it then changes nothing.
        watcher.fileNames = {QStringLiteral("kopie")};
        watcher.answers = {QMessageBox::No};
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{5}); // dialog, question, dialog again
        QCOMPARE(watcher.seen[3].buttons, 2);
        QCOMPARE(readFile(dir_->filePath(QStringLiteral("kopie.lmp"))), kTwoCircuits);
        click("cmdNächstes");
        watcher.fileNames = {QStringLiteral("kopie")};
        watcher.answers = {QMessageBox::Yes};
        trigger("cmdÄndern");
        click("cmdLöLampe"); // circuit 2 loses a lamp
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{7});
        QCOMPARE(readFile(dir_->filePath(QStringLiteral("kopie.lmp"))),
                 QByteArray("1*10*11*\r\n2*110*011*001*\r\n"));
    }

    void aSuccessBoxStandsInFrontOfTheLampJustSwitched() {
        ModalWatcher watcher;
        QColor lampBehind;
        watcher.behind = [&] { lampBehind = fill(QStringLiteral("shpLampe(2)")); };
        trigger("cmdWege"); // the solution shown, a shortest success earns no point but a box
        click("cmdSchalter(0)");
        click("cmdSchalter(2)");
        QCOMPARE(watcher.seen.at(0).title, QStringLiteral("Kommentar"));
        QCOMPARE(lampBehind, kOn);
    }

    void theKeyboardStartsOnTheFirstSwitchAndTheFrameFitsTheScreen() {
        QCOMPARE(window_->focusWidget(), get("cmdSchalter(0)"));
        const QRect available(10, 20, 900, 700);
        window_->placeWithin(available);
        QVERIFY(available.contains(window_->frameGeometry()));
        QCOMPARE(window_->frameGeometry().topLeft(), available.topLeft());
    }

    void slidersMoveTheRingWhileDragged() {
        auto* radius = get<QScrollBar>("hscRadLampe");
        const QPoint before = get("shpLampe(0)")->geometry().center();
        radius->setSliderDown(true);
        radius->setValue(40);
        QCOMPARE(window_->model().state().sliders.lampRadius, 40);
        QVERIFY(get("shpLampe(0)")->geometry().center().y() < before.y()); // closer to the centre
        radius->setSliderDown(false);
        radius->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(window_->model().state().sliders.lampRadius, 41);
    }

    void mirroringTheModelRaisesNoSignal() {
        ModalWatcher watcher;
        QSignalSpy current(get<QLineEdit>("txtAktuell"), &QLineEdit::textChanged);
        QSignalSpy answer(get<QRadioButton>("optLösbar(1)"), &QRadioButton::toggled);
        get<QRadioButton>("optLösbar(1)")->click(); // answered and scored, then shown selected
        QCOMPARE(answer.count(), 1);
        click("cmdNächstes"); // the new task unselects the answer
        QCOMPARE(text("txtAktuell"), QStringLiteral(" 2"));
        QCOMPARE(current.count(), 0);
        QCOMPARE(answer.count(), 1);
        QVERIFY(!get<QComboBox>("cboDatei")->completer()); // nothing completes behind the model
    }

    void groupNamedOnTheCommandLine() {
        ModalWatcher watcher;
        // Without the ".lmp" ending nothing is read and nothing is said, even for a good group.
        QFile other(dir_->filePath(QStringLiteral("gruppe.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write(kTwoCircuits) > 0);
        other.close();
        window_->openFromCommandLine(other.fileName());
        QCOMPARE(watcher.seen.size(), std::size_t{0});
        QCOMPARE(text("txtAnzahl"), QStringLiteral("19"));

        window_->openFromCommandLine(dir_->filePath(QStringLiteral("fehlt.lmp")));
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen[0].className, QStringLiteral("QMessageBox"));
        QCOMPARE(watcher.seen[0].title, QStringLiteral("Fehler"));
        QCOMPARE(watcher.seen[0].text, QStringLiteral("Ungültiger Dateiname!"));
        QCOMPARE(watcher.seen[0].informative, QStringLiteral("Datei oder Ordner nicht gefunden"));
        QCOMPARE(text("txtAnzahl"), QStringLiteral("19"));

        // A name that is not UTF-8 opens by its bytes.
        const QByteArray latin1 = QFile::encodeName(dir_->path()) + "/gr\xfc\xdf"
                                                                    "e.lmp";
        QVERIFY(std::ofstream(latin1.toStdString(), std::ios::binary) << "0*1*\r\n");
        window_->openFromCommandLine(latin1);
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 1"));
        QCOMPARE(window_->model().state().files.entries().front(), latin1.toStdString());

        QVERIFY(QFile::rename(other.fileName(), dir_->filePath(QStringLiteral("gruppe.lmp"))));
        window_->openFromCommandLine(dir_->filePath(QStringLiteral("gruppe.lmp")));
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 2"));
        QCOMPARE(text("txtAktuell"), QStringLiteral(" 1"));
        QVERIFY(!get("cmdSchalter(1)")->isHidden());
        QVERIFY(get("cmdSchalter(2)")->isHidden());
    }

    void wiringASwitchToALampAndSavingTheGroup() {
        trigger("cmdÄndern");
        QVERIFY(get("lblÄndern")->isVisible());
        // Select S1 (wired to lamps 1 and 2), then wire it to lamp 0 as well.
        click("cmdSchalter(1)");
        click("cmdLampe(0)");
        QCOMPARE(window_->model().state().group.slot(1), std::string("2*110*111*001*"));
        QVERIFY(get("picMatrix")->isVisible());
        for (int l = 0; l < 10; ++l)
            QCOMPARE(get(at("cmdMLampe", l))->isVisible(), l <= 2);
        QCOMPARE(captionSize(1), 10 * window_->model().layout().layoutScale);

        ModalWatcher watcher;
        watcher.fileNames << QStringLiteral("entwurf.lmp");
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen[0].className, QStringLiteral("QFileDialog"));
        const QByteArray bytes = readFile(dir_->filePath(QStringLiteral("entwurf.lmp")));
        // The changed circuit first, the rest as built in, each line ended by CR LF.
        QByteArray group;
        for (const std::string_view code : lampen::builtInCodes())
            group += QByteArray(code.data(), static_cast<qsizetype>(code.size())) + "\r\n";
        QCOMPARE(group.count("\r\n"), 19);
        QVERIFY(bytes.startsWith("2*110*111*001*\r\n"));
        QCOMPARE(bytes, group.replace(0, 14, "2*110*111*001*"));
    }

    // "Arbeitsblatt als PDF…": the save dialog, the PDF with the window's task on the current
    // circuit's page (circuit 4, ten lamps, fewer of them wanted), one box when writing fails.
    void worksheetOfTheGroupWithTheCurrentTask() {
        const lampen::GameState& model = window_->model().state();
        for (int i = 0; i < 3; ++i)
            click(QStringLiteral("cmdNächstes"));
        QStringList lamps;
        for (int tries = 0; tries < 30 && (lamps.isEmpty() || lamps.size() == 10); ++tries) {
            click(QStringLiteral("cmdAufgabe"));
            lamps.clear();
            for (int l = 0; l <= model.maxIndex; ++l)
                if ((model.target >> l) & 1u)
                    lamps << QStringLiteral("L%1").arg(l);
        }
        QVERIFY(model.maxIndex == 9 && !lamps.isEmpty() && lamps.size() < 10);

        ModalWatcher watcher;
        watcher.fileNames << QStringLiteral("blatt") << dir_->filePath(QStringLiteral("x/b.pdf"));
        trigger("cmdArbeitsblatt");
        trigger("cmdArbeitsblatt");
        QCOMPARE(watcher.seen.size(), std::size_t{3});
        const Seen& dialog = watcher.seen[0];
        QCOMPARE(QFileInfo(dialog.directory).canonicalFilePath(),
                 QFileInfo(QDir::currentPath()).canonicalFilePath());
        QVERIFY(dialog.filters.join(u'\n').contains(QStringLiteral("*.pdf")));
        QVERIFY(dialog.suffix == QStringLiteral("pdf") && dialog.confirmsOverwrite);
        const QString text = pdfText(dir_->filePath(QStringLiteral("blatt.pdf")));
        QVERIFY2(text.startsWith(QStringLiteral("Schaltung 1 von 19")), "no PDF or no pdftotext");
        const QString key = text.mid(text.indexOf(QStringLiteral("Schaltung 4\n")));
        QVERIFY(key.contains(QStringLiteral("Ziel: ") + lamps.join(QStringLiteral(", ")) + u' '));

        const Seen& box = watcher.seen[2];
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QVERIFY(box.title == QStringLiteral("Fehler") && box.icon == QMessageBox::Critical);
        QCOMPARE(box.buttons, 1);
        QVERIFY(box.informative.contains(QStringLiteral("Datei oder Ordner nicht gefunden")));
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowTest.moc"
