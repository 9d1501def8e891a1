// Small helpers shared by the window tests.
#pragma once

#include <QApplication>
#include <QCoreApplication>
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

}  // namespace orvanta::testing
