// The window laid out for five screens from 800 x 600 to 2560 x 1440: every caption and the
// longest text the program writes fits its control, option buttons stay apart, the statistics'
// captions end before their leader lines; on large screens the option circles, the illustration
// and the application's fonts grow with the window.

#include "Desktop.h"
#include "LampenWindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

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

// Every visible text that does not fit, as "name: text (needs n, has m)".
QStringList overflows(const QWidget& window) {
    QStringList bad;
    const auto check = [&](const QWidget* w, QStringList texts, int room) {
        const QStringList longest = longestTexts(w->objectName());
        for (const QString& t : longest.isEmpty() ? texts : longest)
            if (const int needs = QFontMetrics(w->font()).horizontalAdvance(t); needs > room)
                bad << QStringLiteral("%1: \"%2\" (needs %3, has %4)")
                           .arg(w->objectName(), t)
                           .arg(needs)
                           .arg(room);
    };
    for (const auto* e : window.findChildren<QLineEdit*>(QRegularExpression(".")))
        if (!e->isHidden()) { // inside the frame and inner margins; QLineEdit keeps 2 px a side
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.lineWidth =
                e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
            const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
            check(e, {e->text()},
                  r.width() - e->textMargins().left() - e->textMargins().right() - 4);
        }
    for (const auto* l : window.findChildren<QLabel*>())
        if (!l->isHidden() && l->pixmap().isNull())
            check(l, {l->text()}, l->contentsRect().width() - 2 * std::max(0, l->margin()));
    for (const auto* b : window.findChildren<QPushButton*>(QRegularExpression(".")))
        if (!b->isHidden()) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            check(b, {b->text()},
                  b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width());
        }
    for (const auto* o : window.findChildren<QRadioButton*>())
        if (o->sizeHint().width() > o->width())
            bad << QStringLiteral("%1: needs %2, has %3")
                       .arg(o->objectName())
                       .arg(o->sizeHint().width())
                       .arg(o->width());
    for (const auto* g : window.findChildren<QGroupBox*>())
        if (!g->title().isEmpty())
            check(g, {g->title()}, g->width() - 16);
    return bad;
}

} // namespace

class ScreenSizesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsItsControl_data() {
        QTest::addColumn<QSize>("screen");
        for (const QSize s : {QSize(800, 600), QSize(1024, 768), QSize(1280, 800),
                              QSize(1920, 1080), QSize(2560, 1440)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }
    void everyTextFitsItsControl() {
        QFETCH(QSize, screen);
        LampenWindow window(ScreenMetrics{screen, 96});
        const auto named = [&](const QString& name) { return window.findChild<QWidget*>(name); };
        QVERIFY2(overflows(window).isEmpty(), qPrintable(overflows(window).join("; ")));
        // The editor with the matrix view and the lamp buttons, then the other panels.
        window.findChild<QAction*>(QStringLiteral("cmdÄndern"))->trigger();
        named("lblWege")->show();
        named("lblErklärung(1)")->show();
        QVERIFY2(overflows(window).isEmpty(), qPrintable(overflows(window).join("; ")));

        for (const auto& [left, right] :
             {std::pair{"optLösbar(1)", "optLösbar(0)"}, std::pair{"Option1(0)", "Option1(1)"}})
            QVERIFY2(named(left)->geometry().right() < named(right)->x(), left);
        for (int row : {0, 1, 2}) {
            const auto* label =
                window.findChild<QLabel*>(QStringLiteral("lblStatistik(%1)").arg(2 * row));
            const int end =
                label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
            QVERIFY2(end < named(QStringLiteral("lineStat(%1)").arg(row))->x(),
                     qPrintable(label->text()));
        }
        // The separator stays inside the frame's drawn border.
        const auto* frame = window.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect border = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                            QStyle::SC_GroupBoxFrame, frame);
        QVERIFY(border.adjusted(1, 1, -1, -1).contains(named("Line4")->geometry()));
    }

    void largeScreensGrowCirclesIllustrationAndFonts() {
        const QFont before = QApplication::font();
        LampenWindow window(ScreenMetrics{QSize(2560, 1440), 96});
        const double factor = window.model().layout().layoutScale;
        QVERIFY(factor > 2);
        const auto* option = window.findChild<QRadioButton*>(QStringLiteral("Option1(0)"));
        const auto circle = [&](const QStyle* s) {
            return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option);
        };
        QCOMPARE(circle(option->style()), qRound(circle(QApplication::style()) * factor));
        const auto* picture = window.findChild<QLabel*>(QStringLiteral("imgDon"));
        QVERIFY(picture->pixmap().width() >= picture->width() &&
                picture->pixmap().height() >= picture->height());

        lampen::ui::followLayoutScale(factor);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QCOMPARE(QApplication::font("QMessageBox").pointSizeF(), before.pointSizeF() * factor);
        QCoreApplication::sendPostedEvents(); // widgets hear of the new font through an event
        QCOMPARE(window.findChild<QMenu*>(QStringLiteral("cmdDatei"))->font().pointSizeF(),
                 before.pointSizeF() * factor);
    }
};

QTEST_MAIN(ScreenSizesTest)
#include "ScreenSizesTest.moc"
