#include "reminder/RestPromptLogic.h"

#include "text/ReminderTexts.h"

namespace vistrel {

void RestPromptLogic::open(int restMinutes)
{
    // A prompt hidden with its timer still armed is the same window shown again: it is not loaded
    // anew, so its pending delay stands.
    if (!m_open && !m_displayOffArmed) m_gbdelay = kDisplayOffDelayTicks;
    m_open = true;
    m_restMinutes = restMinutes;
}

std::string RestPromptLogic::message(const Texts& texts) const
{
    return m_restMinutes ? texts(ReminderText::PromptMessage, *m_restMinutes) : std::string();
}

void RestPromptLogic::armDisplayOff(bool lockFirst)
{
    m_open = false;
    m_gbtype.assign(1, lockFirst ? '0' : '1');
    m_gbdelay = kDisplayOffDelayTicks;
    m_displayOffArmed = true;
}

RestPromptLogic::DisplayOffAction RestPromptLogic::displayOffTimerTick()
{
    if (!m_displayOffArmed) return DisplayOffAction::None;
    --m_gbdelay;
    if (m_gbdelay >= 1) return DisplayOffAction::None;
    m_displayOffArmed = false;
    return m_gbtype == "0" ? DisplayOffAction::LockThenSwitchOff : DisplayOffAction::SwitchOff;
}

}  // namespace vistrel
