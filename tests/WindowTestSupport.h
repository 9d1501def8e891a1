// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the window tests.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QListWidget>
#include <QTest>
#include <QWidget>
#include <ostream>

// Lets test failures print Qt texts readably.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace orvanta::testing {

// The visible top-level window with this object name, or null.
inline QWidget* VisibleWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

// Closes every window and lets the ones that delete themselves on close go.
inline void CloseAllWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            w->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Double-clicks the line with this text as a user would: the first click's
// press and release, then the double-click. False when no such line exists.
inline bool DoubleClickLine(QListWidget& list, const QString& text)
{
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    if (found.size() != 1) {
        return false;
    }
    list.scrollToItem(found.front());
    const QPoint at = list.visualItemRect(found.front()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    return true;
}

}  // namespace orvanta::testing
