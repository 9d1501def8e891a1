// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders the windows share: named menus and entries (a window's Help
// menu is the same everywhere but for what "About Software" does), and the
// windows' push buttons.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>

namespace orvanta {

// A menu of the bar, with its object name.
QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption);

// An entry, with its object name, that runs `slot` of `window`.
template <typename Window>
QAction* AddMenuEntry(QMenu& menu, const char* name, const QString& caption, Window* window, void (Window::*slot)())
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, window, slot);
    return action;
}

void AddMenuSeparator(QMenu& menu, const char* name);

// "&Help" with Online Help, Visit Us Online, Check for Software Update and
// About Software, separated as every window shows them.
template <typename Window>
QMenu* AddHelpMenu(QMenuBar& bar, Window* window, void (Window::*online)(), void (Window::*visit)(),
                   void (Window::*update)(), void (Window::*about)())
{
    QMenu* help = AddMenu(bar, "mnuHelp", QCoreApplication::translate("HelpMenu", "&Help"));
    AddMenuEntry(*help, "mnuOnline", QCoreApplication::translate("HelpMenu", "&Online Help"), window, online);
    AddMenuEntry(*help, "mnuVisit", QCoreApplication::translate("HelpMenu", "&Visit Us Online"), window, visit);
    AddMenuSeparator(*help, "mnuHelp1");
    AddMenuEntry(*help, "mnuUpdate", QCoreApplication::translate("HelpMenu", "Check for Software &Update"), window,
                 update);
    AddMenuSeparator(*help, "mnuHelp2");
    AddMenuEntry(*help, "mnuAbout", QCoreApplication::translate("HelpMenu", "&About Software"), window, about);
    return help;
}

// A push button of the windows' common width, with its object name.
QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent);

// A caption label, named when a name is given.
QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& name = {});

// A drop-down list that offers only its entries.
QComboBox* MakeList(const QString& name, const QString& accessibleName, QWidget* parent);

}  // namespace orvanta
