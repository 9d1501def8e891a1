// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/EntryBoxes.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>
#include <algorithm>
#include <optional>

#include "core/entry/InputRules.h"

namespace orvanta {

namespace {

// Limits what the user types or pastes into a box, but not what the program
// writes into it (setText does not consult a validator's verdict): the
// time-zone picker writes "-30" into a two-digit box.
class TypingLimit : public QValidator {
public:
    TypingLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override { return input.size() <= limit_ ? Acceptable : Invalid; }

private:
    int limit_;
};

// Removes the halves of characters that a length limit cut off.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            const QChar c = input.at(i);
            const bool paired = c.isHighSurrogate() ? i + 1 < input.size() && input.at(i + 1).isLowSurrogate()
                                : c.isLowSurrogate() ? i > 0 && input.at(i - 1).isHighSurrogate()
                                                     : true;
            if (!paired) {
                input.remove(i, 1);
                pos = std::min<int>(pos, static_cast<int>(input.size()));
            } else if (c.isLowSurrogate()) {
                --i;  // its high half is paired too
            }
        }
        return Acceptable;
    }
};

// Alt with a key that no menu or button took: it types nothing in a box.
bool IsUnusedAccessKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers m = key.modifiers();
    return m.testFlag(Qt::AltModifier) && !m.testFlag(Qt::ControlModifier) && !key.text().isEmpty();
}

// The character code a key press would insert, or nothing for keys that
// insert no character (arrows, Tab, Delete and the like).
std::optional<int> CharacterCode(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const bool control = key.modifiers().testFlag(Qt::ControlModifier) && !key.modifiers().testFlag(Qt::AltModifier);
    if (control) {
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
            return key.key() - Qt::Key_A + 1;  // Ctrl+V is 22, as a terminal would send it
        }
        return std::nullopt;
    }
    if (key.text().isEmpty()) {
        return std::nullopt;
    }
    return std::min<int>(key.text().at(0).unicode(), 32767);
}

bool Refused(int code)
{
    return NumericKeyFilter(static_cast<std::int16_t>(std::min(code, 32767))) == 0;
}

// The characters of a text that a keystroke may put into the box.
QString Typeable(const QString& text)
{
    QString kept;
    for (const QChar c : text) {
        if (c.unicode() != 8 && !Refused(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

}  // namespace

NumericBox::NumericBox(int typingLimit, QWidget* parent) : QLineEdit(parent), typingLimit_(typingLimit)
{
    if (typingLimit > 0) {
        setValidator(new TypingLimit(typingLimit, this));
    }
}

void NumericBox::keyPressEvent(QKeyEvent* event)
{
    if (IsUnusedAccessKey(*event)) {
        event->accept();
        return;
    }
    const auto code = CharacterCode(*event);
    if (code && Refused(*code)) {
        event->accept();
        emit KeyRefused();
        return;
    }
    // Keys that paste without typing a character, such as Shift+Insert.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        PasteDigits(QGuiApplication::clipboard()->text());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Text composed by an input method is typed too, and meets the same rule.
void NumericBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString typeable = Typeable(event->commitString());
    const QString kept = Fitting(typeable);
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (typeable != event->commitString()) {
        emit KeyRefused();
    }
    QInputMethodEvent typed(event->preeditString(), event->attributes());
    typed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&typed);
}

void NumericBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The standard menu's Paste is known by its caption, translated as Qt
    // translates it; it pastes the digits alone.
    static const char* const qtsOwnPaste = "&Paste";  // Qt's text, in Qt's translation
    const QString pasteCaption = QLineEdit::tr(qtsOwnPaste);
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == pasteCaption) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { PasteDigits(QGuiApplication::clipboard()->text()); });
            action->setObjectName(QStringLiteral("edit-paste"));
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Where the desktop pastes its selection with the middle button.
void NumericBox::mouseReleaseEvent(QMouseEvent* event)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        PasteDigits(clipboard->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumericBox::dropEvent(QDropEvent* event)
{
    deselect();  // a drop inserts where it lands, replacing nothing
    const QString kept = Fitting(Typeable(event->mimeData()->text()));
    if (kept.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData digits;
    digits.setText(kept);
    QDropEvent typed(event->position(), event->possibleActions(), &digits, event->buttons(), event->modifiers(),
                     event->type());
    QLineEdit::dropEvent(&typed);
    event->setDropAction(typed.dropAction());
    event->setAccepted(typed.isAccepted());
}

void NumericBox::PasteDigits(const QString& text)
{
    const QString kept = Fitting(Typeable(text));
    if (!kept.isEmpty()) {
        insert(kept);
    }
}

// As much of the start of a text as the typing limit leaves room for, in
// place of the selection.
QString NumericBox::Fitting(QString text) const
{
    if (typingLimit_ > 0) {
        const qsizetype room = typingLimit_ - (this->text().size() - selectedText().size());
        text.truncate(std::max<qsizetype>(0, room));
    }
    return text;
}

NumericBox* MakeNumericBox(const QString& name, const QString& accessibleName, int typingLimit, int width,
                           QWidget* parent)
{
    auto* box = new NumericBox(typingLimit, parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(width);
    return box;
}

void LimitToWholeCharacters(QLineEdit& box, int limit)
{
    box.setMaxLength(limit);
    box.setValidator(new WholeCharacters(&box));
}

}  // namespace orvanta
