#include <gtest/gtest.h>

#include "app/TrayLogic.h"

namespace vistrel {
namespace {

TEST(TrayLogic, OnlyTheLeftReleaseShowsTheWindow)
{
    EXPECT_EQ(trayActionFor(0x0202), TrayAction::ShowMainWindow);
    // Holding the button, moving over the icon and the double-click message itself do nothing:
    // a double click shows the window through its releases.
    for (std::uint32_t m : {0x0200u, 0x0201u, 0x0203u, 0x0207u, 0x0208u, 0x0209u, 0u, 514u * 15u})
        EXPECT_EQ(trayActionFor(m), TrayAction::None) << m;
}

TEST(TrayLogic, RightReleaseAndContextMenuOpenTheMenu)
{
    EXPECT_EQ(trayActionFor(0x0205), TrayAction::OpenMenu);
    EXPECT_EQ(trayActionFor(0x007B), TrayAction::OpenMenu);
    EXPECT_EQ(trayActionFor(0x0204), TrayAction::None);
}

}  // namespace
}  // namespace vistrel
