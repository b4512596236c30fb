// The window laid out for five screens from 800 x 600 to 2560 x 1440: every caption fits its
// control, every number box shows three digits with their sign, the statistics' captions end
// before their leader lines and its separator stays inside the frame; on large screens the
// illustration has pixels enough and the application's fonts grow with the window.

#include "Desktop.h"
#include "LampenWindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QtTest>

#include <map>

namespace {

const QSize kScreens[] = {{800, 600}, {1024, 768}, {1280, 800}, {1920, 1080}, {2560, 1440}};

// The longest texts the program ever writes into a box or onto a button, where they differ
// from the caption it starts with.
const std::map<QString, QStringList>& longestTexts() {
    static const std::map<QString, QStringList> texts = [] {
        std::map<QString, QStringList> t{
            {"txtKlicks", {" 100", "100"}},
            {"txtAktuell", {" 200", "200"}},
            {"txtAnzahl", {" 200", "200"}},
            {"txtAusgabe",
             {"Schalten Sie die gelb markierten Lampen ein!", "Gelöst mit minimaler Schaltzahl!",
              "Gelöst, aber es geht besser (mit nur 10 Klicks)."}},
            {"cmdAddSchaltung(0)", {"Nummer  200"}},
            {"cmdAddSchaltung(1)", {"Nummer  201"}},
            {"cmdLöSchaltung", {"Schaltung  200  entfernen"}},
        };
        for (int i = 0; i < 6; ++i)
            t[QStringLiteral("txtStatistik(%1)").arg(i)] = {" 100", "-100"};
        return t;
    }();
    return texts;
}

// The width a line edit has for its text: inside its frame and its fixed inner margin.
int textRoom(const QLineEdit* e) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth =
        e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const QMargins m = e->textMargins();
    return r.width() - m.left() - m.right() - 2 * 2; // QLineEdit keeps 2 pixels on each side
}

QStringList textsOf(const QWidget* w, const QString& shown) {
    const auto it = longestTexts().find(w->objectName());
    return it != longestTexts().end() ? it->second : QStringList{shown};
}

// Every caption that does not fit, as "name: text (needs n, has m)".
QStringList overflows(const QWidget* window) {
    QStringList bad;
    auto check = [&](const QWidget* w, const QString& text, int room) {
        const int needs = QFontMetrics(w->font()).horizontalAdvance(text);
        if (qEnvironmentVariableIsSet("FITDBG"))
            qDebug().noquote() << w->objectName() << text << needs << room;
        if (needs > room)
            bad << QStringLiteral("%1: \"%2\" (needs %3, has %4)")
                       .arg(w->objectName(), text)
                       .arg(needs)
                       .arg(room);
    };
    for (const auto* e : window->findChildren<QLineEdit*>())
        if (!e->isHidden() && !e->objectName().isEmpty())
            for (const QString& t : textsOf(e, e->text()))
                check(e, t, textRoom(e));
    for (const auto* l : window->findChildren<QLabel*>())
        if (!l->isHidden() && l->pixmap().isNull())
            check(l, l->text(), l->contentsRect().width() - 2 * std::max(0, l->margin()));
    for (const auto* b : window->findChildren<QPushButton*>())
        if (!b->isHidden() && !b->objectName().isEmpty()) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.rect = b->rect();
            const QRect r = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            for (const QString& t : textsOf(b, b->text()))
                check(b, t, r.width());
        }
    for (const auto* o : window->findChildren<QRadioButton*>()) {
        if (qEnvironmentVariableIsSet("FITDBG"))
            qDebug().noquote() << o->objectName() << o->sizeHint().width() << o->width()
                               << o->geometry();
        if (o->sizeHint().width() > o->width())
            bad << QStringLiteral("%1: needs %2, has %3")
                       .arg(o->objectName())
                       .arg(o->sizeHint().width())
                       .arg(o->width());
    }
    for (const auto* g : window->findChildren<QGroupBox*>())
        if (!g->title().isEmpty())
            check(g, g->title(), g->width() - 16);
    return bad;
}

} // namespace

class ScreenSizesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsItsControl_data() {
        QTest::addColumn<QSize>("screen");
        for (const QSize& s : kScreens)
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(s.width()).arg(s.height()))) << s;
    }
    void everyTextFitsItsControl() {
        QFETCH(QSize, screen);
        LampenWindow window(ScreenMetrics{screen, 96});
        const auto named = [&](const QString& name) {
            auto* w = window.findChild<QWidget*>(name);
            if (!w)
                qFatal("no control %s", qPrintable(name));
            return w;
        };
        const QStringList playing = overflows(&window);
        QVERIFY2(playing.isEmpty(), qPrintable(playing.join(QStringLiteral("; "))));
        // The editor, the matrix view and the lamp buttons; then the other panels.
        window.findChild<QAction*>(QStringLiteral("cmdÄndern"))->trigger();
        for (const char* panel : {"lblWege", "lblErklärung(1)"})
            named(QString::fromUtf8(panel))->show();
        const QStringList editing = overflows(&window);
        QVERIFY2(editing.isEmpty(), qPrintable(editing.join(QStringLiteral("; "))));

        // Option buttons stay clear of each other.
        for (const auto& [left, right] :
             {std::pair{"optLösbar(1)", "optLösbar(0)"}, std::pair{"Option1(0)", "Option1(1)"}})
            QVERIFY2(named(QString::fromUtf8(left))->geometry().right() <
                         named(QString::fromUtf8(right))->x(),
                     left);
        // Captions with a leader line end before it; the separator stays inside the frame.
        for (int row : {0, 1, 2}) {
            const QLabel* label =
                window.findChild<QLabel*>(QStringLiteral("lblStatistik(%1)").arg(2 * row));
            const int end =
                label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
            QVERIFY2(end < named(QStringLiteral("lineStat(%1)").arg(row))->x(),
                     qPrintable(label->objectName()));
        }
        const auto* frame = window.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.rect = frame->rect();
        opt.text = frame->title();
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect border = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                            QStyle::SC_GroupBoxFrame, frame);
        const QRect separator = named(QStringLiteral("Line4"))->geometry();
        QVERIFY(border.adjusted(1, 1, -1, -1).contains(separator));
    }

    void largeScreensGetAnIllustrationWithPixelsEnoughAndLargerCircles() {
        LampenWindow window(ScreenMetrics{QSize(2560, 1440), 96});
        const auto* option = window.findChild<QRadioButton*>(QStringLiteral("Option1(0)"));
        const int circle =
            option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option);
        QCOMPARE(circle, qRound(QApplication::style()->pixelMetric(
                                    QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) *
                                window.model().layout().layoutScale));
        const auto* picture = window.findChild<QLabel*>(QStringLiteral("imgDon"));
        const QSize source = QPixmap(QStringLiteral(":/imgDon.png")).size(); // read when shown
        QVERIFY2(source.width() >= picture->width() && source.height() >= picture->height(),
                 qPrintable(QStringLiteral("%1x%2").arg(source.width()).arg(source.height())));
    }

    void applicationFontsGrowWithTheWindow() {
        const QFont before = QApplication::font();
        LampenWindow window(ScreenMetrics{QSize(2560, 1440), 96});
        const double factor = window.model().layout().layoutScale;
        QVERIFY(factor > 2);
        lampen::ui::followLayoutScale(factor);
        QCOMPARE(QApplication::font().pointSizeF(), before.pointSizeF() * factor);
        QCOMPARE(QApplication::font("QMessageBox").pointSizeF(), before.pointSizeF() * factor);
        QCoreApplication::sendPostedEvents(); // widgets hear of the new font through an event
        const auto* menu = window.findChild<QMenu*>(QStringLiteral("cmdDatei"));
        QCOMPARE(menu->font().pointSizeF(), before.pointSizeF() * factor);
        QApplication::setFont(before);
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScreenSizesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenSizesTest.moc"
