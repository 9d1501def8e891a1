// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/UpdateReminder.h"

#include <gtest/gtest.h>

#include "core/support/WebLinks.h"
#include "platform/FakePlatform.h"

namespace orvanta {
namespace {

const QString kKey = QStringLiteral("Settings/LastUpdateReminder");
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\nDo you want to check for an update?");

struct ReminderCase {
    const char* Name;
    std::optional<QString> Stored;  // nothing: never stored
    bool Writable;
    bool AnswerYes;
    bool Asks;
    std::optional<QString> StoredAfter;
};

// Today is 7 December 2026 on the fake platform.
const ReminderCase kCases[] = {
    {"first run", std::nullopt, true, false, false, QStringLiteral("2026-12-07")},
    {"empty setting", QString(), true, false, false, QStringLiteral("2026-12-07")},
    {"14 days ago", QStringLiteral("2026-11-23"), true, true, false, QStringLiteral("2026-11-23")},
    {"15 days ago, No", QStringLiteral("2026-11-22"), true, false, true, QStringLiteral("2026-12-07")},
    {"15 days ago, Yes", QStringLiteral("2026-11-22"), true, true, true, QStringLiteral("2026-12-07")},
    {"15 days ahead, Yes", QStringLiteral("2026-12-22"), true, true, true, QStringLiteral("2026-12-07")},
    {"unreadable", QStringLiteral("12/7/26"), true, true, false, QStringLiteral("2026-12-07")},
    {"not a real date", QStringLiteral("2026-02-30"), true, true, false, QStringLiteral("2026-12-07")},
    {"first run, store refuses", std::nullopt, false, false, false, std::nullopt},
    {"due, store refuses, Yes", QStringLiteral("2026-11-22"), false, true, true, QStringLiteral("2026-11-22")},
};

TEST(UpdateReminder, AsksOnlyWhenDueAndRemembersToday)
{
    for (const ReminderCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        FakePlatform platform;
        if (c.Stored) {
            platform.Settings[kKey] = *c.Stored;
        }
        platform.SettingsWritable = c.Writable;
        platform.YesNoAnswers = {c.AnswerYes};

        RemindOfUpdate(platform);

        const auto stored = platform.Settings.find(kKey);
        EXPECT_EQ(stored == platform.Settings.end() ? std::nullopt : std::optional(stored->second),
                  c.StoredAfter);
        EXPECT_TRUE(platform.Messages.empty());
        if (!c.Asks) {
            EXPECT_TRUE(platform.Questions.empty());
            EXPECT_TRUE(platform.OpenedPages.isEmpty());
            continue;
        }
        ASSERT_EQ(platform.Questions.size(), 1u);
        EXPECT_EQ(platform.Questions.front(), (FakePlatform::Message{kQuestion, MessageIcon::Information}));
        const QStringList expectedPages =
            c.AnswerYes ? QStringList{QString::fromUtf8(DownloadPage.data())} : QStringList{};
        EXPECT_EQ(platform.OpenedPages, expectedPages);
    }
}

}  // namespace
}  // namespace orvanta
