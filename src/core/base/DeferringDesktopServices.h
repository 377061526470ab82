#pragma once
#include <deque>
#include <optional>
#include <string>

#include "base/DesktopServices.h"

namespace vistrel {

// The desktop services with message boxes that can wait. A box opened while the program answers
// a broadcast (display, setting, power or session changes) would keep the sender waiting on the
// user, and one opened at the end of the session stops the logoff ("Vistrel is preventing
// sign-out"). While a hold lasts, boxes are kept to be shown once the answer has gone, or, at the
// end of the session, only traced. Everything else passes straight through.
class DeferringDesktopServices final : public DesktopServices {
public:
    enum class Hold {
        Defer,  // shown by showHeldBoxes(), after the sender has its answer
        Trace,  // never shown: the session ends and nobody would answer it
    };

    // Holds boxes for as long as it lives. Holds nest; a Trace hold wins over a Defer one.
    class [[nodiscard]] Scope {
    public:
        Scope(Scope&& other) noexcept : m_owner(other.m_owner), m_how(other.m_how) { other.m_owner = nullptr; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        Scope& operator=(Scope&&) = delete;
        ~Scope();

    private:
        friend class DeferringDesktopServices;
        Scope(DeferringDesktopServices& owner, Hold how);

        DeferringDesktopServices* m_owner;
        Hold m_how;
    };

    explicit DeferringDesktopServices(DesktopServices& desktop) : m_desktop(desktop) {}

    Scope hold(Hold how) { return Scope(*this, how); }
    bool hasHeldBoxes() const { return !m_held.empty(); }
    // Shows the held boxes one after another, in the order they were asked for, when no hold
    // lasts. Called again while one of them is open (its message loop runs), it leaves the boxes
    // asked for meanwhile to the call already showing them.
    void showHeldBoxes();

    // Modal as the port says, except while a hold lasts: then it returns at once.
    void messageBox(std::string_view text, std::optional<std::string_view> title, MessageIcon icon) override;
    void openUrl(std::string_view url) override { m_desktop.openUrl(url); }
    void lockWorkStation() override { m_desktop.lockWorkStation(); }
    void switchDisplayOff() override { m_desktop.switchDisplayOff(); }
    TextFile readSettingsFile(std::string_view fileName) override { return m_desktop.readSettingsFile(fileName); }
    bool startsWithWindows() override { return m_desktop.startsWithWindows(); }
    bool setStartsWithWindows(bool on) override { return m_desktop.setStartsWithWindows(on); }
    void trace(std::string_view line) override { m_desktop.trace(line); }

private:
    struct Box {
        std::string text;
        std::optional<std::string> title;
        MessageIcon icon;
    };

    DesktopServices& m_desktop;
    std::deque<Box> m_held;
    int m_deferring = 0;
    int m_tracing = 0;
    bool m_showing = false;
};

}  // namespace vistrel
