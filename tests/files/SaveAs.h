#pragma once
// Runs a save as another user, without root rights: in a forked child that drops to the user's
// ids (and with them every capability) before it saves. The child cannot report through the test
// framework, so its exit status carries the outcome.

#include "FileError.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace lampen::testing {

struct User {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups; // the supplementary groups
};

// Nothing when the save succeeded, else the reason code. The child saves with umask 022.
template <class Save> std::optional<FileErrc> saveAs(const User& user, Save save) {
    constexpr int kCannotDrop = 255;
    const pid_t child = ::fork();
    if (child < 0) {
        ADD_FAILURE() << "fork failed";
        return std::nullopt;
    }
    if (child == 0) {
        ::umask(022);
        if (::setgroups(user.groups.size(), user.groups.data()) != 0 ||
            ::setresgid(user.gid, user.gid, user.gid) != 0 ||
            ::setresuid(user.uid, user.uid, user.uid) != 0)
            ::_exit(kCannotDrop);
        const FileStatus done = save();
        ::_exit(done.ok() ? 0 : 1 + static_cast<int>(done.error().code));
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == kCannotDrop) {
        ADD_FAILURE() << "the save as uid " << user.uid << " did not run to its end";
        return std::nullopt;
    }
    if (WEXITSTATUS(status) == 0)
        return std::nullopt;
    return static_cast<FileErrc>(WEXITSTATUS(status) - 1);
}

} // namespace lampen::testing
