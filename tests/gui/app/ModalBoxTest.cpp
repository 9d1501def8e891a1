// SPDX-License-Identifier: GPL-3.0-or-later
// Real message boxes and dialogs while windows close: a window closed inside
// a box's loop must not take the box (or the code that opened it) with it,
// and a closing or hidden window shows no box.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/report/ReadingFile.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "platform/QtPlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

using orvanta::testing::CloseAllWindows;
using orvanta::testing::VisibleWindow;

// Answers the real boxes and dialogs from a timer, as a user would, so no
// test waits on a modal loop for good. A file dialog, when a file name is
// given, gets it typed and Return; anything else is left open for
// `patienceMs` and then closed. Every box or dialog shown modally is
// recorded as it shows: a message box by its text (and its detail), any
// other by its class.
class ModalDriver : public QObject {
public:
    ModalDriver(QString fileName, int patienceMs) : fileName_(std::move(fileName)), patience_(patienceMs)
    {
        qApp->installEventFilter(this);
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::Step);
        timer_.start(20);
    }

    QStringList Met;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog != nullptr && dialog->testAttribute(Qt::WA_ShowModal)) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            Met << (box == nullptr                   ? QString::fromLatin1(dialog->metaObject()->className())
                    : box->informativeText().isEmpty() ? box->text()
                                                       : box->text() + QLatin1Char('|') + box->informativeText());
        }
        return false;
    }

private:
    void Step()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (modal != seen_) {
            seen_ = modal;
            since_.start();
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog && !fileName_.isEmpty()) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(fileName_);
            QTest::keyClick(name, Qt::Key_Return);
        } else if (since_.elapsed() > patience_) {
            modal->close();
        }
    }

    QString fileName_;
    int patience_;
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer since_;
};

class ModalBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reading = folder.filePath(QStringLiteral("ravi.ras"));
        QFile file(reading);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(EncodeReadingFile(orvanta::testing::Ravi())));
    }
    void TearDown() override { CloseAllWindows(); }

    QTemporaryDir folder;
    QString reading;
    QtPlatform platform{folder.filePath(QStringLiteral("orvanta.lock"))};
    BirthRecord record;
    Services services{record, platform};
};

struct BoxUnderReadingCase {
    const char* Name;
    std::function<void(frmMain&)> OpenBox;  // within Open's 100 ms
    QString Box;
};

// Alt+O, and within the button's 100 ms something that opens a box: the
// open dialog opens over the box, and the chosen reading closes the main
// window while the box's loop still runs. Neither the box nor the code
// that opened it may find its window deleted under it.
TEST_F(ModalBoxTest, AReadingOpenedOverAnOpenBoxClosesTheMainWindowSafely)
{
    const BoxUnderReadingCase cases[] = {
        {"a letter in a number box",
         [](frmMain& main) { QTest::keyClick(main.findChild<QLineEdit*>(QStringLiteral("txtLonD")), Qt::Key_X); },
         QStringLiteral("Only Numbers Are Accepted")},
        {"Find My Rashi without a name",
         [](frmMain& main) {
             QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
         },
         QStringLiteral("Please Enter Name")},
    };
    for (const BoxUnderReadingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        record = {};
        QPointer<frmMain> main = ShowMainWindow(services);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.data()));
        QTest::mouseClick(main->findChild<QLineEdit*>(QStringLiteral("txtLonD")), Qt::LeftButton);
        ModalDriver driver(reading, 3000);

        QTest::keyClick(main.data(), Qt::Key_O, Qt::AltModifier);
        c.OpenBox(*main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_EQ(driver.Met, QStringList({c.Box, QStringLiteral("QFileDialog")}));
        EXPECT_EQ(record.PersonName, "Ravi");
        EXPECT_NE(VisibleWindow("frmResult"), nullptr);
        EXPECT_TRUE(main.isNull()) << "the closed main window is deleted once the box has gone";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box went with its window";
        CloseAllWindows();
    }
}

// Save, and Back within the button's 100 ms: Back runs inside the report's
// loop, and the result window closes under its report.
TEST_F(ModalBoxTest, BackWhileTheReportOpensLeavesAFreshMainWindow)
{
    ShowMainWindow(services)->OpenReadingFile(reading);
    QPointer<QWidget> result = VisibleWindow("frmResult");
    ASSERT_NE(result, nullptr);
    result->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(result.data()));
    ModalDriver driver(QString(), 3000);

    QTest::keyClick(result.data(), Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(result.data(), Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(VisibleWindow("frmMain") != nullptr, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(result.isNull(), 2000);

    EXPECT_EQ(driver.Met, QStringList{QStringLiteral("orvanta::frmSave")});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the report went with its window";
}

// Keys typed just after the reading opened still reach the closed main
// window's boxes; they must not open a box over a window that is gone.
TEST_F(ModalBoxTest, AClosedWindowShowsNoBox)
{
    QPointer<frmMain> main = ShowMainWindow(services);
    auto* longitude = main->findChild<QLineEdit*>(QStringLiteral("txtLonD"));
    ModalDriver driver(QString(), 200);

    main->OpenReadingFile(reading);
    ASSERT_FALSE(main->isVisible());
    QTest::keyClick(longitude, Qt::Key_X);

    EXPECT_TRUE(driver.Met.isEmpty()) << driver.Met.join(QLatin1Char('|')).toStdString();
    EXPECT_NE(VisibleWindow("frmResult"), nullptr);
}

// The real box keeps its text and names the file and what is wrong under it.
TEST_F(ModalBoxTest, ARefusedFileIsNamedWithItsReason)
{
    QPointer<frmMain> main = ShowMainWindow(services);
    ModalDriver driver(QString(), 100);
    main->OpenReadingFile(folder.filePath(QStringLiteral("gone.ras")));
    EXPECT_EQ(driver.Met, QStringList{QStringLiteral("Please Check The File.|\"gone.ras\" does not exist.")});
}

struct HiddenParentCase {
    const char* Name;
    std::function<void(Platform&, QWidget*)> Ask;
};

// Every box and dialog of the platform: none shows for a hidden window, and
// each ends (answered No, or cancelled) when its window hides under it.
TEST_F(ModalBoxTest, BoxesBelongToAVisibleWindow)
{
    const FileDialogRequest request{QStringLiteral("Title"), QStringLiteral("Readings"), QStringLiteral("*.ras"),
                                    QStringLiteral("ras")};
    const HiddenParentCase cases[] = {
        {"message", [](Platform& p, QWidget* w) { p.ShowMessage(w, QStringLiteral("Hello"), MessageIcon::Error); }},
        {"question",
         [](Platform& p, QWidget* w) { EXPECT_FALSE(p.AskYesNo(w, QStringLiteral("Sure?"), MessageIcon::Information)); }},
        {"open", [&](Platform& p, QWidget* w) { EXPECT_EQ(p.AskOpenFileName(w, request), QString()); }},
        {"save", [&](Platform& p, QWidget* w) { EXPECT_EQ(p.AskSaveFileName(w, request), QString()); }},
        {"modal window",
         [](Platform& p, QWidget* w) {
             QPointer<QDialog> dialog = new QDialog(w);
             dialog->setAttribute(Qt::WA_DeleteOnClose);
             p.ShowModal(*dialog);
             QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
             EXPECT_TRUE(dialog.isNull());
         }},
    };
    for (const HiddenParentCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ModalDriver driver(QString(), 3000);
        QWidget window;
        c.Ask(platform, &window);
        EXPECT_TRUE(driver.Met.isEmpty()) << "shown for a hidden window";

        window.show();
        QTimer::singleShot(200, &window, &QWidget::close);
        QElapsedTimer clock;
        clock.start();
        c.Ask(platform, &window);
        EXPECT_LT(clock.elapsed(), 2000) << "the box outlived its window";
    }
}

}  // namespace
}  // namespace orvanta
