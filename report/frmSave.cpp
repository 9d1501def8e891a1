#include "report/frmSave.h"

#include "app/BirthRecord.h"
#include "platform/Platform.h"

namespace orvanta {

// Placeholder until the report window is built.
frmSave::frmSave(BirthRecord& record, Platform& platform, QWidget* parent)
    : QDialog(parent), record_(record), platform_(platform)
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QStringLiteral("Orvanta v2.0"));
    setAttribute(Qt::WA_DeleteOnClose);
}

}  // namespace orvanta
