// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report/ReportPdf.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace orvanta {

QByteArray ReportPdf(const QTextDocument& document, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the file when it goes out of scope.
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Orvanta"));
        const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        // The document keeps 2 cm to every edge of the page itself.
        pdf.setPageLayout(QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(), QPageLayout::Millimeter));
        document.print(&pdf);
    }
    return bytes;
}

}  // namespace orvanta
