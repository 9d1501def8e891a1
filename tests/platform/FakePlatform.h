// SPDX-License-Identifier: GPL-3.0-or-later
// A platform for window tests: records every message, question, file dialog,
// web page, printed document and modal window, answers from a script, and
// keeps files in memory so that any file failure can be scripted.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <deque>
#include <map>
#include <set>
#include <vector>

#include "platform/Platform.h"

namespace orvanta {

class FakePlatform : public Platform {
public:
    struct Message {
        QString Text;
        MessageIcon Icon;
        QString Detail = {};
        bool operator==(const Message&) const = default;
    };

    // Recorded.
    std::vector<Message> Messages;
    std::vector<Message> Questions;
    std::vector<FileDialogRequest> SaveRequests;
    std::vector<FileDialogRequest> OpenRequests;
    QStringList OpenedPages;
    QStringList PrintedDocuments;  // plain text of each printed document
    QStringList ModalWindows;      // object names, in the order shown
    QPointer<QDialog> LastModal;

    // An in-memory file system: path -> contents. A path listed as failing
    // refuses reads and writes the way a full disk, a missing permission or
    // a vanished folder would: nothing is read and nothing changes.
    std::map<QString, QByteArray> Files;
    std::set<QString> FailingPaths;
    std::vector<qint64> ReadLimits;  // the limit of every read, in order
    // Why a failing path fails (by default, no permission); an absent one is missing.
    std::map<QString, ReadFailure> ReadFailures;

    // Scripted answers; an empty queue answers No or cancels.
    std::deque<bool> YesNoAnswers;
    std::deque<QString> SaveFileAnswers;
    std::deque<QString> OpenFileAnswers;
    bool PrinterAvailable = true;
    bool PrintFails = false;  // with a printer there, the job fails
    bool OtherCopyRunning = false;
    bool OtherCopyTakesReadings = true;    // answers a hand-over
    bool OtherCopyEndsOnHandOver = false;  // and is gone when this start tries
    QStringList HandedOver;              // files this start handed to the other copy
    bool SettingsWritable = true;
    QDate TodayDate{2026, 12, 7};
    std::map<QString, QString> Settings;  // "section/key" -> value

    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, const QString& detail = {}) override;
    bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) override;
    QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QByteArray> ReadFile(const QString& path, qint64 limit) override;
    ReadFailure WhyUnreadable(const QString& path) override;
    bool WriteFileAtomically(const QString& path, const QByteArray& bytes) override;
    void OpenWebPage(const QString& address) override;
    PrintOutcome PrintDocument(const QTextDocument& document) override;
    std::optional<QString> ReadSetting(const QString& section, const QString& key) override;
    bool WriteSetting(const QString& section, const QString& key, const QString& value) override;
    QDate Today() override;
    bool ClaimSingleInstance() override;
    bool HandOverReading(const QString& path) override;
    void OnReadingHandedOver(std::function<void(const QString&)> open) override;
    // A later start hands this copy a file: opened at once, or kept until
    // OnReadingHandedOver is called.
    void ReceiveHandOver(const QString& path);
    // Shows the window modally without blocking, so the test can drive it.
    void ShowModal(QDialog& dialog) override;

    // The last message's text, or an empty text when none was shown.
    QString LastMessage() const;

private:
    std::function<void(const QString&)> openHandedOver_;
    QStringList waitingHandOvers_;
};

}  // namespace orvanta
