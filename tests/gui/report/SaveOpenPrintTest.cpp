// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a reading from the report window, opening it again from the main
// window, and printing the report.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTest>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/reading/RashiCatalogue.h"
#include "core/reading/NakshatraText.h"
#include "core/reading/Reading.h"
#include "core/report/ReadingFile.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/report/ReportPdf.h"
#include "gui/report/frmSave.h"
#include "gui/support/Services.h"
#include "gui/widgets/QtText.h"
#include "platform/FakePlatform.h"
#include "platform/QtPlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

using orvanta::testing::CloseAllWindows;
using orvanta::testing::VisibleWindow;

// A file of encoded lines, each ended by CR LF.
QByteArray ReadingFileOf(const std::vector<std::string>& lines)
{
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += QByteArray::fromStdString(EncodeLine(line)) + "\r\n";
    }
    return bytes;
}

class SaveOpenPrintTest : public ::testing::Test {
public:
    void TearDown() override { CloseAllWindows(); }

    template <typename T>
    static T* Find(QWidget* window, const char* name)
    {
        T* widget = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    frmMain* NewMainWindow() { return ShowMainWindow(services); }

    frmSave* OpenReport()
    {
        GetRashiInformation("Mesha", record);
        auto* report = new frmSave(testing::ReadingShowing(record), record, platform);
        report->show();
        return report;
    }

    // Ravi's inputs, over whatever the record held.
    void RaviReading()
    {
        const BirthRecord ravi = testing::Ravi();
        record.PersonName = ravi.PersonName;
        record.BirthMonth = ravi.BirthMonth, record.BirthDay = ravi.BirthDay, record.BirthYear = ravi.BirthYear;
        record.BirthHour = ravi.BirthHour, record.BirthMinute = ravi.BirthMinute;
        record.LongitudeDegrees = ravi.LongitudeDegrees, record.LongitudeMinutes = ravi.LongitudeMinutes;
        record.LatitudeDegrees = ravi.LatitudeDegrees, record.LatitudeMinutes = ravi.LatitudeMinutes;
        record.ZoneHours = ravi.ZoneHours, record.ZoneMinutes = ravi.ZoneMinutes;
        record.LongitudeEast = ravi.LongitudeEast, record.LatitudeSouth = false, record.DaylightSaving = false;
    }

    // Files live in the fake platform's memory.
    static QString PathOf(const char* name) { return QStringLiteral("/home/user/") + QLatin1String(name); }
    QByteArray ReadAll(const QString& path) const
    {
        const auto it = platform.Files.find(path);
        return it == platform.Files.end() ? QByteArray() : it->second;
    }
    void WriteAll(const QString& path, const QByteArray& bytes) { platform.Files[path] = bytes; }

    BirthRecord record;
    FakePlatform platform;
    Services services{record, platform};
};

TEST_F(SaveOpenPrintTest, SaveWritesTheFifteenInputsAfterTheDialog)
{
    RaviReading();
    frmSave* report = OpenReport();
    const QString path = PathOf("ravi.ras");
    platform.SaveFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSave"), Qt::LeftButton);

    ASSERT_EQ(platform.SaveRequests.size(), 1u);
    const FileDialogRequest& request = platform.SaveRequests[0];
    EXPECT_EQ(request.Title, "Save Your Rashi Details");
    EXPECT_EQ(request.FilterName, "Rich Text Format");
    EXPECT_EQ(request.FilterPattern, "*.ras");
    EXPECT_EQ(request.DefaultSuffix, "ras");
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(ReadAll(path), ReadingFileOf({"Ravi", "3", "12", "1975", "7", "5", "77", "13", "28", "39", "5", "30",
                                            "1", "0", "0"}));
    EXPECT_TRUE(report->isVisible());  // the report stays open
}

TEST_F(SaveOpenPrintTest, CancelledSaveLeavesAnExistingFileAndSaysNothing)
{
    RaviReading();
    const QString path = PathOf("old.ras");
    WriteAll(path, "earlier reading");
    frmSave* report = OpenReport();
    platform.SaveFileAnswers = {QString()};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(ReadAll(path), "earlier reading");
    EXPECT_TRUE(platform.Messages.empty());
}

// A full disk, a missing permission or a vanished folder: the old reading
// stays byte for byte and the user is told.
TEST_F(SaveOpenPrintTest, FailedSaveLeavesTheOldFileAndSaysSo)
{
    RaviReading();
    const QString path = PathOf("old.ras");
    WriteAll(path, "earlier reading");
    platform.FailingPaths = {path};
    frmSave* report = OpenReport();
    platform.SaveFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(ReadAll(path), "earlier reading");
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0],
              (FakePlatform::Message{QStringLiteral("The Reading Could Not Be Saved."), MessageIcon::Error}));
    EXPECT_TRUE(report->isVisible());
}

TEST_F(SaveOpenPrintTest, SavedReadingOpensAgainWithTheSameInputsAndRashi)
{
    // A reading entered in the main window, with South and daylight saving.
    frmMain* main = NewMainWindow();
    Find<QLineEdit>(main, "txtName")->setText(QStringLiteral("  Mira"));
    Find<QComboBox>(main, "cboMonth")->setCurrentText(QStringLiteral("August"));
    Find<QComboBox>(main, "cboDate")->setCurrentText(QStringLiteral("15"));
    Find<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1947"));
    Find<QComboBox>(main, "cboHH")->setCurrentText(QStringLiteral("23"));
    Find<QComboBox>(main, "cboMM")->setCurrentText(QStringLiteral("59"));
    Find<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("-5"));
    Find<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("-30"));
    Find<QLineEdit>(main, "txtLonD")->setText(QStringLiteral("72"));
    Find<QLineEdit>(main, "txtLonM")->setText(QStringLiteral("50"));
    Find<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("18"));
    Find<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("58"));
    Find<QRadioButton>(main, "optLat1")->setChecked(true);
    Find<QCheckBox>(main, "chkDST")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(main, "cmdRashi"), Qt::LeftButton);
    const BirthRecord saved = record;
    ASSERT_FALSE(saved.RashiName.empty());

    // Saved from the report window over the result window.
    QWidget* result = VisibleWindow("frmResult");
    ASSERT_NE(result, nullptr);
    QTest::mouseClick(Find<QPushButton>(result, "cmdSave"), Qt::LeftButton);
    ASSERT_TRUE(platform.LastModal);
    const QString path = PathOf("mira.ras");
    platform.SaveFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(platform.LastModal.data(), "cmdSave"), Qt::LeftButton);
    CloseAllWindows();

    // Another reading replaces the record; then the file is opened again.
    record = BirthRecord{};
    record.RashiName = "Other";
    frmMain* again = NewMainWindow();
    platform.OpenFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(again, "cmdOpen"), Qt::LeftButton);

    ASSERT_EQ(platform.OpenRequests.size(), 1u);
    EXPECT_EQ(platform.OpenRequests[0].Title, "Select the source file");
    EXPECT_EQ(platform.OpenRequests[0].FilterName, "Orvanta Free");
    EXPECT_EQ(platform.OpenRequests[0].FilterPattern, "*.ras");
    EXPECT_EQ(platform.OpenRequests[0].DefaultSuffix, "ras");
    EXPECT_TRUE(platform.Messages.empty()) << platform.LastMessage().toStdString();
    EXPECT_EQ(record, saved);  // all fifteen inputs, the rashi and its texts
    EXPECT_EQ(record.PersonName, "Mira");
    EXPECT_TRUE(record.LatitudeSouth);
    EXPECT_TRUE(record.DaylightSaving);
    EXPECT_NE(VisibleWindow("frmResult"), nullptr);
}

// A zone on the other side of the longitude survives the file: only line 11
// differs from what a digits-only zone would write, and the reading returns.
TEST_F(SaveOpenPrintTest, MadridOnCentralEuropeanTimeOpensToTheSameReading)
{
    frmMain* main = NewMainWindow();
    Find<QLineEdit>(main, "txtName")->setText(QStringLiteral("Lucia"));
    Find<QComboBox>(main, "cboDate")->setCurrentText(QStringLiteral("9"));
    Find<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1950"));
    Find<QComboBox>(main, "cboHH")->setCurrentText(QStringLiteral("12"));
    Find<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("-1"));
    Find<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("0"));
    Find<QLineEdit>(main, "txtLonD")->setText(QStringLiteral("3"));
    Find<QLineEdit>(main, "txtLonM")->setText(QStringLiteral("42"));
    Find<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("40"));
    Find<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("25"));
    Find<QRadioButton>(main, "optLong1")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(main, "cmdRashi"), Qt::LeftButton);
    ASSERT_EQ(record.RashiName, "Simha");
    const BirthRecord saved = record;

    frmSave* report = new frmSave(testing::ReadingShowing(record), record, platform);
    report->show();
    const QString path = PathOf("madrid.ras");
    platform.SaveFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(ReadAll(path), ReadingFileOf({"Lucia", "1", "9", "1950", "12", "0", "3", "42", "40", "25", "-1", "0",
                                            "0", "0", "0"}));
    CloseAllWindows();

    record = BirthRecord{};
    frmMain* again = NewMainWindow();
    platform.OpenFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(again, "cmdOpen"), Qt::LeftButton);
    EXPECT_TRUE(platform.Messages.empty()) << platform.LastMessage().toStdString();
    EXPECT_EQ(record, saved);
}

// Names in any script, and the longest name the box takes, come back whole:
// save, open and save again give the same file. A character that does not
// fit whole at the limit is left out, never kept as half a character.
TEST_F(SaveOpenPrintTest, NamesComeBackWholeFromTheirFile)
{
    const QString longest(40000, QLatin1Char('x'));
    const QString nearlyFull(static_cast<qsizetype>(MaxNameLength) - 1, QLatin1Char('y'));
    const std::pair<QString, QString> names[] = {
        {QStringLiteral("Jos\u00E9"), QStringLiteral("Jos\u00E9")},
        {QStringLiteral("\u0930\u093E\u092E"), QStringLiteral("\u0930\u093E\u092E")},
        {QStringLiteral("\u674E\u4F1F"), QStringLiteral("\u674E\u4F1F")},
        {QStringLiteral("Ana \U0001F319"), QStringLiteral("Ana \U0001F319")},
        {longest, longest.left(static_cast<qsizetype>(MaxNameLength))},
        {nearlyFull + QStringLiteral("\U0001F319"), nearlyFull},
    };
    for (const auto& [typed, whole] : names) {
        CloseAllWindows();
        frmMain* main = NewMainWindow();
        auto* name = Find<QLineEdit>(main, "txtName");
        QApplication::clipboard()->setText(typed);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        const QString kept = name->text();
        EXPECT_EQ(kept, whole);
        Find<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("5"));
        Find<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("30"));
        for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
            Find<QLineEdit>(main, box)->setText(QStringLiteral("1"));
        }
        QTest::mouseClick(Find<QPushButton>(main, "cmdRashi"), Qt::LeftButton);
        const QString first = PathOf("first.ras");
        const QString second = PathOf("second.ras");
        auto save = [&](const QString& path) {
            frmSave* report = new frmSave(testing::ReadingShowing(record), record, platform);
            report->show();
            platform.SaveFileAnswers = {path};
            QTest::mouseClick(Find<QPushButton>(report, "cmdSave"), Qt::LeftButton);
            report->close();
        };
        save(first);
        CloseAllWindows();

        frmMain* again = NewMainWindow();
        platform.OpenFileAnswers = {first};
        QTest::mouseClick(Find<QPushButton>(again, "cmdOpen"), Qt::LeftButton);
        EXPECT_TRUE(platform.Messages.empty()) << platform.LastMessage().toStdString();
        EXPECT_EQ(record.PersonName, kept.toStdString());
        save(second);
        EXPECT_EQ(ReadAll(second), ReadAll(first));
    }
}

struct OpenCase {
    const char* what;
    const char* fileName;
    std::vector<std::string> lines;
    const char* detail;  // under "Please Check The File."
};

TEST_F(SaveOpenPrintTest, OpeningChecksTheFileBeforeChangingAnything)
{
    const std::vector<std::string> good = {"Asha", "2", "3", "1990", "4", "5", "6", "7", "8", "9", "1", "2",
                                           "0", "0", "0"};
    auto with = [&](std::size_t index, std::string value) {
        auto lines = good;
        lines[index] = std::move(value);
        return lines;
    };
    const OpenCase cases[] = {
        {"capital extension", "reading.RAS", good, "\"reading.RAS\" is not a reading's name: it does not end in \"ras\"."},
        {"month 13", "a.ras", with(1, "13"), "Line 2 of \"a.ras\" holds no month from 1 to 12."},
        {"month not a number", "a.ras", with(1, "x"), "Line 2 of \"a.ras\" holds no month from 1 to 12."},
        {"day 32", "a.ras", with(2, "32"), "Line 3 of \"a.ras\" holds no day from 1 to 31."},
        {"year outside the list", "a.ras", with(3, "1900"), "Line 4 of \"a.ras\" holds no year from 1901 to 2050."},
        {"hour 24", "a.ras", with(4, "24"), "Line 5 of \"a.ras\" holds no hour from 0 to 23."},
        {"minute missing", "a.ras", {"Asha", "2", "3", "1990", "4"}, "\"a.ras\" ends before line 6; a reading has 15 lines."},
        {"empty file", "a.ras", {}, "\"a.ras\" is empty."},
    };
    for (const auto& c : cases) {
        CloseAllWindows();
        platform.Messages.clear();
        const QString path = PathOf(c.fileName);
        WriteAll(path, ReadingFileOf(c.lines));
        frmMain* main = NewMainWindow();
        Find<QLineEdit>(main, "txtName")->setText(QStringLiteral("typed"));
        Find<QCheckBox>(main, "chkDST")->setChecked(true);
        platform.OpenFileAnswers = {path};
        QTest::mouseClick(Find<QPushButton>(main, "cmdOpen"), Qt::LeftButton);
        ASSERT_EQ(platform.Messages.size(), 1u) << c.what;
        EXPECT_EQ(platform.Messages[0], (FakePlatform::Message{QStringLiteral("Please Check The File."),
                                                               MessageIcon::Error, QString::fromUtf8(c.detail)}))
            << c.what;
        EXPECT_EQ(Find<QLineEdit>(main, "txtName")->text(), "typed") << c.what;
        EXPECT_TRUE(Find<QCheckBox>(main, "chkDST")->isChecked()) << c.what;
        EXPECT_EQ(Find<QComboBox>(main, "cboMonth")->currentIndex(), 0) << c.what;
        EXPECT_EQ(VisibleWindow("frmResult"), nullptr) << c.what;
    }
}

// A file the platform cannot read is refused like a wrong one, with what
// the platform says of it; reading asks for no more than the budget.
TEST_F(SaveOpenPrintTest, AnUnreadableFileIsRefused)
{
    const struct {
        const char* name;
        bool exists;
        std::optional<ReadFailure> why;
        const char* detail;
    } cases[] = {
        {"locked.ras", true, std::nullopt, "You have no permission to read \"locked.ras\"."},
        {"gone.ras", false, std::nullopt, "\"gone.ras\" does not exist."},
        {"folder.ras", true, ReadFailure::NotAFile, "\"folder.ras\" is not a file."},
        {"broken.ras", true, ReadFailure::Failed, "\"broken.ras\" could not be read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloseAllWindows();
        platform.Messages.clear();
        platform.ReadLimits.clear();
        const QString path = PathOf(c.name);
        if (c.exists) {
            WriteAll(path, ReadingFileOf({"Asha", "1", "1", "1990", "0", "0", "7", "0", "8", "0", "5", "30", "1", "0", "0"}));
            platform.FailingPaths = {path};
        }
        if (c.why) {
            platform.ReadFailures[path] = *c.why;
        }
        frmMain* main = NewMainWindow();
        platform.OpenFileAnswers = {path};
        QTest::mouseClick(Find<QPushButton>(main, "cmdOpen"), Qt::LeftButton);
        EXPECT_EQ(platform.Messages, std::vector<FakePlatform::Message>({{QStringLiteral("Please Check The File."),
                                                                          MessageIcon::Error, QString::fromUtf8(c.detail)}}));
        EXPECT_EQ(platform.ReadLimits, std::vector<qint64>({static_cast<qint64>(ReadingFileByteBudget)}));
        EXPECT_TRUE(Find<QLineEdit>(main, "txtName")->text().isEmpty());
    }
}

TEST_F(SaveOpenPrintTest, CancelledOpenSaysNothing)
{
    frmMain* main = NewMainWindow();
    platform.OpenFileAnswers = {QString()};
    QTest::mouseClick(Find<QPushButton>(main, "cmdOpen"), Qt::LeftButton);
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(SaveOpenPrintTest, ShortFileFillsWhatItHasAndValidationSpeaks)
{
    // Ten lines: no zone and no flags; line 15 absent counts as "not 1".
    const QString path = PathOf("shortxras");  // only the last three letters count
    WriteAll(path, ReadingFileOf({" Asha", "12", "31", "2000", "23", "59", "77", "13", "28", "39"}));
    frmMain* main = NewMainWindow();
    Find<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("5"));
    Find<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("30"));
    Find<QRadioButton>(main, "optLat1")->setChecked(true);
    Find<QCheckBox>(main, "chkDST")->setChecked(true);
    platform.OpenFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(main, "cmdOpen"), Qt::LeftButton);

    EXPECT_EQ(Find<QLineEdit>(main, "txtName")->text(), " Asha");
    EXPECT_EQ(Find<QComboBox>(main, "cboMonth")->currentText(), "December");
    EXPECT_EQ(Find<QComboBox>(main, "cboDate")->currentText(), "31");
    EXPECT_EQ(Find<QComboBox>(main, "cboYear")->currentText(), "2000");
    EXPECT_EQ(Find<QComboBox>(main, "cboHH")->currentText(), "23");
    EXPECT_EQ(Find<QComboBox>(main, "cboMM")->currentText(), "59");
    EXPECT_EQ(Find<QLineEdit>(main, "txtLatM")->text(), "39");
    EXPECT_TRUE(Find<QLineEdit>(main, "txtZoneHour")->text().isEmpty());
    EXPECT_TRUE(Find<QLineEdit>(main, "txtZoneMinute")->text().isEmpty());
    EXPECT_TRUE(Find<QRadioButton>(main, "optLong1")->isChecked());  // West
    EXPECT_TRUE(Find<QRadioButton>(main, "optLat0")->isChecked());   // North
    EXPECT_FALSE(Find<QCheckBox>(main, "chkDST")->isChecked());
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text, "Please Enter Hour and Minute of Time Zone");
}

TEST_F(SaveOpenPrintTest, AZeroOnTheLastLineUnticksDaylightSaving)
{
    const QString path = PathOf("dst.ras");
    WriteAll(path, ReadingFileOf({"Asha", "1", "1", "1990", "0", "0", "7", "0", "8", "0", "", "", "1", "1", "0"}));
    frmMain* main = NewMainWindow();
    Find<QCheckBox>(main, "chkDST")->setChecked(true);
    platform.OpenFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(main, "cmdOpen"), Qt::LeftButton);
    EXPECT_FALSE(Find<QCheckBox>(main, "chkDST")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(main, "optLong0")->isChecked());  // "1": East
    EXPECT_TRUE(Find<QRadioButton>(main, "optLat1")->isChecked());   // "1": South
}

TEST_F(SaveOpenPrintTest, PrintSendsTheWholeReportOnceOrSaysWhyNot)
{
    frmSave* report = OpenReport();
    auto* rtb = Find<QTextBrowser>(report, "RTB");
    rtb->selectAll();  // a selection does not narrow what is printed
    QTest::mouseClick(Find<QPushButton>(report, "cmdPrint"), Qt::LeftButton);
    ASSERT_EQ(platform.PrintedDocuments.size(), 1u);
    EXPECT_EQ(platform.PrintedDocuments[0], report->ReportDocument().toPlainText());
    EXPECT_TRUE(platform.PrintedDocuments[0].startsWith(QStringLiteral("Common: ")));
    EXPECT_TRUE(platform.PrintedDocuments[0].contains(QStringLiteral("Lucky For....Rashi: ")));
    EXPECT_TRUE(platform.Messages.empty());

    const struct {
        bool Printer;
        const char* Message;
        MessageIcon Icon;
        bool Advice;  // the detail points to Save as PDF
    } failures[] = {
        {false, "No Printer Is Available.", MessageIcon::Information, true},
        {true, "The Report Could Not Be Printed.", MessageIcon::Error, false},
    };
    for (const auto& f : failures) {
        platform.PrinterAvailable = f.Printer;
        platform.PrintFails = f.Printer;
        platform.Messages.clear();
        QTest::mouseClick(Find<QPushButton>(report, "cmdPrint"), Qt::LeftButton);
        EXPECT_EQ(platform.PrintedDocuments.size(), 1u) << f.Message;
        ASSERT_EQ(platform.Messages.size(), 1u) << f.Message;
        EXPECT_EQ(platform.Messages[0].Text, f.Message);
        EXPECT_EQ(platform.Messages[0].Icon, f.Icon) << f.Message;
        EXPECT_EQ(platform.Messages[0].Detail.contains(QStringLiteral("PDF")), f.Advice) << f.Message;
    }
}

// What a poppler tool (pdftotext, pdfinfo) says of a PDF.
QString PdfTool(const char* tool, const QByteArray& pdf, const QStringList& after = {})
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        return {};
    }
    file.close();
    QProcess run;
    run.start(QLatin1String(tool), QStringList{path} + after);
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// Ravi's reading, birth star and all, as a PDF through the save dialog;
// cancelled, or refused by the disk, it leaves the old file.
TEST_F(SaveOpenPrintTest, SaveAsPdfWritesTheReportAsAPdfFile)
{
    RaviReading();
    const Reading reading = ComposeReading(record);
    ASSERT_TRUE(reading.NakshatraLines);
    auto* report = new frmSave(reading, record, platform);
    report->show();
    const QString path = PathOf("ravi.pdf");
    platform.SaveFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSavePdf"), Qt::LeftButton);

    ASSERT_EQ(platform.SaveRequests.size(), 1u);
    EXPECT_EQ(platform.SaveRequests[0].FilterPattern, "*.pdf");
    EXPECT_EQ(platform.SaveRequests[0].DefaultSuffix, "pdf");
    const QByteArray pdf = ReadAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF-")) << pdf.left(20).toStdString();
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_TRUE(PdfTool("pdfinfo", pdf).contains(QStringLiteral("Rashi Reading of Ravi")));

    // Every line of the report, as selectable text; the Devanagari of the name
    // syllable keeps at least its consonant (see the report on Qt's writer).
    const QString text = PdfTool("pdftotext", pdf, {QStringLiteral("-")}).simplified();
    const QString syllable = ToQString(reading.Nakshatra->Position.Syllable.Latin) + QStringLiteral(" (");
    for (const QString& expected : {QStringLiteral("Common:"), QStringLiteral("Nakshatra (Birth Star):"),
                                    QStringLiteral("Name Syllable: ") + syllable, ToQString(reading.Rashi.VedicName),
                                    QStringLiteral("Lucky For....Rashi:"), QStringLiteral("Report Generated By")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    }
    const QString devanagari = ToQString(reading.Nakshatra->Position.Syllable.Devanagari);
    EXPECT_TRUE(text.contains(devanagari.left(1))) << text.toStdString();
    // Words are searchable as typed: "fi", not the ligature "ﬁ".
    EXPECT_TRUE(text.contains(QStringLiteral("fi")));
    for (char16_t ligature = 0xFB00; ligature <= 0xFB06; ++ligature) {
        EXPECT_FALSE(text.contains(QChar(ligature))) << "U+" << std::hex << static_cast<int>(ligature);
    }

    // Cancelled, then refused: the file stays as it was.
    platform.SaveFileAnswers = {QString()};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSavePdf"), Qt::LeftButton);
    platform.FailingPaths.insert(path);
    platform.SaveFileAnswers = {path};
    QTest::mouseClick(Find<QPushButton>(report, "cmdSavePdf"), Qt::LeftButton);
    EXPECT_EQ(ReadAll(path), pdf);
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text, "The PDF Could Not Be Saved.");
    EXPECT_EQ(platform.Messages[0].Icon, MessageIcon::Error);
}

// The name syllables in a PDF's text, in the report's font. The Latin reads
// back whole, every one. The Devanagari mostly does: Qt 6.4 writes glyphs in
// the order they are drawn and names each by the font's character map alone,
// so a vowel drawn before its consonant (the short i, which the almanacs'
// spelling no longer has), a contextual vowel form (Lohit's की) or a glyph for
// two letters (रू, दू, डू, टू) reads back incomplete; 103 of the 108 come back
// whole.
TEST_F(SaveOpenPrintTest, TheSyllablesReadBackFromThePdf)
{
    const frmSave* report = OpenReport();
    QTextDocument syllables;
    syllables.setDefaultFont(report->ReportDocument().defaultFont());
    QStringList lines;
    for (int pada = 0; pada < PadaCount; ++pada) {
        lines << Translated(SyllableText(PadaPosition(pada).Syllable)).replace(QChar(0xA0), QLatin1Char(' '));
    }
    syllables.setPlainText(lines.join(QLatin1Char('\n')));
    const QString text = PdfTool("pdftotext", ReportPdf(syllables, QStringLiteral("Syllables")), {QStringLiteral("-")});
    // One line each, less the page breaks and page numbers between them.
    const QStringList read =
        QString(text).replace(QLatin1Char('\f'), QLatin1Char('\n')).split(QLatin1Char('\n')).filter(QStringLiteral("("));
    ASSERT_EQ(read.size(), lines.size()) << text.toStdString();
    int whole = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString latin = lines[i].section(QLatin1Char('('), 0, 0);
        EXPECT_TRUE(read[i].startsWith(latin + QLatin1Char('('))) << read[i].toStdString() << " for "
                                                                   << lines[i].toStdString();
        whole += read[i] == lines[i] ? 1 : 0;
    }
    EXPECT_GE(whole, 103);
}

TEST_F(SaveOpenPrintTest, ThePrintingPathPutsTheHeadingsOnPaper)
{
    frmSave* report = OpenReport();
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(QtPlatform::PrintDocumentOn(printer, report->ReportDocument()));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* heading : {"Common:", "Sign Characteristics:", "Physique And Looks:", "Human Nature:",
                                "Career And Finance:", "Love And Compatibility:", "Health:", "Lucky For....Rashi:",
                                "Report Generated By"}) {
        EXPECT_TRUE(printed.contains(QLatin1String(heading))) << heading;
    }
}

}  // namespace
}  // namespace orvanta
