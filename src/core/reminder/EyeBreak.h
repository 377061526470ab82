#pragma once
#include <string>
#include <string_view>

namespace vistrel {

// The eye break as its small window shows it: open or not, and the seconds left.
class EyeBreak {
public:
    static constexpr std::string_view kText = "看看 6 米外的地方";

    bool isOpen() const { return m_secondsLeft > 0; }
    int secondsLeft() const { return m_secondsLeft; }
    std::string secondsText() const { return std::to_string(m_secondsLeft) + " 秒"; }  // "20 秒"

    void open(int seconds) { m_secondsLeft = seconds > 0 ? seconds : 0; }
    // One second passed; true when that ended the break.
    bool tick() { return m_secondsLeft > 0 && --m_secondsLeft == 0; }
    void close() { m_secondsLeft = 0; }

private:
    int m_secondsLeft = 0;
};

}  // namespace vistrel
