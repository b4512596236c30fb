// The program: one window, shown maximized, since the design fills the whole screen. A group
// file named on the command line (as a desktop opens a .lmp file) is opened once it shows.

#include "LampenWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lampen Glimmrix"));

    // The program speaks German; so do Qt's own dialogs and buttons where the translation exists.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lampen und Schalter: lineare Algebra über GF(2) als Schalträtsel."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("Datei"),
                                 QStringLiteral("Lampendatei (.lmp), die nach dem Start geöffnet "
                                                "wird wie mit \"Datei öffnen\"."),
                                 QStringLiteral("[Datei]"));
    parser.process(app);

    LampenWindow window;
    // Sized to the screen first: without a window manager "maximized" alone changes nothing.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        // Once the event loop runs, so that a failure's message box stands over the window.
        const QString file = files.front();
        QTimer::singleShot(0, &window, [&window, file] { window.openFromCommandLine(file); });
    }
    return QApplication::exec();
}
