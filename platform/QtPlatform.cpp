#include "platform/QtPlatform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

namespace orvanta {

namespace {

const QString kTitle = QStringLiteral("Orvanta");

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
}

QString AskFileName(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.Title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.FilterName + QStringLiteral(" (") + request.FilterPattern + QStringLiteral(")"));
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

}  // namespace

QtPlatform::QtPlatform(QString lockPath) : lockPath_(std::move(lockPath)) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), kTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::AskSaveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return AskFileName(parent, request, QFileDialog::AcceptSave);
}

QString QtPlatform::AskOpenFileName(QWidget* parent, const FileDialogRequest& request)
{
    return AskFileName(parent, request, QFileDialog::AcceptOpen);
}

void QtPlatform::OpenWebPage(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

bool QtPlatform::PrintDocument(const QTextDocument& document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return false;
    }
    QPrinter printer(info);
    return PrintDocumentOn(printer, document);
}

bool QtPlatform::PrintDocumentOn(QPrinter& printer, const QTextDocument& document)
{
    if (!printer.isValid()) {
        return false;
    }
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

std::optional<QString> QtPlatform::ReadSetting(const QString& section, const QString& key)
{
    QSettings settings;
    settings.beginGroup(section);
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    return settings.value(key).toString();
}

bool QtPlatform::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings;
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QDate QtPlatform::Today()
{
    return QDate::currentDate();
}

bool QtPlatform::ClaimSingleInstance()
{
    if (lock_ && lock_->isLocked()) {
        return true;
    }
    QString path = lockPath_;
    if (path.isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (folder.isEmpty()) {
            folder = QDir::tempPath();
        }
        path = folder + QStringLiteral("/orvanta.lock");
    }
    lock_ = std::make_unique<QLockFile>(path);
    // A lock stays valid however long the program runs; one left by a copy
    // that died is recognised by its dead process and taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return true;
    }
    // Only another live copy refuses the claim; a lock that cannot be
    // written at all (a read-only folder) must not keep the program from starting.
    return lock_->error() != QLockFile::LockFailedError;
}

void QtPlatform::ShowModal(QDialog& dialog)
{
    dialog.exec();
}

}  // namespace orvanta
