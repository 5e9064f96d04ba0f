// What the asset screen shows at the moment one of its messages is up: the order of a
// step's message and its changes to the boxes.
#include "asset_screen_fixture.h"

#include <functional>

namespace tlm::test {
namespace {

// Scripted boxes that also let a test look at the screen while a box is up.
class WatchedMessageBoxes : public ScriptedMessageBoxes {
public:
    std::function<void(const QString& text)> onShow;
    int show(const QString& text, int style, const QString& title) override
    {
        if (onShow)
            onShow(text);
        return ScriptedMessageBoxes::show(text, style, title);
    }
};

class AssetMomentsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    WatchedMessageBoxes* msgs = nullptr;
    std::unique_ptr<Program> program;

    void SetUp() override
    {
        Program::Services services;
        auto boxes = std::make_unique<WatchedMessageBoxes>();
        msgs = boxes.get();
        services.messages = std::move(boxes);
        services.processes = std::make_unique<FakeProcesses>();
        services.help = std::make_unique<RecordingHelp>();
        program = std::make_unique<Program>(Paths(dir.path() + QStringLiteral("/Tallowmere")), std::move(services));
        program->clock().setFixed(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
        program->Data1().openAll();
    }
    void TearDown() override { EXPECT_TRUE(msgs->allAnswered()) << "a message that was expected was not shown"; }

    screens::frmAddUpDel& screen() { return program->frmAddUpDel(); }

    void openAdding(const QString& heading)
    {
        program->frmAuto().lblHead1[0]->setCaption(heading);
        program->frmAuto().load_It();
        program->frmAuto().cmdAdd[0]->press();
    }
};

TEST_F(AssetMomentsTest, ARefusedEmptyBoxIsFilledOnlyAfterItsMessage)
{
    openAdding(kIndoorHeading);
    auto& s = screen();
    s.cmbLoc->choose(QStringLiteral("Kitchen"));
    s.cmbCat->choose(QStringLiteral("Appliances"));
    s.cmbType->choose(QStringLiteral("Refrigerator"));
    struct Case {
        Control* box;
        std::function<QString()> text;
        std::function<void()> empty;
        QString filled;
    };
    const Case cases[] = {
        {s.cmbYear, [&] { return s.cmbYear->Text(); }, [&] { s.cmbYear->setText(QString()); }, "2005"},
        {s.txtMake, [&] { return s.txtMake->Text(); }, [&] { s.txtMake->setText(QString()); }, "Unknown"},
        {s.txtMod, [&] { return s.txtMod->Text(); }, [&] { s.txtMod->setText(QString()); }, "Unknown"},
        {s.txtSerial, [&] { return s.txtSerial->Text(); }, [&] { s.txtSerial->setText(QString()); }, "Unknown"},
    };
    for (const Case& c : cases) {
        c.empty();
        QString whileShown = QStringLiteral("(no message)");
        msgs->onShow = [&](const QString&) { whileShown = c.text(); };
        msgs->expect(vbOK);
        s.cmdAdd->press();
        msgs->onShow = nullptr;
        EXPECT_TRUE(whileShown.isEmpty()) << "the box is filled after the message, not before: "
                                          << whileShown.toStdString();
        EXPECT_EQ(c.text(), c.filled);
        EXPECT_EQ(s.ActiveControl(), c.box);
    }
}

TEST_F(AssetMomentsTest, ANewIndoorLookupRowClearsTheScreenBeforeTheConfirmation)
{
    struct Case {
        QString heading, location, category, item;
        bool newItem, clearedWhileShown;
    };
    const Case cases[] = {
        {kIndoorHeading, "Kitchen", "Appliances", "Blender", true, true},
        {kIndoorHeading, "Kitchen", "Appliances", "Refrigerator", false, false},
        {kOutdoorHeading, "Garage", "Tools", "Anvil", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.heading + QStringLiteral(" ") + c.item).toStdString());
        openAdding(c.heading);
        auto& s = screen();
        ASSERT_EQ(s.chkClear->Value(), 1) << "the delivered preference clears after a save";
        s.cmbLoc->choose(c.location);
        s.cmbCat->choose(c.category);
        s.cmbType->setText(c.item);
        s.txtPur->setText(QStringLiteral("3/7/2006"));
        s.txtPPrice->setText(QStringLiteral("$10.00"));
        QString locationWhileShown = QStringLiteral("(no message)");
        int locationsWhileShown = -1;
        msgs->onShow = [&](const QString&) {
            locationWhileShown = s.cmbLoc->Text();
            locationsWhileShown = s.cmbLoc->ListCount();
        };
        msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
        s.cmdAdd->press();
        msgs->onShow = nullptr;
        if (c.clearedWhileShown) {
            EXPECT_TRUE(locationWhileShown.isEmpty());
            EXPECT_GT(locationsWhileShown, 0) << "the lists are already refilled";
        } else {
            EXPECT_EQ(locationWhileShown, c.location);
        }
        // Either way the screen ends cleared, its lists refilled once.
        EXPECT_TRUE(s.cmbLoc->Text().isEmpty());
        EXPECT_TRUE(s.cmbType->Text().isEmpty());
        EXPECT_EQ(s.cmbLoc->items().count(c.location), 1);
        EXPECT_EQ(s.ActiveControl(), s.cmbLoc);
        s.Hide();
    }
}

} // namespace
} // namespace tlm::test
