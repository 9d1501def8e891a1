// SPDX-License-Identifier: GPL-3.0-or-later
// The program in another language: without a translation every text stays
// exactly the English one; with one, every text a window shows is looked up.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "gui/app/CommandLine.h"
#include "gui/app/frmMain.h"
#include "gui/app/Translations.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
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

// Opens each window as a user does and collects what it shows.
struct Tour {
    BirthRecord Record;
    FakePlatform Platform;
    Services Shared{Record, Platform};
    QStringList Shown;  // "object: text"

    void Collect(QWidget* window)
    {
        ASSERT_NE(window, nullptr);
        const auto add = [this](const QObject* o, const QString& text) {
            if (!text.isEmpty()) {
                Shown.append(o->objectName() + QStringLiteral(": ") + text);
            }
        };
        for (auto* w : window->findChildren<QLabel*>()) add(w, w->text());
        for (auto* w : window->findChildren<QAbstractButton*>()) add(w, w->text());
        for (auto* w : window->findChildren<QGroupBox*>()) add(w, w->title());
        for (auto* w : window->findChildren<QAction*>()) add(w, w->text());
        for (auto* w : window->findChildren<QMenu*>()) add(w, w->title());
        for (auto* w : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < w->count(); ++i) add(w, w->tabText(i));
        }
        for (auto* w : window->findChildren<QListWidget*>()) {
            for (int i = 0; i < w->count(); ++i) add(w, w->item(i)->text());
        }
        for (auto* w : window->findChildren<QLineEdit*>()) {
            if (w->isReadOnly()) add(w, w->text());
        }
        for (auto* w : window->findChildren<QPlainTextEdit*>()) add(w, w->toPlainText());
        for (auto* w : window->findChildren<QWidget*>()) add(w, w->accessibleName());
        auto* months = window->findChild<QComboBox*>(QStringLiteral("cboMonth"));
        if (months != nullptr) add(months, months->itemText(0));
    }

    void Run()
    {
        frmMain* main = ShowMainWindow(Shared);
        Collect(main);
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        for (const auto& m : Platform.Messages) Shown.append(QStringLiteral("message: ") + m.Text);
        QTest::mouseClick(main->findChild<QLabel*>(QStringLiteral("lblTZHelp")), Qt::LeftButton);
        Collect(Platform.LastModal);
        Platform.LastModal->close();
        main->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        Collect(Platform.LastModal);
        Platform.LastModal->close();
        main->findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
        Collect(Platform.LastModal);
        Platform.LastModal->close();

        main->SetEntry(testing::EntryOfBirth());
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        QWidget* result = testing::VisibleWindow("frmResult");
        Collect(result);
        QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        Collect(Platform.LastModal);
        const QString report = Platform.LastModal->findChild<QTextBrowser*>()->toPlainText();
        for (const QString& line : report.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            Shown.append(QStringLiteral("report: ") + line);
        }
        testing::CloseAllWindows();
    }
};

TEST(Translation, ALanguageWithoutATranslationShowsTheEnglishTexts)
{
    Tour english;
    english.Run();
    // Swahili: neither the program nor Qt itself carries it, so not even
    // the boxes' buttons may change.
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::Swahili, QLocale::Kenya));
    Tour swahili;
    swahili.Run();
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_GT(english.Shown.size(), 300);
    EXPECT_EQ(swahili.Shown, english.Shown);
}

// Texts that are data, not words of the program: numbers, the entered name,
// the program's own name and version, addresses, and punctuation.
bool IsData(const QString& text)
{
    static const QRegularExpression data(QStringLiteral(
        "^([-+0-9 .,:;°'\u2032\u00A0]*|Asha|Orvanta( v2\\.0)?|https?://\\S+|Lahiri|Raman|Krishnamurti)$"));
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
        const QString text = entry.section(QStringLiteral(": "), 1);
        // The tab bar's own scroll buttons are Qt's, in Qt's translation.
        const bool qts = entry.startsWith(QStringLiteral("Scroll"));
        if (!text.contains(QChar(0x00AB)) && !IsData(text) && !qts) {
            unmarked.append(entry);
        }
    }
    EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(QLatin1Char('\n')).toStdString();
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
