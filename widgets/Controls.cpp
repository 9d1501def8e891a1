// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Controls.h"

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

}  // namespace orvanta
