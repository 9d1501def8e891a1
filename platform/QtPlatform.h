// SPDX-License-Identifier: GPL-3.0-or-later
// The platform over Qt: QMessageBox, QFileDialog, QSaveFile,
// QDesktopServices, QPrinter, QSettings, QDate, and a lock file with a Unix
// socket for the one running copy.
#pragma once

#include <QString>

#include "platform/Platform.h"
#include "platform/SingleInstance.h"

class QPrinter;

namespace orvanta {

class QtPlatform : public Platform {
public:
    // lockPath: the lock file that marks a running copy (its socket for
    // hand-overs lies beside it); empty for the user's private folder.
    explicit QtPlatform(QString lockPath = {});
    ~QtPlatform() override;

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
    void ShowModal(QDialog& dialog) override;

    // The settings file, and whether it may be read and written: absent, or
    // a regular file of a sane size. A pipe there would block the start for
    // good and a huge file would take seconds and gigabytes to parse.
    static QString SettingsFilePath();
    static bool SettingsFileUsable();

    // Prints a document on the given printer; the path PrintDocument takes
    // once it has the default printer. Exposed so it can print to a PDF file.
    static bool PrintDocumentOn(QPrinter& printer, const QTextDocument& document);

private:
    SingleInstance instance_;
};

}  // namespace orvanta
