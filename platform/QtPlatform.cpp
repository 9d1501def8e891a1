// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {

namespace {

const QString kTitle = QStringLiteral("Orvanta");

// The program writes one short value; anything far larger is not its file.
constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

// A lock older than this whose holder cannot be told (unreadable, empty, or
// written on another host) is taken over. A live holder keeps its lock
// however old it is: Qt holds an flock on it for the holder's lifetime. The
// few seconds cover a copy preempted between creating its lock and locking it.
constexpr int kStaleLockMilliseconds = 5000;

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

std::optional<QByteArray> QtPlatform::ReadFile(const QString& path, qint64 limit)
{
    // Opened without blocking and checked on the open descriptor, so a pipe
    // put in the file's place after a check can still not hold the program.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::optional<QByteArray> contents;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        QByteArray bytes;
        bytes.resize(static_cast<qsizetype>(std::max<qint64>(0, std::min<qint64>(limit, status.st_size))));
        qsizetype filled = 0;
        bool failed = false;
        while (filled < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            filled += n;
        }
        if (!failed) {
            bytes.truncate(filled);
            contents = bytes;
        }
    }
    ::close(fd);
    return contents;
}

bool QtPlatform::WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so a full disk fails the write itself: Qt 6.4's commit()
    // does not report a failed final flush and would put an empty file in
    // place of the old one. The fsync catches what the disk refuses later.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && ::fsync(file.handle()) == 0;
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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

QString QtPlatform::SettingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

bool QtPlatform::SettingsFileUsable()
{
    const QFileInfo info(SettingsFilePath());
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    return info.isFile() && info.size() <= kMaxSettingsFileBytes;
}

std::optional<QString> QtPlatform::ReadSetting(const QString& section, const QString& key)
{
    if (!SettingsFileUsable()) {
        return std::nullopt;
    }
    QSettings settings;
    settings.beginGroup(section);
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    return settings.value(key).toString();
}

bool QtPlatform::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    if (!SettingsFileUsable()) {
        return false;
    }
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

QString QtPlatform::DefaultLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        return QDir::tempPath() + QStringLiteral("/orvanta-") + QString::number(::getuid()) + QStringLiteral(".lock");
    }
    return folder + QStringLiteral("/orvanta.lock");
}

bool QtPlatform::ClaimSingleInstance()
{
    if (lock_ && lock_->isLocked()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(lockPath_.isEmpty() ? DefaultLockPath() : lockPath_);
    lock_->setStaleLockTime(kStaleLockMilliseconds);
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
