// KeyUp: raised once a key is released on a control, after the control has taken the key.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace tlm;

TEST(KeyUp, ComesAfterTheControlTookTheKeyAndOnceForAHeldKey)
{
    FormManager manager;
    Form form(manager);
    auto* check = new CheckBox(&form, QStringLiteral("Check"));
    auto* box = new TextBox(&form);
    form.Show();
    std::vector<std::pair<int, int>> seen; // key code, value of the box then
    check->KeyUp = [&](int code, int) { seen.emplace_back(code, check->Value()); };
    box->KeyUp = [&](int code, int shift) { seen.emplace_back(code, shift); };

    QTest::keyClick(check, Qt::Key_Space); // the space ticks the box on its release
    QTest::keyRelease(check, Qt::Key_Tab); // the Tab that brought the focus here
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    QApplication::sendEvent(box, &repeated);
    QTest::keyClick(box, Qt::Key_A, Qt::ShiftModifier); // the Shift key is released last
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{vbKey::Space, 1}, {vbKey::Tab, 1}, {'A', 1}, {vbKey::Shift, 0}}));
}
