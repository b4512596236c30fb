// The program: one window, shown maximized, since the design fills the whole screen. A group
// file named on the command line (as a desktop opens a .lmp file) is opened once it shows.

#include "LampenWindow.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

namespace {

// The file names among the arguments Qt left, as the bytes the system gave: a name that is not
// UTF-8 cannot pass through QString. The only options are Qt's and --help, which ends the program.
QList<QByteArray> nativeFileArguments(int argc, char* argv[]) {
    QList<QByteArray> names;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (!optionsEnded && arg == "--")
            optionsEnded = true;
        else if (optionsEnded || arg.size() < 2 || !arg.startsWith('-'))
            names.append(arg);
    }
    return names;
}

} // namespace

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
        // Qt took its own options out of argv already; should the counts differ all the same,
        // the decoded name is the better guess.
        const QList<QByteArray> native = nativeFileArguments(argc, argv);
        const QByteArray file =
            native.size() == files.size() ? native.front() : QFile::encodeName(files.front());
        // Once the event loop runs, so that a failure's message box stands over the window.
        QTimer::singleShot(0, &window, [&window, file] { window.openFromCommandLine(file); });
    }
    return QApplication::exec();
}
