// The program: one window, shown maximized, since the design fills the whole screen.

#include "Fonts.h"
#include "LampenWindow.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lampen Glimmrix"));
    lampen::ui::installFontSubstitutes();

    LampenWindow window;
    // Sized to the screen first: without a window manager "maximized" alone changes nothing.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
