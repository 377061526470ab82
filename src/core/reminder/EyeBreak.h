#pragma once
#include <string>
#include <string_view>

#include "text/ReminderTexts.h"
#include "text/Texts.h"

namespace vistrel {

// The eye break as its small window shows it: open or not, and the seconds left.
class EyeBreak {
public:
    bool isOpen() const { return m_secondsLeft > 0; }
    int secondsLeft() const { return m_secondsLeft; }
    std::string secondsText(const Texts& texts = designedTexts()) const  // "20 秒"
    {
        return texts(ReminderText::EyeBreakSeconds, m_secondsLeft);
    }

    void open(int seconds) { m_secondsLeft = seconds > 0 ? seconds : 0; }
    // One second passed; true when that ended the break.
    bool tick() { return m_secondsLeft > 0 && --m_secondsLeft == 0; }
    void close() { m_secondsLeft = 0; }

private:
    int m_secondsLeft = 0;
};

}  // namespace vistrel
