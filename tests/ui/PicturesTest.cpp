// The pictures read when first needed look as they did when read at start: the illustration as a
// label scales its contents, the window icon as an icon built from its file.

#include "LazyIcon.h"
#include "PictureLabel.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void illustrationLooksLikeAScaledLabel_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("as on a 1024 x 768 screen")
            << QStringLiteral(":/imgDon.png") << QSize(321, 303);
        QTest::newRow("larger than the picture")
            << QStringLiteral(":/imgDon.png") << QSize(500, 420);
        QTest::newRow("a missing picture: empty")
            << QStringLiteral(":/fehlt.png") << QSize(100, 80);
    }

    void illustrationLooksLikeAScaledLabel() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QLabel label;
        label.setScaledContents(true);
        const QPixmap picture(file);
        QCOMPARE(picture.isNull(), file.contains(QLatin1String("fehlt")));
        if (!picture.isNull())
            label.setPixmap(picture);
        label.resize(size);
        PictureLabel lazy(file, nullptr);
        lazy.resize(size);
        const QImage want = label.grab().toImage();
        QCOMPARE(lazy.grab().toImage(), want);
        QCOMPARE(lazy.grab().toImage(), want); // and again, from the kept scaled picture
    }

    void windowIconIsTheFileAtItsSize() {
        const QIcon lazy = lazyIcon(QStringLiteral(":/icon-64.png"), 64);
        const QIcon eager(QStringLiteral(":/icon-64.png"));
        QVERIFY(!lazy.isNull());
        QCOMPARE(lazy.availableSizes(), QList<QSize>{QSize(64, 64)});
        for (const int side : {64, 32, 16}) {
            QCOMPARE(lazy.actualSize(QSize(side, side)), QSize(side, side));
            QCOMPARE(lazy.pixmap(side).toImage(), eager.pixmap(side).toImage());
        }
        QCOMPARE(lazy.actualSize(QSize(128, 128)), QSize(64, 64)); // never scaled up
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The pictures are a resource of the window's static library.
    Q_INIT_RESOURCE(pictures);
    PicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PicturesTest.moc"
