// Qt's own texts in German whatever the system's language: the buttons of a message box and of
// the file dialog, and numbers in the German way.

#include "Desktop.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class GermanTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(lampen::ui::installGermanQtTexts(*qApp));
    }

    void boxesAndDialogsSpeakGerman() {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel | QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Ja"));

        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        const auto* buttons = files.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GermanTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GermanTextsTest.moc"
