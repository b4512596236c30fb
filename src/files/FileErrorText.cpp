#include "FileErrorText.h"

#include <cerrno>

namespace lampen {

namespace {

std::string sizeText(std::uintmax_t bytes) {
    if (bytes != 0 && bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + (bytes == 1 ? " Byte" : " Bytes");
}

// The rarer errno values that share no code of their own; the rest names its number.
std::string otherSystemReason(int err) {
    switch (err) {
    case EEXIST:
        return "die Datei besteht bereits";
    case ENOMEM:
        return "nicht genug Arbeitsspeicher";
    case ESTALE:
        return "die Datei auf dem Netzlaufwerk ist nicht mehr gültig";
    case EOVERFLOW:
        return "die Datei ist für dieses System zu groß";
    case EOPNOTSUPP:
        return "vom Dateisystem nicht unterstützt";
    case EXDEV:
        return "liegt auf einem anderen Datenträger";
    case EINTR:
        return "unterbrochen";
    case ETIMEDOUT:
        return "Zeitüberschreitung";
    case EMLINK:
        return "zu viele Verknüpfungen";
    case ENOTEMPTY:
        return "der Ordner ist nicht leer";
    default:
        return "Systemfehler Nr. " + std::to_string(err);
    }
}

} // namespace

std::string germanReason(const FileError& error) {
    switch (error.code) {
    case FileErrc::NotFound:
        return "Datei oder Ordner nicht gefunden";
    case FileErrc::NoPermission:
        return "keine Berechtigung";
    case FileErrc::NotAFolder:
        return "ein Teil des Pfades ist kein Ordner";
    case FileErrc::IsAFolder:
        return "ist ein Ordner, keine Datei";
    case FileErrc::NotRegularFile:
        return "ist keine gewöhnliche Datei";
    case FileErrc::NoSpace:
        return "kein Platz mehr auf dem Datenträger";
    case FileErrc::QuotaExceeded:
        return "Speicherkontingent erschöpft";
    case FileErrc::ReadOnlyMedium:
        return "der Datenträger ist schreibgeschützt";
    case FileErrc::FileTooBig:
        return "die Datei würde zu groß";
    case FileErrc::NameTooLong:
        return "der Name ist zu lang";
    case FileErrc::Loop:
        return "zu viele symbolische Verknüpfungen";
    case FileErrc::WouldBlock:
        return "die Datei ist gesperrt oder nicht bereit";
    case FileErrc::NoSuchDevice:
        return "das Gerät gibt es nicht";
    case FileErrc::Busy:
        return "die Datei wird gerade benutzt";
    case FileErrc::TooManyOpenFiles:
        return "zu viele offene Dateien";
    case FileErrc::InvalidName:
        return "ungültiger Name oder Wert";
    case FileErrc::Io:
        return "Ein-/Ausgabefehler";
    case FileErrc::TooManyLines:
        return "mehr als " + std::to_string(error.limit) + " Zeilen";
    case FileErrc::TooLarge:
        return "ist größer als " + sizeText(error.limit);
    case FileErrc::LineBreakInLine:
        return "Zeile " + std::to_string(error.limit) + " enthält einen Zeilenumbruch";
    case FileErrc::OtherSystemError:
        break;
    }
    return otherSystemReason(error.err);
}

} // namespace lampen
