#include "Texts.h"

#include "CrLfLines.h"

#include <array>

namespace lampen::texts {

namespace {

constexpr std::array<std::string_view, 51> kOperatingHelp{
    "In dem dunklen Quadrat befinden sich Lampen ",
    "(rund) und Schalter (quadratische Schaltflächen S1, ",
    "S2...).",
    "",
    "Die Schalter sind jeweils mit bestimmten Lampen ",
    "verbunden. Der Druck auf einen Schalter schaltet ",
    "die mit ihm verbundenen Lampen um (Glimmrix). ",
    "Aus \"ein\" wird \"aus\" und \"aus\" wird zu \"ein\". ",
    "",
    "Dadurch, daß die Schalter mit mehreren Lampen ",
    "verbunden sind, entsteht ein \"logisches Dilemma\". ",
    "Man muß nachdenken...",
    "",
    "",
    "Programmfunktionen:",
    "",
    "Man kann sich alle Programmfunktionen aus ihren ",
    "Bezeichnungen und mit Hilfe von Probieren ",
    "erschließen, es kann nichts \"kaputtgehen\" und nur ",
    "über das Datei-Menü wird auf die Laufwerke des ",
    "Systems zugegriffen. ",
    "Aber auch hier kann nichts Unerwünschtes ",
    "geschehen, da nur Dateien vom Typ .lmp (wie ",
    "\"Lampen\") erzeugt werden. Diese Endung gibt es ",
    "sonst nicht, daher kann es nicht zu Konflikten ",
    "kommen.",
    "",
    "Einige Stichworte:",
    "",
    "Dunkles Spielfeld:",
    "Man kann hier nach Belieben auf die Schalter ",
    "drücken. Wenn man die Schaltaufgabe gelöst hat, ",
    "wird das über dem Spielfeld im weißen  Textfeld ",
    "angezeigt.",
    "",
    "Durch Druck auf \"neue Zielvorgabe\" wird ein neues ",
    "Leuchtmuster (gelber Rand der Lampen) ",
    "vorgegeben.",
    "",
    "Der \"Hauptschalter\" löscht alle Lampen.",
    "",
    "Durch Druck auf die kleinen Schaltflächen kann ",
    "man zwischen den Schaltungen der Datei hin- und ",
    "herwechseln.",
    "",
    "Menüleiste:",
    "Man kann selbst Schaltungen entwerfen (über das ",
    "Menü \"Schaltung\"), in Gruppen zusammenstellen ",
    "und unter einem selbst gewählten Namen speichern.",
    "Die zur Verfügung stehenden Schaltdateien können ",
    "über das Menü \"Datei\" geladen werden.",
};

constexpr std::array<std::string_view, 41> kMathematics{
    "Detaillierte Informationen zu dieser Schaltaufgabe ",
    "findet man in",
    "",
    "American Mathematical Monthly 97 (1), Januar 1990, S. 24 (Klaus Sutner)",
    "",
    "Einige Stichworte:",
    "Man kann einfach durch Probieren Einzellösungen ",
    "zu den Aufgaben finden. Man wird dabei  aber bald ",
    "nützliche \"mathematische Endeckungen\" machen, ",
    "die ",
    "letztlich für alle Schaltaufgaben gültig sind. ",
    "",
    "Vom mathematisch-formalen Standpunkt wird durch ",
    "die Verknüpfung der Schalter mit den Lampen ein ",
    "Set von Vektoren definiert:",
    "",
    "Beispiel:",
    "",
    "S1 = (0, 1, 1, 0)",
    "S2 = (0, 1, 0, 1)",
    "S3 = (1, 1, 1, 0)",
    "S4 = (1, 1, 1, 0)",
    "",
    "definiert ein solches Schaltnetz.",
    "",
    "Die Vorgabe eines bestimmten Leuchtmusters ",
    "heißt danach zu fragen, ob ein bestimmter ",
    "vorgelegter Vektor durch das vorgelegte Set linear ",
    "kombinierbar ist. Man arbeitet dabei in einem ",
    "n-dimensionalen Vektorraum über dem endlichen ",
    "Körper GF(2). Die Frage, ob bei einer konkreten ",
    "Schaltung jedes Leuchtmuster erzeugt werden kann, ",
    "wird damit z.B. zu der Frage, ob das vorgelegte ",
    "Vektorensystem eine Basis des Vektorraums bildet.",
    "",
    "Mit dem Menüpunkt Matrix-zeigen kann man sich",
    "die Vektoren anzeigen lassen und auch auf dieser",
    "Ebene arbeiten.",
    "",
    "Natürlich kommt man aber auch ohne diese mathe-",
    "matischen Hintergrundbetrachtungen zu Zielen.",
};

constexpr std::array<std::string_view, 16> kEditorInstructions{
    "Schaltungen der aktuellen Datei ändern:",
    "  ",
    "1. Durch Anklicken einen Schalter auswählen.",
    " ",
    "2. Durch einen Klick auf die Lampe",
    "... neue Verbindung herstellen.",
    "... alte Verbindung aufheben.",
    " ",
    "3. Zu einer Schaltung können Lampen ",
    "    ergänzt  oder entfernt werden. ",
    " ",
    "4. Zu einer Datei können Schaltungen ergänzt",
    "    oder entfernt werden. ",
    " ",
    "5. Die Schaltgruppe kann über das Menü ",
    "   \"Datei\"  gespeichert werden.",
};

constexpr std::string_view kCreditAuthor =
    "Lampen Glimmrix – programmiert vom Lampen-Glimmrix-Team";
constexpr std::string_view kCreditInstitution = "Werkstatt für Mathematikunterricht";

} // namespace

std::span<const std::string_view> operatingHelpLines() {
    return kOperatingHelp;
}
std::span<const std::string_view> mathematicsLines() {
    return kMathematics;
}
std::span<const std::string_view> editorInstructionLines() {
    return kEditorInstructions;
}

std::string operatingHelp() {
    return crlfLines(kOperatingHelp);
}
std::string mathematics() {
    return crlfLines(kMathematics);
}
std::string editorInstructions() {
    return crlfLines(kEditorInstructions);
}

std::string credit() {
    std::string text(kCreditAuthor);
    text += "\r\n";
    text += kCreditInstitution;
    return text;
}

} // namespace lampen::texts
