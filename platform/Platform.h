// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the desktop provides to the windows: message boxes, file
// dialogs, file reads and writes, web pages, printing, settings, today's
// date, the single-instance claim and modal windows. Windows reach the desktop only through this, so a
// recording fake can stand in for it in tests.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QTextDocument;
class QWidget;

namespace orvanta {

enum class MessageIcon { Information, Error };

// Why a file could not be read.
enum class ReadFailure { Missing, NotAFile, NotPermitted, Failed };

// What came of a print job.
enum class PrintOutcome { Printed, NoPrinter, Failed };

// What a file dialog shows: its title, one filter (a name and a pattern such
// as "*.ras"), and the extension added to a name typed without one.
struct FileDialogRequest {
    QString Title;
    QString FilterName;
    QString FilterPattern;
    QString DefaultSuffix;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A message box with one OK button and the program's title as caption;
    // the detail, if any, stands under the text. Boxes and dialogs show only
    // over a visible window (or none), and end when their window closes.
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, const QString& detail = {}) = 0;
    // A question with Yes and No buttons; true when the answer is Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) = 0;

    // The chosen file name, or an empty text when the user cancels. The save
    // dialog asks before replacing an existing file.
    virtual QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    // The first `limit` bytes of a regular file, or nothing when the path is
    // no regular file (a pipe or a device could block or never end) or
    // cannot be read.
    virtual std::optional<QByteArray> ReadFile(const QString& path, qint64 limit) = 0;
    // Why ReadFile gave nothing for the path, asked afterwards for the user's
    // message (the file may have changed meanwhile).
    virtual ReadFailure WhyUnreadable(const QString& path) = 0;
    // Replaces the file with the bytes as a whole, or leaves it exactly as it
    // was and returns false (a full disk, no permission, a vanished folder).
    virtual bool WriteFileAtomically(const QString& path, const QByteArray& bytes) = 0;

    // Opens an address in the default browser and returns at once.
    virtual void OpenWebPage(const QString& address) = 0;

    // Prints the whole document on the default printer as one job, without a
    // dialog; says whether there was a printer to print on, and whether the
    // job went through.
    virtual PrintOutcome PrintDocument(const QTextDocument& document) = 0;

    // The per-user settings store.
    virtual std::optional<QString> ReadSetting(const QString& section, const QString& key) = 0;
    virtual bool WriteSetting(const QString& section, const QString& key, const QString& value) = 0;

    virtual QDate Today() = 0;

    // True when no other copy of the program is running; the claim lasts as
    // long as this platform object, and this copy takes hand-overs.
    virtual bool ClaimSingleInstance() = 0;
    // For a start that found another copy running: gives it the reading file
    // and returns true once it has taken it. False when that copy does not
    // answer, or has ended meanwhile (then a new claim succeeds).
    virtual bool HandOverReading(const QString& path) = 0;
    // What opens a file a later start handed over. Called from the event
    // loop, never while a box or modal window is open; files that came
    // before it was set wait for it.
    virtual void OnReadingHandedOver(std::function<void(const QString&)> open) = 0;

    // Shows a window modally over its parent and returns when it is closed.
    // The window should delete itself on close; the caller must not use it
    // after this returns.
    virtual void ShowModal(QDialog& dialog) = 0;
};

}  // namespace orvanta
