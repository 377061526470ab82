#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "text/ReminderTexts.h"
#include "text/Texts.h"

namespace vistrel {

// The allowed whole-minute range of one box and the words that name it to the user.
struct MinuteRange {
    int min;
    int max;
    ReminderText name;       // in the warning: "工作时长"
    ReminderText shortName;  // in the panel's hint line: "工作"
};

// A work period of a whole day would bring the next rest back to the minute it was scheduled in.
// A rest of 0 minutes never counts down to zero, and one of more than 555 minutes takes more ticks
// than the 16-bit tick counter holds.
inline constexpr MinuteRange kWorkMinuteRange{1, 1439, ReminderText::WorkLength, ReminderText::WorkShort};
inline constexpr MinuteRange kRestMinuteRange{1, 555, ReminderText::RestLength, ReminderText::RestShort};

// The warning shown when a box holds something outside its range, e.g.
// "工作时长必须是 1 到 1439 之间的整数".
std::string outOfRangeMessage(const MinuteRange& range, const Texts& texts = designedTexts());
// The rest panel's hint line: "工作 1 - 1439 分钟，休息 1 - 555 分钟".
std::string minuteRangesHint(const Texts& texts = designedTexts());

// Whole decimal minutes within the range; blanks around the digits are allowed, nothing else is.
std::optional<int> parseMinutes(std::string_view text, const MinuteRange& range);

// The work and rest lengths as the user typed them into the rest panel (`Text2`, `Text3`), plus
// the values in force. Each use reads the box anew, so a corrected entry counts at once; while a
// box holds something unusable, the last good value of that box stays in force.
class MinuteSettings {
public:
    static constexpr int kDefaultWorkMinutes = 45;
    static constexpr int kDefaultRestMinutes = 10;

    // Values from the settings file; missing or unusable ones become the first-run defaults.
    void load(std::string_view workText, std::string_view restText);

    const std::string& workText() const { return m_workText; }
    const std::string& restText() const { return m_restText; }
    void setWorkText(std::string text);
    void setRestText(std::string text);

    int workMinutes() const { return m_workMinutes; }
    int restMinutes() const { return m_restMinutes; }

    // The range whose box holds an unusable value (work first), or none when both are fine.
    const MinuteRange* invalidRange() const;
    // Rewrites both boxes as plain decimal numbers, e.g. " 015" as "15"; the settings file then
    // holds digits only, whatever code page it is written in.
    void normaliseTexts();

private:
    // Design contents of the two boxes before the settings are loaded.
    std::string m_workText = "1";
    std::string m_restText = "1";
    int m_workMinutes = 1;
    int m_restMinutes = 1;
};

}  // namespace vistrel
