// SPDX-License-Identifier: GPL-3.0-or-later
// Dates and months in the windows' language: the English as the core writes
// it, another language's as its locale does, always with Western digits.
#include <QLocale>
#include <gtest/gtest.h>

#include "core/common/Calendar.h"
#include "gui/app/Translations.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/UiLanguage.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

class UiLanguageTest : public ::testing::Test {
public:
    void TearDown() override
    {
        InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

struct DateCase {
    QLocale::Language Language;
    UiText Text;
    QString Expected;
};

TEST_F(UiLanguageTest, DatesAndTimesAreWrittenInTheWindowsLanguage)
{
    const QString nbsp(QChar(0x00A0));
    const DateCase cases[] = {
        {QLocale::English, DateText({1990, 1, 15}, true), QStringLiteral("15 Jan 1990")},
        {QLocale::English, DateText({2000, 3, 13}, false, "\u00A0"), QStringLiteral("13") + nbsp + QStringLiteral("Mar")},
        {QLocale::English, TimeText(7, 5), QStringLiteral("07:05")},
        {QLocale::Hindi, DateText({1990, 1, 15}, true), QStringLiteral("15") + nbsp + QStringLiteral("जनवरी") + nbsp +
                                                            QStringLiteral("1990")},
        {QLocale::Hindi, DateText({2000, 3, 13}, false), QStringLiteral("13") + nbsp + QStringLiteral("मार्च")},
        {QLocale::Hindi, TimeText(23, 55), QStringLiteral("23:55")},
    };
    for (const DateCase& c : cases) {
        InstallTranslations(*QCoreApplication::instance(), QLocale(c.Language, QLocale::AnyTerritory));
        EXPECT_EQ(Translated(c.Text), c.Expected) << English(c.Text);
    }
}

// Marathi's locale writes Devanagari digits; the windows keep Western ones,
// as the almanacs do.
TEST_F(UiLanguageTest, DigitsStayWestern)
{
    SetUiLocale(QLocale(QLocale::Marathi, QLocale::India));
    ASSERT_EQ(QLocale(QLocale::Marathi, QLocale::India).toString(1990), QStringLiteral("१,९९०"));
    const QString date = Translated(DateText({1990, 1, 15}, true));
    EXPECT_TRUE(date.contains(QStringLiteral("1990"))) << date.toStdString();
    EXPECT_TRUE(date.startsWith(QStringLiteral("15"))) << date.toStdString();
}

TEST_F(UiLanguageTest, TheDateListNamesTheMonthsInTheWindowsLanguage)
{
    EXPECT_EQ(MonthName(1), QStringLiteral("January"));
    EXPECT_EQ(MonthName(12), QStringLiteral("December"));
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::Hindi, QLocale::India));
    EXPECT_EQ(MonthName(1), QStringLiteral("जनवरी"));
    EXPECT_EQ(MonthName(9), QStringLiteral("सितंबर"));
}

}  // namespace
}  // namespace orvanta
