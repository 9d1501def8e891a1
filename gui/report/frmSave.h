// SPDX-License-Identifier: GPL-3.0-or-later
// The report window: the reading laid out as one rich-text document, with
// Save, Save as PDF and Print. Web addresses in the document open in the
// browser.
#pragma once

#include <QDialog>
#include <initializer_list>

#include "core/reading/Reading.h"

class QTextBrowser;
class QTextDocument;
class QUrl;

namespace orvanta {

struct BirthRecord;
class Platform;

class frmSave : public QDialog {
    Q_OBJECT
public:
    // Lays out the reading; Save writes the record's inputs.
    frmSave(const Reading& reading, BirthRecord& record, Platform& platform, QWidget* parent = nullptr);

    // The rendered report, as shown and as printed.
    const QTextDocument& ReportDocument() const;

private slots:
    void cmdSave_Click();
    void cmdSavePdf_Click();
    void cmdPrint_Click();
    void Label3_Click();
    void Label14_Click();
    void ReportLinkHandler(const QUrl& link);

private:
    void SetKeyboardOrder(std::initializer_list<QWidget*> after);
    void Form_Load();
    void EnableReportLinks();

    const Reading reading_;
    BirthRecord& record_;
    Platform& platform_;
    QTextBrowser* RTB = nullptr;
};

}  // namespace orvanta
