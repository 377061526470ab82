#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/DesktopServices.h"

namespace vistrel::testing {

// Records every request; message boxes return at once as if dismissed; files come from a map.
class FakeDesktopServices final : public DesktopServices {
public:
    struct Message {
        std::string text;
        std::optional<std::string> title;
        MessageIcon icon = MessageIcon::None;
        friend bool operator==(const Message&, const Message&) = default;
    };

    void messageBox(std::string_view text, std::optional<std::string_view> title, MessageIcon icon) override;
    void openUrl(std::string_view url) override { urls.emplace_back(url); }
    void lockWorkStation() override { actions.emplace_back("lock"); }
    void switchDisplayOff() override { actions.emplace_back("display off"); }
    TextFile readSettingsFile(std::string_view fileName) override;
    bool startsWithWindows() override { return startWithWindows; }
    bool setStartsWithWindows(bool on) override
    {
        if (autostartRefused) return false;
        startWithWindows = on;
        return true;
    }
    void trace(std::string_view line) override { traces.emplace_back(line); }

    std::vector<Message> messages;
    std::vector<std::string> urls;
    std::vector<std::string> actions;  // lock and display-off requests, in order
    std::map<std::string, TextFile, std::less<>> files;
    std::vector<std::string> fileReads;
    std::vector<std::string> traces;
    bool startWithWindows = false;
    bool autostartRefused = false;  // the registry refuses every change
    // Runs while a message box is "open", to check what the caller did before and after it.
    std::function<void(const Message&)> onMessage;
};

}  // namespace vistrel::testing
