// Group files through the real window: "Datei öffnen" and "Datei speichern" through Qt's file
// dialog, answered by typing a name as a user does, and a group named on the command line, which
// opens exactly as the dialog's choice would, messages included.

#include "LampenWindow.h"
#include "UiTest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using lampen::uitest::ModalWatcher;

namespace {

// Two circuits: S0 lights lamp 0, S1 lamps 0 and 1; then four lamps in a ring.
const QByteArray kTwoCircuits = "1*10*11*\r\n3*1100*0110*0011*1001*\r\n";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class WindowFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LampenWindow> window_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString startDir_;

    template <class T = QWidget> T* get(const char* name) {
        T* w = window_->findChild<T*>(QString::fromUtf8(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }
    QString inDir(const QString& name) const { return dir_->filePath(name); }
    QStringList listed() {
        QStringList entries;
        auto* list = get<QComboBox>("cboDatei");
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }
    // The group in memory as the file it should become.
    QByteArray groupBytes() const {
        QByteArray bytes;
        for (int i = 1; i <= 19; ++i)
            bytes += QByteArray::fromStdString(window_->model().schaltgruppe.slot(i)) + "\r\n";
        return bytes;
    }
    // Nothing of the built-in group's display has changed.
    void verifyUnchanged() {
        QCOMPARE(text("txtAnzahl"), QStringLiteral("19"));
        QCOMPARE(text("txtAktuell"), QStringLiteral("1"));
        QCOMPARE(listed(), QStringList{QStringLiteral("Voreinstellung.lmp")});
        QCOMPARE(window_->model().schaltgruppe.slot(1), std::string("2*110*011*001*"));
        QVERIFY(!get("cmdSchalter(2)")->isHidden());
    }
    // The two-circuit group is open and shows its circuit 1.
    void verifyTwoCircuitsOpen(const QString& path) {
        QCOMPARE(text("txtAnzahl"), QStringLiteral(" 2"));
        QCOMPARE(text("txtAktuell"), QStringLiteral(" 1"));
        QCOMPARE(window_->model().maxIndex, 1);
        QVERIFY(!get("cmdSchalter(1)")->isHidden());
        QVERIFY(get("cmdSchalter(2)")->isHidden());
        QCOMPARE(QString::fromStdString(window_->model().fileName), path);
        // The newest file stands first and shows in the list box.
        QCOMPARE(listed(), (QStringList{path, QStringLiteral("Voreinstellung.lmp")}));
        QCOMPARE(get<QComboBox>("cboDatei")->currentText(), path);
        // S1 is wired to both lamps.
        QTest::mouseClick(get<QPushButton>("cmdSchalter(1)"), Qt::LeftButton);
        for (const char* lamp : {"shpLampe(0)", "shpLampe(1)"})
            QCOMPARE(get(lamp)->property("fillColor").value<QColor>(), QColor(255, 255, 0));
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        startDir_ = QDir::currentPath();
        // The dialogs start in the working directory.
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

    void openingThroughTheFileDialog() {
        writeFile(inDir(QStringLiteral("gruppe.lmp")), kTwoCircuits);
        QTest::mouseClick(get<QPushButton>("cmdNächstes"), Qt::LeftButton);
        ModalWatcher watcher;
        watcher.fileNames << QStringLiteral("gruppe.lmp");
        trigger("cmdLaden");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        const auto& box = watcher.seen.front();
        QCOMPARE(box.className, QStringLiteral("QFileDialog"));
        QCOMPARE(box.title, QStringLiteral("Datei öffnen"));
        QCOMPARE(box.acceptMode, QFileDialog::AcceptOpen);
        QCOMPARE(canonical(box.directory), canonical(QDir::currentPath()));
        QVERIFY2(box.nameFilters.join(u'\n').contains(QStringLiteral("*.lmp")),
                 qPrintable(box.nameFilters.join(u'\n')));
        QCOMPARE(box.shownFilter, QStringLiteral("Lampendatei (*lmp)"));
        // The dialog's full path is used as it came.
        verifyTwoCircuitsOpen(QDir(box.directory).filePath(QStringLiteral("gruppe.lmp")));
    }

    void aCancelledDialogChangesNothing() {
        ModalWatcher watcher; // no name queued: the dialog is cancelled
        trigger("cmdLaden");
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{2});
        QCOMPARE(watcher.seen[1].acceptMode, QFileDialog::AcceptSave);
        verifyUnchanged();
        QCOMPARE(window_->model().fileName, std::string("Voreinstellung.lmp"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{});
    }

    void savingThroughTheFileDialogWritesTheGroup_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("with the ending")
            << QStringLiteral("gruppe.lmp") << QStringLiteral("gruppe.lmp");
        QTest::newRow("ending added") << QStringLiteral("neu") << QStringLiteral("neu.lmp");
        QTest::newRow("umlauts") << QStringLiteral("Schaltkästen für Übungen")
                                 << QStringLiteral("Schaltkästen für Übungen.lmp");
    }
    void savingThroughTheFileDialogWritesTheGroup() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTest::mouseClick(get<QPushButton>("cmdNächstes"), Qt::LeftButton);
        ModalWatcher watcher;
        watcher.fileNames << typed;
        trigger("cmdSpeichern");
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        const auto& box = watcher.seen.front();
        QCOMPARE(box.title, QStringLiteral("Datei speichern"));
        QCOMPARE(box.acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(canonical(box.directory), canonical(QDir::currentPath()));
        QVERIFY(box.nameFilters.join(u'\n').contains(QStringLiteral("*.lmp")));

        const QByteArray bytes = readFile(inDir(written));
        QCOMPARE(bytes, groupBytes());
        QVERIFY(bytes.startsWith("2*110*011*001*\r\n3*1000*0110*0011*1001*\r\n"));
        QCOMPARE(bytes.count("\r\n"), 19);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{written});
        // Saving shows circuit 1 of what was saved and lists the file.
        QCOMPARE(text("txtAktuell"), QStringLiteral(" 1"));
        const QString path = QDir(box.directory).filePath(written);
        QCOMPARE(listed(), (QStringList{path, QStringLiteral("Voreinstellung.lmp")}));
        QCOMPARE(get<QComboBox>("cboDatei")->currentText(), path);
    }

    void commandLineOpensAGroup_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("gruppe.lmp");
        QTest::newRow("umlauts and blanks") << QStringLiteral("Übungen für Schüler.lmp");
    }
    void commandLineOpensAGroup() {
        QFETCH(QString, name);
        writeFile(inDir(name), kTwoCircuits);
        ModalWatcher watcher;
        window_->openFromCommandLine(inDir(name));
        QCOMPARE(watcher.seen.size(), std::size_t{0});
        verifyTwoCircuitsOpen(inDir(name));
        // A name relative to the working directory is used as typed.
        window_->openFromCommandLine(name);
        QCOMPARE(QString::fromStdString(window_->model().fileName), name);
        QCOMPARE(listed().size(), 3);
    }

    void commandLineIgnoresOtherEndings() {
        // Even a good group: without the ".lmp" ending nothing is read and nothing is said.
        writeFile(inDir(QStringLiteral("gruppe.txt")), kTwoCircuits);
        ModalWatcher watcher;
        window_->openFromCommandLine(inDir(QStringLiteral("gruppe.txt")));
        QCOMPARE(watcher.seen.size(), std::size_t{0});
        verifyUnchanged();
    }

    void commandLineReportsAMissingFile() {
        ModalWatcher watcher;
        window_->openFromCommandLine(inDir(QStringLiteral("fehlt.lmp")));
        QCOMPARE(watcher.seen.size(), std::size_t{1});
        const auto& box = watcher.seen.front();
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, QStringLiteral("Fehler"));
        QCOMPARE(box.text, QStringLiteral("Ungültiger Dateiname!"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, 1);
        verifyUnchanged();
    }
};

LAMPEN_UI_TEST_MAIN(WindowFilesTest)
#include "WindowFilesTest.moc"
