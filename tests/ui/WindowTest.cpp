// The window through its real widgets on the offscreen platform: the names and classes of every
// control and menu item, the layout on a 1024 x 768 screen, Qt's own dialogs as the user meets
// them (in German), a group named on the command line, the keyboard, screen readers and a dark
// desktop palette.

#include "Desktop.h"
#include "LampenWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
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
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
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

// What one modal dialog showed; buttons are its captions without access keys, sorted.
struct Seen {
    QString className, objectName, title, text, informative, directory, suffix;
    QStringList filters, listed, buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool confirmsOverwrite = false;
};

// The names a file dialog lists in its folder, once its model has read the folder.
QStringList listed(const QFileDialog& files) {
    auto* model = files.findChild<QFileSystemModel*>();
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

// While it lives, answers the modal dialogs a handler opens: a question with the next queued
// button, a file dialog with the next queued name (cancelled when none is left), others with OK.
// `behind` runs as a dialog shows: what stands behind it.
struct ModalWatcher {
    std::vector<Seen> seen;
    QStringList fileNames;
    QList<QMessageBox::StandardButton> answers;
    std::function<void()> behind;
    QTimer timer;
    QDialog* pending = nullptr; // seen, not yet answered

    ModalWatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] { answer(); });
        timer.start(10);
    }
    void answer() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == pending)
            return;
        pending = dialog;
        if (behind)
            behind();
        Seen s;
        s.className = QString::fromLatin1(dialog->metaObject()->className());
        s.objectName = dialog->objectName();
        s.title = dialog->windowTitle();
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
            s.buttons << b->text().remove(u'&');
        s.buttons.sort();
        std::function<void()> reply = [dialog] { dialog->accept(); };
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            s.text = box->text();
            s.informative = box->informativeText();
            s.icon = box->icon();
            if (s.buttons.size() > 1 && !answers.isEmpty())
                reply = [b = box->button(answers.takeFirst())] { b->click(); };
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            s.directory = QFileInfo(files->directory().absolutePath()).canonicalFilePath();
            s.filters = files->nameFilters();
            s.suffix = files->defaultSuffix();
            s.confirmsOverwrite = !files->testOption(QFileDialog::DontConfirmOverwrite);
            if (fileNames.isEmpty()) {
                s.listed = listed(*files);
                reply = [dialog] { dialog->reject(); };
            } else
                files->selectFile(fileNames.takeFirst());
        }
        seen.push_back(s);
        // Answered once this tick is over: a question the answer opens gets its own tick then.
        QTimer::singleShot(0, dialog, [this, reply] {
            pending = nullptr;
            reply();
        });
    }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString startDir_;
    std::unique_ptr<LampenWindow> window_;

    bool showWindow() {
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->setGeometry(0, 0, 1024, 768);
        window_->show();
        window_->activateWindow();
        return QTest::qWaitForWindowActive(window_.get());
    }
    template <class T = QWidget> T* get(const QString& name) {
        T* w = window_->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString text(const QString& name) { return get<QLineEdit>(name)->text(); }
    QColor fill(const QString& name) { return get(name)->property("fillColor").value<QColor>(); }
    void click(const QString& name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void trigger(const QString& action) { get<QAction>(action)->trigger(); }
    // A key stroke as the platform reports it: to the window, which hands it to the focus.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window_->windowHandle(), key, modifiers);
    }
    QString path(const QString& name) const { return dir_->filePath(name); }
    QString here() const { return QFileInfo(dir_->path()).canonicalFilePath(); }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private slots:
    void initTestCase() {
        // An English system: Qt's own buttons still speak German, and numbers too.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(lampen::ui::installGermanQtTexts(*qApp));
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
    }
    void init() {
        // The file dialogs start in the working directory: a fresh one for every test.
        dir_ = std::make_unique<QTemporaryDir>();
        startDir_ = QDir::currentPath();
        QVERIFY(dir_->isValid() && QDir::setCurrent(dir_->path()) && showWindow());
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
             "cmdLöLampe cmdSpielen cmdAusKB[2] cmdInfofenster[2] cmdMHaupt cmdMvorige "
             "cmdMnächste cmdMSchalter[10] cmdMLampe[10] cmdclear cmdSchritt "
             "cmdAlleSchritte cmdRechenwegAus"},
            {"LampShape", "shpLampe[10] shpDonlamp"},
            {"QWidget", "picRaum picProzent picMatrix Line1 Line2 Line3 lineStat[3] Line4"},
            {"QGroupBox", "Frame3 lblÄndern lblErklärung[2] lblWege Frame1 lblRechenweg"},
            {"QScrollBar", "hscLampwinkel hscSchaltwinkel hscRadSchalter hscRadLampe"},
            {"QLabel",
             "lblLampen Label1 Label2 Label4 lblGAnalyse Label5 lblKurzb[2] Label3 imgDon "
             "lblStatistik[6]"},
            {"QRadioButton", "optLösbar[2] Option1[2]"},
            {"QPlainTextEdit", "Text1 txtErklärung[2] txtWege txtRechenweg"}};
        int total = 0;
        for (const auto& [className, list] : classes)
            for (const QString& token : QString::fromUtf8(list).split(u' ')) {
                const QStringList part = token.split(u'[');
                const int n = part.size() > 1 ? part[1].chopped(1).toInt() : 0;
                for (int i = 0; i < std::max(n, 1); ++i, ++total) {
                    const QString name = n ? at(part[0], i) : part[0];
                    const auto found = window_->findChildren<QWidget*>(name);
                    QVERIFY2(found.size() == 1 && found.front()->inherits(className),
                             qPrintable(name));
                }
            }
        QCOMPARE(total, 135);

        // Each menu's objectName and title, then each item's objectName and caption.
        const QStringList menus[] = {
            {"cmdDatei", "Datei", "cmdLaden", "Datei öffnen", "cmdSpeichern", "Datei speichern",
             "cmdSchließen", "Programm beenden", "", "", "cmdArbeitsblatt",
             "Arbeitsblatt als PDF…"},
            {"cmdSchaltung", "Schaltung", "cmdÄndern", "ändern", "cmdHinzufügen", "hinzufügen",
             "cmdLöschen", "&löschen"},
            {"cmdAnalyse", "Analyse", "cmdStatus", "Lösbarkeit", "cmdWege", "Lösungswege", "", "",
             "cmdTipp", "Tipp", "cmdRechenweg", "Rechenweg"},
            {"cmdInformation", "Information", "cmdHilfe", "Hilfe zur Bedienung", "cmdMath",
             "Mathematisches", "cmdCopy", "copyright"},
            {"cmdMatrix", "Matrix", "cmdMzeigen", "zeigen", "cmdMverbergen", "verbergen"},
            {"cmdSchlußjetzt", "Programm beenden"}};
        const QList<QAction*> top = window_->menuBar()->actions();
        QCOMPARE(top.size(), 6);
        for (int m = 0; m < 6; ++m) {
            const QMenu* menu = top[m]->menu();
            QVERIFY((menu != nullptr) == (m < 5));
            QStringList got{m < 5 ? menu->objectName() : top[m]->objectName(), top[m]->text()};
            for (const QAction* item : m < 5 ? menu->actions() : QList<QAction*>())
                got << item->objectName() << item->text();
            QCOMPARE(got, menus[m]);
        }
    }

    void layoutStartFocusAndFramePlacement() {
        // 15 twips per pixel: the screen is 15360 x 11520 twips, so every factor is 1.25.
        QCOMPARE(window_->model().layout().layoutScale, 1.25);
        QCOMPARE(get("picRaum")->geometry(), QRect(30, 100, 521, 511));
        QCOMPARE(window_->focusWidget(), get("cmdSchalter(0)"));
        const QRect available(10, 20, 900, 700);
        window_->placeWithin(available);
        QVERIFY(available.contains(window_->frameGeometry()));
        QCOMPARE(window_->frameGeometry().topLeft(), available.topLeft());
    }

    void boxesShowTheProgramsLinesWithOneButton() {
        const std::pair<const char*, const char*> boxes[] = {
            {"cmdStatus", "Lösbarkeit:Die Aufgabe ist lösbar. Man benötigt\nmindestens 2 "
                          "Schaltvorgänge."},
            {"cmdTipp", "Tipp:Drücken Sie S0."}};
        for (const auto& [action, shown] : boxes) {
            ModalWatcher watcher;
            trigger(action);
            QCOMPARE(watcher.seen.size(), std::size_t{1});
            const Seen& s = watcher.seen[0];
            QCOMPARE(s.title + u':' + s.text, QString::fromUtf8(shown));
            QVERIFY(s.className == "QMessageBox" && s.buttons.size() == 1);
        }
    }

    void rechenwegPanelShowsInPlaceOfTheSolutionWays() {
        auto* panel = get<QGroupBox>("lblRechenweg");
        auto* area = get<QPlainTextEdit>("txtRechenweg");
        QVERIFY(panel->isHidden() && area->parent() == panel && area->isReadOnly() &&
                QFontInfo(area->font()).fixedPitch());
        QStringList captions;
        for (const char* name : {"cmdSchritt", "cmdAlleSchritte", "cmdRechenwegAus"})
            captions << get<QPushButton>(name)->text() + (get(name)->parent() == panel ? "" : "?");
        QCOMPARE(captions, QStringList({"nächster Schritt", "alle Schritte", "ausblenden"}));
        trigger("cmdRechenweg");
        QVERIFY(panel->isVisible() && !get("lblErklärung(0)")->isVisible());
        QCOMPARE(panel->geometry(), get("lblWege")->geometry());
        click("cmdAlleSchritte"); // the switches of the solution, S0 S2, stand out in the room
        const auto bold = [&](int s) { return get(at("cmdSchalter", s))->font().bold(); };
        QVERIFY(bold(0) && !bold(1) && bold(2));
    }

    void digitKeysPressTheirSwitchUnlessATextBoxTakesThem() {
        // Circuit 1 has the switches S0..S2 and is solved by S0 S2: a higher digit does nothing.
        type(Qt::Key_3);
        type(Qt::Key_9, Qt::KeypadModifier);
        QCOMPARE(text("txtKlicks"), QStringLiteral("0"));
        type(Qt::Key_0);
        QVERIFY(fill("shpLampe(1)") == kOn && fill("shpLampe(2)") == kOff);
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(text("txtAusgabe"), QStringLiteral("Gelöst mit minimaler Schaltzahl!"));
        QVERIFY(get("txtAusgabe")->palette().color(QPalette::Base) == kOn &&
                fill("shpDonlamp") == kOn);

        auto* list = get<QComboBox>("cboDatei");
        list->setFocus(Qt::OtherFocusReason);
        list->lineEdit()->selectAll();
        type(Qt::Key_1);
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(list->currentText() + text("txtKlicks"), QStringLiteral("12 2"));

        get("cmdSchalter(0)")->setFocus(Qt::OtherFocusReason);
        trigger("cmdÄndern");
        type(Qt::Key_1); // in edit mode: selects S1
        QCOMPARE(window_->model().state().selectedSwitch, std::optional(1));
    }

    void openingAndSavingThroughTheFileDialog() {
        QVERIFY(write("gruppe.lmp", kTwoCircuits) && write("gross.LMP", kTwoCircuits) &&
                write("kopie.lmp", "0*1*\r\n"));
        ModalWatcher watcher;
        trigger("cmdLaden"); // cancelled, once the folder shows
        watcher.fileNames = {QStringLiteral("gruppe.lmp")};
        trigger("cmdLaden");
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 2"));
        QVERIFY(get("cmdSchalter(2)")->isHidden());
        QCOMPARE(watcher.seen.size(), std::size_t{2});
        const Seen open = watcher.seen[0];
        // Only what the program reads: the ending is compared exactly.
        QCOMPARE(open.listed, QStringList({"gruppe.lmp", "kopie.lmp"}));
        QVERIFY(open.className == "QFileDialog" && open.objectName == "cdlDatei");
        QVERIFY(open.directory == here() && open.filters.join(u'\n').contains("*.lmp"));
        QCOMPARE(open.buttons, QStringList({"Abbrechen", "Öffnen"}));

        // Replacing a file asks Qt's question, also when the ending is left out; "Nein" leaves
        // the dialog open and cancelling it then keeps the file; "Ja" replaces it.
        watcher.seen.clear();
        watcher.fileNames = {QStringLiteral("kopie")};
        watcher.answers = {QMessageBox::No};
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{3}); // dialog, question, dialog again
        QVERIFY(watcher.seen[0].filters.join(u'\n').contains("*.lmp"));
        QCOMPARE(watcher.seen[1].buttons, QStringList({"Ja", "Nein"}));
        QCOMPARE(read("kopie.lmp"), QByteArray("0*1*\r\n"));
        watcher.fileNames = {QStringLiteral("kopie")};
        watcher.answers = {QMessageBox::Yes};
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{5});
        QCOMPARE(read("kopie.lmp"), kTwoCircuits);
    }

    void aSuccessBoxStandsInFrontOfTheLampJustSwitched() {
        ModalWatcher watcher;
        QColor lampBehind;
        watcher.behind = [&] { lampBehind = fill("shpLampe(2)"); };
        trigger("cmdWege"); // the solution shown, a shortest success earns no point but a box
        click("cmdSchalter(0)");
        click("cmdSchalter(2)");
        QCOMPARE(watcher.seen.at(0).title, QStringLiteral("Kommentar"));
        QCOMPARE(lampBehind, kOn);
    }

    void groupNamedOnTheCommandLine() {
        ModalWatcher watcher;
        // Without the ".lmp" ending nothing is read and nothing is said, even for a good group.
        QVERIFY(write("gruppe.txt", kTwoCircuits) && write("gruppe.lmp", kTwoCircuits));
        window_->openFromCommandLine(path("gruppe.txt"));
        window_->openFromCommandLine(path("fehlt.lmp"));
        QCOMPARE(text("txtAnzahl"), QStringLiteral("19"));
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        const Seen box = watcher.seen[0];
        QCOMPARE(box.className + u'|' + box.title + u'|' + box.text + u'|' + box.informative,
                 QStringLiteral("QMessageBox|Fehler|Ungültiger Dateiname!|Datei oder Ordner "
                                "nicht gefunden"));

        // A name that is not UTF-8 opens by its bytes.
        const QByteArray latin1 = QFile::encodeName(dir_->path()) + "/gr\xfc\xdf"
                                                                    "e.lmp";
        QVERIFY(std::ofstream(latin1.toStdString(), std::ios::binary) << "0*1*\r\n");
        window_->openFromCommandLine(latin1);
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 1"));
        QCOMPARE(window_->model().state().files.entries().front(), latin1.toStdString());
        window_->openFromCommandLine(path("gruppe.lmp"));
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 2"));
        QCOMPARE(watcher.seen.size(), std::size_t{1});
    }

    // The save dialog, the PDF with the window's task on the current circuit's page (circuit 4,
    // ten lamps, fewer of them wanted), one box when writing fails.
    void worksheetOfTheGroupWithTheCurrentTask() {
        const lampen::GameState& model = window_->model().state();
        for (int i = 0; i < 3; ++i)
            click("cmdNächstes");
        QStringList lamps;
        for (int tries = 0; tries < 30 && (lamps.isEmpty() || lamps.size() == 10); ++tries) {
            click("cmdAufgabe");
            lamps.clear();
            for (int l = 0; l <= model.maxIndex; ++l)
                if ((model.target >> l) & 1u)
                    lamps << QStringLiteral("L%1").arg(l);
        }
        QVERIFY(model.maxIndex == 9 && !lamps.isEmpty() && lamps.size() < 10);

        ModalWatcher watcher;
        watcher.fileNames << QStringLiteral("blatt") << path("x/b.pdf");
        trigger("cmdArbeitsblatt");
        trigger("cmdArbeitsblatt");
        QCOMPARE(watcher.seen.size(), std::size_t{3});
        const Seen& dialog = watcher.seen[0];
        QVERIFY(dialog.directory == here() && dialog.filters.join(u'\n').contains("*.pdf"));
        QVERIFY(dialog.suffix == "pdf" && dialog.confirmsOverwrite);
        const QByteArray pdf = QFile::encodeName(path("blatt.pdf"));
        QVERIFY2(std::system(("pdftotext -enc UTF-8 '" + pdf + "'").constData()) == 0,
                 "no PDF or no pdftotext");
        const QString text = QString::fromUtf8(read("blatt.txt"));
        QVERIFY(text.startsWith(QStringLiteral("Schaltung 1 von 19")));
        const QString key = text.mid(text.indexOf(QStringLiteral("Schaltung 4\n")));
        QVERIFY(key.contains("Ziel: " + lamps.join(QStringLiteral(", ")) + u' '));

        const Seen& box = watcher.seen[2];
        QVERIFY(box.className == "QMessageBox" && box.title == "Fehler");
        QVERIFY(box.icon == QMessageBox::Critical && box.buttons.size() == 1);
        QVERIFY(box.informative.contains(QStringLiteral("Datei oder Ordner nicht gefunden")));
    }

    void screenReadersHearNamesAndStates() {
        const auto said = [&](const char* name, QAccessible::Text what) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(get(name));
            return a ? a->text(what) : QStringLiteral("?");
        };
        QCOMPARE(said("shpLampe(1)", QAccessible::Name), QStringLiteral("Lampe 1"));
        QCOMPARE(said("shpLampe(1)", QAccessible::Description), QStringLiteral("aus, Ziel"));
        click("cmdSchalter(0)");
        QCOMPARE(said("shpLampe(1)", QAccessible::Description), QStringLiteral("an, Ziel"));
        QCOMPARE(said("cmdSchalter(1)", QAccessible::Description),
                 QStringLiteral("schaltet L1, L2"));
        QCOMPARE(said("optLösbar(1)", QAccessible::Name),
                 QStringLiteral("Das Leuchtmuster ist herstellbar: richtig"));
    }

    void menuItemsHaveStandardShortcuts() {
        const std::pair<const char*, const char*> keys[] = {{"cmdLaden", "Ctrl+O"},
                                                            {"cmdSpeichern", "Ctrl+S"},
                                                            {"cmdSchließen", "Ctrl+Q"},
                                                            {"cmdHilfe", "F1"}};
        for (const auto& [action, sequence] : keys)
            QCOMPARE(get<QAction>(action)->shortcut(), QKeySequence(QString::fromUtf8(sequence)));
        // The key works from anywhere in the window: F1 brings the help back in front.
        click("cmdAusKB(0)");
        QVERIFY(!get("lblErklärung(0)")->isVisible());
        type(Qt::Key_F1);
        QVERIFY(get("lblErklärung(0)")->isVisible());
    }

    void tabGoesThroughTheWindowInReadingOrderSlidersIncluded() {
        QWidget* first = get("txtKlicks");
        first->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int i = 0; i < 80 && (order.isEmpty() || QApplication::focusWidget() != first); ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), first);
        // Top strip, room, sliders on the left; then the questions, the help and the statistics.
        qsizetype last = -1;
        for (const QString& name :
             QStringLiteral("txtKlicks txtAusgabe cmdEntfernen cmdNeu cmdVoriges cmdNächstes "
                            "cmdSchalter(0) cmdLampenaus hscLampwinkel hscRadLampe "
                            "hscSchaltwinkel hscRadSchalter optLösbar(1) optLösbar(0) "
                            "txtErklärung(0) cmdAusKB(0) Option1(0) Option1(1) "
                            "txtStatistik(0) cmdclear")
                 .split(u' ')) {
            QVERIFY2(order.indexOf(name) > last, qPrintable(name + " in " + order.join(u' ')));
            last = order.indexOf(name);
        }
    }

    void focusOnASwitchShowsItsWiresAndAFrameThatFollowsIt() {
        QWidget* sw = get("cmdSchalter(2)");
        sw->setFocus(Qt::TabFocusReason);
        QCOMPARE(window_->model().state().hoverSwitch, std::optional(2));
        const QWidget* ring = get("focusRing");
        const auto around = [&] {
            const QRect r(sw->mapTo(ring->parentWidget(), QPoint(0, 0)), sw->size());
            return ring->isVisible() && ring->geometry().contains(r) && ring->geometry() != r;
        };
        const QPoint before = sw->pos();
        QVERIFY(around());
        get<QScrollBar>("hscSchaltwinkel")->setValue(157);
        QVERIFY(sw->pos() != before && around());
    }

    // A dark desktop: the window keeps the design's colours and everything stays readable.
    void darkPaletteKeepsTheDesignsColoursReadable() {
        const QPalette before = QApplication::palette();
        QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(dark);
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QVERIFY(showWindow());
        const std::tuple<const char*, QPalette::ColorRole, QPalette::ColorRole> texts[] = {
            {"Frame1", QPalette::WindowText, QPalette::Window},
            {"Label2", QPalette::WindowText, QPalette::Window},
            {"Option1(0)", QPalette::WindowText, QPalette::Window},
            {"txtStatistik(3)", QPalette::Text, QPalette::Base},
            {"txtErklärung(0)", QPalette::Text, QPalette::Base},
            {"cmdclear", QPalette::ButtonText, QPalette::Button}};
        for (const auto& [name, fore, back] : texts) {
            const QPalette& p = get(name)->palette();
            QVERIFY2(contrast(p.color(fore), p.color(back)) >= 3, name);
        }
        QCOMPARE(get("txtStatistik(1)")->palette().color(QPalette::Base), QColor(255, 192, 128));
        QCOMPARE(get("Option1(1)")->palette().color(QPalette::Window), QColor(255, 0, 0));
        // The leader lines as drawn, against the frame's own background beside them.
        const QImage shot = get("Frame1")->grab().toImage();
        for (const char* line : {"lineStat(0)", "lineStat(1)", "Line4"}) {
            const QPoint c = get(line)->geometry().center();
            QVERIFY2(contrast(shot.pixelColor(c), shot.pixelColor(c + QPoint(4, 4))) >= 3, line);
        }
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
