#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "base/FontCatalog.h"
#include "base/TextRenderer.h"
#include "controls/SettingsPanelView.h"
#include "win32/controls/HostWindow.h"

namespace vistrel::win32 {
namespace {

// The least a settings panel holds: one edit box of its own.
class BoxPanel final : public SettingsPanelView {
public:
    BoxPanel(TextRenderer& text, Actions actions) : SettingsPanelView(text, std::move(actions)) {}
    HWND box = nullptr;

private:
    void createControls() override
    {
        box = createControl({.className = L"EDIT", .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP, .id = 7});
    }
    void placeControls() override { moveWindow(box, pixels({150, 150, 1500, 300})); }
    void syncControls() override {}
};

class SettingsPanelViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!m_host.get()) GTEST_SKIP() << "no window can be created here";
        ASSERT_TRUE(m_panel.create(m_host.get(), Texts()));
        m_panel.place(RECT{10, 10, 290, 190});
    }

    testing::HostWindow m_host;
    FontCatalog m_fonts;
    TextRenderer m_text{m_fonts, 96};
    int m_backs = 0;
    int m_oks = 0;
    BoxPanel m_panel{m_text, {[this] { ++m_backs; }, [this] { ++m_oks; }}};
};

TEST_F(SettingsPanelViewTest, ItsControlsComeBeforeOkAndBackWhichRunTheirActions)
{
    std::vector<int> tabOrder;  // the z-order
    for (HWND c = GetWindow(m_panel.hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        tabOrder.push_back(GetDlgCtrlID(c));
    EXPECT_EQ(tabOrder, (std::vector<int>{7, 402, 401}));  // Back (401) last

    for (int id : {401, 402, 402}) {
        SendMessageW(GetDlgItem(m_panel.hwnd(), id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(GetDlgItem(m_panel.hwnd(), id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    EXPECT_EQ(m_backs, 1);
    EXPECT_EQ(m_oks, 2);
}

TEST_F(SettingsPanelViewTest, AHiddenPanelGivesUpTheKeyboardFocusWhenSynced)
{
    ShowWindow(m_host.get(), SW_SHOWNA);
    m_panel.show(true);
    SetFocus(m_panel.box);
    if (GetFocus() != m_panel.box) GTEST_SKIP() << "no keyboard focus here";
    m_panel.sync();
    EXPECT_EQ(GetFocus(), m_panel.box) << "a shown panel keeps it";

    m_panel.show(false);
    m_panel.sync();
    EXPECT_EQ(GetFocus(), m_host.get());
}

}  // namespace
}  // namespace vistrel::win32
