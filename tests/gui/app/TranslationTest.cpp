// SPDX-License-Identifier: GPL-3.0-or-later
// The program in another language: without a translation every text stays
// exactly the English one; with one, every text a window shows is looked up,
// and in Hindi every window, box and the report speak Hindi.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/reading/RashiCatalogue.h"
#include "core/report/ReadingFile.h"
#include "core/timezone/TimeZoneTable.h"
#include "gui/app/StartUp.h"
#include "gui/app/CommandLine.h"
#include "gui/app/frmMain.h"
#include "gui/app/Translations.h"
#include "gui/app/WindowFlow.h"
#include "gui/reading/SignStayPanel.h"
#include "gui/support/Services.h"
#include "gui/support/UpdateReminder.h"
#include "gui/widgets/UiLanguage.h"
#include "gui/widgets/WindowFont.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

// Marks every text of the program it is asked for, so that a text shown
// unmarked is one that never went through a translation.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context).startsWith('Q')) {
            return {};  // Qt's own texts
        }
        return QStringLiteral("\u00AB") + QString::fromUtf8(source) + QStringLiteral("\u00BB");
    }
};

// The windows in a language for as long as it lives; English again after.
class Language {
public:
    explicit Language(const QLocale& locale)
    {
        InstallTranslations(*QCoreApplication::instance(), locale);
        ApplyWindowFont();
    }
    ~Language()
    {
        InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
        ApplyWindowFont();
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
};

const QLocale kHindi(QLocale::Hindi, QLocale::India);

// Opens each window as a user does, shows the boxes a user meets, and
// collects what they show.
struct Tour {
    BirthRecord Record;
    FakePlatform Platform;
    Services Shared{Record, Platform};
    QStringList Shown;  // "object: text"

    void Add(const QObject* o, const QString& text)
    {
        if (!text.isEmpty()) {
            Shown.append(o->objectName() + QStringLiteral(": ") + text);
        }
    }

    void Collect(QWidget* window)
    {
        ASSERT_NE(window, nullptr);
        Add(window, window->windowTitle());
        for (auto* w : window->findChildren<QLabel*>()) Add(w, w->text());
        for (auto* w : window->findChildren<QAbstractButton*>()) Add(w, w->text());
        for (auto* w : window->findChildren<QGroupBox*>()) Add(w, w->title());
        for (auto* w : window->findChildren<QAction*>()) Add(w, w->text());
        for (auto* w : window->findChildren<QMenu*>()) Add(w, w->title());
        for (auto* w : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < w->count(); ++i) Add(w, w->tabText(i));
        }
        for (auto* w : window->findChildren<QListWidget*>()) {
            for (int i = 0; i < w->count(); ++i) Add(w, w->item(i)->text());
        }
        for (auto* w : window->findChildren<QTableWidget*>()) {
            for (int c = 0; c < w->columnCount(); ++c) {
                if (w->horizontalHeaderItem(c) != nullptr) Add(w, w->horizontalHeaderItem(c)->text());
                for (int r = 0; r < w->rowCount(); ++r) {
                    if (w->item(r, c) != nullptr) Add(w, w->item(r, c)->text());
                }
            }
        }
        for (auto* w : window->findChildren<QLineEdit*>()) {
            if (w->isReadOnly()) Add(w, w->text());
        }
        for (auto* w : window->findChildren<QPlainTextEdit*>()) Add(w, w->toPlainText());
        for (auto* w : window->findChildren<QWidget*>()) {
            Add(w, w->accessibleName());
            Add(w, w->accessibleDescription());
            Add(w, w->toolTip());
        }
        for (auto* w : window->findChildren<SignGauge*>()) {
            for (const QString& name : w->NamesShown()) Add(w, name);
        }
        for (auto* w : window->findChildren<QComboBox*>()) {
            // The date lists' months, and the languages to choose from.
            if (w->objectName() == QLatin1String("cboMonth") || w->objectName() == QLatin1String("cboLanguage")) {
                for (int i = 0; i < w->count(); ++i) Add(w, w->itemText(i));
            }
        }
    }

    void CollectModal()
    {
        Collect(Platform.LastModal);
        Platform.LastModal->close();
    }

    void Run()
    {
        // The boxes of the start: a copy already running, the update reminder.
        Platform.OtherCopyRunning = true;
        StartUp(Shared, {});
        Platform.OtherCopyRunning = false;
        Platform.Settings[QStringLiteral("Settings/LastUpdateReminder")] = QStringLiteral("2020-01-01");
        RemindOfUpdate(Platform);

        frmMain* main = ShowMainWindow(Shared);
        Collect(main);
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        QTest::mouseClick(main->findChild<QLabel*>(QStringLiteral("lblTZHelp")), Qt::LeftButton);
        CollectModal();
        main->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        CollectModal();
        main->findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
        CollectModal();
        // A file that is no reading: the refusal and its reason.
        Platform.Files[QStringLiteral("/readings/notes.ras")] = "not a reading";
        main->OpenReadingFile(QStringLiteral("/readings/notes.ras"));

        main->SetEntry(testing::EntryOfBirth());
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        QWidget* result = testing::VisibleWindow("frmResult");
        // The birth star's page is built when first shown.
        QTest::mouseClick(result->findChild<QLabel*>(QStringLiteral("lblBirthStar")), Qt::LeftButton);
        Collect(result);
        QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        QWidget* report = Platform.LastModal;
        Collect(report);
        const QString text = report->findChild<QTextBrowser*>()->toPlainText();
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            Shown.append(QStringLiteral("report: ") + line);
        }
        // Saving where the disk refuses it.
        Platform.SaveFileAnswers.push_back(QStringLiteral("/full/asha.ras"));
        Platform.FailingPaths.insert(QStringLiteral("/full/asha.ras"));
        QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        report->close();

        // The reading matched with a saved one, and the match's report.
        result->findChild<QAction*>(QStringLiteral("mnuMatchWith"))->trigger();
        QWidget* match = testing::VisibleWindow("frmMatch");
        BirthRecord groom = testing::Birth(12, 3, 1975, 9, 5);
        groom.PersonName = "Ravi";
        Platform.Files[QStringLiteral("/readings/ravi.ras")] = QByteArray::fromStdString(EncodeReadingFile(groom));
        Platform.OpenFileAnswers.push_back(QStringLiteral("/readings/ravi.ras"));
        QTest::mouseClick(match->findChild<QPushButton*>(QStringLiteral("cmdOpenGroom")), Qt::LeftButton);
        Collect(match);
        QTest::mouseClick(match->findChild<QPushButton*>(QStringLiteral("cmdReport")), Qt::LeftButton);
        Collect(Platform.LastModal);
        const QString matchReport = Platform.LastModal->findChild<QTextBrowser*>()->toPlainText();
        for (const QString& line : matchReport.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            Shown.append(QStringLiteral("match report: ") + line);
        }
        testing::CloseAllWindows();

        // A birth a minute from a change of sign and of pada: the notices,
        // and the gauge's strip with the two signs' names.
        main = ShowMainWindow(Shared);
        main->SetEntry(testing::EntryOfBirth(7, 1, 1990, 5, 38));
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        QWidget* near = testing::VisibleWindow("frmResult");
        QTest::mouseClick(near->findChild<QLabel*>(QStringLiteral("lblBirthStar")), Qt::LeftButton);
        Collect(near);
        testing::CloseAllWindows();

        for (const auto& m : Platform.Messages) {
            Shown.append(QStringLiteral("message: ") + m.Text);
            if (!m.Detail.isEmpty()) {
                Shown.append(QStringLiteral("detail: ") + m.Detail);
            }
        }
        for (const auto& q : Platform.Questions) Shown.append(QStringLiteral("question: ") + q.Text);
        for (const auto& request : Platform.OpenRequests) Shown.append(QStringLiteral("open: ") + request.Title);
        for (const auto& request : Platform.SaveRequests) {
            Shown.append(QStringLiteral("save: ") + request.Title);
            Shown.append(QStringLiteral("save filter: ") + request.FilterName);
        }
    }
};

QString TextOf(const QString& entry)
{
    return entry.section(QStringLiteral(": "), 1);
}

// The English source texts stand as they are in every locale the program
// has no translation for: Swahili (which neither the program nor Qt carries,
// so not even the boxes' buttons may change) and English itself, as India
// and the United States write it.
TEST(Translation, LocalesWithoutATranslationShowExactlyTheEnglishTexts)
{
    Tour english;
    english.Run();
    EXPECT_GT(english.Shown.size(), 300);
    for (const QLocale& locale : {QLocale(QLocale::Swahili, QLocale::Kenya), QLocale(QLocale::English, QLocale::India),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const Language language(locale);
        EXPECT_TRUE(UiSpeaksEnglish());
        Tour tour;
        tour.Run();
        EXPECT_EQ(tour.Shown, english.Shown);
    }
}

// Texts that are data, not words of the program: numbers, the entered name,
// the program's own name and version, addresses, punctuation, and each
// language's name in its own words.
bool IsData(const QString& text)
{
    static const QRegularExpression data(QStringLiteral(
        "^([-+0-9 .,:;°'\u2032\u00A0]*|Asha|Ravi|Orvanta( Free)?|https?://\\S+|English|\u0939\u093F\u0928\u094D\u0926\u0940)$"));
    return data.match(text).hasMatch();
}

TEST(Translation, EveryTextAWindowShowsIsLookedUp)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    Tour tour;
    tour.Run();
    QCoreApplication::removeTranslator(&marking);

    QStringList unmarked;
    for (const QString& entry : tour.Shown) {
        const QString text = TextOf(entry);
        // The tab bar's own scroll buttons are Qt's, in Qt's translation; the
        // months' names come with the locale's dates.
        const bool qts = entry.startsWith(QStringLiteral("Scroll"));
        const bool month = entry.startsWith(QStringLiteral("cboMonth: "));
        if (!text.contains(QChar(0x00AB)) && !IsData(text) && !qts && !month) {
            unmarked.append(entry);
        }
    }
    EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(QLatin1Char('\n')).toStdString();
}

// The Latin words a Hindi window may show: names (the program's, the
// person's, the libraries' and data's owners), the English sign name the
// catalogue gives as such, the zones' abbreviations, and the words of
// offsets and file names.
QSet<QString> LatinAllowedInHindi()
{
    QSet<QString> allowed{QStringLiteral("Orvanta"), QStringLiteral("Free"), QStringLiteral("Asha"),
                          QStringLiteral("Ravi"),
                          QStringLiteral("GNU"), QStringLiteral("GeoNames"), QStringLiteral("CC"),
                          QStringLiteral("BY"), QStringLiteral("AGPL"), QStringLiteral("Astrodienst"),
                          QStringLiteral("AG"), QStringLiteral("Swiss"), QStringLiteral("Ephemeris"),
                          QStringLiteral("English"), QStringLiteral("UTC"), QStringLiteral("ras"),
                          QStringLiteral("notes"), QStringLiteral("PDF")};
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        allowed.insert(QString::fromUtf8(row.EnglishName.data(), row.EnglishName.size()));
    }
    for (const TimeZoneRow& row : TimeZoneTable) {
        static const QRegularExpression code(QStringLiteral("[A-Za-z][A-Za-z0-9]+"));
        for (const auto& m : code.globalMatch(QString::fromUtf8(row.Code.data(), row.Code.size()))) {
            allowed.insert(m.captured());
        }
    }
    return allowed;
}

// The Latin words of a text that are none of the allowed ones; web
// addresses and the atlas's domain do not count.
QStringList EnglishWordsIn(const QString& text, const QSet<QString>& allowed)
{
    // Web addresses, the atlas's domain, and the tags of a rich-text label.
    static const QRegularExpression address(QStringLiteral("https?://\\S+|geonames\\.org|<[^>]+>"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9]+"));
    QStringList left;
    QString rest = text;
    rest.remove(address);
    for (const auto& m : word.globalMatch(rest)) {
        if (!allowed.contains(m.captured())) {
            left.append(m.captured());
        }
    }
    return left;
}

TEST(Translation, InHindiEveryWindowBoxAndTheReportSpeakHindi)
{
    const Language hindi(kHindi);
    Tour tour;
    tour.Run();

    const QSet<QString> allowed = LatinAllowedInHindi();
    QStringList english;
    for (const QString& entry : tour.Shown) {
        const QStringList words = EnglishWordsIn(TextOf(entry), allowed);
        if (!words.isEmpty()) {
            english.append(entry + QStringLiteral("  [") + words.join(QLatin1Char(' ')) + QLatin1Char(']'));
        }
    }
    EXPECT_GT(tour.Shown.size(), 300);
    EXPECT_TRUE(english.isEmpty()) << english.join(QLatin1Char('\n')).toStdString();
    // The boxes of the start, the refusal of a file with its reason, and a
    // save the disk refused, each in Hindi.
    EXPECT_TRUE(tour.Shown.contains(QStringLiteral("message: प्रोग्राम पहले से चल रहा है")));
    EXPECT_TRUE(tour.Shown.contains(QStringLiteral("message: कृपया फाइल जाँचें।")));
    EXPECT_TRUE(tour.Shown.contains(QStringLiteral("message: राशिफल सहेजा नहीं जा सका।")));
    EXPECT_EQ(tour.Platform.Questions.size(), 1u);
}

// The result window of the first worked birth, 1 January 2000, 12:00, zone
// 0, 10 degrees West (Thula, in Swati), reached from a main window.
QWidget* ShowFirstWorkedBirth(Services& services)
{
    frmMain* main = ShowMainWindow(services);
    main->SetEntry(testing::EntryOfBirth());
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
    return testing::VisibleWindow("frmResult");
}

TEST(Translation, InHindiAReadingNamesItsRashiAndNakshatraInDevanagari)
{
    const Language hindi(kHindi);
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform);
    QWidget* result = ShowFirstWorkedBirth(services);
    ASSERT_NE(result, nullptr);

    EXPECT_EQ(result->findChild<QLabel*>(QStringLiteral("lblVedicName"))->text(), QStringLiteral("तुला"));
    const QString star = result->findChild<QLabel*>(QStringLiteral("lblBirthStar"))->text();
    EXPECT_TRUE(star.startsWith(QStringLiteral("स्वाती\u00A0"))) << star.toStdString();
    EXPECT_TRUE(result->findChild<QLabel*>(QStringLiteral("lblSignStay"))->text().contains(QStringLiteral("तुला")));
    QTest::mouseClick(result->findChild<QLabel*>(QStringLiteral("lblBirthStar")), Qt::LeftButton);
    EXPECT_EQ(result->findChild<QLabel*>(QStringLiteral("lblStarName"))->text(), QStringLiteral("स्वाती"));

    QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    const QString report = platform.LastModal->findChild<QTextBrowser*>()->toPlainText();
    EXPECT_TRUE(report.contains(QStringLiteral("वैदिक नाम: तुला"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("नक्षत्र: स्वाती"))) << report.toStdString();
    // Its dates, written by the locale, with Western digits.
    EXPECT_TRUE(report.contains(QStringLiteral("दिसंबर"))) << report.toStdString();
    testing::CloseAllWindows();
}

// A reading saved in Hindi is the file saved in English: the file holds the
// inputs, never the words that show them.
TEST(Translation, ASavedReadingIsTheSameFileInEitherLanguage)
{
    QByteArray saved[2];
    for (int i = 0; i < 2; ++i) {
        const Language language(i == 0 ? QLocale(QLocale::English, QLocale::UnitedStates) : kHindi);
        BirthRecord record;
        FakePlatform platform;
        Services services(record, platform);
        QWidget* result = ShowFirstWorkedBirth(services);
        ASSERT_NE(result, nullptr);
        QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        platform.SaveFileAnswers.push_back(QStringLiteral("/readings/asha.ras"));
        QTest::mouseClick(platform.LastModal->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        saved[i] = platform.Files[QStringLiteral("/readings/asha.ras")];
        testing::CloseAllWindows();
    }
    EXPECT_FALSE(saved[0].isEmpty());
    EXPECT_EQ(saved[1], saved[0]);
}

// Where Devanagari is drawn, the windows ask for a Devanagari font by name,
// so Qt never tries a Latin font for it first, which it warns of.
QStringList* gWarnings = nullptr;
void KeepWarning(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (gWarnings != nullptr) {
        gWarnings->append(message);
    }
}

TEST(Translation, DevanagariIsDrawnInTheDevanagariFontInEitherLanguage)
{
    QStringList warnings;
    gWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(KeepWarning);
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), kHindi}) {
        SCOPED_TRACE(locale.name().toStdString());
        const Language language(locale);
        BirthRecord record;
        FakePlatform platform;
        Services services(record, platform);
        frmMain* main = ShowMainWindow(services);
        main->grab();
        main->findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
        auto* languages = platform.LastModal->findChild<QComboBox*>(QStringLiteral("cboLanguage"));
        for (int i = 0; i < languages->count(); ++i) {
            languages->setCurrentIndex(i);  // each language in its own words
            platform.LastModal->grab();
        }
        languages->showPopup();
        languages->view()->grab();
        languages->hidePopup();
        platform.LastModal->close();
        main->close();
        QWidget* result = ShowFirstWorkedBirth(services);
        ASSERT_NE(result, nullptr);
        result->grab();  // the syllable "Ta (ता)" is drawn
        QTest::mouseClick(result->findChild<QLabel*>(QStringLiteral("lblBirthStar")), Qt::LeftButton);
        result->grab();  // and the four padas' syllables
        QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        platform.LastModal->grab();
        testing::CloseAllWindows();
    }
    qInstallMessageHandler(previous);
    gWarnings = nullptr;
    EXPECT_FALSE(warnings.join(QLatin1Char('\n')).contains(QStringLiteral("OpenType support missing")))
        << warnings.join(QLatin1Char('\n')).toStdString();

    {
        const Language hindi(kHindi);
        EXPECT_EQ(QFontInfo(WindowFont(9)).family(), QStringLiteral("Lohit Devanagari"));
    }
    EXPECT_NE(QFontInfo(WindowFont(9)).family(), QStringLiteral("Lohit Devanagari"));
    EXPECT_EQ(QFontInfo(DevanagariFont(9)).family(), QStringLiteral("Lohit Devanagari"));
    EXPECT_EQ(WithDevanagariFont(QStringLiteral("Ta (त) < lord")),
              QStringLiteral("Ta (<span style=\"font-family:'Lohit Devanagari'\">त) &lt; </span>lord"));
}

// The command line's help and refusals are looked up too, in their own
// context, and every part of them.
TEST(Translation, TheCommandLinesTextsAreLookedUp)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    const auto textOf = [](QStringList arguments) {
        return ParseCommandLine(QStringList{QStringLiteral("orvanta")} + arguments).Text;
    };
    const QString printed = textOf({QStringLiteral("--help")}) + textOf({QStringLiteral("a.ras"), QStringLiteral("b.ras")}) +
                            textOf({QStringLiteral("--match"), QStringLiteral("a.ras")}) +
                            textOf({QStringLiteral("-platform"), QStringLiteral("nosuchplatform")});
    QCoreApplication::removeTranslator(&marking);

    for (const char* text : {"Show this help and end.", "Show the version and end.",
                             "A saved reading to open.", "FILE", "Give at most one reading file.",
                             "Give --match two reading files, the bride's first.",
                             "Print the match of two saved readings, the bride's FILE\n"
                             "first and the groom's second, and end.",
                             "There is no display platform \"%1\"; there are: %2.",
                             "Usage: orvanta [options] [FILE]\n       orvanta --match BRIDE-FILE GROOM-FILE"}) {
        // The whole text where it stands as it is; its start where it is filled
        // in ("%1") or wrapped by the parser.
        const QString start = QString::fromLatin1(text).section(QRegularExpression(QStringLiteral("[\"\n]")), 0, 0);
        EXPECT_TRUE(printed.contains(QStringLiteral("\u00AB") + QLatin1String(text) + QStringLiteral("\u00BB")) ||
                    printed.contains(QStringLiteral("\u00AB") + start))
            << text << "\n" << printed.toStdString();
    }
    EXPECT_TRUE(printed.contains(QStringLiteral("\u00ABOrvanta finds the rashi"))) << printed.toStdString();
}

}  // namespace
}  // namespace orvanta
