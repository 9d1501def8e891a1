// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include "platform/FileNames.h"
#include "platform/ModalLoops.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta {

namespace {

// Diagnostics, silent unless QT_LOGGING_RULES turns them on; tests that
// start the program itself follow its windows and messages through them.
Q_LOGGING_CATEGORY(lcMessages, "orvanta.messages", QtInfoMsg)

const QString kTitle = QStringLiteral("Orvanta");

// The program writes one short value; anything far larger is not its file.
constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
}

// A box speaks for its window: a closing or hidden window shows none.
bool CanShowOver(const QWidget* parent)
{
    return parent == nullptr || parent->window()->isVisible();
}

// Ends a box or dialog when its window is closed or hidden under it (but not
// when it is only minimised): it would speak for a window that is gone.
class EndWithWindow : public QObject {
public:
    EndWithWindow(QDialog& dialog, QWidget& window) : QObject(&dialog), dialog_(&dialog), window_(&window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            QTimer::singleShot(0, dialog_, [dialog = dialog_, window = window_] {
                if (dialog && (!window || !window->isVisible())) {
                    dialog->reject();
                }
            });
        }
        return false;
    }

private:
    QPointer<QDialog> dialog_;
    QPointer<QWidget> window_;
};

// Runs the box modally over its window, if it may show at all.
int RunModal(QDialog& dialog, QWidget* parent)
{
    if (!CanShowOver(parent)) {
        return QDialog::Rejected;
    }
    if (parent != nullptr) {
        new EndWithWindow(dialog, *parent->window());
    }
    const ModalLoopScope loop;
    return dialog.exec();
}

// Boxes are made on the heap and deleted through a guard: should their
// parent go under them after all, Qt deletes them and the guard knows.
template <typename Dialog>
class Owned {
public:
    explicit Owned(Dialog* dialog) : dialog_(dialog) {}
    ~Owned() { delete dialog_.data(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Dialog* operator->() const { return dialog_.data(); }
    Dialog& operator*() const { return *dialog_; }

private:
    QPointer<Dialog> dialog_;
};

QString AskFileName(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    const Owned<QFileDialog> dialog(new QFileDialog(parent, request.Title));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(request.FilterName + QStringLiteral(" (") + request.FilterPattern + QStringLiteral(")"));
    dialog->setDefaultSuffix(request.DefaultSuffix);
    dialog->selectFile(QString());
    if (RunModal(*dialog, parent) != QDialog::Accepted) {
        return {};
    }
    return dialog->selectedFiles().value(0);
}

}  // namespace

QtPlatform::QtPlatform(QString lockPath) : instance_(std::move(lockPath), ::geteuid())
{
    // Over a file-size limit a write would end the program with SIGXFSZ and
    // lose the user's session; ignored, the write fails and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, const QString& detail)
{
    const Owned<QMessageBox> box(new QMessageBox(BoxIcon(icon), kTitle, text, QMessageBox::Ok, parent));
    box->setInformativeText(detail);
    if (CanShowOver(parent)) {
        qCDebug(lcMessages) << text;
    }
    RunModal(*box, parent);
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& text, MessageIcon icon)
{
    const Owned<QMessageBox> box(
        new QMessageBox(BoxIcon(icon), kTitle, text, QMessageBox::Yes | QMessageBox::No, parent));
    box->setDefaultButton(QMessageBox::Yes);
    return RunModal(*box, parent) == QMessageBox::Yes;
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
    const int fd = ::open(NativeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

ReadFailure QtPlatform::WhyUnreadable(const QString& path)
{
    const QByteArray name = NativeFileName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        return errno == EACCES ? ReadFailure::NotPermitted : ReadFailure::Missing;
    }
    if (!S_ISREG(status.st_mode)) {
        return ReadFailure::NotAFile;
    }
    return ::access(name.constData(), R_OK) != 0 ? ReadFailure::NotPermitted : ReadFailure::Failed;
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

PrintOutcome QtPlatform::PrintDocument(const QTextDocument& document)
{
    // Without a default, a printer that is there still counts: the job goes
    // to the first, as a desktop's own print dialog would offer it.
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty()) {
            return PrintOutcome::NoPrinter;
        }
        info = printers.front();
    }
    QPrinter printer(info);
    return PrintDocumentOn(printer, document) ? PrintOutcome::Printed : PrintOutcome::Failed;
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

bool QtPlatform::ClaimSingleInstance()
{
    return instance_.Claim();
}

bool QtPlatform::HandOverReading(const QString& path)
{
    return instance_.HandOver(path);
}

void QtPlatform::OnReadingHandedOver(std::function<void(const QString&)> open)
{
    instance_.OnHandedOver(std::move(open));
}

void QtPlatform::ShowModal(QDialog& dialog)
{
    if (!CanShowOver(dialog.parentWidget())) {
        if (dialog.testAttribute(Qt::WA_DeleteOnClose)) {
            dialog.deleteLater();
        }
        return;
    }
    RunModal(dialog, dialog.parentWidget());
}

}  // namespace orvanta
