#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vistrel {

// The rest countdown, kept in 16-bit fields. The remaining time is
// djshour * 3600 + djsmin * 60 + djssec seconds, and a full minute is held as 60 seconds, never as
// 0, while time remains. It counts ticks, not clock time, so clock changes do not touch it.
class Countdown {
public:
    struct Step {
        enum class Kind { Text, End, NoChange };
        Kind kind = Kind::NoChange;
        std::string text;  // the remaining time, e.g. "1:29:59", when kind is Text
    };

    // Starts a rest of `restMinutes`: (0, R-1, 60) below an hour, else the hour taken first, so
    // 60 starts at (0, 59, 60) and 90 at (1, 29, 60). Resets the tick counter.
    void start(std::int16_t restMinutes);
    // One tick: counts one second down and one tick up, and says what the screen shows next.
    Step step();
    void stop() { m_djsrun = 0; }

    bool running() const { return m_djsrun == 1; }
    std::int16_t djsrun() const { return m_djsrun; }
    std::int16_t djshour() const { return m_djshour; }
    std::int16_t djsmin() const { return m_djsmin; }
    std::int16_t djssec() const { return m_djssec; }
    std::int16_t djscount() const { return m_djscount; }  // ticks elapsed in this rest
    void resetCount() { m_djscount = 0; }

    // The text for the current fields, or none when they match no row (the screen keeps its text).
    std::optional<std::string> remainingText() const;

private:
    std::int16_t m_djsrun = 0;  // 1 while the countdown runs
    std::int16_t m_djshour = 0;   // hours left
    std::int16_t m_djsmin = 0;    // minutes left below the hour, 59..0
    std::int16_t m_djssec = 0;    // seconds left in the minute, 60..1
    std::int16_t m_djscount = 0;  // ticks elapsed in this rest
};

}  // namespace vistrel
