// SPDX-License-Identifier: GPL-3.0-or-later
// The match report's window: the report laid out as the reading's report
// is, with Print (through the platform) and Close.
#pragma once

#include <QDialog>
#include <vector>

#include "core/report/ReportDocument.h"

class QTextBrowser;
class QTextDocument;

namespace orvanta {

class Platform;

class frmMatchReport : public QDialog {
    Q_OBJECT
public:
    frmMatchReport(const std::vector<ReportRun>& runs, Platform& platform, QWidget* parent = nullptr);

    // The rendered report, as shown and as printed.
    const QTextDocument& ReportDocument() const;

private slots:
    void cmdPrint_Click();

private:
    Platform& platform_;
    QTextBrowser* RTB = nullptr;
};

}  // namespace orvanta
