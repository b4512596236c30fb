// Drawing's shortcuts look like the plain way: cached lamps, partial repaints, lazy pictures.

#include "CanvasView.h"
#include "ClassicStyle.h"
#include "HairLine.h"
#include "LampShape.h"
#include "LazyIcon.h"
#include "PictureLabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

const QColor kGrey(128, 128, 128);

int largestDifference(const QImage& a, const QImage& b) { // of any byte; 256: other sizes
    int largest = a.size() == b.size() ? 0 : 256;
    for (qsizetype i = 0; largest < 256 && i < a.sizeInBytes(); ++i)
        largest = std::max(largest, std::abs(a.constBits()[i] - b.constBits()[i]));
    return largest;
}

const QPoint kAt(3, 5); // a lamp's place in its area

// An area of the given size, with the lamp as it was first drawn straight onto it, if any: an
// antialiased circle stroked with the border's pen and filled, the border inside the smaller side.
QImage picture(QSize area, qreal ratio, QSize size = {}, QColor fill = {}, QColor border = {},
               int width = 0) {
    QImage image(area * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(kGrey);
    const double side = std::min(size.width(), size.height()) - width; // between the pen's middles
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, width));
    p.setBrush(fill);
    if (!size.isEmpty())
        p.drawEllipse(QRectF(kAt + QPointF(size.width() - side, size.height() - side) / 2,
                             QSizeF(side, side)));
    p.end();
    return image;
}

const lampen::CanvasScale kScale{-10, -10, 10, 10};
const lampen::Rgb kWire{200, 200, 200};

lampen::Canvas wires(lampen::Rgb second = kWire, bool wide = true) {
    lampen::Canvas c(kScale);
    c.line(0, 0, -8, -8, kWire);
    c.line(0, 0, 8, -8, second);
    if (wide)
        c.line(0, 0, 8, 8, kWire, 2);
    return c;
}

struct WatchedView : CanvasView {
    WatchedView() : CanvasView(kScale, kGrey) { resize(200, 200), show(wires()); }
    QRegion painted;
    int paints = 0;
    void paintEvent(QPaintEvent* event) override {
        ++paints, painted += event->region();
        CanvasView::paintEvent(event);
    }
};

// Whether every dark pixel of a has a dark pixel of b at most one pixel away.
bool darkNear(const QImage& a, const QImage& b) {
    auto dark = [](const QImage& i, int x, int y) {
        return i.rect().contains(x, y) && qGray(i.pixel(x, y)) < 128;
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (dark(a, x, y) &&
                !(dark(b, x - 1, y - 1) || dark(b, x, y - 1) || dark(b, x + 1, y - 1) ||
                  dark(b, x - 1, y) || dark(b, x, y) || dark(b, x + 1, y) ||
                  dark(b, x - 1, y + 1) || dark(b, x, y + 1) || dark(b, x + 1, y + 1)))
                return false;
    return true;
}

// A line on a white image, by the painter or written straight in, behind a painter moved by
// offset, inside clip (user coordinates).
QImage line(bool written, QPoint a, QPoint b, int width, QPoint offset, const QRegion& clip) {
    QImage image(120, 110, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(offset);
    if (!written) {
        p.setClipRegion(clip);
        p.setPen(QPen(Qt::black, width));
        p.drawLine(a, b);
    } else if (const auto target = lampen::ui::pixelTarget(p)) {
        lampen::ui::drawHairLine(*target, a, b, qRgb(0, 0, 0), width, clip);
    }
    return image;
}

} // namespace

class LighterDrawingTest : public QObject {
    Q_OBJECT

private slots:
    // A box in the program's style paints every pixel of its own, so it may skip the repaint of
    // what lies behind it; a caption drawn from its laid-out copy stands where the plain way
    // puts it, in any colour role.
    void classicBoxesCoverThemselvesAndCaptionsStayPut() {
        ClassicStyle classic;
        for (const bool framed : {true, false}) {
            QLineEdit box(QStringLiteral("17"));
            box.setStyle(&classic);
            box.setFrame(framed);
            box.resize(60, 24);
            box.ensurePolished();
            QVERIFY(box.testAttribute(Qt::WA_OpaquePaintEvent));
            QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::magenta);
            box.render(&image, {}, {}, QWidget::DrawChildren);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QVERIFY(image.pixel(x, y) != QColor(Qt::magenta).rgb());
        }
        const auto caption = [](QStyle& style, const QString& text, int flags) {
            QImage image(90, 30, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
            for (int twice = 0; twice < 2; ++twice) // the second time from the laid-out copy
                style.drawItemText(&p, image.rect().adjusted(3, 2, -3, -2), flags,
                                   QApplication::palette(), true, text, QPalette::ButtonText);
            return image;
        };
        QProxyStyle plain;
        for (const Qt::Alignment flags :
             {Qt::Alignment(Qt::AlignCenter), Qt::AlignLeft | Qt::AlignVCenter,
              Qt::AlignRight | Qt::AlignBottom})
            for (const char* text : {"S0", "nächste", "&Datei"}) {
                const QImage a = caption(classic, QString::fromUtf8(text), int(flags));
                const QImage b = caption(plain, QString::fromUtf8(text), int(flags));
                QVERIFY2(darkNear(a, b) && darkNear(b, a), text);
            }
        QVERIFY(!classic.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
    }

    // The room's wires, written straight into the image, lie where the painter draws them, within
    // a pixel; cut by a clip they keep exactly the pixels inside it, so a partial repaint joins.
    void wiresLieWhereThePainterDrawsThem() {
        const std::tuple<QPoint, QPoint, int> lines[] = {
            {{5, 5}, {90, 60}, 1},  {{90, 10}, {10, 70}, 1},  {{50, 2}, {52, 95}, 1},
            {{3, 40}, {97, 40}, 2}, {{20, 90}, {70, 5}, 2},   {{40, 40}, {40, 40}, 1},
            {{97, 3}, {3, 97}, 1},  {{-20, 50}, {50, 130}, 1}};
        const QRegion whole(-10, -10, 140, 130);
        const QRegion cut = QRegion(0, 0, 100, 100) - QRegion(30, 20, 25, 40) -
                            QRegion(60, 50, 30, 10) - QRegion(0, 70, 45, 3);
        for (const QPoint offset : {QPoint(0, 0), QPoint(7, 3)})
            for (const auto& [a, b, width] : lines) {
                const QImage painted = line(false, a, b, width, offset, whole);
                const QImage written = line(true, a, b, width, offset, whole);
                QVERIFY(darkNear(written, painted) && darkNear(painted, written));
                QImage inside = written;
                for (int y = 0; y < inside.height(); ++y)
                    for (int x = 0; x < inside.width(); ++x)
                        if (!cut.translated(offset).contains(QPoint(x, y)))
                            inside.setPixel(x, y, qRgb(255, 255, 255));
                QCOMPARE(line(true, a, b, width, offset, cut), inside);
            }
    }

    // One lamp for a border width, reshaped and recoloured: a pixmap kept for the old look shows.
    void cachedLampLooksLikeTheStrokedOne() {
        const std::tuple<const char*, QSize, QColor, QColor, int, qreal> cases[] = {
            {"off", {49, 48}, Qt::darkBlue, Qt::black, 4, 1.0},
            {"on", {49, 48}, Qt::yellow, Qt::black, 4, 1.0},
            {"on, wanted", {49, 48}, Qt::yellow, Qt::yellow, 4, 1.0},
            {"off, twice the pixels", {49, 48}, Qt::darkBlue, Qt::black, 4, 2.0},
            {"off, once again", {49, 48}, Qt::darkBlue, Qt::black, 4, 1.0},
            {"indicator, wider than high", {81, 76}, Qt::yellow, Qt::black, 1, 1.0}};
        CanvasView area(kScale, kGrey); // a room with no wires
        std::unique_ptr<LampShape> lamp;
        int lampWidth = 0;
        for (const auto& [name, size, fill, border, width, ratio] : cases) {
            area.resize(size + QSize(10, 10));
            if (std::exchange(lampWidth, width) != width)
                lamp = std::make_unique<LampShape>(width, &area);
            lamp->setGeometry(QRect(kAt, size));
            lamp->setFillColor(fill);
            lamp->setBorderColor(border);
            const QImage stroked = picture(area.size(), ratio, size, fill, border, width),
                         blank = picture(area.size(), ratio);
            for (QImage cached : {blank, blank}) { // drawn, then copied from the cache
                area.render(&cached);
                QVERIFY2(largestDifference(cached, stroked) <= 2, name);
            }
        }
    }

    void repaintsOnlyWhatDiffersAndThenShowsTheNewList() {
        lampen::Canvas warned = wires();
        warned.text(-9, 7, "Achtung!", {224, 224, 224});
        const std::tuple<const char*, lampen::Canvas, QRect> cases[] = {
            {"a wire highlighted", wires({255, 128, 0}), QRect(0, 110, 90, 90)},
            {"a warning added", warned, QRect(100, 0, 100, 100)},
            {"a wide wire removed", wires(kWire, false), QRect(0, 0, 200, 90)}};
        for (const auto& [name, next, untouched] : cases) {
            WatchedView view;
            view.QWidget::show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            QCoreApplication::processEvents();
            view.painted = QRegion(), view.paints = 0;
            view.show(wires());
            QCoreApplication::processEvents();
            QCOMPARE(view.paints, 0);
            view.show(next);
            QCoreApplication::processEvents();
            QVERIFY2(view.paints == 1 && !view.painted.intersects(untouched), name);
            const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage();
            CanvasView fresh(kScale, kGrey);
            fresh.resize(view.size());
            fresh.show(next);
            QVERIFY2(onScreen.convertToFormat(QImage::Format_RGB32) ==
                         fresh.grab().toImage().convertToFormat(QImage::Format_RGB32),
                     name);
        }
    }

    void lazyPicturesLookLikeTheEagerlyReadOnes() {
        const QString don = ":/imgDon.png", missing = ":/fehlt.png";
        QVERIFY(!QPixmap(don).isNull() && QPixmap(missing).isNull());
        PictureLabel lazy(don, nullptr), lazyMissing(missing, nullptr); // resized when shown
        for (const QSize size : {QSize(321, 303), QSize(500, 420), QSize(100, 80)}) {
            QLabel label, empty;
            label.setScaledContents(true);
            label.setPixmap(QPixmap(don));
            label.resize(size), empty.resize(size), lazy.resize(size), lazyMissing.resize(size);
            for (int twice = 0; twice < 2; ++twice) { // then from the kept scaled picture
                QCOMPARE(lazy.grab().toImage(), label.grab().toImage());
                QCOMPARE(lazyMissing.grab().toImage(), empty.grab().toImage());
            }
        }
        const QIcon icon = lazyIcon(QStringLiteral(":/icon-64.png"), 64);
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(64, 64)});
        for (const int side : {64, 32, 16, 128}) { // never scaled up
            QCOMPARE(icon.actualSize(QSize(side, side)), QSize(side, side).boundedTo({64, 64}));
            QCOMPARE(icon.pixmap(side).toImage(), QIcon(":/icon-64.png").pixmap(side).toImage());
        }
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(pictures); // a resource of the window's static library
    LighterDrawingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LighterDrawingTest.moc"
