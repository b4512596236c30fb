// A lamp drawn from its cached pixmap looks like the lamp stroked directly onto its area, within
// the rounding of antialiased edges, at every size, colour pair, border and pixel ratio.

#include "LampShape.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cstdlib>

namespace {

const QColor kArea(128, 128, 128);
const QPoint kAt(3, 5); // the lamp's place in its area

// The largest difference of any channel between two images of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()),
                                std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
        }
    return largest;
}

// The lamp as it was first drawn, straight onto its area: an antialiased circle stroked with the
// border's pen and filled, the border wholly inside the lamp's smaller side.
void strokeLamp(QPainter& p, QSize size, const QColor& fill, const QColor& border, int width) {
    const int side = std::min(size.width(), size.height());
    const double inset = width / 2.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, width));
    p.setBrush(fill);
    p.drawEllipse(QRectF((size.width() - side) / 2.0 + inset, (size.height() - side) / 2.0 + inset,
                         side - width, side - width));
}

QImage blankArea(QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(kArea);
    return image;
}

} // namespace

class LampShapeTest : public QObject {
    Q_OBJECT

private slots:
    void cachedLampLooksLikeTheStrokedOne_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("border");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<qreal>("ratio");
        const QColor darkBlue(0, 0, 128), yellow(255, 255, 0), black(0, 0, 0);
        QTest::newRow("room lamp, off") << QSize(49, 48) << darkBlue << black << 4 << 1.0;
        QTest::newRow("room lamp, on, wanted") << QSize(49, 48) << yellow << yellow << 4 << 1.0;
        QTest::newRow("room lamp, off, wanted") << QSize(49, 48) << darkBlue << yellow << 4 << 1.0;
        QTest::newRow("wider than high") << QSize(60, 41) << yellow << black << 4 << 1.0;
        QTest::newRow("small") << QSize(9, 9) << darkBlue << yellow << 4 << 1.0;
        QTest::newRow("indicator") << QSize(81, 76) << yellow << black << 1 << 1.0;
        QTest::newRow("twice the pixels") << QSize(49, 48) << darkBlue << yellow << 4 << 2.0;
        QTest::newRow("three times the pixels") << QSize(49, 48) << yellow << black << 4 << 3.0;
    }

    void cachedLampLooksLikeTheStrokedOne() {
        QFETCH(QSize, size);
        QFETCH(QColor, fill);
        QFETCH(QColor, border);
        QFETCH(int, borderWidth);
        QFETCH(qreal, ratio);

        // One area and lamp for every row: a pixmap kept for the wrong look would show here.
        if (!area_) {
            area_ = std::make_unique<QWidget>();
            area_->setAutoFillBackground(true);
            QPalette palette = area_->palette();
            palette.setColor(QPalette::Window, kArea);
            area_->setPalette(palette);
        }
        area_->resize(size + QSize(10, 10));
        delete lamp_;
        lamp_ = new LampShape(borderWidth, area_.get()); // owned by the area
        lamp_->setGeometry(QRect(kAt, size));
        lamp_->setFillColor(fill);
        lamp_->setBorderColor(border);

        for (int twice = 0; twice < 2; ++twice) { // drawn, then copied from the cache
            QImage cached = blankArea(area_->size(), ratio);
            area_->render(&cached);

            QImage stroked = blankArea(area_->size(), ratio);
            QPainter p(&stroked);
            p.translate(kAt);
            strokeLamp(p, size, fill, border, borderWidth);
            p.end();

            QCOMPARE(cached.size(), stroked.size());
            QVERIFY2(largestDifference(cached, stroked) <= 2, QTest::currentDataTag());
        }
    }

private:
    std::unique_ptr<QWidget> area_;
    LampShape* lamp_ = nullptr;
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LampShapeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LampShapeTest.moc"
