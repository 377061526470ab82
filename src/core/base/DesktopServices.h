#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

enum class MessageIcon { None, Warning, Information, Error };

// What the program asks of the desktop beyond its own windows. All texts are UTF-8.
class DesktopServices {
public:
    struct TextFile {
        enum class Status { Missing, Unreadable, Read };
        Status status = Status::Missing;
        std::string text;  // the whole file when status is Read
    };

    virtual ~DesktopServices() = default;

    // Modal; returns when the user has dismissed it. No title means the program's own name.
    // Except while the program answers a broadcast (display, setting, power or session changes):
    // then it returns at once and the box opens once the answer has gone, and at the end of the
    // session it never opens (DeferringDesktopServices). Callers that tell something once mark it
    // told before they ask, so that nothing asked meanwhile opens a second box.
    virtual void messageBox(std::string_view text, std::optional<std::string_view> title,
                            MessageIcon icon) = 0;
    virtual void openUrl(std::string_view url) = 0;
    virtual void lockWorkStation() = 0;
    virtual void switchDisplayOff() = 0;
    // A regular file of that name in the settings folder, else beside the program; folders and
    // hidden or system files count as missing.
    virtual TextFile readSettingsFile(std::string_view fileName) = 0;
    // Start with Windows: whether the user's Run entry starts this program (and Task Manager has
    // not disabled it), and turning it on or off; false when the change could not be made.
    virtual bool startsWithWindows() = 0;
    virtual bool setStartsWithWindows(bool on) = 0;
    // A line for the maintainer about a failure the program goes on after; the user sees nothing.
    virtual void trace(std::string_view line) = 0;
};

}  // namespace vistrel
