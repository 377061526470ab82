#pragma once
#include <functional>
#include <vector>

namespace vistrel {

// The model behind a horizontal slider: whole-number minimum, maximum and value, with a change
// event on every change of value, whether the user moved the thumb or the program assigned it.
// The native trackbar is only a view of this; it never has to notify about program assignments.
//
// Like the common trackbar it starts at 0..100 with value 0, and moving a bound past the value
// drags the value along (raising the change event). Moving one bound past the other drags the other
// bound along too, so min <= value <= max holds at all times.
class Slider {
public:
    static constexpr int kSmallChange = 1;  // arrow keys
    static constexpr int kLargeChange = 5;  // page keys and clicks in the track

    using ChangeListener = std::function<void(int value)>;

    int min() const { return m_min; }
    int max() const { return m_max; }
    int value() const { return m_value; }

    void setMin(int min);
    void setMax(int max);
    // Clamped to min..max; raises the change event only when the value actually changes.
    void setValue(int value);
    // A keyboard or track step; `delta` is usually ±kSmallChange or ±kLargeChange.
    void moveBy(int delta);

    // Listeners run in the order they were added, synchronously, after the value has changed.
    void addChangeListener(ChangeListener listener);

private:
    void clampValue();

    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
    std::vector<ChangeListener> m_listeners;
};

}  // namespace vistrel
