// The forms layer: events, focus, activation, colours, message boxes and help.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"
#include "support/test_program.h"

#include <QAccessible>
#include <QApplication>
#include <QTextDocument>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace tlm;

namespace {

struct EventLog {
    QStringList events;
    void add(const QString& e) { events << e; }
};

class TestForm : public Form {
public:
    TestForm(FormManager& m, EventLog& log, QString name) : Form(m), log_(log), name_(std::move(name))
    {
        box = new TextBox(this);
        other = new TextBox(this);
        combo = new ComboBox(this);
        list = new ComboBox(this, false);
        button = new CommandButton(this, QStringLiteral("&Go"));
        check = new CheckBox(this, QStringLiteral("Check"));
        box->setGeometry(0, 0, 100, 20);
        other->setGeometry(0, 30, 100, 20);
        button->setGeometry(0, 60, 100, 20);
    }
    TextBox* box;
    TextBox* other;
    ComboBox* combo;
    ComboBox* list;
    CommandButton* button;
    CheckBox* check;
    int closeAnswer = 0;

protected:
    void Form_Load() override { log_.add(name_ + " Load"); }
    void Form_Activate() override { log_.add(name_ + " Activate"); }
    void Form_Deactivate() override { log_.add(name_ + " Deactivate"); }
    void Form_QueryUnload(int& cancel, int) override
    {
        log_.add(name_ + " QueryUnload");
        cancel = closeAnswer;
    }

private:
    EventLog& log_;
    QString name_;
};

struct FormsTest : ::testing::Test {
    FormManager manager;
    EventLog log;
    TestForm a{manager, log, QStringLiteral("A")};
    TestForm b{manager, log, QStringLiteral("B")};
};

} // namespace

TEST_F(FormsTest, LoadRunsOnceAndActivationFollowsTheActiveScreen)
{
    a.load();
    a.load();
    a.Show();
    b.Show();   // like a modal calendar over its opener
    b.Hide();   // the opener is active again
    a.Show();   // already active: nothing
    EXPECT_EQ(log.events, QStringList({"A Load", "A Activate", "A Deactivate", "B Activate", "B Deactivate", "A Activate"}));
    EXPECT_EQ(a.Caption(), QStringLiteral(" Tallowmere by Brindlecote Software"));
}

TEST_F(FormsTest, HidingOneScreenAndShowingTheNextActivatesOnlyTheNext)
{
    a.Show();
    log.events.clear();
    a.Hide();
    b.Show();
    EXPECT_EQ(log.events, QStringList({"A Deactivate", "B Activate"}));
    // The window system activating the screen that is already active (a message box closing,
    // the program regaining the focus) is no new activation.
    log.events.clear();
    manager.formActivatedByWindow(&b);
    EXPECT_TRUE(log.events.isEmpty());
}

TEST_F(FormsTest, CloseBoxAsksTheScreenWhichMayCancel)
{
    a.Show();
    a.closeAnswer = 1;
    a.close();
    EXPECT_TRUE(a.isVisible());
    a.closeAnswer = 0;
    a.close();
    EXPECT_FALSE(a.isVisible());
    EXPECT_EQ(log.events.filter("QueryUnload").size(), 2);
}

TEST_F(FormsTest, ChangeRunsForTypingAndForCode)
{
    int changes = 0;
    a.box->Change = [&] { ++changes; };
    a.box->setText("abc");
    a.box->setText("abc"); // same text: no change
    QTest::keyClick(a.box, Qt::Key_D);
    EXPECT_EQ(a.box->Text(), QStringLiteral("abcd"));
    EXPECT_EQ(changes, 2);
}

TEST_F(FormsTest, KeyPressMaySwallowOrReplaceTheCharacter)
{
    a.box->KeyPress = [](int& k) {
        if (k == 'x')
            k = 0;
        else if (k == 'a')
            k = 'A';
    };
    QTest::keyClicks(a.box, "xaxb");
    EXPECT_EQ(a.box->Text(), QStringLiteral("Ab"));
    // Backspace reaches KeyPress as 8.
    int seen = -1;
    a.box->KeyPress = [&](int& k) { seen = k; };
    QTest::keyClick(a.box, Qt::Key_Backspace);
    EXPECT_EQ(seen, 8);
    EXPECT_EQ(a.box->Text(), QStringLiteral("A"));
}

TEST_F(FormsTest, KeyDownSeesPlatformKeyCodesAndMaySwallowTheKey)
{
    std::vector<int> codes;
    a.combo->AddItem("one");
    a.combo->AddItem("two");
    a.combo->KeyDown = [&](int& code, int) {
        codes.push_back(code);
        if (code != 40)
            code = 0;
    };
    QTest::keyClick(a.combo, Qt::Key_A);
    QTest::keyClick(a.combo, Qt::Key_F1);
    QTest::keyClick(a.combo, Qt::Key_Up);
    EXPECT_EQ(codes, std::vector<int>({65, 112, 38}));
    EXPECT_EQ(a.combo->Text(), QString());
}

TEST_F(FormsTest, TypingIntoAnEditableComboRunsItsKeyPress)
{
    int presses = 0;
    a.combo->KeyPress = [&](int& k) {
        ++presses;
        if (k == 'z')
            k = 0;
    };
    a.combo->SetFocus();
    QTest::keyClicks(a.combo, "azb");
    EXPECT_EQ(a.combo->Text(), QStringLiteral("ab"));
    EXPECT_EQ(presses, 3);
}

TEST_F(FormsTest, FocusEventsAndAButtonClickMovesTheFocusFirst)
{
    QStringList order;
    a.box->GotFocus = [&] { order << "box got"; };
    a.box->LostFocus = [&] { order << "box lost"; };
    a.button->Click = [&] { order << "click"; };
    a.box->SetFocus();
    a.button->press();
    EXPECT_EQ(order, QStringList({"box got", "box lost", "click"}));
    EXPECT_EQ(a.ActiveControl(), a.button);
}

TEST_F(FormsTest, EnterPressesTheDefaultButtonWithoutMovingTheFocus)
{
    int clicks = 0, lost = 0;
    a.button->Click = [&] { ++clicks; };
    a.box->LostFocus = [&] { ++lost; };
    a.button->setDefault(true);
    a.box->SetFocus();
    QTest::keyClick(a.box, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lost, 0);
    a.button->setEnabled(false);
    QTest::keyClick(a.box, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, AScreenHasOneDefaultButton)
{
    auto* second = new CommandButton(&a, "&Other");
    a.button->setDefault(true);
    second->setDefault(true);
    EXPECT_FALSE(a.button->isDefault());
    EXPECT_FALSE(a.button->Default());
    EXPECT_TRUE(second->isDefault());
    EXPECT_EQ(a.defaultButton(), second);
}

TEST_F(FormsTest, ComboChoiceRunsClickAndCodeRunsChange)
{
    int clicks = 0, changes = 0;
    a.combo->Click = [&] { ++clicks; };
    a.combo->Change = [&] { ++changes; };
    a.combo->AddItem("Kitchen");
    a.combo->AddItem("Garage");
    EXPECT_EQ(a.combo->Text(), QString()); // adding does not choose
    a.combo->choose(1);
    EXPECT_EQ(a.combo->Text(), QStringLiteral("Garage"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
    a.combo->setText("Attic");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.combo->ListIndex(), -1);
    a.combo->setText("Kitchen");
    EXPECT_EQ(a.combo->ListIndex(), 0);
    a.combo->Clear();
    EXPECT_EQ(a.combo->ListCount(), 0);
    EXPECT_EQ(a.combo->Text(), QString());
    EXPECT_EQ(changes, 3);
}

TEST_F(FormsTest, CheckBoxValueSetByCodeRunsClickOnlyWhenItChanges)
{
    int clicks = 0;
    a.check->Click = [&] { ++clicks; };
    a.check->setValue(1);
    a.check->setValue(1);
    a.check->setValue(0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(a.check->Value(), 0);
}

TEST_F(FormsTest, ACheckBoxOrOptionChangedByTheUserFromAnyInputRunsClickOnce)
{
    OptionArray options;
    options.add(new OptionButton(&a, "Yes"));
    options.add(new OptionButton(&a, "No"));
    int checks = 0, yes = 0, no = 0;
    a.check->Click = [&] { ++checks; };
    options[0]->Click = [&] { ++yes; };
    options[1]->Click = [&] { ++no; };
    // What a screen reader's toggle action does: the state changes without a click.
    const auto toggleAction = [](QWidget* w) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(button, nullptr);
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    toggleAction(a.check);
    EXPECT_EQ(a.check->Value(), 1);
    EXPECT_EQ(checks, 1);
    QTest::mouseClick(a.check, Qt::LeftButton);
    QTest::keyClick(a.check, Qt::Key_Space);
    EXPECT_EQ(a.check->Value(), 1);
    EXPECT_EQ(checks, 3);

    toggleAction(options[1]);
    EXPECT_TRUE(options[1]->Value());
    const QPoint dot(6, options[0]->height() / 2);
    QTest::mouseClick(options[0], Qt::LeftButton, {}, dot);
    QTest::mouseClick(options[0], Qt::LeftButton, {}, dot); // the selected option clicked again
    options[1]->setValue(true);                    // by code, as before
    EXPECT_EQ(yes, 2);
    EXPECT_EQ(no, 2);
}

TEST_F(FormsTest, OptionArraysHoldOneChoiceOrNone)
{
    OptionArray options;
    options.add(new OptionButton(&a, "Yes"));
    options.add(new OptionButton(&a, "No"));
    options[0]->setValue(true);
    options[1]->setValue(true);
    EXPECT_FALSE(options[0]->Value());
    EXPECT_EQ(options.selected(), 1);
    options.clearAll();
    EXPECT_EQ(options.selected(), -1);
}

TEST_F(FormsTest, PasteGoesThroughTheKeyFilterAsTyping)
{
    a.box->KeyPress = [](int& k) {
        if (k < '0' || k > '9')
            k = 0;
    };
    QApplication::clipboard()->setText("1a2;3");
    a.box->SetFocus();
    QTest::keySequence(a.box, QKeySequence::Paste);
    EXPECT_EQ(a.box->Text(), QStringLiteral("123"));
    // A list that takes no typing takes no paste either.
    QTest::keySequence(a.list, QKeySequence::Paste);
    EXPECT_EQ(a.list->Text(), QString());
    EXPECT_FALSE(a.box->acceptDrops());
}

TEST_F(FormsTest, APasteIsOneEditOfTheBox)
{
    auto* memo = new MemoBox(&a);
    // Each edit of a Qt box is one change signal and one accessibility notice.
    QSignalSpy boxEdits(a.box, &QLineEdit::textChanged);
    QSignalSpy memoEdits(memo->document(), &QTextDocument::contentsChange);
    QSignalSpy comboEdits(a.combo->lineEdit(), &QLineEdit::textChanged);
    struct Case {
        Control* box;
        std::function<QString()> text;
        std::function<void()> undo;
        QSignalSpy& edits;
    };
    const Case cases[] = {
        {a.box, [&] { return a.box->Text(); }, [&] { a.box->undo(); }, boxEdits},
        {memo, [&] { return memo->Text(); }, [&] { memo->undo(); }, memoEdits},
        {a.combo, [&] { return a.combo->Text(); }, [&] { a.combo->lineEdit()->undo(); }, comboEdits},
    };
    a.box->setText("ab");
    memo->setText("ab");
    a.combo->setText("ab");
    a.box->select(2, 0);
    memo->select(2, 0);
    a.combo->select(2, 0);
    QApplication::clipboard()->setText("c1d2efgh");
    for (const Case& c : cases) {
        int changes = 0;
        c.box->Change = [&] { ++changes; };
        // The filter sees the text as it has left it so far: no digits, six characters at most.
        c.box->KeyPress = [&](int& k) {
            if ((k >= '0' && k <= '9') || c.text().size() >= 6)
                k = 0;
        };
        c.edits.clear();
        QTest::keySequence(c.box->widget(), QKeySequence::Paste);
        EXPECT_EQ(c.text(), QStringLiteral("abcdef"));
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(c.edits.size(), 1);
        c.undo();
        EXPECT_EQ(c.text(), QStringLiteral("ab")) << "one undo step";
    }
}

TEST_F(FormsTest, PasteFromTheContextMenuGoesThroughTheKeyFilter)
{
    a.box->KeyPress = [](int& k) {
        if (k < '0' || k > '9')
            k = 0;
    };
    QApplication::clipboard()->setText("1a2;3");
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(2, 2), a.box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(a.box, &open);
    auto* menu = a.box->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QStringLiteral("&Paste")))
            paste = action;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(a.box->Text(), QStringLiteral("123"));
}

TEST_F(FormsTest, PastingIntoAComboRunsKeyPressOncePerCharacter)
{
    QStringList seen;
    int keyDowns = 0;
    a.combo->KeyPress = [&](int& k) { seen << QString(QChar(k)); };
    a.combo->KeyDown = [&](int&, int) { ++keyDowns; };
    a.combo->SetFocus();
    QApplication::clipboard()->setText("ab");
    QTest::keySequence(a.combo, QKeySequence::Paste);
    EXPECT_EQ(a.combo->Text(), QStringLiteral("ab"));
    EXPECT_EQ(seen, QStringList({"a", "b"}));
    EXPECT_EQ(keyDowns, 2) << "only Ctrl and V themselves";
}

TEST_F(FormsTest, PastedLineBreaksReachAMemoBoxAsEnter)
{
    auto* memo = new MemoBox(&a);
    std::vector<int> codes;
    memo->KeyPress = [&](int& k) { codes.push_back(k); };
    QApplication::clipboard()->setText("a\nb\r\nc\rd");
    QTest::keySequence(memo, QKeySequence::Paste);
    EXPECT_EQ(memo->Text(), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(codes, std::vector<int>({'a', 13, 'b', 13, 'c', 13, 'd'}));
    // A one-line box still leaves the line breaks out.
    a.other->SetFocus();
    QTest::keySequence(a.other, QKeySequence::Paste);
    EXPECT_EQ(a.other->Text(), QStringLiteral("abcd"));
}

TEST_F(FormsTest, TextAnInputMethodCommitsGoesThroughKeyPress)
{
    const auto digitsOnly = [](int& k) {
        if (k < '0' || k > '9')
            k = 0;
    };
    a.box->KeyPress = digitsOnly;
    a.combo->KeyPress = digitsOnly;
    for (QWidget* target : std::initializer_list<QWidget*>{a.box, a.combo, a.combo->lineEdit()}) {
        QInputMethodEvent commit(QString(), {});
        commit.setCommitString(QStringLiteral("x4\u00e9"));
        QApplication::sendEvent(target, &commit);
    }
    EXPECT_EQ(a.box->Text(), QStringLiteral("4"));
    EXPECT_EQ(a.combo->Text(), QStringLiteral("44"));
    // A box without a key filter takes the input method as it is.
    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(QStringLiteral("x\u00e9"));
    QApplication::sendEvent(a.other, &commit);
    EXPECT_EQ(a.other->Text(), QStringLiteral("x\u00e9"));
}

TEST_F(FormsTest, AnEntryChosenFromAComboListIsSelectedWhole)
{
    a.combo->AddItem("2010");
    a.combo->AddItem("2011");
    a.combo->choose(0);
    EXPECT_EQ(a.combo->SelLength(), 4);
    a.combo->select(1, 0);
    QTest::keyClick(a.combo, Qt::Key_Down);
    EXPECT_EQ(a.combo->Text(), QStringLiteral("2011"));
    EXPECT_EQ(a.combo->SelStart(), 0);
    EXPECT_EQ(a.combo->SelLength(), 4);
    a.combo->setText("2010"); // set by code: no choice, nothing selected
    EXPECT_EQ(a.combo->SelLength(), 0);
}

TEST_F(FormsTest, AComboIsHeardByItsTextAndKnownByItsBuddyLabel)
{
    a.list->AddItem("Indoor");
    a.list->AddItem("Outdoor");
    const std::pair<ComboBox*, const char*> boxes[] = {{a.combo, "Year Made"}, {a.list, "Area"}};
    for (const auto& [c, caption] : boxes) {
        auto* label = new Label(&a, QString::fromLatin1(caption));
        label->setBuddy(c);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(c);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->role(), QAccessible::ComboBox);
        const auto labels = box->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->object(), label);
    }
    // Typed, set by code, or chosen from the list: what the box shows is what is heard.
    a.combo->SetFocus();
    QTest::keyClicks(a.combo, "2026");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.combo)->text(QAccessible::Name), QStringLiteral("2026"));
    a.combo->setText("1999");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.combo)->text(QAccessible::Name), QStringLiteral("1999"));
    a.list->choose("Indoor");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.list)->text(QAccessible::Name), QStringLiteral("Indoor"));
    a.list->choose("Outdoor");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.list)->text(QAccessible::Name), QStringLiteral("Outdoor"));
}

// A locked list changes only through its opened list: a key that would step or pick its value
// does nothing, one that opens it unlocks it, and any other key works as on an unlocked list,
// so that Enter and Escape still reach the dialog around it.
TEST(LockedList, StepsOnNoKeyOpensOnItsOwnAndPassesTheRestOn)
{
    for (const bool editable : {false, true}) {
        SCOPED_TRACE(editable ? "can be typed into" : "cannot be typed into");
        QDialog dialog;
        auto* list = new ComboBox(&dialog, editable);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        for (const char* area : {"Indoor", "Mobile", "Outdoor"})
            list->AddItem(QString::fromLatin1(area));
        dialog.show();
        const auto lockAt = [&] {
            list->hidePopup();
            list->choose(QStringLiteral("Mobile"));
            list->setLocked(true);
        };
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        };
        for (const Key k : {Key{Qt::Key_Up}, Key{Qt::Key_Down}, Key{Qt::Key_Up, Qt::AltModifier},
                            Key{Qt::Key_Down, Qt::ShiftModifier}, Key{Qt::Key_PageUp}, Key{Qt::Key_PageDown},
                            Key{Qt::Key_Home}, Key{Qt::Key_End}, Key{Qt::Key_O}, Key{Qt::Key_I, Qt::AltModifier}}) {
            lockAt();
            QTest::keyClick(list, k.key, k.modifiers);
            EXPECT_EQ(list->Text(), QStringLiteral("Mobile")) << QKeySequence(k.key | k.modifiers).toString().toStdString();
            EXPECT_TRUE(list->Locked());
        }
        std::vector<Key> opening = {Key{Qt::Key_F4}, Key{Qt::Key_Down, Qt::AltModifier}};
        if (!editable)
            opening.push_back(Key{Qt::Key_Space});
        for (const Key k : opening) {
            lockAt();
            QTest::keyClick(list, k.key, k.modifiers);
            EXPECT_TRUE(list->view()->isVisible()) << QKeySequence(k.key | k.modifiers).toString().toStdString();
            EXPECT_FALSE(list->Locked());
        }
        lockAt();
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << "Enter presses the default button";
        dialog.show();
        dialog.setResult(QDialog::Accepted);
        QTest::keyClick(list, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Escape closes the dialog";
        EXPECT_EQ(list->Text(), QStringLiteral("Mobile"));
    }
}

TEST_F(FormsTest, ColoursAreThePlatformNumbers)
{
    EXPECT_EQ(colors::toQColor(16765644), QColor(204, 210, 255));
    EXPECT_EQ(colors::toQColor(0xC0C0FF), QColor(255, 192, 192));
    a.box->setBackColor(0xC0C0FF);
    EXPECT_EQ(a.box->BackColor(), 0xC0C0FFu);
    EXPECT_EQ(a.box->palette().color(QPalette::Base), QColor(255, 192, 192));
}

TEST(MessageBoxes, ScriptedBoxesRecordAndFailOnAnUnexpectedBox)
{
    test::ScriptedMessageBoxes boxes;
    boxes.expect(vbYes, QStringLiteral("Sure?"));
    EXPECT_EQ(boxes.show("Sure?", 36, kTitle), vbYes);
    EXPECT_NONFATAL_FAILURE(boxes.show("Surprise", 48, kTitle), "Unexpected message box");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral(" Tallowmere by Brindlecote Software"));
    EXPECT_EQ(boxes.shown[1].style, 48);
}

TEST(MessageBoxes, EscapeOrTheCloseBoxOfAQuestionAnswersNo)
{
    QtMessageBoxes boxes;
    for (int road = 0; road < 2; ++road) {
        QTimer::singleShot(0, [road] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            if (road == 0)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        EXPECT_EQ(boxes.show("Are You Sure You Want To Close Tallowmere?", 36, kTitle), vbNo);
    }
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), kTitle);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(boxes.show("Check", 48, kTitle), vbOK);
}

TEST_F(FormsTest, F1OpensHelpAtTheFocusedControlsTopic)
{
    test::RecordingHelp help;
    manager.help = &help;
    a.box->HelpContextID = 12001;
    a.box->SetFocus();
    QTest::keyClick(a.box, Qt::Key_F1);
    EXPECT_EQ(help.topics, std::vector<int>({12001}));
}
