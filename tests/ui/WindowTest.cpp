// The window's real widgets: every control and menu item, the layout on a 1024 x 768 screen,
// Qt's dialogs as the user meets them (in German), a group named on the command line, the
// keyboard, screen readers, a dark desktop palette, and every text fitting its control on five
// screens from 800 x 600 to 2560 x 1440, where large screens grow circles, picture and fonts.

#include "CanvasView.h"
#include "Desktop.h"
#include "LampenWindow.h"

#include <QtTest>
#include <QtWidgets>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace {

// Two circuits: S0 lights lamp 0, S1 lamps 0 and 1; then four lamps in a ring.
const QByteArray kTwoCircuits = "1*10*11*\r\n3*1100*0110*0011*1001*\r\n";

// Each class, then the names of its controls; "name[n]" stands for name(0)..name(n-1).
const char* const kControls =
    "QLineEdit: txtKlicks txtAusgabe txtSchalter txtNr txtAktuell Text3 txtAnzahl Text2 "
    "txtStatistik[6] QComboBox: cboDatei QPushButton: cmdEntfernen cmdNeu cmdSchalter[10] "
    "cmdLampe[10] cmdVoriges cmdNächstes cmdAufgabe cmdLampenaus cmdAddSchaltung[2] "
    "cmdLöSchaltung cmdAddLampe cmdLöLampe cmdSpielen cmdAusKB[2] cmdInfofenster[2] cmdMHaupt "
    "cmdMvorige cmdMnächste cmdMSchalter[10] cmdMLampe[10] cmdclear cmdSchritt cmdAlleSchritte "
    "cmdRechenwegAus LampShape: shpLampe[10] shpDonlamp QWidget: picRaum picProzent picMatrix "
    "Line1 Line2 Line3 lineStat[3] Line4 QGroupBox: Frame3 lblÄndern lblErklärung[2] lblWege "
    "Frame1 lblRechenweg QScrollBar: hscLampwinkel hscSchaltwinkel hscRadSchalter hscRadLampe "
    "QLabel: lblLampen Label1 Label2 Label4 lblGAnalyse Label5 lblKurzb[2] Label3 imgDon "
    "lblStatistik[6] QRadioButton: optLösbar[2] Option1[2] QPlainTextEdit: Text1 "
    "txtErklärung[2] txtWege txtRechenweg";
// A line for each menu: its objectName and title, then each item's objectName and caption.
const char* const kMenus =
    "cmdDatei|Datei|cmdLaden|Datei öffnen|cmdSpeichern|Datei speichern|cmdSchließen|"
    "Programm beenden|||cmdArbeitsblatt|Arbeitsblatt als PDF…\n"
    "cmdSchaltung|Schaltung|cmdÄndern|ändern|cmdHinzufügen|hinzufügen|cmdLöschen|&löschen\n"
    "cmdAnalyse|Analyse|cmdStatus|Lösbarkeit|cmdWege|Lösungswege|||cmdTipp|Tipp|cmdRechenweg|"
    "Rechenweg\ncmdInformation|Information|cmdHilfe|Hilfe zur Bedienung|cmdMath|Mathematisches|"
    "cmdCopy|copyright\ncmdMatrix|Matrix|cmdMzeigen|zeigen|cmdMverbergen|verbergen\n"
    "cmdSchlußjetzt|Programm beenden";

// What one modal dialog showed; buttons are its captions without access keys, sorted.
struct Seen {
    QString objectName, title, text, informative, suffix, directory = {};
    QStringList filters = {}, listed = {}, buttons = {};
    int icon = QMessageBox::NoIcon;
    bool confirmsOverwrite = false;
};

// The names a file dialog lists in its folder, once its model has read the folder (perhaps in
// more than one batch).
QStringList listed(const QFileDialog& files) {
    auto* model = files.findChild<QFileSystemModel*>();
    const QModelIndex root = model->index(files.directory().absolutePath());
    if (QTest::qWaitFor([&] { return model->rowCount(root) > 0; }, 2000))
        QTest::qWait(100);
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
    QList<Seen> seen;
    QStringList fileNames;
    QList<QMessageBox::StandardButton> answers;
    std::function<void()> behind = [] {};
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
        behind();
        const auto property = [&](const char* name) { return dialog->property(name).toString(); };
        Seen s{dialog->objectName(), dialog->windowTitle(), property("text"),
               property("informativeText"), property("defaultSuffix")};
        s.icon = dialog->property("icon").toInt();
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
            s.buttons << b->text().remove(u'&');
        s.buttons.sort();
        std::function<void()> reply = [dialog] { dialog->accept(); };
        if (auto* box = qobject_cast<QMessageBox*>(dialog);
            box && s.buttons.size() > 1 && !answers.isEmpty())
            reply = [b = box->button(answers.takeFirst())] { b->click(); };
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            s.directory = files->directory().absolutePath();
            s.filters = files->nameFilters();
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
// The longest texts the program ever writes where they differ from the starting caption.
QStringList longestTexts(const QString& name) {
    static const QHash<QString, QStringList> texts{
        {"txtKlicks", {" 100"}},
        {"txtAktuell", {" 200"}},
        {"txtAnzahl", {" 200"}},
        {"txtAusgabe",
         {"Schalten Sie die gelb markierten Lampen ein!", "Gelöst mit minimaler Schaltzahl!",
          "Gelöst, aber es geht besser (mit nur 10 Klicks)."}},
        {"cmdAddSchaltung(0)", {"Nummer  200"}},
        {"cmdAddSchaltung(1)", {"Nummer  201"}},
        {"cmdLöSchaltung", {"Schaltung  200  entfernen"}}};
    return name.startsWith("txtStatistik") ? QStringList{" 100", "-100"} : texts.value(name);
}

// Every named, visible text that does not fit its control, as "name: text (needs n, has m)".
QStringList overflows(const QWidget& window) {
    QStringList bad;
    const auto check = [&](const QWidget* w, const QString& shown, int room, int needs = -1) {
        const QStringList longest = longestTexts(w->objectName());
        for (const QString& t : longest.isEmpty() ? QStringList{shown} : longest)
            if (const int n = needs >= 0 ? needs : w->fontMetrics().horizontalAdvance(t); n > room)
                bad << QString::asprintf("%s: \"%s\" (needs %d, has %d)",
                                         qPrintable(w->objectName()), qPrintable(t), n, room);
    };
    for (const QWidget* w : window.findChildren<QWidget*>(QRegularExpression("."))) {
        if (w->isHidden())
            continue;
        if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.lineWidth =
                e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
            const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
            check(e, e->text(), (r - e->textMargins()).width() - 4); // and 2 pixels on each side
        } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            check(b, b->text(),
                  b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width());
        } else if (const auto* o = qobject_cast<const QRadioButton*>(w))
            check(o, o->text(), o->width(), o->sizeHint().width());
        else if (const auto* l = qobject_cast<const QLabel*>(w); l && l->pixmap().isNull())
            check(l, l->text(), l->contentsRect().width() - 2 * std::max(0, l->margin()));
        else if (const auto* g = qobject_cast<const QGroupBox*>(w); g && !g->title().isEmpty())
            check(g, g->title(), g->width() - 16);
    }
    return bad;
}

// Contrast of two colours as the web's accessibility guidelines define it: 1 (none) to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.05 + 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
               0.0722 * linear(c.blueF());
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_; // the working directory, where the file dialogs start
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
    void click(const QString& name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void trigger(const QString& action) { get<QAction>(action)->trigger(); }
    // A key stroke as the platform reports it: to the window, which hands it to the focus.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window_->windowHandle(), key, modifiers);
    }
    static QByteArray read(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool write(const QString& name, const QByteArray& bytes) {
        QFile f(name);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid() && QDir::setCurrent(dir_.path()));
        // An English system: Qt's own buttons still speak German, and numbers too.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(lampen::ui::installGermanQtTexts(*qApp));
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
        lampen::ui::useClassicStyle(); // the program's look, as it starts
    }
    void init() { QVERIFY(showWindow()); }
    void cleanup() { window_.reset(); }

    // Every control in sight shows at its size from the layout, at start and as each panel opens,
    // whether its panel starts hidden (and takes its fonts when it first shows) or not.
    void everyControlInSightShowsAtItsLayoutSize() {
        QSet<QString> checked;
        for (const char* panel :
             {"", "cmdWege", "cmdRechenweg", "cmdÄndern", "cmdMath", "cmdHilfe", "cmdMzeigen"}) {
            if (*panel)
                trigger(QString::fromUtf8(panel));
            for (const lampen::Placement& p : window_->model().layout().placements) {
                const QString name = QString::fromStdString(p.name);
                auto* w = window_->findChild<QWidget*>(name);
                if (!p.fontSize || !w || !w->isVisible() || qobject_cast<CanvasView*>(w))
                    continue; // a drawing area's font is that of its texts, set apart
                QVERIFY2(w->font().pointSizeF() == *p.fontSize, p.name.c_str());
                checked.insert(name);
            }
        }
        QVERIFY(checked.contains(QStringLiteral("Label3")) &&
                checked.contains(QStringLiteral("txtWege")) && checked.size() > 50);
    }

    void everyControlAndMenuItemIsThere() {
        QByteArray className;
        int total = 0;
        for (const QString& token : QString::fromUtf8(kControls).split(u' ')) {
            const QStringList part = token.split(u'[');
            const int n = part.size() > 1 ? part[1].chopped(1).toInt() : 0;
            for (int i = 0; !token.endsWith(u':') && i < std::max(n, 1); ++i, ++total) {
                const QString name = n ? QStringLiteral("%1(%2)").arg(part[0]).arg(i) : part[0];
                const auto found = window_->findChildren<QWidget*>(name);
                QVERIFY2(found.size() == 1 && found[0]->inherits(className), qPrintable(token));
            }
            if (token.endsWith(u':'))
                className = token.chopped(1).toLatin1();
        }
        QCOMPARE(total, 135);

        const QStringList menus = QString::fromUtf8(kMenus).split(u'\n');
        const QList<QAction*> top = window_->menuBar()->actions();
        QCOMPARE(top.size(), menus.size());
        for (int m = 0; m < 6; ++m) {
            const QMenu* menu = top[m]->menu();
            QVERIFY((menu != nullptr) == (m < 5));
            QStringList got{menu ? menu->objectName() : top[m]->objectName(), top[m]->text()};
            for (const QAction* item : menu ? menu->actions() : QList<QAction*>())
                got << item->objectName() << item->text();
            QCOMPARE(got.join(u'|'), menus[m]);
        }
    }

    void layoutStartFocusAndFramePlacement() {
        // 15 twips per pixel: the screen is 15360 x 11520 twips, so every factor is 1.25.
        QCOMPARE(window_->model().layout().layoutScale, 1.25);
        QCOMPARE(get("picRaum")->geometry(), QRect(30, 100, 521, 511));
        QCOMPARE(window_->focusWidget(), get("cmdSchalter(0)"));
        const QRect available(10, 20, 900, 700);
        window_->placeWithin(available);
        QCOMPARE(window_->frameGeometry().topLeft(), available.topLeft());
        QVERIFY(available.contains(window_->frameGeometry()));
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

    void applyingTheViewRaisesNoSignal() {
        // Signals blocked while the view is written: a step changes the number and the list's
        // text without a signal that could reach a handler.
        QSignalSpy number(get<QLineEdit>("txtAktuell"), &QLineEdit::textChanged);
        QSignalSpy list(get<QComboBox>("cboDatei"), &QComboBox::editTextChanged);
        click("cmdNächstes");
        QCOMPARE(text("txtAktuell"), QStringLiteral(" 2"));
        QCOMPARE(number.count() + list.count(), 0);
    }

    void analyseBoxesAndTheRechenwegPanel() {
        ModalWatcher watcher;
        trigger("cmdStatus");
        trigger("cmdTipp");
        QCOMPARE(watcher.seen.size(), 2);
        // This text breaks its line with LF CR; the box shows one line break.
        QCOMPARE(
            watcher.seen[0].text,
            QStringLiteral("Die Aufgabe ist lösbar. Man benötigt\nmindestens 2 Schaltvorgänge."));
        QCOMPARE(watcher.seen[1].title + u':' + watcher.seen[1].text,
                 QStringLiteral("Tipp:Drücken Sie S0."));

        auto* panel = get("lblRechenweg");
        QVERIFY(panel->isHidden() && get<QPlainTextEdit>("txtRechenweg")->isReadOnly());
        trigger("cmdRechenweg");
        QVERIFY(panel->isVisible() && !get("lblErklärung(0)")->isVisible() &&
                QFontInfo(get("txtRechenweg")->font()).fixedPitch());
        QCOMPARE(panel->geometry(), get("lblWege")->geometry());
        click("cmdAlleSchritte"); // the switches of the solution, S0 S2, stand out in the room
        QVERIFY(get("cmdSchalter(0)")->font().bold() && !get("cmdSchalter(1)")->font().bold() &&
                get("cmdSchalter(2)")->font().bold());
    }

    void digitKeysPressTheirSwitchUnlessATextBoxTakesThem() {
        // Circuit 1 has the switches S0..S2 and is solved by S0 S2: a higher digit does nothing.
        type(Qt::Key_3);
        type(Qt::Key_9, Qt::KeypadModifier);
        type(Qt::Key_0);
        QCOMPARE(text("txtKlicks"), QStringLiteral(" 1"));
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(get("txtAusgabe")->palette().color(QPalette::Base), QColor(Qt::yellow)); // solved

        auto* list = get<QComboBox>("cboDatei");
        list->setFocus(Qt::OtherFocusReason);
        list->lineEdit()->selectAll();
        type(Qt::Key_1);
        type(Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(list->currentText() + text("txtKlicks"), QStringLiteral("12 2"));
    }

    void openingAndSavingThroughTheFileDialog() {
        QVERIFY(write("gruppe.lmp", kTwoCircuits) && write("gross.LMP", kTwoCircuits) &&
                write("kopie.lmp", "0*1*\r\n"));
        ModalWatcher watcher;
        trigger("cmdLaden"); // cancelled, once the folder shows
        watcher.fileNames = {QStringLiteral("gruppe.lmp")};
        trigger("cmdLaden");
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 2"));
        QCOMPARE(watcher.seen.size(), 2);
        const Seen open = watcher.seen[0];
        // Only what the program reads: the ending is compared exactly.
        QCOMPARE(open.listed, QStringList({"gruppe.lmp", "kopie.lmp"}));
        QVERIFY(open.objectName == "cdlDatei" && open.filters.join(u' ').contains("*.lmp"));
        QCOMPARE(open.directory, QDir::currentPath());
        QCOMPARE(open.buttons, QStringList({"Abbrechen", "Öffnen"}));

        // Replacing a file asks Qt's question, also when the ending is left out; "Nein" leaves
        // the dialog open and cancelling it then keeps the file; "Ja" replaces it.
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            watcher.seen.clear();
            watcher.fileNames = {QStringLiteral("kopie")};
            watcher.answers = {answer};
            trigger("cmdSpeichern");
            QCOMPARE(watcher.seen.size(), answer == QMessageBox::No ? 3 : 2);
            QCOMPARE(watcher.seen[1].buttons, QStringList({"Ja", "Nein"}));
            QCOMPARE(read("kopie.lmp"), answer == QMessageBox::No ? "0*1*\r\n" : kTwoCircuits);
        }
    }

    void aSuccessBoxStandsInFrontOfTheLampJustSwitched() {
        ModalWatcher watcher;
        QColor lampBehind;
        watcher.behind = [&] {
            lampBehind = get("shpLampe(2)")->property("fillColor").value<QColor>();
        };
        trigger("cmdWege"); // the solution shown, a shortest success earns no point but a box
        click("cmdSchalter(0)");
        click("cmdSchalter(2)");
        QCOMPARE(watcher.seen.at(0).title, QStringLiteral("Kommentar"));
        QCOMPARE(lampBehind, QColor(Qt::yellow));
    }

    void groupNamedOnTheCommandLine() {
        ModalWatcher watcher;
        // Without the ".lmp" ending nothing is read and nothing is said, even for a good group.
        QVERIFY(write("gruppe.txt", kTwoCircuits));
        window_->openFromCommandLine(QStringLiteral("gruppe.txt"));
        window_->openFromCommandLine(QStringLiteral("fehlt.lmp"));
        QCOMPARE(text("txtAnzahl"), QStringLiteral("19"));
        QCOMPARE(watcher.seen.size(), 1);
        const Seen& box = watcher.seen[0];
        QCOMPARE(box.title + u'|' + box.text + u'|' + box.informative,
                 QStringLiteral("Fehler|Ungültiger Dateiname!|Datei oder Ordner nicht gefunden"));

        // A name that is not UTF-8 opens by its bytes.
        const std::string latin1 = "gr\xfc\xdf"
                                   "e.lmp";
        QVERIFY(std::ofstream(latin1, std::ios::binary) << "0*1*\r\n");
        window_->openFromCommandLine(QByteArray::fromStdString(latin1));
        std::filesystem::remove(latin1);
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 1"));
        QCOMPARE(window_->model().state().files.entries().front(), latin1);
        QCOMPARE(watcher.seen.size(), 1);
    }

    // The save dialog, the PDF with the window's task on the current circuit's page (circuit 4,
    // ten lamps, fewer of them wanted), one box when writing fails.
    void worksheetOfTheGroupWithTheCurrentTask() {
        const lampen::GameState& model = window_->model().state();
        for (int i = 0; i < 3; ++i)
            click("cmdNächstes");
        for (int i = 0; i < 30 && (!i || std::popcount(model.target) % 10 == 0); ++i)
            click("cmdAufgabe");
        QStringList lamps;
        for (int l = 0; l <= model.maxIndex; ++l)
            if ((model.target >> l) & 1u)
                lamps << QStringLiteral("L%1").arg(l);
        QVERIFY(model.maxIndex == 9 && !lamps.isEmpty() && lamps.size() < 10);

        ModalWatcher watcher;
        watcher.fileNames << QStringLiteral("blatt") << QStringLiteral("x/b.pdf");
        trigger("cmdArbeitsblatt");
        trigger("cmdArbeitsblatt");
        QCOMPARE(watcher.seen.size(), 3);
        const Seen dialog = watcher.seen[0], box = watcher.seen[2];
        QCOMPARE(dialog.directory, QDir::currentPath());
        QVERIFY(dialog.filters.join(u' ').contains("*.pdf") && dialog.suffix == "pdf" &&
                dialog.confirmsOverwrite);
        QVERIFY2(std::system("pdftotext -enc UTF-8 blatt.pdf") == 0, "no PDF or no pdftotext");
        const QString text = QString::fromUtf8(read("blatt.txt"));
        QVERIFY(text.mid(text.indexOf(QStringLiteral("Schaltung 4\n")))
                    .contains("Ziel: " + lamps.join(QStringLiteral(", ")) + u' '));
        QVERIFY(box.title == "Fehler" && box.icon == QMessageBox::Critical &&
                box.buttons.size() == 1);
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
        QCOMPARE(said("optLösbar(1)", QAccessible::Name),
                 QStringLiteral("Das Leuchtmuster ist herstellbar: richtig"));
    }

    void menuItemsHaveStandardShortcutsThatWorkFromAnywhere() {
        for (const auto& [action, keys] :
             {std::pair{"cmdLaden", "Ctrl+O"}, std::pair{"cmdSpeichern", "Ctrl+S"},
              std::pair{"cmdSchließen", "Ctrl+Q"}, std::pair{"cmdHilfe", "F1"}})
            QCOMPARE(get<QAction>(action)->shortcut(), QKeySequence(QString::fromUtf8(keys)));
        click("cmdAusKB(0)"); // the help hidden; F1 brings it back
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
        const QStringList along =
            QStringLiteral("txtKlicks txtAusgabe cmdEntfernen cmdNächstes cmdSchalter(0) "
                           "cmdLampenaus hscLampwinkel hscRadSchalter optLösbar(1) optLösbar(0) "
                           "txtErklärung(0) cmdAusKB(0) Option1(1) txtStatistik(0) cmdclear")
                .split(u' ');
        order.removeIf([&](const QString& name) { return !along.contains(name); });
        QCOMPARE(order, along);
    }

    void focusOnASwitchShowsItsWiresAndAFrameThatFollowsIt() {
        QWidget* sw = get("cmdSchalter(2)");
        sw->setFocus(Qt::TabFocusReason);
        QCOMPARE(window_->model().state().hoverSwitch, std::optional(2));
        const QWidget* ring = get("focusRing");
        auto* angle = get<QScrollBar>("hscSchaltwinkel");
        for (const int value : {angle->value(), 157}) { // it follows the ring of switches
            angle->setValue(value);
            const QRect r(sw->mapTo(ring->parentWidget(), QPoint(0, 0)), sw->size());
            QVERIFY(ring->isVisible() && ring->geometry().contains(r) && ring->geometry() != r);
        }
    }

    // A dark desktop: the window keeps the design's colours and everything stays readable.
    void darkPaletteKeepsTheDesignsColoursReadable() {
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QApplication::setPalette(QPalette(QColor(53, 53, 53), QColor(45, 45, 45))); // light text
        QVERIFY(showWindow());
        for (const auto& [name, fore, back] :
             {std::tuple{"Label2", QPalette::WindowText, QPalette::Window},
              std::tuple{"Option1(0)", QPalette::WindowText, QPalette::Window},
              std::tuple{"txtStatistik(3)", QPalette::Text, QPalette::Base},
              std::tuple{"cmdclear", QPalette::ButtonText, QPalette::Button}}) {
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

    void everyTextFitsItsControl_data() {
        QTest::addColumn<QSize>("screen");
        for (const QSize s : {QSize(800, 600), QSize(1024, 768), QSize(1280, 800),
                              QSize(1920, 1080), QSize(2560, 1440)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }
    void everyTextFitsItsControl() {
        QFETCH(QSize, screen);
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{screen, 96});
        QVERIFY2(overflows(*window_).isEmpty(), qPrintable(overflows(*window_).join("; ")));
        // The editor with the matrix view and the lamp buttons, then the other panels.
        trigger("cmdÄndern");
        get("lblWege")->show();
        get("lblErklärung(1)")->show();
        QVERIFY2(overflows(*window_).isEmpty(), qPrintable(overflows(*window_).join("; ")));

        for (const auto& [left, right] :
             {std::pair{"optLösbar(1)", "optLösbar(0)"}, std::pair{"Option1(0)", "Option1(1)"}})
            QVERIFY2(get(left)->geometry().right() < get(right)->x(), left);
        for (int row : {0, 1, 2}) { // the statistics' captions end before their leader lines
            const auto* label = get<QLabel>(QStringLiteral("lblStatistik(%1)").arg(2 * row));
            const int end = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(end < get(QStringLiteral("lineStat(%1)").arg(row))->x(),
                     qPrintable(label->text()));
        }
        // The separator stays inside the frame's border, clear of its caption.
        QVERIFY(get("Frame1")->contentsRect().contains(get("Line4")->geometry()));
    }

    void largeScreensGrowCirclesPictureAndFonts() {
        const QFont before = QApplication::font();
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(2560, 1440), 96});
        const double factor = window_->model().layout().layoutScale;
        QVERIFY(factor > 2);
        const auto* option = get("Option1(0)");
        const auto circle = [&](const QStyle* s) {
            return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option);
        };
        QCOMPARE(circle(option->style()), qRound(circle(QApplication::style()) * factor));
        const auto* picture = get<QLabel>("imgDon");
        const QSize source = QPixmap(QStringLiteral(":/imgDon.png")).size(); // read when shown
        QVERIFY(source.width() >= picture->width() && source.height() >= picture->height());

        lampen::ui::followLayoutScale(factor);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QCOMPARE(QApplication::font("QMessageBox").pointSizeF(), before.pointSizeF() * factor);
        QCoreApplication::sendPostedEvents(); // widgets hear of the new font through an event
        QCOMPARE(get("cmdDatei")->font().pointSizeF(), before.pointSizeF() * factor);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
