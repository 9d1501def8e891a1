// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Controls.h"

namespace orvanta {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption)
{
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void AddMenuSeparator(QMenu& menu, const char* name)
{
    menu.addSeparator()->setObjectName(QLatin1String(name));
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumWidth(88);
    return button;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& name)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) {
        label->setObjectName(name);
    }
    return label;
}

QComboBox* MakeList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    list->setMaxVisibleItems(16);
    return list;
}

}  // namespace orvanta
