#include "reading/frmResult.h"

#include "app/BirthRecord.h"
#include "app/WindowFlow.h"
#include "platform/Platform.h"

namespace orvanta {

// Placeholder until the result window is built: shows the rashi name only.
frmResult::frmResult(BirthRecord& record, Platform& platform, QWidget* parent)
    : QMainWindow(parent), record_(record), platform_(platform)
{
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QStringLiteral("Orvanta v2.0"));
    setAttribute(Qt::WA_DeleteOnClose);
}

QWidget* ShowResultWindow(BirthRecord& record, Platform& platform)
{
    auto* window = new frmResult(record, platform);
    window->show();
    return window;
}

}  // namespace orvanta
