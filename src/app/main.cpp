// The program: one window, shown maximized, since the design fills the whole screen. A group
// file named on the command line (as a desktop opens a .lmp file) is opened once it shows.

#include "CommandLine.h"
#include "Desktop.h"
#include "LampenWindow.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QScreen>
#include <QTimer>

#include <iostream>
#include <optional>

namespace {

// Help, the version and a wrong call are answered on the terminal, before any display is needed.
std::optional<int> answerOnTerminal(const lampen::app::CommandLine& line) {
    using Action = lampen::app::CommandLine::Action;
    switch (line.action) {
    case Action::Help:
        std::cout << lampen::app::usageText();
        return std::cout.flush() ? 0 : 1;
    case Action::Version:
        std::cout << "lampen " LAMPEN_VERSION "\n";
        return std::cout.flush() ? 0 : 1;
    case Action::Wrong:
        std::cerr << "lampen: " << line.error << "\n\n" << lampen::app::usageText();
        return 2;
    case Action::Run:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const lampen::app::CommandLine line = lampen::app::readCommandLine(args);
    if (const auto status = answerOnTerminal(line))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lampen Glimmrix"));
    QApplication::setApplicationVersion(QStringLiteral(LAMPEN_VERSION));

    // The program speaks German; so do Qt's own dialogs, buttons, dates and sizes.
    lampen::ui::installGermanQtTexts(app);
    lampen::ui::useClassicStyle();

    LampenWindow window;
    lampen::ui::followLayoutScale(window.model().layout().layoutScale);
    // Sized to the screen first: without a window manager "maximized" alone changes nothing.
    // Once shown, the decorations are known and the frame is fitted in again.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (!available.isEmpty())
        window.placeWithin(available);
    window.showMaximized();
    if (!available.isEmpty())
        QTimer::singleShot(0, &window, [&window, available] {
            if (!window.isMaximized())
                window.placeWithin(available);
        });

    if (!line.file.empty()) {
        // The name's bytes as the system gave them: a name that is not UTF-8 cannot pass through
        // a QString. Once the event loop runs, so that a failure's message box stands over the
        // window.
        const QByteArray file(line.file.data(), static_cast<qsizetype>(line.file.size()));
        QTimer::singleShot(0, &window, [&window, file] { window.openFromCommandLine(file); });
    }
    return QApplication::exec();
}
