#include "timezone/frmTimeZone.h"

#include <QLineEdit>

namespace orvanta {

// Placeholder until the picker is built.
frmTimeZone::frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent)
    : QDialog(parent), zoneHour_(zoneHour), zoneMinute_(zoneMinute)
{
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(QStringLiteral("Orvanta v2.0"));
    setAttribute(Qt::WA_DeleteOnClose);
}

}  // namespace orvanta
