// The window as built: every control of the design by objectName, with its class and container,
// the menus, captions and tool tips, the sliders, the stacking of the right-hand panels, and the
// layout on a fixed screen.

#include "LampenWindow.h"
#include "Texts.h"
#include "UiTest.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>

namespace {

struct ControlRow {
    QString name;
    const char* className; // the class the control must be (or derive from)
    QString parent;        // objectName of its container; "" for the window's client area
};

QString at(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(i);
}

std::vector<ControlRow> controlMap() {
    std::vector<ControlRow> rows;
    auto add = [&](const QString& name, const char* cls, const char* parent) {
        rows.push_back({name, cls, QString::fromUtf8(parent)});
    };
    auto one = [&](const char* name, const char* cls, const char* parent) {
        add(QString::fromUtf8(name), cls, parent);
    };
    auto many = [&](const char* name, int n, const char* cls, const char* parent) {
        for (int i = 0; i < n; ++i)
            add(at(name, i), cls, parent);
    };
    for (const char* n : {"txtKlicks", "txtAusgabe", "txtSchalter"})
        one(n, "QLineEdit", "");
    one("cboDatei", "QComboBox", "");
    one("cmdEntfernen", "QPushButton", "");
    one("cmdNeu", "QPushButton", "");
    for (const char* n : {"picRaum", "picProzent", "picMatrix"})
        one(n, "QWidget", "");
    for (const char* n : {"txtNr", "txtAktuell", "Text3", "txtAnzahl", "Text2"})
        one(n, "QLineEdit", "picRaum");
    many("cmdSchalter", 10, "QPushButton", "picRaum");
    many("cmdLampe", 10, "QPushButton", "picRaum");
    many("shpLampe", 10, "LampShape", "picRaum");
    for (const char* n : {"cmdVoriges", "cmdNächstes", "cmdAufgabe", "cmdLampenaus"})
        one(n, "QPushButton", "picRaum");
    one("Frame3", "QGroupBox", "");
    for (const char* n : {"hscLampwinkel", "hscSchaltwinkel", "hscRadSchalter", "hscRadLampe"})
        one(n, "QScrollBar", "Frame3");
    one("lblLampen", "QLabel", "Frame3");
    one("Label1", "QLabel", "Frame3");
    for (const char* n : {"Label2", "Label4", "lblGAnalyse"})
        one(n, "QLabel", "");
    many("optLösbar", 2, "QRadioButton", "");
    many("Option1", 2, "QRadioButton", "");
    one("lblÄndern", "QGroupBox", "");
    one("Text1", "QPlainTextEdit", "lblÄndern");
    one("Label5", "QLabel", "lblÄndern");
    many("cmdAddSchaltung", 2, "QPushButton", "lblÄndern");
    for (const char* n : {"cmdLöSchaltung", "cmdAddLampe", "cmdLöLampe", "cmdSpielen"})
        one(n, "QPushButton", "lblÄndern");
    for (int i = 0; i < 2; ++i) {
        const QByteArray frame = at("lblErklärung", i).toUtf8();
        add(at("lblErklärung", i), "QGroupBox", "");
        add(at("lblKurzb", i), "QLabel", frame.constData());
        add(at("txtErklärung", i), "QPlainTextEdit", frame.constData());
        add(at("cmdAusKB", i), "QPushButton", frame.constData());
    }
    one("lblWege", "QGroupBox", "");
    one("Label3", "QLabel", "lblWege");
    one("txtWege", "QPlainTextEdit", "lblWege");
    many("cmdInfofenster", 2, "QPushButton", "lblWege");
    for (const char* n : {"cmdMHaupt", "cmdMvorige", "cmdMnächste"})
        one(n, "QPushButton", "picMatrix");
    many("cmdMSchalter", 10, "QPushButton", "picMatrix");
    many("cmdMLampe", 10, "QPushButton", "picMatrix");
    one("imgDon", "QLabel", "");
    one("shpDonlamp", "LampShape", "");
    for (const char* n : {"Line1", "Line2", "Line3"})
        one(n, "QWidget", "");
    one("Frame1", "QGroupBox", "");
    many("lblStatistik", 6, "QLabel", "Frame1");
    many("txtStatistik", 6, "QLineEdit", "Frame1");
    one("cmdclear", "QPushButton", "Frame1");
    many("lineStat", 3, "QWidget", "Frame1");
    one("Line4", "QWidget", "Frame1");
    return rows;
}

// Index of a widget among its siblings: later siblings are painted in front.
int stackIndex(const QWidget* w) {
    return static_cast<int>(w->parentWidget()->children().indexOf(const_cast<QWidget*>(w)));
}

} // namespace

class WindowControlsTest : public QObject {
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

private slots:
    void init() { window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96}); }
    void cleanup() { window_.reset(); }

    void windowHasItsNameAndTitle() {
        QCOMPARE(window_->objectName(), QStringLiteral("Lampen"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Lampen Glimmrix"));
    }

    void everyControlExistsOnceWithItsClassAndContainer() {
        const auto rows = controlMap();
        QCOMPARE(rows.size(), std::size_t{130}); // the whole map but the file dialog
        QWidget* client = window_->centralWidget();
        for (const ControlRow& row : rows) {
            const auto found = window_->findChildren<QWidget*>(row.name);
            QVERIFY2(found.size() == 1, qPrintable(row.name + QStringLiteral(" found ") +
                                                   QString::number(found.size()) + " times"));
            QWidget* w = found.front();
            QVERIFY2(w->inherits(row.className), qPrintable(row.name));
            QWidget* expected = row.parent.isEmpty() ? client : get(row.parent);
            QVERIFY2(w->parentWidget() == expected, qPrintable(row.name));
        }
    }

    void lampShapesCarryTheirColoursAsProperties() {
        for (const char* name : {"shpLampe(0)", "shpDonlamp"}) {
            QWidget* lamp = get(name);
            QVERIFY(lamp->property("fillColor").canConvert<QColor>());
            QVERIFY(lamp->property("borderColor").canConvert<QColor>());
        }
        // Start-up: every lamp of circuit 1 off (dark blue) and in the target (yellow border).
        for (int i = 0; i < 3; ++i) {
            QWidget* lamp = get(at("shpLampe", i));
            QCOMPARE(lamp->property("fillColor").value<QColor>(), QColor(0, 0, 128));
            QCOMPARE(lamp->property("borderColor").value<QColor>(), QColor(255, 255, 0));
            QVERIFY(!lamp->isHidden());
        }
        QVERIFY(get(at("shpLampe", 3))->isHidden());
        QCOMPARE(get("shpDonlamp")->property("fillColor").value<QColor>(), QColor(0, 0, 128));
    }

    void menusHoldTheirItemsInOrder() {
        struct Menu {
            const char* name;
            const char* title;
            std::vector<std::pair<const char*, const char*>> items;
        };
        const Menu menus[] = {
            {"cmdDatei",
             "Datei",
             {{"cmdLaden", "Datei öffnen"},
              {"cmdSpeichern", "Datei speichern"},
              {"cmdSchließen", "Programm beenden"}}},
            {"cmdSchaltung",
             "Schaltung",
             {{"cmdÄndern", "ändern"},
              {"cmdHinzufügen", "hinzufügen"},
              {"cmdLöschen", "&löschen"}}},
            {"cmdAnalyse", "Analyse", {{"cmdStatus", "Lösbarkeit"}, {"cmdWege", "Lösungswege"}}},
            {"cmdInformation",
             "Information",
             {{"cmdHilfe", "Hilfe zur Bedienung"},
              {"cmdMath", "Mathematisches"},
              {"cmdCopy", "copyright"}}},
            {"cmdMatrix", "Matrix", {{"cmdMzeigen", "zeigen"}, {"cmdMverbergen", "verbergen"}}},
        };
        const QList<QAction*> top = window_->menuBar()->actions();
        QCOMPARE(top.size(), 6);
        for (int m = 0; m < 5; ++m) {
            const Menu& want = menus[m];
            QMenu* menu = top[m]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString::fromUtf8(want.name));
            QCOMPARE(menu->title(), QString::fromUtf8(want.title));
            const QList<QAction*> items = menu->actions();
            QCOMPARE(items.size(), static_cast<qsizetype>(want.items.size()));
            for (std::size_t i = 0; i < want.items.size(); ++i) {
                QCOMPARE(items[static_cast<qsizetype>(i)]->objectName(),
                         QString::fromUtf8(want.items[i].first));
                QCOMPARE(items[static_cast<qsizetype>(i)]->text(),
                         QString::fromUtf8(want.items[i].second));
            }
        }
        QAction* quit = top[5];
        QCOMPARE(quit->objectName(), QString::fromUtf8("cmdSchlußjetzt"));
        QCOMPARE(quit->text(), QStringLiteral("Programm beenden"));
        QVERIFY(!quit->menu());
    }

    void captionsAndToolTips() {
        struct Caption {
            const char* name;
            const char* text;
            const char* tip;
        };
        const Caption captions[] = {
            {"cmdEntfernen", "X", "Datei aus Liste löschen"},
            {"cmdNeu", "N", "Datei neu laden"},
            {"cmdVoriges", "vorige", "vorige Schaltung"},
            {"cmdNächstes", "nächste", "nächste Schaltung"},
            {"cmdMvorige", "vorige", "vorige Schaltung"},
            {"cmdMnächste", "nächste", "nächste Schaltung"},
            {"cmdAufgabe", "neue Zielvorgabe", ""},
            {"cmdLampenaus", "Hauptschalter", ""},
            {"cmdMHaupt", "Hauptschalter", ""},
            {"cmdSpielen", "fertig", ""},
            {"cmdclear", "löschen", ""},
            {"cmdInfofenster(1)", "aktualisieren", ""},
            {"cmdInfofenster(0)", "ausblenden", ""},
            {"cmdSchalter(7)", "S7", ""},
            {"cmdMLampe(9)", "L9", ""},
            // Rewritten at start-up from the current number "1".
            {"cmdAddSchaltung(0)", "Nummer 1", ""},
            {"cmdAddSchaltung(1)", "Nummer  2", ""},
            {"cmdLöSchaltung", "Schaltung 1  entfernen", ""},
        };
        for (const Caption& c : captions) {
            auto* b = get<QPushButton>(c.name);
            QCOMPARE(b->text(), QString::fromUtf8(c.text));
            QCOMPARE(b->toolTip(), QString::fromUtf8(c.tip));
        }
        const std::pair<const char*, const char*> labels[] = {
            {"Label2", "Das Leuchtmuster ist herstellbar."},
            {"lblGAnalyse", "Jedes Leuchtmuster ist möglich."},
            {"lblKurzb(0)", "Kurzbeschreibung"},
            {"lblKurzb(1)", "Mathematisches"},
            {"Label3", "Analyse der Schaltaufgabe"},
            {"lblStatistik(4)", "(Un-) Lösbarkeit erkannt"},
        };
        for (const auto& [name, text] : labels)
            QCOMPARE(get<QLabel>(name)->text(), QString::fromUtf8(text));
        QCOMPARE(get<QGroupBox>("Frame1")->title(), QStringLiteral("Erfolgsstatistik"));
        QCOMPARE(get<QLineEdit>("txtAnzahl")->text(), QStringLiteral("19"));
        QCOMPARE(get<QLineEdit>("Text2")->text(), QStringLiteral("Schaltungen"));
        QCOMPARE(get<QComboBox>("cboDatei")->currentText(), QStringLiteral("Voreinstellung.lmp"));
        QCOMPARE(get<QComboBox>("cboDatei")->count(), 1);
        QVERIFY(get<QComboBox>("cboDatei")->isEditable());
    }

    void fixedTextsStandInTheirBoxes() {
        // The boxes show the lines; CR LF becomes one line break.
        const std::pair<const char*, std::string> boxes[] = {
            {"txtErklärung(0)", lampen::texts::operatingHelp()},
            {"txtErklärung(1)", lampen::texts::mathematics()},
            {"Text1", lampen::texts::editorInstructions()},
        };
        for (const auto& [name, text] : boxes) {
            QString expected = QString::fromStdString(text);
            expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QCOMPARE(get<QPlainTextEdit>(name)->toPlainText(), expected);
        }
        QVERIFY(!get<QPlainTextEdit>("txtErklärung(0)")->isReadOnly());
        QVERIFY(get<QPlainTextEdit>("Text1")->isReadOnly());
        QVERIFY(get<QPlainTextEdit>("txtWege")->isReadOnly());
        QCOMPARE(get<QPlainTextEdit>("txtWege")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void slidersHaveTheirRanges() {
        struct Range {
            const char* name;
            int min, max, value;
        };
        const Range ranges[] = {{"hscLampwinkel", 0, 628, 0},
                                {"hscRadLampe", 10, 90, 70},
                                {"hscSchaltwinkel", 0, 628, 0},
                                {"hscRadSchalter", 10, 90, 30}};
        for (const Range& r : ranges) {
            auto* s = get<QScrollBar>(r.name);
            QCOMPARE(s->orientation(), Qt::Horizontal);
            QCOMPARE(s->minimum(), r.min);
            QCOMPARE(s->maximum(), r.max);
            QCOMPARE(s->value(), r.value);
        }
    }

    void aSliderStepMovesTheLampRing() {
        QWidget* lamp0 = get("shpLampe(0)");
        const int before = lamp0->geometry().center().y();
        get<QScrollBar>("hscRadLampe")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(window_->model().hscRadLampe, 71);
        // Lamp 0 stands straight below the centre, so a larger radius moves it down.
        QVERIFY(lamp0->geometry().center().y() > before);
        QCOMPARE(get<QScrollBar>("hscRadLampe")->value(), 71);
    }

    void panelsStartAsDesignedAndStackFrontToBack() {
        QVERIFY(!get("lblErklärung(0)")->isHidden());
        for (const char* hidden :
             {"lblErklärung(1)", "lblWege", "lblÄndern", "picMatrix", "txtSchalter"})
            QVERIFY2(get(hidden)->isHidden(), hidden);
        const char* frontToBack[] = {"picMatrix",       "lblÄndern", "lblErklärung(1)",
                                     "lblErklärung(0)", "lblWege",   "shpDonlamp",
                                     "imgDon"};
        for (std::size_t i = 0; i + 1 < std::size(frontToBack); ++i)
            QVERIFY2(stackIndex(get(frontToBack[i])) > stackIndex(get(frontToBack[i + 1])),
                     frontToBack[i]);
        QVERIFY(stackIndex(get("Line3")) > stackIndex(get("imgDon")));
        // The built-in illustration, scaled into its place.
        auto* picture = get<QLabel>("imgDon");
        QCOMPARE(picture->pixmap().size(), QSize(371, 342));
        QVERIFY(picture->hasScaledContents());
    }

    void layoutOnA1024By768ScreenAt96Dpi() {
        // 15 twips per pixel: the screen is 15360 x 11520 twips, so every factor is 1.25.
        QCOMPARE(window_->model().layoutScale, 1.25);
        QCOMPARE(window_->twipsPerPixel(), 15.0);
        struct Rect {
            const char* name;
            QRect rect; // in the container's pixels
        };
        const Rect rects[] = {
            {"picRaum", QRect(30, 100, 521, 511)},
            {"txtKlicks", QRect(30, 30, 31, 31)},
            {"picProzent", QRect(570, 30, 11, 631)},
            {"Frame1", QRect(600, 450, 401, 211)},
            {"lblErklärung(0)", QRect(600, 80, 401, 321)},
            // Inside the statistics frame: the zig-zag of the boxes.
            {"txtStatistik(0)", QRect(333, 20, 51, 31)},
            {"txtStatistik(1)", QRect(250, 50, 51, 31)},
            // Inside the room, in its units: the current number at (480 * 2/625 - 10, -10).
            {"txtAktuell", QRect(40, 0, 31, 21)},
        };
        for (const Rect& r : rects)
            QCOMPARE(get(r.name)->geometry(), r.rect);
        // Lamp 0 of circuit 1 is centred at (0, 7) in room units: 260.5 and 434.35 pixels.
        const QPointF lamp = get("shpLampe(0)")->geometry().toRectF().center();
        QVERIFY(std::abs(lamp.x() - 260.5) <= 1.0);
        QVERIFY(std::abs(lamp.y() - 434.35) <= 1.0);
        // Fonts follow the smaller factor: switch captions 8 x 1.25 points.
        QCOMPARE(get("cmdSchalter(0)")->font().pointSizeF(), 10.0);
        QCOMPARE(get("txtStatistik(0)")->font().pointSizeF(), 15.0);
        QCOMPARE(get("picMatrix")->font().pointSizeF(), 15.0);
        QVERIFY(get("picMatrix")->font().bold());
    }

    void resizingTheWindowKeepsTheGeometry() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const QRect room = get("picRaum")->geometry();
        const QRect box = get("txtStatistik(3)")->geometry();
        window_->resize(700, 500);
        QCoreApplication::processEvents();
        QCOMPARE(get("picRaum")->geometry(), room);
        QCOMPARE(get("txtStatistik(3)")->geometry(), box);
    }

    void aWiderScreenScalesFontsWithTheHeight() {
        LampenWindow wide(ScreenMetrics{QSize(1920, 1080), 96});
        // 28800 / 12288 = 2.34375 wide, 16200 / 9216 = 1.7578125 high.
        QCOMPARE(wide.model().layoutScale, 1.7578125);
        QCOMPARE(wide.findChild<QWidget*>(QStringLiteral("picRaum"))->geometry(),
                 QRect(56, 141, 977, 718));
    }

    void matrixLineHeightFollowsFontAndViewHeight() {
        QtTextMetrics metrics;
        QCOMPARE(metrics.matrixLineHeight(), 11.0); // the design's value until a model is there
        // 1024 x 768: a 15-point line in a view of 319 pixels for 155 units, about 11 units.
        metrics.attach(window_->model(), window_->twipsPerPixel());
        const double reference = metrics.matrixLineHeight();
        QVERIFY2(reference > 9.5 && reference < 12.5, qPrintable(QString::number(reference)));
        // Twice as tall a screen: the same font (the smaller factor) in a view twice as high.
        LampenWindow tall(ScreenMetrics{QSize(1024, 1536), 96});
        metrics.attach(tall.model(), tall.twipsPerPixel());
        QVERIFY(std::abs(metrics.matrixLineHeight() - reference / 2) < 0.01);
    }

    void colours() {
        auto base = [this](const char* name) { return get(name)->palette().color(QPalette::Base); };
        QCOMPARE(base("txtAusgabe"), QColor(255, 255, 255));
        QCOMPARE(base("txtStatistik(1)"), QColor(255, 192, 128));
        QCOMPARE(base("txtStatistik(3)"), QColor(0, 0, 0));
        QCOMPARE(base("txtStatistik(4)"), QColor(255, 255, 0));
        QCOMPARE(base("txtStatistik(5)"), QColor(255, 0, 0));
        QCOMPARE(base("Text1"), QColor(255, 255, 0));
        QCOMPARE(base("txtWege"), QColor(255, 255, 0));
        QCOMPARE(get("picRaum")->palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(get("picMatrix")->palette().color(QPalette::Window), QColor(227, 227, 227));
        auto* option = get<QRadioButton>("Option1(0)");
        QCOMPARE(option->palette().color(option->backgroundRole()), QColor(255, 0, 0));
        QCOMPARE(option->palette().color(option->foregroundRole()), QColor(255, 255, 255));
        auto* estimate = get<QRadioButton>("optLösbar(1)");
        QCOMPARE(estimate->palette().color(estimate->backgroundRole()), QColor(255, 255, 0));
    }
};

LAMPEN_UI_TEST_MAIN(WindowControlsTest)
#include "WindowControlsTest.moc"
