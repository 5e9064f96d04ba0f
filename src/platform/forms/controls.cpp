#include "platform/forms/controls.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace tlm {

// ---------------------------------------------------------------- key codes

int vbKeyCode(const QKeyEvent* e)
{
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return '0' + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return vbKey::F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vbKey::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vbKey::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return vbKey::Return;
    case Qt::Key_Shift: return vbKey::Shift;
    case Qt::Key_Control: return vbKey::Control;
    case Qt::Key_Escape: return vbKey::Escape;
    case Qt::Key_Space: return vbKey::Space;
    case Qt::Key_PageUp: return vbKey::PageUp;
    case Qt::Key_PageDown: return vbKey::PageDown;
    case Qt::Key_End: return vbKey::End;
    case Qt::Key_Home: return vbKey::Home;
    case Qt::Key_Left: return vbKey::Left;
    case Qt::Key_Up: return vbKey::Up;
    case Qt::Key_Right: return vbKey::Right;
    case Qt::Key_Down: return vbKey::Down;
    case Qt::Key_Delete: return vbKey::Delete;
    case Qt::Key_Period: return 190;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Slash: return 191;
    default: break;
    }
    const QString t = e->text();
    return t.isEmpty() ? 0 : t.at(0).toUpper().unicode();
}

int vbKeyAscii(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Delete: return 0;
    default: break;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const QString t = e->text();
    if (t.isEmpty() || !t.at(0).isPrint())
        return 0;
    return t.at(0).unicode();
}

namespace {
int shiftState(Qt::KeyboardModifiers m)
{
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

int mouseButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// The paste action of a box's standard context menu. Qt 6.4 leaves the one-line box's action
// unnamed; it is known by its words (translated alike, the shortcut after a tab).
bool isPasteAction(const QAction* action)
{
    return action->objectName() == QStringLiteral("edit-paste")
           || action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste");
}

// Replaces a paste action of a standard context menu by typing its text through the filter.
void reroutePaste(QMenu* menu, Control* control)
{
    for (QAction* action : menu->actions()) {
        if (isPasteAction(action)) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered, menu,
                             [control] { control->pasteAsTyped(QApplication::clipboard()->text()); });
        }
    }
}
} // namespace

// ---------------------------------------------------------------- Control

Control::~Control() = default;

Form* Control::form() const
{
    QWidget* w = const_cast<Control*>(this)->widget();
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* f = dynamic_cast<Form*>(p))
            return f;
    return nullptr;
}

FormManager& Control::events() const
{
    if (Form* f = form())
        return f->manager();
    return FormManager::detached();
}

void Control::SetFocus()
{
    widget()->setFocus(Qt::OtherFocusReason);
    if (Form* f = form())
        f->controlFocused(this);
    events().rethrowPending();
}

void Control::setToolTipText(const QString& tip)
{
    widget()->setToolTip(tip);
    widget()->setAccessibleDescription(tip.trimmed());
}

void Control::setBackColor(quint32 color)
{
    backColor_ = color;
    applyBackColor();
}

void Control::applyBackColor()
{
    QWidget* w = widget();
    QPalette p = w->palette();
    if (colors::isSystemColor(backColor_)) {
        w->setPalette(QPalette());
        return;
    }
    const QColor c = colors::toQColor(backColor_);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

bool Control::handleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& base)
{
    Form* f = form();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The default button takes Enter before the box sees it, as on the original platform.
    if (enter && f && !dynamic_cast<QPushButton*>(widget()) && !dynamic_cast<QPlainTextEdit*>(widget())
        && f->pressDefaultButton()) {
        event->accept();
        return true;
    }
    int code = vbKeyCode(event);
    // A key whose handler failed is not typed.
    if (KeyDown && code != 0 && (!raiseEvent(&Control::KeyDown, code, shiftState(event->modifiers())) || code == 0)) {
        event->accept();
        return true;
    }
    if (code == vbKey::F1) {
        if (f)
            f->showHelp(HelpContextID);
        event->accept();
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        if (acceptsText())
            pasteAsTyped(QApplication::clipboard()->text());
        return true;
    }
    int ascii = vbKeyAscii(event);
    if (ascii != 0 && KeyPress) {
        const int typed = ascii;
        if (!raiseEvent(&Control::KeyPress, ascii) || ascii == 0) {
            event->accept();
            return true;
        }
        if (ascii != typed) {
            QKeyEvent replaced(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(ascii)));
            base(&replaced);
            return true;
        }
    }
    base(event);
    return true;
}

void Control::handleKeyUp(QKeyEvent* event)
{
    if (!KeyUp || event->isAutoRepeat())
        return;
    raiseEvent(&Control::KeyUp, vbKeyCode(event), shiftState(event->modifiers()));
}

void Control::typeCharacter(QChar ch) { pasteAsTyped(QString(ch)); }

void Control::pasteAsTyped(const QString& text)
{
    // A handler that pastes into its own box while a paste runs adds to the same edit.
    const bool outermost = !pending_;
    if (outermost)
        pending_ = PendingEdit{widgetText(), widgetSelStart(), widgetSelLength(), widgetMaxLength()};
    bool failed = false;
    for (qsizetype i = 0; i < text.size() && !failed; ++i) {
        QChar ch = text.at(i);
        // "\r\n" and a lone "\r" are one line break, as "\n" is.
        if (ch == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                continue;
            ch = u'\n';
        }
        const bool lineBreak = ch == u'\n' && acceptsLineBreaks();
        if (!lineBreak && (ch.isNull() || !ch.isPrint()))
            continue;
        int ascii = lineBreak ? 13 : ch.unicode();
        if (KeyPress && !raiseEvent(&Control::KeyPress, ascii)) {
            failed = true;
            break;
        }
        if (ascii == 0 || !acceptsText() || !pending_)
            continue;
        typePending(ascii);
        failed = !pastedCharacter();
    }
    if (!outermost || !pending_)
        return;
    const PendingEdit edit = std::move(*pending_);
    pending_.reset();
    // A paste whose filter failed is dropped whole.
    if (!failed)
        applyPending(edit);
}

// One typed character on the pending text, as the box itself would take it.
void Control::typePending(int keyAscii)
{
    PendingEdit& p = *pending_;
    if (keyAscii == 8) {
        if (p.length > 0) {
            p.text.remove(p.start, p.length);
        } else if (p.start > 0) {
            p.text.remove(p.start - 1, 1);
            --p.start;
        }
        p.length = 0;
        return;
    }
    const QChar ch = keyAscii == 13 ? QChar(u'\n') : QChar(char16_t(keyAscii));
    if (keyAscii == 13 ? !acceptsLineBreaks() : !ch.isPrint())
        return;
    // A full box takes no more, unless the character replaces a selection.
    if (p.text.size() - p.length >= p.maxLength)
        return;
    p.text.replace(p.start, p.length, ch);
    ++p.start;
    p.length = 0;
}

// The difference between the box and the pending text, applied as one edit.
void Control::applyPending(const PendingEdit& edit)
{
    const QString before = widgetText();
    if (before != edit.text) {
        const qsizetype shorter = std::min(before.size(), edit.text.size());
        qsizetype prefix = 0;
        while (prefix < shorter && before.at(prefix) == edit.text.at(prefix))
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix
               && before.at(before.size() - 1 - suffix) == edit.text.at(edit.text.size() - 1 - suffix))
            ++suffix;
        replaceInWidget(int(prefix), int(before.size() - prefix - suffix),
                        edit.text.mid(prefix, edit.text.size() - prefix - suffix));
    }
    selectInWidget(edit.start, edit.length);
}

void Control::setPendingText(const QString& text)
{
    pending_->text = text;
    // As a box set by code: the caret at the start, nothing selected.
    pending_->start = 0;
    pending_->length = 0;
}

void Control::selectPending(int start, int length)
{
    const int size = int(pending_->text.size());
    pending_->start = std::clamp(start, 0, size);
    pending_->length = std::clamp(length, 0, size - pending_->start);
}

bool Control::handleInputMethod(QInputMethodEvent* event)
{
    if (!KeyPress || !acceptsText())
        return false;
    // A filtered box shows no composition; what the input method commits is typed.
    event->accept();
    pasteAsTyped(event->commitString());
    return true;
}

void Control::handleFocusIn(QFocusEvent* event)
{
    // Coming back from a message box or another application is no focus change of the program.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (Form* f = form())
        f->controlFocused(this);
}

void Control::handleMouse(QMouseEvent* event, bool press)
{
    const QPoint pos = event->position().toPoint();
    const int button = mouseButton(event->button());
    const int shift = shiftState(event->modifiers());
    if (press) {
        if (widget()->isEnabled() && (widget()->focusPolicy() & Qt::ClickFocus))
            if (Form* f = form())
                f->controlFocused(this);
        raiseEvent(&Control::MouseDown, button, shift, pos.x(), pos.y());
    } else {
        raiseEvent(&Control::MouseUp, button, shift, pos.x(), pos.y());
        if (clicksOnRelease() && event->button() == Qt::LeftButton && widget()->rect().contains(pos))
            raiseEvent(&Control::Click);
    }
}

void Control::pasteSelection()
{
    if (acceptsText())
        pasteAsTyped(QApplication::clipboard()->text(QClipboard::Selection));
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : ControlWidget<QLineEdit>(parent, colors::White)
{
    setAcceptDrops(false);
    setDragEnabled(false);
    QObject::connect(this, &QLineEdit::textChanged, this, [this] { raiseEvent(&Control::Change); });
}

void TextBox::setText(const QString& text)
{
    if (pending_) {
        setPendingText(text);
        return;
    }
    QLineEdit::setText(text);
    events().rethrowPending();
}

int TextBox::widgetSelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int TextBox::widgetSelLength() const { return hasSelectedText() ? int(selectedText().size()) : 0; }

int TextBox::SelStart() const { return pending_ ? pending_->start : widgetSelStart(); }

int TextBox::SelLength() const { return pending_ ? pending_->length : widgetSelLength(); }

void TextBox::setSelStart(int start)
{
    if (pending_)
        return selectPending(start, 0);
    deselect();
    setCursorPosition(std::clamp(start, 0, int(text().size())));
}

void TextBox::setSelLength(int length) { select(SelStart(), length); }

void TextBox::select(int start, int length)
{
    if (pending_)
        return selectPending(start, length);
    selectInWidget(start, length);
}

void TextBox::selectInWidget(int start, int length)
{
    const int size = int(text().size());
    start = std::clamp(start, 0, size);
    deselect();
    setCursorPosition(start);
    if (length > 0)
        setSelection(start, std::min(length, size - start));
}

void TextBox::replaceInWidget(int from, int count, const QString& text)
{
    // insert() replaces the selection as one edit: one undo step, one textChanged.
    selectInWidget(from, count);
    insert(text);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    // QLineEdit would insert the selection past the KeyPress filter.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        handleMouse(event, false);
        pasteSelection();
        event->accept();
        return;
    }
    ControlWidget<QLineEdit>::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    reroutePaste(menu, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// ---------------------------------------------------------------- MemoBox

MemoBox::MemoBox(QWidget* parent) : ControlWidget<QPlainTextEdit>(parent, colors::White)
{
    setAcceptDrops(false);
    setTabChangesFocus(true);
    QObject::connect(this, &QPlainTextEdit::textChanged, this, [this] { raiseEvent(&Control::Change); });
}

void MemoBox::setText(const QString& text)
{
    if (pending_) {
        setPendingText(text);
        return;
    }
    if (text != toPlainText())
        setPlainText(text);
    events().rethrowPending();
}

int MemoBox::widgetSelStart() const { return textCursor().selectionStart(); }

int MemoBox::widgetSelLength() const { return textCursor().selectionEnd() - textCursor().selectionStart(); }

int MemoBox::SelStart() const { return pending_ ? pending_->start : widgetSelStart(); }

int MemoBox::SelLength() const { return pending_ ? pending_->length : widgetSelLength(); }

void MemoBox::select(int start, int length)
{
    if (pending_)
        return selectPending(start, length);
    selectInWidget(start, length);
}

void MemoBox::selectInWidget(int start, int length)
{
    const int size = int(toPlainText().size());
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(start, 0, size));
    c.setPosition(std::clamp(start + std::max(length, 0), 0, size), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void MemoBox::replaceInWidget(int from, int count, const QString& text)
{
    // One edit block: one undo step, one textChanged.
    QTextCursor c(document());
    c.setPosition(from);
    c.setPosition(from + count, QTextCursor::KeepAnchor);
    c.beginEditBlock();
    c.insertText(text);
    c.endEditBlock();
}

void MemoBox::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText())
        pasteAsTyped(source->text());
}

bool MemoBox::canInsertFromMimeData(const QMimeData* source) const { return source && source->hasText(); }

// ---------------------------------------------------------------- ComboBox

// Qt's own accessible combo box is what a screen reader gets: on Linux it is named by its
// current text (the edit text when the list can be typed into), and the label set as its buddy
// says what it is for. An accessible name set on a combo box would only stand in for an empty
// text, so the screens give their lists a buddy label instead.
ComboBox::ComboBox(QWidget* parent, bool editable) : ControlWidget<QComboBox>(parent, colors::White)
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    setAcceptDrops(false);
    if (QLineEdit* edit = lineEdit()) {
        edit->setAcceptDrops(false);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->installEventFilter(this);
        QObject::connect(edit, &QLineEdit::textEdited, this, [this] {
            if (!programmatic_)
                raiseEvent(&Control::Change);
        });
    }
    if (editable)
        setCompleter(nullptr);
    QObject::connect(this, &QComboBox::activated, this, [this] {
        if (programmatic_)
            return;
        selectChosen();
        raiseEvent(&Control::Click);
    });
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // Keys that reach the edit part directly go through the same pipeline as the box's own.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        handleKey(key, [this](QKeyEvent* e) { boxKeyPress(e); });
        return true;
    }
    if (watched == lineEdit() && event->type() == QEvent::InputMethod
        && handleInputMethod(static_cast<QInputMethodEvent*>(event)))
        return true;
    if (watched == lineEdit() && event->type() == QEvent::FocusIn)
        handleFocusIn(static_cast<QFocusEvent*>(event));
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress)
        handleMouse(static_cast<QMouseEvent*>(event), true);
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        handleMouse(mouse, false);
        // The edit part would insert the X11 selection past the KeyPress filter.
        if (mouse->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
            pasteSelection();
            return true;
        }
    }
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick)
        raiseEvent(&Control::DblClick);
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::setText(const QString& text)
{
    if (pending_) {
        setPendingText(text);
        return;
    }
    const QString before = currentText();
    programmatic_ = true;
    {
        QSignalBlocker block(this);
        const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        setCurrentIndex(index);
        if (isEditable())
            setEditText(text);
    }
    programmatic_ = false;
    if (currentText() != before)
        raiseEventFromCode(&Control::Change);
}

void ComboBox::AddItem(const QString& item)
{
    if (sorted_) {
        int at = 0;
        while (at < count() && QString::compare(itemText(at), item, Qt::CaseInsensitive) <= 0)
            ++at;
        if (at < count())
            return AddItem(item, at);
    }
    const QString before = currentText();
    QSignalBlocker block(this);
    addItem(item);
    // Adding to an empty list must not pick the entry as the box's text.
    if (isEditable() && currentText() != before) {
        setCurrentIndex(-1);
        setEditText(before);
    }
}

void ComboBox::AddItem(const QString& item, int index)
{
    const QString before = currentText();
    const int current = currentIndex();
    QSignalBlocker block(this);
    insertItem(index, item);
    if (isEditable()) {
        setCurrentIndex(current >= index && current >= 0 ? current + 1 : current);
        setEditText(before);
    }
}

void ComboBox::RemoveItem(int index)
{
    QSignalBlocker block(this);
    const QString before = currentText();
    removeItem(index);
    if (isEditable())
        setEditText(before);
}

void ComboBox::Clear()
{
    const QString before = currentText();
    {
        QSignalBlocker block(this);
        clear();
        if (isEditable())
            setEditText(QString());
    }
    if (!before.isEmpty())
        raiseEventFromCode(&Control::Change);
}

QStringList ComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void ComboBox::setListIndex(int index)
{
    programmatic_ = true;
    {
        QSignalBlocker block(this);
        setCurrentIndex(index);
        if (index < 0 && isEditable())
            setEditText(QString());
    }
    programmatic_ = false;
    raiseEventFromCode(&Control::Click);
}

void ComboBox::choose(int index)
{
    if (!isEnabled() || index < 0 || index >= count())
        return;
    if (Form* f = form())
        f->controlFocused(this);
    {
        QSignalBlocker block(this);
        setCurrentIndex(index);
    }
    selectChosen();
    raiseEventFromCode(&Control::Click);
}

void ComboBox::selectChosen()
{
    // The platform's combo box shows an entry chosen from its list wholly selected.
    if (QLineEdit* e = lineEdit())
        e->selectAll();
}

void ComboBox::choose(const QString& item)
{
    choose(findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

int ComboBox::widgetSelStart() const
{
    const QLineEdit* e = lineEdit();
    if (!e)
        return 0;
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

int ComboBox::widgetSelLength() const
{
    const QLineEdit* e = lineEdit();
    return e && e->hasSelectedText() ? int(e->selectedText().size()) : 0;
}

int ComboBox::widgetMaxLength() const { return lineEdit() ? lineEdit()->maxLength() : 0; }

int ComboBox::SelStart() const { return pending_ ? pending_->start : widgetSelStart(); }

int ComboBox::SelLength() const { return pending_ ? pending_->length : widgetSelLength(); }

void ComboBox::select(int start, int length)
{
    if (pending_)
        return selectPending(start, length);
    selectInWidget(start, length);
}

void ComboBox::selectInWidget(int start, int length)
{
    if (QLineEdit* e = lineEdit()) {
        e->deselect();
        e->setCursorPosition(start);
        if (length > 0)
            e->setSelection(start, length);
    }
}

void ComboBox::replaceInWidget(int from, int count, const QString& text)
{
    // As the user's own edit: one textEdited (one Change), one undo step.
    if (QLineEdit* e = lineEdit()) {
        selectInWidget(from, count);
        e->insert(text);
    }
}

void ComboBox::showPopup()
{
    // Opened, the list may be chosen from: the lock has done its work.
    setLocked(false);
    if (DropDown)
        events().runHandler(DropDown);
    QComboBox::showPopup();
}

void ComboBox::setLocked(bool locked)
{
    locked_ = locked;
    if (QLineEdit* e = lineEdit())
        e->setReadOnly(locked_ || chosenOnly_);
}

void ComboBox::setChosenOnly(bool chosenOnly)
{
    chosenOnly_ = chosenOnly;
    if (QLineEdit* e = lineEdit())
        e->setReadOnly(locked_ || chosenOnly_);
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    handleKey(event, [this](QKeyEvent* e) { boxKeyPress(e); });
}

namespace {

// What a closed QComboBox (Qt 6.4) does with a key, as far as a lock cares.
enum class ListKey { Opens, Steps, Other };

ListKey listKey(const QKeyEvent* event, bool editable)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((key == Qt::Key_F4 && modifiers == Qt::NoModifier) || (key == Qt::Key_Down && (modifiers & Qt::AltModifier))
        || (!editable && (key == Qt::Key_Space || key == Qt::Key_Select)))
        return ListKey::Opens;
    // Alt+Up steps to the entry above; Page Up/Down, and in a list that cannot be typed into
    // Home, End and a typed letter (a search for the entry), pick an entry too.
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)
        return ListKey::Steps;
    const QString text = event->text();
    if (!editable && (key == Qt::Key_Home || key == Qt::Key_End || (!text.isEmpty() && text.front().isPrint())))
        return ListKey::Steps;
    return ListKey::Other;
}

} // namespace

void ComboBox::boxKeyPress(QKeyEvent* event)
{
    // A locked list changes only through its opened list. Enter, Escape and the rest still
    // reach the list and, past it, the window.
    if (locked_ && listKey(event, isEditable()) == ListKey::Steps) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    if (locked_) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(QWidget* parent) : ControlWidget<QListWidget>(parent, colors::White)
{
    setAcceptDrops(false);
    QObject::connect(this, &QListWidget::currentRowChanged, this, [this] { raiseEvent(&Control::Click); });
}

void ListBox::AddItem(const QString& item) { addItem(item); }

QString ListBox::List(int index) const
{
    const QListWidgetItem* i = item(index);
    return i ? i->text() : QString();
}

void ListBox::setListIndex(int index)
{
    setCurrentRow(index);
    events().rethrowPending();
}

QString ListBox::Text() const { return List(currentRow()); }

// ---------------------------------------------------------------- Label

namespace {
// A label shows "&&" as "&" and uses a single "&" only to mark its access key.
QString labelText(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption.at(i);
    }
    return out;
}
} // namespace

Label::Label(QWidget* parent, const QString& caption) : ControlWidget<QLabel>(parent, colors::WindowBackground)
{
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    setText(labelText(caption));
    setAccessibleName(labelText(caption).trimmed());
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget* parent, const QString& caption)
    : ControlWidget<QPushButton>(parent, colors::ButtonFace)
{
    setText(caption);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    QObject::connect(this, &QPushButton::clicked, this, [this] {
        if (Form* f = form())
            f->controlFocused(this);
        raiseEvent(&Control::Click);
    });
}

void CommandButton::press()
{
    if (!isEnabled())
        return;
    click();
    events().rethrowPending();
}

void CommandButton::pressWithoutFocus()
{
    if (isEnabled())
        raiseEvent(&Control::Click);
}

bool CommandButton::Default() const
{
    const Form* f = form();
    return f && f->defaultButton() == this;
}

void CommandButton::setDefault(bool isDefault)
{
    if (Form* f = form()) {
        // One default button a screen, as on the original platform (Qt keeps this only in dialogs).
        if (isDefault && f->defaultButton() && f->defaultButton() != this)
            f->defaultButton()->QPushButton::setDefault(false);
        if (isDefault)
            f->setDefaultButton(this);
        else if (f->defaultButton() == this)
            f->setDefaultButton(nullptr);
    }
    QPushButton::setDefault(isDefault);
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(QWidget* parent, const QString& caption) : ControlWidget<QCheckBox>(parent, colors::WindowBackground)
{
    setText(caption);
    QObject::connect(this, &QCheckBox::clicked, this, [this] {
        if (Form* f = form())
            f->controlFocused(this);
        raiseEvent(&Control::Click);
    });
    // A change that comes without a click (an accessibility toggle) runs Click as well.
    QObject::connect(this, &QCheckBox::toggled, this, [this] {
        if (!clicking_)
            raiseEvent(&Control::Click);
    });
}

void CheckBox::nextCheckState()
{
    clicking_ = true;
    QCheckBox::nextCheckState();
    clicking_ = false;
}

void CheckBox::setValue(int value)
{
    if (Value() == (value ? 1 : 0))
        return;
    {
        QSignalBlocker block(this);
        setChecked(value != 0);
    }
    raiseEventFromCode(&Control::Click);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(QWidget* parent, const QString& caption)
    : ControlWidget<QRadioButton>(parent, colors::WindowBackground)
{
    setText(caption);
    // A click runs Click also on the option already selected.
    QObject::connect(this, &QRadioButton::clicked, this, [this] { raiseEvent(&Control::Click); });
    // Selected without a click (an accessibility toggle): Click as well.
    QObject::connect(this, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected && !clicking_)
            raiseEvent(&Control::Click);
    });
}

void OptionButton::nextCheckState()
{
    clicking_ = true;
    QRadioButton::nextCheckState();
    clicking_ = false;
}

void OptionButton::setValue(bool value)
{
    if (Value() == value)
        return;
    {
        QSignalBlocker block(this);
        setChecked(value);
    }
    if (value)
        raiseEventFromCode(&Control::Click);
}

void OptionArray::add(OptionButton* button)
{
    if (!group_)
        group_ = new QButtonGroup(button->parentWidget());
    button->Index = int(buttons_.size());
    group_->addButton(button, button->Index);
    buttons_.push_back(button);
}

void OptionArray::clearAll()
{
    if (!group_)
        return;
    group_->setExclusive(false);
    for (OptionButton* b : buttons_) {
        QSignalBlocker block(b);
        b->setChecked(false);
    }
    group_->setExclusive(true);
}

int OptionArray::selected() const
{
    for (OptionButton* b : buttons_)
        if (b->isChecked())
            return b->Index;
    return -1;
}

// ---------------------------------------------------------------- PictureBox, ProgressBar, Shape

PictureBox::PictureBox(QWidget* parent) : ControlWidget<QLabel>(parent, colors::WindowBackground)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::setPicture(const QPixmap& picture) { setPixmap(picture); }

ProgressBar::ProgressBar(QWidget* parent) : ControlWidget<QProgressBar>(parent, colors::WindowBackground)
{
    setTextVisible(false);
    apply();
}

void ProgressBar::setMin(int v)
{
    min_ = v;
    apply();
}

void ProgressBar::setMax(int v)
{
    max_ = v;
    apply();
}

void ProgressBar::setValue(int v)
{
    value_ = v;
    apply();
}

void ProgressBar::apply()
{
    // A maximum of 0 (an empty table) shows an empty bar rather than a busy indicator.
    const int max = std::max(max_, min_ + 1);
    QProgressBar::setRange(min_, max);
    QProgressBar::setValue(std::clamp(value_, min_, max));
}

Shape::Shape(QWidget* parent) : ControlWidget<QFrame>(parent, colors::WindowBackground)
{
    setFrameShape(QFrame::Box);
}

// ---------------------------------------------------------------- Timer

Timer::Timer(QObject* parent, int interval, bool enabled) : QObject(parent), interval_(interval)
{
    timer_.setInterval(interval);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        if (const std::function<void()> handler = onTimer)
            events().runHandler(handler);
    });
    if (enabled)
        timer_.start();
}

FormManager& Timer::events() const
{
    for (QObject* o = parent(); o; o = o->parent())
        if (auto* f = dynamic_cast<Form*>(o))
            return f->manager();
    return FormManager::detached();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    timer_.setInterval(ms);
}

} // namespace tlm
