#include "Arguments.h"

namespace lampen::cli {

namespace {

std::string sourceError(const Options& o) {
    if (o.sources.empty())
        return "keine Datei angegeben";
    if (!o.worksheet)
        return {};
    if (o.sources.size() > 1)
        return "--arbeitsblatt schreibt genau eine Gruppe: eine DATEI oder --builtin";
    if (o.json)
        return "--arbeitsblatt und --json schließen sich aus";
    return {};
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string_view>& args) {
    ParsedArguments parsed;
    Options& o = parsed.options;
    bool optionsEnded = false;
    bool builtIn = false;
    bool worksheetNext = false;
    for (const std::string_view arg : args) {
        if (worksheetNext) {
            o.worksheet = arg;
            worksheetNext = false;
        } else if (optionsEnded || arg.empty() || arg.front() != '-' || arg == "-") {
            o.sources.push_back({false, std::string(arg)});
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--builtin") {
            if (!builtIn)
                o.sources.push_back({true, {}});
            builtIn = true;
        } else if (arg == "--arbeitsblatt") {
            worksheetNext = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (parsed.error.empty()) {
            parsed.error = "unbekannte Option: " + std::string(arg);
        }
    }
    if (o.help || o.version) { // asking for help or the version is never wrong
        parsed.error.clear();
    } else if (parsed.error.empty()) {
        parsed.error = worksheetNext ? "--arbeitsblatt ohne Ausgabedatei" : sourceError(o);
    }
    parsed.ok = parsed.error.empty();
    return parsed;
}

std::string usageText() {
    return "Aufruf: lampen-analyse [--json] [--builtin] DATEI...\n"
           "       lampen-analyse --arbeitsblatt AUSGABE.pdf (DATEI | --builtin)\n"
           "       lampen-analyse --help | --version\n"
           "\n"
           "Analysiert jede Schaltung der Lampendateien (.lmp) mit dem Ziel \"alle Lampen\":\n"
           "Lampen, Rang über GF(2), Zahl der Muster und der herstellbaren Muster, Lösbarkeit,\n"
           "kleinste Schaltzahl und alle lösenden Schaltmuster.\n"
           "\n"
           "  --json     ein JSON-Dokument statt der Tabelle ausgeben\n"
           "  --builtin  die eingebaute Gruppe \"Voreinstellung.lmp\" analysieren\n"
           "  --arbeitsblatt AUSGABE.pdf\n"
           "             die Gruppe als Arbeitsblatt mit Lösungen als PDF schreiben\n"
           "  -h, --help diesen Text zeigen\n"
           "  --version  die Versionsnummer zeigen\n"
           "  --         alles Weitere sind Dateinamen\n"
           "\n"
           "Die Gruppen erscheinen in der Reihenfolge der Angaben.\n"
           "Exit-Status: 0 alles gelesen, 1 eine Datei war nicht lesbar (oder nicht schreibbar),\n"
           "2 falscher Aufruf.\n";
}

} // namespace lampen::cli
