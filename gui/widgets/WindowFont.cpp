// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WindowFont.h"

#include <QApplication>
#include <QWidget>

#include "core/common/Version.h"
#include "gui/widgets/Pictures.h"
#include "gui/widgets/QtText.h"
#include "platform/ModalLoops.h"

namespace orvanta {

QFont WindowFont(qreal pointSize, bool bold)
{
    // Qt falls back along the list itself, without listing every installed
    // font first, which would cost a noticeable part of the start-up.
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void ApplyWindowFont()
{
    QApplication::setFont(WindowFont(9));
}

void PrepareWindow(QWidget& window, const QString& objectName)
{
    window.setObjectName(objectName);
    window.setWindowTitle(ToQString(ProgramCaption));
    window.setWindowIcon(ProgramIcon());
    window.setFont(WindowFont(9));
    DeleteOnCloseOutsideModalLoops(window);
}

}  // namespace orvanta
