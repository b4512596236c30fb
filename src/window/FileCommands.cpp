#include "FileErrorText.h"
#include "GroupFile.h"
#include "Lampen.h"
#include "NumText.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <vector>

namespace lampen {

namespace {

constexpr const char* kBadName = "Ungültiger Dateiname!";
constexpr const char* kCannotRemove = "Voreinstellung.lmp kann nicht gelöscht werden.";

// The ending is compared exactly: "x.LMP" is not a group file.
bool endsInLmp(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".lmp") == 0;
}

// The number of circuits to write, read from the count text as a For loop up to it would
// (2.5 writes two lines). A count outside 0..200 cannot be written, so it is refused rather than
// read beyond the group's slots.
FileResult<int> countToWrite(const std::string& txtAnzahl, const std::string& fileName) {
    const double n = std::floor(numValue(txtAnzahl));
    if (n > kMaxCircuits)
        return fileError(FileErrc::TooManyLines, fileName, kMaxGroupLines);
    if (!(n >= 0))
        return systemError(EINVAL, fileName);
    return static_cast<int>(n);
}

} // namespace

FileStatus Lampen::readGroupFile(const std::string& name) {
    // The whole file is read into a temporary first: a file that fails half-way leaves the old
    // group, its count and its current circuit exactly as they were.
    const FileResult<GroupLines> read = lampen::readGroupFile(std::filesystem::path(name));
    if (!read)
        return read.error();
    int n = 0;
    for (const std::string& line : read.value())
        schaltgruppe.setSlot(++n, line); // at most 200 lines, so always within the slots
    txtAnzahl = numText(n);
    return fileDone();
}

void Lampen::cmdLaden_Click() {
    std::string chosen = dialogs_.openFileName();
    // A cancelled dialog returns no name; opening nothing changes nothing, not even fileName.
    if (!chosen.empty())
        openGroupFile(chosen);
}

void Lampen::openGroupFile(const std::string& name) {
    fileName = name;
    // Any other name ends the command silently; fileName keeps the name all the same.
    if (endsInLmp(fileName))
        showOpenedOrSaved(readGroupFile(fileName));
}

void Lampen::showOpenedOrSaved(const FileStatus& done) {
    if (!done) {
        dialogs_.message(kBadName, Icon::Critical, "Fehler", germanReason(done.error()));
        return;
    }
    setTxtAktuell(numText(1));
    rememberFile(fileName);
    loadCircuit();
    refreshView();
}

void Lampen::cmdSpeichern_Click() {
    std::string chosen = dialogs_.saveFileName();
    // Cancelled: no name, so no file ".lmp" is made and fileName stays.
    if (chosen.empty())
        return;
    fileName = endsInLmp(chosen) ? std::move(chosen) : chosen + ".lmp";
    const FileResult<int> count = countToWrite(txtAnzahl, fileName);
    if (!count) {
        showOpenedOrSaved(count.error());
        return;
    }
    GroupLines lines;
    lines.reserve(static_cast<std::size_t>(count.value()));
    for (int i = 1; i <= count.value(); ++i)
        lines.push_back(schaltgruppe.slot(i));
    // All or nothing: on failure the file on disk is as it was before.
    showOpenedOrSaved(writeGroupFile(std::filesystem::path(fileName), lines));
}

void Lampen::cmdNeu_Click() {
    if (cboDatei.text() == kBuiltInName) {
        loadDefaultGroup();
    } else {
        // The name is used as it stands: no ending test, and it is not added to the list.
        fileName = cboDatei.text();
        if (const FileStatus read = readGroupFile(fileName); !read) {
            dialogs_.message(kBadName, Icon::None, "", germanReason(read.error()));
            // The next "N" then loads the built-in group.
            cboDatei.setText(std::string(kBuiltInName));
            return;
        }
    }
    setTxtAktuell("1");
    loadCircuit();
    refreshView();
}

void Lampen::cmdEntfernen_Click() {
    // The entry removed is the current group's file, not the one the list box shows. The
    // current number is left as it stands; loadCircuit reads it against the built-in group.
    if (fileName == kBuiltInName)
        dialogs_.message(kCannotRemove, Icon::None, "");
    else
        cboDatei.remove(fileName);
    cboDatei.setText(std::string(kBuiltInName));
    loadDefaultGroup();
    loadCircuit();
    refreshView();
}

} // namespace lampen
