#include "reminder/RestPromptLogic.h"

namespace vistrel {

void RestPromptLogic::open(int restMinutes)
{
    // A prompt hidden with its timer still armed is the same window shown again: it is not loaded
    // anew, so its pending delay stands.
    if (!m_open && !m_displayOffArmed) m_gbdelay = kDisplayOffDelayTicks;
    m_open = true;
    m_message = "你有 " + std::to_string(restMinutes) + " 分钟休息时间";
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
