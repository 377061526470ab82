#pragma once
#include <string>
#include <utility>

namespace vistrel {

// What the countdown screen (`Form3`) shows: the remaining time in its panel and, in the small
// copy panel, what the panel showed one second earlier.
class CountdownScreenLogic {
public:
    static constexpr const char* kInitialText = "Start";

    bool isOpen() const { return m_open; }
    const std::string& label() const { return m_label; }  // `Label1`
    const std::string& copy() const { return m_copy; }    // `Picture2`; empty until the first tick

    // A fresh window each time: "Start" in the panel, nothing in the copy.
    void open();
    void close() { m_open = false; }
    // The screen's windows no longer fit the monitors; the shell opens them afresh when this
    // number changes.
    void monitorsChanged() { ++m_layout; }
    unsigned layout() const { return m_layout; }

    // The copy is refreshed before each new text, so it lags one second behind the panel.
    void refreshCopy() { m_copy = m_label; }
    void setLabel(std::string text) { m_label = std::move(text); }

private:
    bool m_open = false;
    std::string m_label = kInitialText;
    std::string m_copy;
    unsigned m_layout = 0;
};

}  // namespace vistrel
