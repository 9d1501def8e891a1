// SPDX-License-Identifier: GPL-3.0-or-later
// Input reaching the boxes by every way a user has: typed, pasted from the
// keyboard or the context menu, dropped, composed by an input method.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "gui/widgets/EntryBoxes.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

void PasteByKeyboard(QLineEdit& box)
{
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
}

void PasteByContextMenu(QLineEdit& box)
{
    QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
}

void Drop(QLineEdit& box)
{
    QMimeData data;
    data.setText(QApplication::clipboard()->text());
    const QPoint at(box.width() - 2, 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&box, &drop);
}

void Compose(QLineEdit& box)
{
    QInputMethodEvent composed;
    composed.setCommitString(QApplication::clipboard()->text());
    QApplication::sendEvent(&box, &composed);
}

// Pasted or dropped, a text keeps only the digits a keystroke could type:
// "-5" pasted as people write UTC-5 is 5, and the longitude gives its side.
TEST(NumericBox, PastedAndDroppedTextKeepsOnlyItsDigits)
{
    const struct {
        const char* how;
        std::function<void(QLineEdit&)> put;
        bool typed;  // an input method types: its refusal is told like a keystroke's
    } ways[] = {
        {"Shift+Insert", PasteByKeyboard, false},
        {"context menu", PasteByContextMenu, false},
        {"drop", Drop, false},
        {"input method", Compose, true},
    };
    const struct {
        const char* text;
        const char* kept;
        bool digitsOnly;
    } texts[] = {{"-5", "5", false}, {"UTC\u22125:30", "530", false}, {"12345", "123", true}, {"abc", "", false},
                 {"7", "7", true}};
    for (const auto& way : ways) {
        for (const auto& text : texts) {
            NumericBox box(3);
            box.show();
            box.setFocus();
            QSignalSpy refused(&box, &NumericBox::KeyRefused);
            QApplication::clipboard()->setText(QString::fromUtf8(text.text));
            way.put(box);
            EXPECT_EQ(box.text(), QString::fromUtf8(text.kept)) << way.how << " " << text.text;
            EXPECT_EQ(refused.count(), way.typed && !text.digitsOnly ? 1 : 0) << way.how << " " << text.text;
        }
    }
}

// Ctrl+V stays a refused keystroke; the program's own signed texts stay whole.
TEST(NumericBox, RefusesCtrlVAndKeepsWhatTheProgramWrites)
{
    NumericBox box(2);
    box.show();
    QSignalSpy refused(&box, &NumericBox::KeyRefused);
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(refused.count(), 1);
    box.setText(QStringLiteral("-30"));
    EXPECT_EQ(box.text(), "-30");
}

// A character that would not fit whole is left out whole, never halved.
TEST(LimitToWholeCharacters, NeverCutsACharacterInTwo)
{
    QLineEdit box;
    LimitToWholeCharacters(box, 10);
    box.show();
    const struct {
        QString pasted;
        QString kept;
    } cases[] = {
        {QString(9, QLatin1Char('a')) + QStringLiteral("\U0001F319"), QString(9, QLatin1Char('a'))},
        {QString(8, QLatin1Char('a')) + QStringLiteral("\U0001F319b"), QString(8, QLatin1Char('a')) + QStringLiteral("\U0001F319")},
        {QStringLiteral("\u0930\u093E\u092E"), QStringLiteral("\u0930\u093E\u092E")},
    };
    for (const auto& c : cases) {
        box.clear();
        QApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), c.kept);
    }
    // Pasted into the middle, the cut falls inside the text.
    box.setText(QStringLiteral("abcdefgh"));
    box.setCursorPosition(4);
    QApplication::clipboard()->setText(QStringLiteral("x\U0001F319"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("abcdxefgh"));
}

}  // namespace
}  // namespace orvanta
