#pragma once
#include <windows.h>

#include "base/Clock.h"
#include "base/TextRenderer.h"
#include "base/Window.h"
#include "history/HistoryStorage.h"
#include "history/StatisticsChart.h"
#include "text/HistoryTexts.h"

namespace vistrel::win32 {

// "Vistrel 休息统计": today at a glance and the last fortnight's rests as a chart, from the history
// files, read afresh each time the window is asked for and once a minute while it is open. One copy:
// asked for again, the open window comes forward. Closing it destroys it; the object stays for the
// next time.
class StatisticsWindow final : public Window {
public:
    struct Options {
        HistoryStorage& storage;
        const Clock& clock;
        FontCatalog& fonts;
        const Texts& texts;  // read each time a text is shown
        HICON smallIcon = nullptr;  // the caption's, owned by the caller for the whole run
    };

    explicit StatisticsWindow(Options options);
    ~StatisticsWindow() override;

    // Opens the window, or brings the open one forward; either way with the history as it is now.
    void show();

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool create();
    void reload();
    void fitToDpi();
    void applyFonts();
    void hover(POINT client);
    void showTip(int day, POINT client);
    void exportHistory();
    void tellError(const std::wstring& text);
    std::wstring text(HistoryText id) const;
    void takeTexts();

    Options m_options;
    TextRenderer m_text;
    StatisticsChart m_chart{m_text, m_options.texts};
    StatisticsView m_view;
    HWND m_exportButton = nullptr;  // a child: destroyed with the window
    UniqueWindow m_tip;
    bool m_trackingLeave = false;
};

}  // namespace vistrel::win32
