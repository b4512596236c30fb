// The file commands: opening and saving a group, reloading the one the list box names, and
// removing the current group's entry. A file's trouble comes back as a FileError; its German
// reason stands in the box under the design's own message.

#include "FileErrorText.h"
#include "GroupFile.h"
#include "Lampen.h"

#include <cerrno>
#include <filesystem>

namespace lampen {

namespace {

constexpr const char* kBadName = "Ungültiger Dateiname!";
constexpr const char* kCannotRemove = "Voreinstellung.lmp kann nicht gelöscht werden.";

// The ending is compared exactly: "x.LMP" is not a group file.
bool endsInLmp(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".lmp") == 0;
}

} // namespace

FileStatus Lampen::readGroup(const std::string& name) {
    // The whole file is read first: a file that fails half-way leaves the old group, its count
    // and its current circuit exactly as they were.
    const FileResult<GroupLines> read = readGroupFile(std::filesystem::path(name));
    if (!read)
        return read.error();
    game_.takeGroup(read.value());
    return fileDone();
}

FileStatus Lampen::saveGroup(const std::string& name) {
    const std::optional<GroupLines> lines = game_.linesToSave();
    if (!lines) // a count outside the group: too many, or none that can be counted
        return state().count.value > kMaxCircuits
                   ? fileError(FileErrc::TooManyLines, name, kMaxGroupLines)
                   : systemError(EINVAL, name);
    // All or nothing: on failure the file on disk is as it was before.
    return writeGroupFile(std::filesystem::path(name), *lines);
}

void Lampen::cmdLaden_Click() {
    // A cancelled dialog returns no name; opening nothing changes nothing, not even the name.
    if (const std::string chosen = dialogs_.openFileName(); !chosen.empty())
        openGroupFile(chosen);
}

void Lampen::openGroupFile(const std::string& name) {
    game_.setFileName(name);
    // Any other name ends the command silently; the name is kept all the same.
    if (endsInLmp(name))
        showOpenedOrSaved(readGroup(name));
}

void Lampen::showOpenedOrSaved(const FileStatus& done) {
    if (!done) {
        dialogs_.message(kBadName, Icon::Critical, "Fehler", germanReason(done.error()));
        return;
    }
    game_.rememberFile(state().fileName);
    game_.goTo(ShownNumber::counted(1));
}

void Lampen::cmdSpeichern_Click() {
    const std::string chosen = dialogs_.saveFileName();
    // Cancelled: no name, so no file ".lmp" is made and the name stays.
    if (chosen.empty())
        return;
    game_.setFileName(endsInLmp(chosen) ? chosen : chosen + ".lmp");
    showOpenedOrSaved(saveGroup(state().fileName));
}

void Lampen::cmdNeu_Click() {
    const std::string listed = state().files.text();
    if (listed == kBuiltInName) {
        game_.loadBuiltInGroup();
    } else {
        // The name is used as it stands: no ending test, and it is not added to the list.
        game_.setFileName(listed);
        if (const FileStatus read = readGroup(listed); !read) {
            dialogs_.message(kBadName, Icon::None, "", germanReason(read.error()));
            // The next "N" then loads the built-in group.
            game_.setFileListText(std::string(kBuiltInName));
            return;
        }
    }
    game_.goTo(ShownNumber::plain(1));
}

void Lampen::cmdEntfernen_Click() {
    // The entry removed is the current group's file, not the one the list box shows. The window
    // returns to circuit 1 of the built-in group, as "N" shows it.
    if (state().fileName == kBuiltInName)
        dialogs_.message(kCannotRemove, Icon::None, "");
    else
        game_.forgetFile(state().fileName);
    game_.setFileListText(std::string(kBuiltInName));
    game_.loadBuiltInGroup();
    game_.goTo(ShownNumber::plain(1));
}

} // namespace lampen
