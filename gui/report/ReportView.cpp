// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report/ReportView.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

constexpr qreal kReportPointSize = 9.75;

QTextCharFormat FormatFor(ReportStyle style)
{
    QTextCharFormat format;
    switch (style) {
    case ReportStyle::Heading:
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(128, 0, 128));
        break;
    case ReportStyle::FieldLabel:
        format.setFontWeight(QFont::Normal);
        format.setForeground(QColor(0, 128, 128));
        break;
    case ReportStyle::FieldValue:
        format.setFontWeight(QFont::Normal);
        format.setForeground(QColor(0, 0, 0));
        break;
    }
    return format;
}

// Inserts a text at the caret; a CR LF in it starts a new paragraph.
void InsertLines(QTextCursor& caret, std::string_view text, const QTextCharFormat& format)
{
    for (;;) {
        const std::size_t lineBreak = text.find("\r\n");
        caret.insertText(ToQString(text.substr(0, lineBreak)), format);
        if (lineBreak == std::string_view::npos) {
            return;
        }
        caret.insertBlock(QTextBlockFormat(), format);
        text.remove_prefix(lineBreak + 2);
    }
}

}  // namespace

// Each run follows the last at the caret. A run with a translatable form
// shows it translated, then the line breaks its English ends with.
void RenderReportRuns(QTextDocument& document, const std::vector<ReportRun>& runs)
{
    document.clear();
    QTextCursor caret(&document);
    for (const ReportRun& run : runs) {
        const QTextCharFormat format = FormatFor(run.Style);
        if (run.Shown.IsPlain() && run.Shown.Plain.empty()) {
            InsertLines(caret, run.Text, format);
            continue;
        }
        const std::size_t english = std::min(run.Text.size(), English(run.Shown).size());
        InsertLines(caret, ToStdString(Translated(run.Shown)), format);
        InsertLines(caret, std::string_view(run.Text).substr(english), format);
    }
    UseDevanagariFont(document);
}

QTextBrowser* MakeReportBrowser(const QString& objectName, QWidget* parent)
{
    auto* browser = new QTextBrowser(parent);
    browser->setObjectName(objectName);
    //: What a screen reader calls the report of a reading or of a match.
    browser->setAccessibleName(QCoreApplication::translate("orvanta::frmSave", "Report"));
    browser->setReadOnly(true);
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    // Latin ligatures would reach the text of a PDF or a printout as single
    // characters ("ﬁ"), which a search for "fi" misses; scripts that need
    // shaping, Devanagari among them, are still shaped.
    QFont font = WindowFont(kReportPointSize);
    font.setStyleStrategy(QFont::PreferNoShaping);
    browser->setFont(font);
    browser->document()->setDefaultFont(font);
    browser->document()->setDocumentMargin(8);
    browser->setMinimumSize(560, 420);
    return browser;
}

void PrintReport(Platform& platform, QWidget* window, const QTextDocument& document, const QString& advice)
{
    switch (platform.PrintDocument(document)) {
    case PrintOutcome::Printed:
        break;
    case PrintOutcome::NoPrinter:
        platform.ShowMessage(window, QCoreApplication::translate("orvanta::frmSave", "No Printer Is Available."),
                             MessageIcon::Information, advice);
        break;
    case PrintOutcome::Failed:
        platform.ShowMessage(window, QCoreApplication::translate("orvanta::frmSave", "The Report Could Not Be Printed."),
                             MessageIcon::Error);
        break;
    }
}

}  // namespace orvanta
