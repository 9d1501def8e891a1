// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A window with a box and, after it, a link: Tab from the box reaches the link.
class LinkLabelTest : public ::testing::Test {
protected:
    LinkLabelTest()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(link);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus();
    }

    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    ClickableLabel* link = new ClickableLabel(QStringLiteral("Visit us"), &window);
    QSignalSpy clicks{link, &ClickableLabel::clicked};
};

TEST_F(LinkLabelTest, OpensOnEnterAndSpaceOnceReachedWithTab)
{
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), link);
    const struct {
        Qt::Key key;
        bool autoRepeat;
        int opens;
    } presses[] = {
        {Qt::Key_Return, false, 1}, {Qt::Key_Enter, false, 1}, {Qt::Key_Space, false, 1},
        {Qt::Key_Space, true, 0},  // a held key opens it once, on its first press
        {Qt::Key_A, false, 0},     {Qt::Key_Escape, false, 0},
    };
    for (const auto& p : presses) {
        clicks.clear();
        QKeyEvent press(QEvent::KeyPress, p.key, Qt::NoModifier, QString(), p.autoRepeat);
        QApplication::sendEvent(link, &press);
        EXPECT_EQ(clicks.size(), p.opens) << p.key << " repeat " << p.autoRepeat;
    }
}

TEST_F(LinkLabelTest, ShowsAFocusFrameOnlyWhileFocused)
{
    const QImage plain = link->grab().toImage();
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    EXPECT_NE(link->grab().toImage(), plain);
    QTest::keyClick(link, Qt::Key_Tab);
    ASSERT_FALSE(link->hasFocus());
    EXPECT_EQ(link->grab().toImage(), plain);
}

TEST_F(LinkLabelTest, ScreenReadersSeeALinkToPress)
{
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::Link);
    EXPECT_EQ(spoken->text(QAccessible::Name), "Visit us");
    EXPECT_TRUE(spoken->state().linked);
    EXPECT_TRUE(spoken->state().focusable);
    QAccessibleActionInterface* actions = spoken->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.size(), 1);
}

}  // namespace
}  // namespace orvanta
