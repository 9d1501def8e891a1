// SPDX-License-Identifier: GPL-3.0-or-later
// How a report of styled runs looks: the reading report's colours and weights
// and its font, one paragraph a line, in a read-only browser that follows no
// link itself. The reading's report window and the match report share it.
#pragma once

#include <QString>
#include <vector>

#include "core/report/ReportDocument.h"

class QTextBrowser;
class QTextDocument;
class QWidget;

namespace orvanta {

class Platform;

// Replaces the document's text with the runs, each shown translated where it
// has a translatable form.
void RenderReportRuns(QTextDocument& document, const std::vector<ReportRun>& runs);

// The browser a report is shown in, named and spoken of as "Report".
QTextBrowser* MakeReportBrowser(const QString& objectName, QWidget* parent);

// Prints the whole report on the default printer as one job. A user whose
// click printed nothing is told why: no printer (with `advice` under it, if
// any) or a failed job.
void PrintReport(Platform& platform, QWidget* window, const QTextDocument& document, const QString& advice = {});

}  // namespace orvanta
