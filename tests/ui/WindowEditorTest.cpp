// The circuit editor through the real window: entering edit mode from the menu, selecting a
// switch and wiring it to a lamp by clicks, what the window then shows, and saving the changed
// group through Qt's file dialog.

#include "LampenWindow.h"
#include "UiTest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using lampen::uitest::ModalWatcher;

class WindowEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LampenWindow> window_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString startDir_;

    template <class T = QWidget> T* get(const QString& name) {
        T* w = window_->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    template <class T = QWidget> T* get(const char* name) {
        return get<T>(QString::fromUtf8(name));
    }
    QWidget* element(const char* name, int i) {
        return get(QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(i));
    }
    void click(QWidget* button) {
        QTest::mouseClick(qobject_cast<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        startDir_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_->path()));
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->setGeometry(0, 0, 1024, 768);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        QDir::setCurrent(startDir_);
        dir_.reset();
    }

    void wiringASwitchToALampAndSavingTheGroup() {
        const int k = 2; // circuit 1: three lamps, three switches
        get<QAction>("cmdÄndern")->trigger();
        QVERIFY(get("lblÄndern")->isVisible());

        // Select S1 (wired to lamps 1 and 2), then wire it to lamp 0 as well.
        click(element("cmdSchalter", 1));
        QCOMPARE(window_->model().txtSchalter, std::string(" 1"));
        click(element("cmdLampe", 0));
        QCOMPARE(window_->model().schaltgruppe.slot(1), std::string("2*110*111*001*"));
        // The lit lamps follow the wire: S1 now lights all three.
        for (int l = 0; l <= k; ++l)
            QCOMPARE(element("shpLampe", l)->property("fillColor").value<QColor>(),
                     QColor(255, 255, 0));

        // Lamp buttons over the lamps of the circuit, and no others.
        for (int l = 0; l < 10; ++l) {
            QCOMPARE(element("cmdLampe", l)->isVisible(), l <= k);
            if (l <= k)
                QVERIFY(element("cmdLampe", l)
                            ->geometry()
                            .intersects(element("shpLampe", l)->geometry()));
        }
        // The matrix view under the edit frame, with its own lamp buttons.
        QWidget* matrix = get("picMatrix");
        QWidget* frame = get("lblÄndern");
        QVERIFY(matrix->isVisible());
        QVERIFY(std::abs(matrix->y() - (frame->y() + frame->height())) <= 1);
        for (int l = 0; l < 10; ++l) {
            QCOMPARE(element("cmdMLampe", l)->isVisible(), l <= k);
            QCOMPARE(element("cmdMSchalter", l)->isVisible(), l <= k);
        }
        // It covers the whole-circuit question and the statistics.
        QVERIFY(matrix->geometry().contains(get("lblGAnalyse")->geometry().center()));
        QVERIFY(matrix->geometry().contains(get("Frame1")->geometry().center()));

        // The selected switch's caption is the larger one.
        const double scale = window_->model().layoutScale;
        for (int s = 0; s <= k; ++s)
            QCOMPARE(element("cmdSchalter", s)->font().pointSizeF(), (s == 1 ? 10 : 8) * scale);

        // Saved through the file dialog: the changed circuit first, the rest as built in.
        ModalWatcher watcher;
        watcher.fileNames << QStringLiteral("entwurf.lmp");
        get<QAction>("cmdSpeichern")->trigger();
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        QCOMPARE(watcher.seen.front().className, QStringLiteral("QFileDialog"));
        QFile file(dir_->filePath(QStringLiteral("entwurf.lmp")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("2*110*111*001*\r\n3*1000*0110*0011*1001*\r\n"));
        QVERIFY(bytes.endsWith("\r\n8*110000001*111000000*011100000*001110000*000111000*"
                               "000011100*000001110*000000111*100000011*\r\n"));
        QCOMPARE(bytes.count("\r\n"), 19);
        QCOMPARE(bytes.count('\n'), 19); // no bare line feeds
        // Saving leaves edit mode standing and shows circuit 1 again, as saved.
        QVERIFY(get("lblÄndern")->isVisible());
        QCOMPARE(get<QLineEdit>("txtAktuell")->text(), QStringLiteral(" 1"));
        QCOMPARE(window_->model().schaltgruppe.slot(1), std::string("2*110*111*001*"));
    }
};

LAMPEN_UI_TEST_MAIN(WindowEditorTest)
#include "WindowEditorTest.moc"
