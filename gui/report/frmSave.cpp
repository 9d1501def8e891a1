// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report/frmSave.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "core/common/BirthRecord.h"
#include "core/report/ReadingFile.h"
#include "core/report/ReportDocument.h"
#include "gui/report/ReportPdf.h"
#include "gui/report/ReportView.h"
#include "gui/support/WebPages.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

// Only web addresses may reach the browser: a link of any other kind could
// make the desktop run or open something local.
bool IsWebAddress(const QUrl& link)
{
    const QString scheme = link.scheme().toLower();
    return link.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !link.host().isEmpty();
}

// Turns every http or https address in the document into a link to itself,
// leaving sentence punctuation after an address outside the link.
void MarkWebAddresses(QTextDocument& document, const QColor& linkColour)
{
    static const QRegularExpression address(QStringLiteral("\\bhttps?://[^\\s<>\"]+"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QString trailing = QStringLiteral(".,;:!?)'");
    QTextCursor found = document.find(address);
    while (!found.isNull()) {
        int end = found.selectionEnd();
        const int start = found.selectionStart();
        while (end > start && trailing.contains(document.characterAt(end - 1))) {
            --end;
        }
        found.setPosition(start);
        found.setPosition(end, QTextCursor::KeepAnchor);
        QTextCharFormat link;
        link.setAnchor(true);
        link.setAnchorHref(found.selectedText());
        link.setFontUnderline(true);
        link.setForeground(linkColour);
        found.mergeCharFormat(link);
        found = document.find(address, found);
    }
}


}  // namespace

frmSave::frmSave(const Reading& reading, BirthRecord& record, Platform& platform, QWidget* parent)
    : QDialog(parent), reading_(reading), record_(record), platform_(platform)
{
    PrepareWindow(*this, QStringLiteral("frmSave"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);

    auto* Label14 = new ClickableLabel(
        tr("Talk about your rashi with other readers on the Orvanta discussion board."), this);
    Label14->setObjectName(QStringLiteral("Label14"));
    connect(Label14, &ClickableLabel::clicked, this, &frmSave::Label14_Click);
    column->addWidget(Label14);

    RTB = MakeReportBrowser(QStringLiteral("RTB"), this);
    column->addWidget(RTB, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* Label3 = new ClickableLabel(tr("Visit the Orvanta web site now"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    connect(Label3, &ClickableLabel::clicked, this, &frmSave::Label3_Click);
    QPushButton* cmdSave = MakeButton(QStringLiteral("cmdSave"), tr("&Save"), this);
    // For users with no printer, and for mailing a reading.
    QPushButton* cmdSavePdf = MakeButton(QStringLiteral("cmdSavePdf"), tr("Save as P&DF\u2026"), this);
    QPushButton* cmdPrint = MakeButton(QStringLiteral("cmdPrint"), tr("&Print"), this);
    for (QPushButton* button : {cmdSave, cmdSavePdf, cmdPrint}) {
        button->setAutoDefault(false);
    }
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmSave::cmdSavePdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    row->addWidget(Label3);
    row->addStretch(1);
    row->addWidget(cmdSave);
    row->addWidget(cmdSavePdf);
    row->addWidget(cmdPrint);
    column->addLayout(row);
    resize(660, 600);

    SetKeyboardOrder({Label3, cmdSave, cmdSavePdf, cmdPrint, Label14});
    Form_Load();
}

// The report first, then the given controls in order (the bottom row from
// left to right, then the link above the report); the report holds the
// focus when the window opens.
void frmSave::SetKeyboardOrder(std::initializer_list<QWidget*> after)
{
    QWidget* previous = RTB;
    for (QWidget* next : after) {
        setTabOrder(previous, next);
        previous = next;
    }
    RTB->setFocus();
}

const QTextDocument& frmSave::ReportDocument() const
{
    return *RTB->document();
}

void frmSave::Form_Load()
{
    RenderReportRuns(*RTB->document(), BuildReportDocument(reading_));
    EnableReportLinks();
    RTB->moveCursor(QTextCursor::Start);
}

void frmSave::EnableReportLinks()
{
    MarkWebAddresses(*RTB->document(), RTB->palette().color(QPalette::Link));
    connect(RTB, &QTextBrowser::anchorClicked, this, &frmSave::ReportLinkHandler, Qt::UniqueConnection);
}

// The browser emits this for a left click on a link (or Enter on a link
// chosen with the keyboard); it never follows links itself.
void frmSave::ReportLinkHandler(const QUrl& link)
{
    if (IsWebAddress(link)) {
        platform_.OpenWebPage(link.toString());
    }
}

// Saves the reading's inputs (not the report) to a reading file. The file is
// written to a temporary file and put in place only when complete, so a
// failure leaves an existing reading untouched, and the user is told.
void frmSave::cmdSave_Click()
{
    const QString path = platform_.AskSaveFileName(
        //: The save dialog's title, and the name of its one kind of file (a reading, *.ras).
        this, {tr("Save Your Rashi Details"), tr("Rich Text Format"), QStringLiteral("*.ras"), QStringLiteral("ras")});
    if (path.isEmpty()) {
        return;
    }
    if (!platform_.WriteFileAtomically(path, QByteArray::fromStdString(EncodeReadingFile(record_)))) {
        platform_.ShowMessage(this, tr("The Reading Could Not Be Saved."), MessageIcon::Error);
    }
}

// The same report as a PDF file, put in place whole or not at all, as a
// reading file is.
void frmSave::cmdSavePdf_Click()
{
    const QString path = platform_.AskSaveFileName(
        this, {tr("Save the Report as PDF"), tr("PDF Documents"), QStringLiteral("*.pdf"), QStringLiteral("pdf")});
    if (path.isEmpty()) {
        return;
    }
    const QString name = ToQString(record_.PersonName).trimmed();
    const QString title = name.isEmpty() ? tr("Rashi Reading") : tr("Rashi Reading of %1").arg(name);
    if (!platform_.WriteFileAtomically(path, ReportPdf(ReportDocument(), title))) {
        platform_.ShowMessage(this, tr("The PDF Could Not Be Saved."), MessageIcon::Error);
    }
}

// Prints the whole report, whatever is selected in it.
void frmSave::cmdPrint_Click()
{
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    PrintReport(platform_, this, ReportDocument(),
                tr("Save as PDF keeps the report as a file to print elsewhere or to mail."));
}

void frmSave::Label3_Click() { OpenHomePage(platform_); }
void frmSave::Label14_Click() { OpenHomePage(platform_); }

}  // namespace orvanta
