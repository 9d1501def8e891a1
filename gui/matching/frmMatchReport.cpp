// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/matching/frmMatchReport.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include "gui/report/ReportView.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/WindowFont.h"
#include "platform/Platform.h"

namespace orvanta {

frmMatchReport::frmMatchReport(const std::vector<ReportRun>& runs, Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform)
{
    PrepareWindow(*this, QStringLiteral("frmMatchReport"));
    setWindowTitle(tr("Matching Report \u2014 %1").arg(windowTitle()));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);
    RTB = MakeReportBrowser(QStringLiteral("RTB"), this);
    column->addWidget(RTB, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QPushButton* cmdPrint = MakeButton(QStringLiteral("cmdPrint"), tr("&Print"), this);
    QPushButton* cmdClose = MakeButton(QStringLiteral("cmdClose"), tr("&Close"), this);
    cmdPrint->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMatchReport::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    row->addWidget(cmdPrint);
    row->addWidget(cmdClose);
    column->addLayout(row);
    resize(660, 640);

    RenderReportRuns(*RTB->document(), runs);
    RTB->moveCursor(QTextCursor::Start);
    setTabOrder(RTB, cmdPrint);
    setTabOrder(cmdPrint, cmdClose);
    RTB->setFocus();
}

const QTextDocument& frmMatchReport::ReportDocument() const
{
    return *RTB->document();
}

// The whole report on the default printer as one job; with no printer, or
// when the job fails, the user is told, as with the reading's report.
void frmMatchReport::cmdPrint_Click()
{
    PrintReport(platform_, this, ReportDocument());
}

}  // namespace orvanta
