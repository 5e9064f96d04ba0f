// The modal dialog without a nested event loop, and the busy screen's hourglass.
#include "platform/forms/busy_guard.h"
#include "platform/forms/controls.h"
#include "platform/forms/modal_dialog.h"

#include <QWindow>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace tlm;

namespace {

struct ModalTest : ::testing::Test {
    ModalTest()
    {
        save = new CommandButton(&opener, QStringLiteral("&Save"));
        cancel = new CommandButton(&opener, QStringLiteral("&Cancel"));
        other = new CommandButton(&opener, QStringLiteral("&Other"));
    }
    FormManager manager;
    Form opener{manager};
    Form dialog{manager};
    CommandButton* save;
    CommandButton* cancel;
    CommandButton* other;
};

} // namespace

TEST_F(ModalTest, TheDialogGivesBackWhatTheOpenerLentThenHandsItsResult)
{
    opener.Show();
    other->setEnabled(false); // off before the dialog: stays off after it
    ModalDialog<QString> modal(dialog);
    QStringList order;
    modal.open(
        opener,
        [&](const QString& result) {
            EXPECT_TRUE(save->isEnabled() && cancel->isEnabled());
            order << QStringLiteral("result ") + result;
        },
        {save, cancel, other}, [&] { order << QStringLiteral("given back"); });
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), opener.windowHandle());
    EXPECT_TRUE(opener.isEnabled()) << "only the lent controls wait";
    EXPECT_FALSE(save->isEnabled() || cancel->isEnabled());

    modal.finish(QStringLiteral("Kitchen"));
    modal.finish(QStringLiteral("again")); // closed: nothing more
    modal.giveBack();
    EXPECT_EQ(order, QStringList({"given back", "result Kitchen"}));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(save->isEnabled() && cancel->isEnabled());
    EXPECT_FALSE(other->isEnabled());

    // Lending nothing by name lends the whole opener; leaving without an answer hands none.
    modal.open(opener, [&](const QString&) { order << QStringLiteral("unexpected"); });
    EXPECT_FALSE(opener.isEnabled());
    modal.giveBack();
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(order.size(), 2);
}

TEST(BusyGuard, TheHourglassAndTheDisabledScreenEndWithTheWorkEvenWhenItFails)
{
    FormManager manager;
    Form screen(manager);
    try {
        BusyGuard busy(screen, BusyGuard::HourglassAndDisabled);
        EXPECT_EQ(screen.MousePointer(), 11);
        EXPECT_FALSE(screen.isEnabled());
        {
            BusyGuard inner(screen); // the hourglass only, and it ends with the outer one
            EXPECT_FALSE(screen.isEnabled());
        }
        EXPECT_EQ(screen.MousePointer(), 11);
        throw std::runtime_error("walk failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(screen.MousePointer(), 0);
    EXPECT_TRUE(screen.isEnabled());
}
