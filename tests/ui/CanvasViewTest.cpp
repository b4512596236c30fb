// A drawing area repaints only where its new display list differs from the one it shows, and what
// it then shows on screen is exactly the new list drawn afresh.

#include "CanvasView.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QtTest>

namespace {

using lampen::Canvas;

const lampen::CanvasScale kScale{-10, -10, 10, 10};
const lampen::Rgb kWire{200, 200, 200}, kLit{255, 128, 0}, kWarn{224, 224, 224};

// The room's usual picture: a few wires from the middle.
Canvas wires() {
    Canvas c(kScale);
    c.line(0, 0, -8, -8, kWire);
    c.line(0, 0, 8, -8, kWire);
    c.line(0, 0, 8, 8, kWire, 2);
    return c;
}

// Collects the region of every paint event of a widget.
class PaintedRegion : public QObject {
public:
    QRegion region;
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class CanvasViewTest : public QObject {
    Q_OBJECT

private slots:
    void repaintsOnlyWhatDiffers_data() {
        QTest::addColumn<Canvas>("next");
        QTest::addColumn<QRect>("untouched"); // a part of the area no change reaches

        Canvas recoloured(kScale);
        recoloured.line(0, 0, -8, -8, kWire);
        recoloured.line(0, 0, 8, -8, kLit, 2);
        recoloured.line(0, 0, 8, 8, kWire, 2);
        QTest::newRow("a wire highlighted") << recoloured << QRect(0, 110, 90, 90);

        Canvas warned = wires();
        warned.text(-9, 7, "Achtung!", kWarn);
        QTest::newRow("a warning added") << warned << QRect(100, 0, 100, 100);

        Canvas fewer(kScale);
        fewer.line(0, 0, -8, -8, kWire);
        fewer.line(0, 0, 8, -8, kWire);
        QTest::newRow("a wide wire removed") << fewer << QRect(0, 0, 200, 90);

        Canvas moved(kScale);
        moved.line(0, 0, -8, -8, kWire);
        moved.line(0, 0, 8, -4, kWire);
        moved.line(0, 0, 8, 8, kWire, 2);
        QTest::newRow("a wire's end moved") << moved << QRect(0, 110, 90, 90);
    }

    void repaintsOnlyWhatDiffers() {
        QFETCH(Canvas, next);
        QFETCH(QRect, untouched);
        CanvasView view(kScale, QColor(128, 128, 128));
        view.resize(200, 200);
        view.show(wires());
        view.QWidget::show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();

        PaintedRegion painted;
        view.installEventFilter(&painted);
        view.show(wires()); // the same list: nothing to paint
        QCoreApplication::processEvents();
        QCOMPARE(painted.paints, 0);

        view.show(next);
        QCoreApplication::processEvents();
        QCOMPARE(painted.paints, 1);
        QVERIFY(!painted.region.intersects(untouched));

        // The screen now holds the new list as a fresh area would draw it.
        const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage();
        CanvasView fresh(kScale, QColor(128, 128, 128));
        fresh.resize(view.size());
        fresh.show(next);
        QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32),
                 fresh.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CanvasViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CanvasViewTest.moc"
