#include "CommandLine.h"

#include <algorithm>
#include <array>

namespace lampen::app {

namespace {

// Options QGuiApplication and QApplication take from the command line themselves, with one or
// two leading dashes; those in the first list take a value, as "-style fusion" or "-style=fusion".
constexpr std::array<std::string_view, 13> kQtWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title"};
constexpr std::array<std::string_view, 4> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

CommandLine readCommandLine(const std::vector<std::string_view>& args) {
    CommandLine line;
    bool help = false, version = false, optionsEnded = false;
    std::vector<std::string_view> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            files.push_back(arg);
            continue;
        }
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (listed(kQtWithValue, name.substr(0, name.find('=')))) {
            if (name.find('=') == std::string_view::npos)
                ++i; // the value that follows
        } else if (!listed(kQtFlags, name) && line.error.empty()) {
            line.error = "unbekannte Option: " + std::string(arg);
        }
    }
    if (line.error.empty() && files.size() > 1)
        line.error = "nur eine Datei kann geöffnet werden";
    if (!files.empty())
        line.file = std::string(files.front());
    // Asking for help or the version is never wrong.
    line.action = help                  ? CommandLine::Action::Help
                  : version             ? CommandLine::Action::Version
                  : !line.error.empty() ? CommandLine::Action::Wrong
                                        : CommandLine::Action::Run;
    return line;
}

std::string usageText() {
    return "Aufruf: lampen [OPTION...] [DATEI]\n"
           "\n"
           "Lampen und Schalter: lineare Algebra über GF(2) als Schalträtsel.\n"
           "Eine Lampendatei (.lmp) als DATEI wird nach dem Start geöffnet wie mit\n"
           "\"Datei öffnen\".\n"
           "\n"
           "  -h, --help  diesen Text zeigen\n"
           "  --version   die Versionsnummer zeigen\n"
           "  --          alles Weitere ist der Dateiname\n"
           "\n"
           "Die Optionen von Qt (etwa -platform NAME oder -style NAME) gelten ebenfalls.\n"
           "Exit-Status: 0 nach dem Schließen des Fensters, 2 falscher Aufruf.\n";
}

} // namespace lampen::app
