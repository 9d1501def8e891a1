// SPDX-License-Identifier: GPL-3.0-or-later
// The report as a PDF file's bytes: the same document as on screen and on
// paper, paged on A4 (US Letter where the locale measures in inches), its
// text selectable and searchable.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace orvanta {

QByteArray ReportPdf(const QTextDocument& document, const QString& title);

}  // namespace orvanta
