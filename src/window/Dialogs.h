#pragma once
// What the window needs from outside: modal boxes and file names. The Qt window implements
// them; tests script them.

#include <string>

namespace lampen {

inline constexpr const char* kAppTitle = "Lampen Glimmrix";

enum class Icon { None, Critical, Exclamation, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with one OK button. An empty title means the application's title;
    // the detail, when there is one, stands below the text in smaller type (why it happened).
    virtual void message(const std::string& text, Icon icon, const std::string& title,
                         const std::string& detail = {}) = 0;
    // A modal input box with no preset text; the typed text, or "" when cancelled.
    virtual std::string input(const std::string& prompt, const std::string& title) = 0;
    // The file dialog for opening / saving a group, starting in the current working directory
    // and offering "Lampendatei (*lmp)" with the pattern "*.lmp". The chosen name exactly as
    // the dialog returns it (a full path), or "" when the dialog was cancelled.
    virtual std::string openFileName() = 0;
    virtual std::string saveFileName() = 0;
};

} // namespace lampen
