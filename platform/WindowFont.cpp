#include "platform/WindowFont.h"

#include <QApplication>
#include <QFontDatabase>

namespace orvanta {

QString WindowFontFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

QFont WindowFont(qreal pointSize, bool bold)
{
    QFont font(WindowFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void ApplyWindowFont()
{
    QApplication::setFont(WindowFont(9));
}

}  // namespace orvanta
