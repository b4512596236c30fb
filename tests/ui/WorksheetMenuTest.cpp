// "Datei" > "Arbeitsblatt als PDF…" through the real dialogs: the save dialog's settings, the
// written PDF with the current task on its circuit's page, and the box for a failed write.

#include "LampenWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace {

// What the dialogs of one command showed.
struct Seen {
    QString className, title, text, informative, directory, suffix;
    QStringList filters;
    bool confirmsOverwrite = false;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the modal dialogs: a file dialog with the queued name, a message box with its button.
class ModalWatcher {
public:
    QList<Seen> seen;
    QString fileName;

    ModalWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }

private:
    void answer() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        Seen s;
        s.className = QString::fromLatin1(dialog->metaObject()->className());
        s.title = dialog->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            s.text = box->text();
            s.informative = box->informativeText();
            s.buttons = static_cast<int>(box->buttons().size());
            s.icon = box->icon();
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            s.directory = files->directory().absolutePath();
            s.filters = files->nameFilters();
            s.suffix = files->defaultSuffix();
            s.confirmsOverwrite = !files->testOption(QFileDialog::DontConfirmOverwrite);
            files->selectFile(fileName);
        }
        seen << s;
        dialog->accept();
    }

    QTimer timer_;
};

QString pdfText(const QString& pdf) {
    const QString txt = pdf + QStringLiteral(".txt");
    const QByteArray command =
        "pdftotext -enc UTF-8 '" + QFile::encodeName(pdf) + "' '" + QFile::encodeName(txt) + "'";
    if (std::system(command.constData()) != 0)
        return {};
    QFile f(txt);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class WorksheetMenuTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString startDir_;
    std::unique_ptr<LampenWindow> window_;

    void trigger() { window_->findChild<QAction*>(QStringLiteral("cmdArbeitsblatt"))->trigger(); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        startDir_ = QDir::currentPath();
        QVERIFY(dir_->isValid() && QDir::setCurrent(dir_->path()));
        window_ = std::make_unique<LampenWindow>(ScreenMetrics{QSize(1024, 768), 96});
        window_->show();
    }
    void cleanup() {
        window_.reset();
        QDir::setCurrent(startDir_);
        dir_.reset();
    }

    void theItemFollowsTheDesignsItemsAfterASeparator() {
        const QList<QAction*> items =
            window_->findChild<QMenu*>(QStringLiteral("cmdDatei"))->actions();
        QVERIFY(items.size() >= 2);
        QVERIFY(items[items.size() - 2]->isSeparator());
        QCOMPARE(items.back()->objectName(), QStringLiteral("cmdArbeitsblatt"));
        QCOMPARE(items.back()->text(), QStringLiteral("Arbeitsblatt als PDF…"));
    }

    // The current circuit's page carries the task of the window: circuit 4 (ten lamps) with a
    // new target of fewer than all lamps.
    void writesTheGroupWithTheCurrentTask() {
        const lampen::Lampen& model = window_->model();
        const auto click = [this](const char* name) {
            QTest::mouseClick(window_->findChild<QPushButton*>(QString::fromUtf8(name)),
                              Qt::LeftButton);
        };
        for (int i = 0; i < 3; ++i)
            click("cmdNächstes");
        QStringList lamps;
        for (int tries = 0; tries < 30 && (lamps.isEmpty() || lamps.size() == 10); ++tries) {
            click("cmdAufgabe");
            lamps.clear();
            for (int l = 0; l <= model.maxIndex; ++l)
                if (model.shpLampe[static_cast<std::size_t>(l)].isTarget())
                    lamps << QStringLiteral("L%1").arg(l);
        }
        QCOMPARE(model.maxIndex, 9);
        QVERIFY(!lamps.isEmpty() && lamps.size() < 10);
        const QString target = lamps.join(QStringLiteral(", "));

        ModalWatcher watcher;
        watcher.fileName = QStringLiteral("blatt");
        trigger();
        QCOMPARE(watcher.seen.size(), 1);
        const Seen& dialog = watcher.seen[0];
        QCOMPARE(dialog.className, QStringLiteral("QFileDialog"));
        QCOMPARE(QFileInfo(dialog.directory).canonicalFilePath(),
                 QFileInfo(QDir::currentPath()).canonicalFilePath());
        QVERIFY(dialog.filters.join(u'\n').contains(QStringLiteral("*.pdf")));
        QCOMPARE(dialog.suffix, QStringLiteral("pdf"));
        QVERIFY(dialog.confirmsOverwrite);

        const QString text = pdfText(dir_->filePath(QStringLiteral("blatt.pdf")));
        QVERIFY2(!text.isEmpty(), "no PDF, or pdftotext is missing");
        QVERIFY(text.startsWith(QStringLiteral("Schaltung 1 von 19")));
        const qsizetype key = text.indexOf(QStringLiteral("Schaltung 4\n"));
        QVERIFY(key > 0);
        QVERIFY2(text.mid(key).contains(QStringLiteral("Ziel: ") + target + QStringLiteral(" –")),
                 qPrintable(target));
        QVERIFY(text.contains(QStringLiteral("Schaltung 5\nRang")));
    }

    void aFailedWriteShowsTheReasonInOneCriticalBox() {
        ModalWatcher watcher;
        watcher.fileName = dir_->filePath(QStringLiteral("fehlt/blatt.pdf"));
        trigger();
        QCOMPARE(watcher.seen.size(), 2);
        const Seen& box = watcher.seen[1];
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, QStringLiteral("Fehler"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, 1);
        QVERIFY(box.informative.contains(QStringLiteral("kann keine Datei angelegt werden")));
        QVERIFY(!QFile::exists(watcher.fileName));
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WorksheetMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WorksheetMenuTest.moc"
