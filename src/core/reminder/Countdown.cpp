#include "reminder/Countdown.h"

#include <limits>

namespace vistrel {

namespace {

std::int16_t decremented(std::int16_t v)
{
    return v > std::numeric_limits<std::int16_t>::min() ? static_cast<std::int16_t>(v - 1) : v;
}

std::int16_t incremented(std::int16_t v)
{
    return v < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(v + 1) : v;
}

}  // namespace

void Countdown::start(std::int16_t restMinutes)
{
    m_djscount = 0;
    if (restMinutes < 60) {
        m_djshour = 0;
        m_djsmin = restMinutes;
    } else {
        m_djshour = static_cast<std::int16_t>(restMinutes / 60);
        m_djsmin = static_cast<std::int16_t>(restMinutes % 60);
        if (m_djsmin == 0) {
            m_djsmin = 60;
            m_djshour = decremented(m_djshour);
        }
    }
    m_djssec = 60;
    m_djsrun = 1;
    m_djsmin = decremented(m_djsmin);
}

Countdown::Step Countdown::step()
{
    m_djssec = decremented(m_djssec);
    if (m_djssec == 0 && m_djsmin != 0) {
        m_djssec = 60;
        m_djsmin = decremented(m_djsmin);
    }
    // The hour is taken as soon as the minutes reach 0, so a text with hours never shows 0
    // minutes and rests above an hour end a minute early per hour.
    if (m_djsmin == 0 && m_djshour != 0) {
        m_djsmin = 59;
        m_djshour = decremented(m_djshour);
        m_djssec = 60;
    }
    m_djscount = incremented(m_djscount);

    if (m_djshour == 0 && m_djsmin == 0 && m_djssec == 0) return {Step::Kind::End, {}};
    if (auto text = remainingText()) return {Step::Kind::Text, std::move(*text)};
    return {};
}

std::optional<std::string> Countdown::remainingText() const
{
    if (m_djssec <= 0 || m_djsmin < 0 || m_djshour < 0) return std::nullopt;
    if (m_djshour > 0) {
        if (m_djsmin == 0) return std::nullopt;
        return std::to_string(m_djshour) + ":" + std::to_string(m_djsmin) + ":" + std::to_string(m_djssec);
    }
    return "0:" + std::to_string(m_djsmin) + ":" + std::to_string(m_djssec);
}

}  // namespace vistrel
