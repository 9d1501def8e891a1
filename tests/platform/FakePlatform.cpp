// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <QTextDocument>
#include <utility>

namespace orvanta {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T fallback)
{
    if (queue.empty()) {
        return fallback;
    }
    T value = queue.front();
    queue.pop_front();
    return value;
}

}  // namespace

void FakePlatform::ShowMessage(QWidget*, const QString& text, MessageIcon icon, const QString& detail)
{
    Messages.push_back({text, icon, detail});
}

bool FakePlatform::AskYesNo(QWidget*, const QString& text, MessageIcon icon)
{
    Questions.push_back({text, icon});
    return TakeFront(YesNoAnswers, false);
}

QString FakePlatform::AskSaveFileName(QWidget*, const FileDialogRequest& request)
{
    SaveRequests.push_back(request);
    return TakeFront(SaveFileAnswers, QString());
}

QString FakePlatform::AskOpenFileName(QWidget*, const FileDialogRequest& request)
{
    OpenRequests.push_back(request);
    return TakeFront(OpenFileAnswers, QString());
}

std::optional<QByteArray> FakePlatform::ReadFile(const QString& path, qint64 limit)
{
    ReadLimits.push_back(limit);
    const auto it = Files.find(path);
    if (it == Files.end() || FailingPaths.contains(path)) {
        return std::nullopt;
    }
    return it->second.left(static_cast<qsizetype>(limit));
}

ReadFailure FakePlatform::WhyUnreadable(const QString& path)
{
    if (const auto it = ReadFailures.find(path); it != ReadFailures.end()) {
        return it->second;
    }
    return Files.contains(path) ? ReadFailure::NotPermitted : ReadFailure::Missing;
}

bool FakePlatform::WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (FailingPaths.contains(path)) {
        return false;
    }
    Files[path] = bytes;
    return true;
}

void FakePlatform::OpenWebPage(const QString& address)
{
    OpenedPages.push_back(address);
}

PrintOutcome FakePlatform::PrintDocument(const QTextDocument& document)
{
    if (!PrinterAvailable) {
        return PrintOutcome::NoPrinter;
    }
    if (PrintFails) {
        return PrintOutcome::Failed;
    }
    PrintedDocuments.push_back(document.toPlainText());
    return PrintOutcome::Printed;
}

std::optional<QString> FakePlatform::ReadSetting(const QString& section, const QString& key)
{
    const auto it = Settings.find(section + QLatin1Char('/') + key);
    if (it == Settings.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool FakePlatform::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    if (!SettingsWritable) {
        return false;
    }
    Settings[section + QLatin1Char('/') + key] = value;
    return true;
}

QDate FakePlatform::Today()
{
    return TodayDate;
}

bool FakePlatform::ClaimSingleInstance()
{
    return !OtherCopyRunning;
}

bool FakePlatform::HandOverReading(const QString& path)
{
    HandedOver << path;
    if (OtherCopyEndsOnHandOver) {
        OtherCopyRunning = false;
    }
    return OtherCopyRunning && OtherCopyTakesReadings;
}

void FakePlatform::OnReadingHandedOver(std::function<void(const QString&)> open)
{
    openHandedOver_ = std::move(open);
    for (const QString& path : std::exchange(waitingHandOvers_, {})) {
        openHandedOver_(path);
    }
}

void FakePlatform::ReceiveHandOver(const QString& path)
{
    if (openHandedOver_) {
        openHandedOver_(path);
    } else {
        waitingHandOvers_ << path;
    }
}

void FakePlatform::ShowModal(QDialog& dialog)
{
    ModalWindows.push_back(dialog.objectName());
    LastModal = &dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
}

QString FakePlatform::LastMessage() const
{
    return Messages.empty() ? QString() : Messages.back().Text;
}

}  // namespace orvanta
