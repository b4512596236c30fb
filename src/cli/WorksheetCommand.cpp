#include "WorksheetCommand.h"

#include "FileErrorText.h"
#include "GroupFile.h"
#include "Schaltgruppe.h"
#include "Utf8.h"
#include "Worksheet.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <iostream>

namespace lampen::cli {

namespace {

// Qt picks its platform from the environment; without a display there is no window system to
// talk to, and the worksheet needs none.
void offScreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Qt's notes about the environment (no runtime folder, no session bus) are not the user's
// business: success stays silent. Real errors still reach stderr.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "lampen-analyse: " << message.toStdString() << '\n';
}

int fail(const std::string& message) {
    std::cerr << "lampen-analyse: " << printable(message) << '\n';
    return 1;
}

} // namespace

int writeWorksheetFile(const Options& options) {
    print::WorksheetInput input;
    const Source& source = options.sources.front();
    if (source.builtIn) {
        input.groupName = std::string(kBuiltInName);
        input.codes.assign(builtInCodes().begin(), builtInCodes().end());
    } else {
        FileResult<GroupLines> read = readGroupFile(source.file);
        if (!read)
            return fail(source.file + ": " + germanReason(read.error()));
        input.groupName = source.file;
        input.codes = std::move(read.value());
    }

    offScreenWithoutDisplay();
    qInstallMessageHandler(keepQtQuiet);
    int argc = 1;
    char name[] = "lampen-analyse";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const print::WorksheetResult written = print::writeWorksheet(*options.worksheet, input);
    if (!written.ok)
        return fail(written.error);
    return 0;
}

} // namespace lampen::cli
