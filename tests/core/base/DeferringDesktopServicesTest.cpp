#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/DeferringDesktopServices.h"
#include "fakes/FakeDesktopServices.h"

namespace vistrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using Hold = DeferringDesktopServices::Hold;
using Message = testing::FakeDesktopServices::Message;

TEST(DeferringDesktopServices, BoxesWaitForTheHoldToEndAndComeInOrder)
{
    testing::FakeDesktopServices fake;
    DeferringDesktopServices desktop(fake);
    {
        const auto held = desktop.hold(Hold::Defer);
        desktop.messageBox("first", "Vistrel", MessageIcon::Warning);
        desktop.messageBox("second", std::nullopt, MessageIcon::None);
        desktop.showHeldBoxes();  // still inside the handler: nothing yet
        EXPECT_THAT(fake.messages, IsEmpty());
    }
    // A box asked for while a held one is open joins the queue instead of opening on top of it.
    fake.onMessage = [&](const Message& m) {
        if (m.text != "first") return;
        {
            const auto nested = desktop.hold(Hold::Defer);
            desktop.messageBox("third", std::nullopt, MessageIcon::None);
        }
        desktop.showHeldBoxes();
        EXPECT_THAT(fake.messages, SizeIs(1));
    };
    desktop.showHeldBoxes();
    EXPECT_THAT(fake.messages, ElementsAre(Message{"first", "Vistrel", MessageIcon::Warning},
                                           Message{"second", std::nullopt, MessageIcon::None},
                                           Message{"third", std::nullopt, MessageIcon::None}));
    EXPECT_FALSE(desktop.hasHeldBoxes());

    desktop.messageBox("no hold", std::nullopt, MessageIcon::None);
    EXPECT_THAT(fake.messages, SizeIs(4)) << "shown at once outside a hold";
}

}  // namespace
}  // namespace vistrel
