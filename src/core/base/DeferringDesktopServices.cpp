#include "base/DeferringDesktopServices.h"

#include <utility>

namespace vistrel {

DeferringDesktopServices::Scope::Scope(DeferringDesktopServices& owner, Hold how) : m_owner(&owner), m_how(how)
{
    ++(how == Hold::Trace ? owner.m_tracing : owner.m_deferring);
}

DeferringDesktopServices::Scope::~Scope()
{
    if (m_owner) --(m_how == Hold::Trace ? m_owner->m_tracing : m_owner->m_deferring);
}

void DeferringDesktopServices::messageBox(std::string_view text, std::optional<std::string_view> title,
                                          MessageIcon icon)
{
    if (m_tracing > 0) {
        m_desktop.trace("message box not shown, the session is ending: " + std::string(text));
        return;
    }
    if (m_deferring > 0) {
        m_held.push_back({std::string(text), title ? std::optional<std::string>(*title) : std::nullopt, icon});
        return;
    }
    m_desktop.messageBox(text, title, icon);
}

void DeferringDesktopServices::showHeldBoxes()
{
    if (m_showing) return;
    m_showing = true;
    while (!m_held.empty() && m_deferring == 0 && m_tracing == 0) {
        const Box box = std::move(m_held.front());
        m_held.pop_front();
        m_desktop.messageBox(box.text, box.title, box.icon);
    }
    m_showing = false;
}

}  // namespace vistrel
