#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "text/Texts.h"

namespace vistrel {

// What the rest prompt (`Form2`) shows and the display-off choice it has pending. The window is
// created when shown and destroyed when closed, except that after a display-off choice it lives on
// hidden until its timer has acted.
class RestPromptLogic {
public:
    enum class DisplayOffAction { None, SwitchOff, LockThenSwitchOff };

    static constexpr std::int16_t kDisplayOffDelayTicks = 2;

    bool isOpen() const { return m_open; }
    // `Label1`, UTF-8: "你有 N 分钟休息时间".
    std::string message(const Texts& texts = designedTexts()) const;

    // Opens (or keeps open) the prompt for a rest of that many minutes.
    void open(int restMinutes);
    void close() { m_open = false; }

    // The hidden progress bar `tippro`, written by the countdown; 32-bit like the control's fields.
    std::int32_t tipproValue() const { return m_tipproValue; }
    std::int32_t tipproMax() const { return m_tipproMax; }
    void setTipproValue(std::int32_t value) { m_tipproValue = value; }
    void setTipproMax(std::int32_t max) { m_tipproMax = max; }

    // Closes the prompt and arms its one-second timer: "1" switches the display off, "0" locks the
    // workstation first.
    void armDisplayOff(bool lockFirst);
    bool displayOffArmed() const { return m_displayOffArmed; }
    const std::string& gbtype() const { return m_gbtype; }  // pending choice, "1" or "0"
    std::int16_t gbdelay() const { return m_gbdelay; }      // timer ticks left before acting
    // One tick of the armed timer; on the second it returns the action to run and disarms.
    DisplayOffAction displayOffTimerTick();

private:
    bool m_open = false;
    std::optional<int> m_restMinutes;  // none until first opened
    std::int32_t m_tipproValue = 0;
    std::int32_t m_tipproMax = 100;
    bool m_displayOffArmed = false;
    std::string m_gbtype;
    std::int16_t m_gbdelay = kDisplayOffDelayTicks;
};

}  // namespace vistrel
