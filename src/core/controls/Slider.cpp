#include "controls/Slider.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vistrel {

void Slider::setMin(int min)
{
    m_min = min;
    m_max = std::max(m_max, min);
    clampValue();
}

void Slider::setMax(int max)
{
    m_max = max;
    m_min = std::min(m_min, max);
    clampValue();
}

void Slider::setValue(int value)
{
    const int clamped = std::clamp(value, m_min, m_max);
    if (clamped == m_value) return;
    m_value = clamped;
    // A listener may add listeners or assign values again; iterate over a snapshot.
    const std::vector<ChangeListener> listeners = m_listeners;
    for (const ChangeListener& listener : listeners)
        if (listener) listener(clamped);
}

void Slider::moveBy(int delta)
{
    // Widened so that a step from near INT_MAX cannot overflow before the clamp.
    const std::int64_t target = static_cast<std::int64_t>(m_value) + delta;
    setValue(static_cast<int>(std::clamp<std::int64_t>(target, m_min, m_max)));
}

void Slider::addChangeListener(ChangeListener listener) { m_listeners.push_back(std::move(listener)); }

void Slider::clampValue() { setValue(m_value); }

}  // namespace vistrel
