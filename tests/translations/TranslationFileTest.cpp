// SPDX-License-Identifier: GPL-3.0-or-later
// The committed Hindi translations, message by message: what a translation
// must carry over from its source (the places %1 to %9, the access keys,
// line breaks, a label's closing colon), and the spelling the glossary
// (translations/README.md) settles.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <vector>

#include "WindowTestSupport.h"

namespace orvanta {
namespace {

struct Message {
    QString Context;
    QString Source;
    QString Translation;
};

std::vector<Message> ReadMessages(const QString& file)
{
    QFile ts(QStringLiteral(ORVANTA_SOURCE_DIR "/translations/") + file);
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
    std::vector<Message> messages;
    QXmlStreamReader xml(&ts);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            m = {context, xml.readElementText(), {}};
        } else if (xml.name() == QLatin1String("translation")) {
            m.Translation = xml.readElementText();
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList Places(const QString& text)
{
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    QStringList found;
    for (const auto& m : place.globalMatch(text)) {
        found.append(m.captured());
    }
    found.removeDuplicates();
    return Sorted(found);
}

// The letter after each single "&" ("&&" shows an ampersand).
QStringList AccessKeys(QString text)
{
    text.remove(QStringLiteral("&&"));
    static const QRegularExpression key(QStringLiteral("&(\\w)"));
    QStringList keys;
    for (const auto& m : key.globalMatch(text)) {
        keys.append(m.captured(1).toLower());
    }
    return keys;
}

// What every translation of the file owes its source.
std::vector<std::string> Faults(const std::vector<Message>& messages)
{
    // Where the Latin transliteration means nothing to a Hindi reader, the
    // syllable is given in Devanagari alone, shown and spoken.
    const auto devanagariOnly = [](const Message& m) {
        return m.Context == QLatin1String("Nakshatra") && m.Source == QStringLiteral("%1\u00A0(%2)");
    };
    std::vector<std::string> faults;
    for (const Message& m : messages) {
        const auto fault = [&](const char* what) {
            faults.push_back(m.Context.toStdString() + " | " + m.Source.toStdString() + ": " + what);
        };
        if (m.Translation.isEmpty()) {
            fault("not translated");
            continue;
        }
        const QStringList expected = devanagariOnly(m) ? QStringList{QStringLiteral("%2")} : Places(m.Source);
        if (Places(m.Translation) != expected) {
            fault("places %1 to %9 differ");
        }
        if (Sorted(AccessKeys(m.Translation)) != Sorted(AccessKeys(m.Source))) {
            fault("access keys differ");
        }
        if (m.Translation.count(QLatin1Char('\n')) != m.Source.count(QLatin1Char('\n'))) {
            fault("line breaks differ");
        }
        if (m.Source.endsWith(QStringLiteral(": ")) && !m.Translation.endsWith(QStringLiteral(": "))) {
            fault("a label's closing colon differs");
        }
        if (m.Source.startsWith(QLatin1Char(' ')) != m.Translation.startsWith(QLatin1Char(' ')) ||
            m.Source.endsWith(QLatin1Char(' ')) != m.Translation.endsWith(QLatin1Char(' '))) {
            fault("spaces at the ends differ");
        }
    }
    return faults;
}

// The spelling rules of the glossary: Western digits, no nukta on borrowed
// sounds (only the letters ड़ and ढ़ carry one), anusvara before a consonant
// in the words that have two spellings, one spelling of each name, and the
// danda at the end of a sentence.
std::vector<std::string> SpellingFaults(const std::vector<Message>& messages)
{
    static const QRegularExpression digit(QStringLiteral("[\\x{0966}-\\x{096F}]"));
    static const QRegularExpression borrowedNukta(
        QStringLiteral("[\\x{0958}-\\x{095B}\\x{095E}\\x{095F}]|(?<![\\x{0921}\\x{0922}])\\x{093C}"));
    static const QRegularExpression otherSpelling(
        QStringLiteral("कुम्भ|चन्द्र|स्वाति|(?<!त्)तत्व|दिनांक|लाहिड़ी|अश्लेषा|कृतिका|मृगशीर्ष"));
    std::vector<std::string> faults;
    for (const Message& m : messages) {
        const auto fault = [&](const char* what) {
            faults.push_back(m.Context.toStdString() + " | " + m.Source.toStdString() + ": " + what);
        };
        if (m.Translation.contains(digit)) {
            fault("Devanagari digits");
        }
        if (m.Translation.contains(borrowedNukta)) {
            fault("a nukta on a borrowed sound");
        }
        if (m.Translation.contains(otherSpelling)) {
            fault("a spelling the glossary does not use");
        }
        const bool sentence = m.Source.endsWith(QLatin1Char('.')) && !m.Source.endsWith(QStringLiteral(".."));
        if (sentence && !m.Translation.endsWith(QChar(0x0964))) {
            fault("a sentence without its danda");
        }
        if (m.Translation.contains(QStringLiteral(". ")) || m.Translation.endsWith(QLatin1Char('.'))) {
            if (!m.Translation.contains(QRegularExpression(QStringLiteral("\\.\\.|\\d\\.|[A-Za-z]\\.")))) {
                fault("a full stop for a danda");
            }
        }
    }
    return faults;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines) {
        all += line + "\n";
    }
    return all;
}

TEST(TranslationFile, EveryHindiTranslationCarriesOverWhatItsSourceHolds)
{
    for (const char* file : {"orvanta_hi.ts", "qtbase_hi.ts"}) {
        SCOPED_TRACE(file);
        const std::vector<Message> messages = ReadMessages(QString::fromLatin1(file));
        EXPECT_GT(messages.size(), 300u);
        const std::vector<std::string> faults = Faults(messages);
        EXPECT_TRUE(faults.empty()) << Joined(faults);
    }
}

TEST(TranslationFile, TheHindiFollowsTheGlossarysSpelling)
{
    for (const char* file : {"orvanta_hi.ts", "qtbase_hi.ts"}) {
        SCOPED_TRACE(file);
        const std::vector<std::string> faults = SpellingFaults(ReadMessages(QString::fromLatin1(file)));
        EXPECT_TRUE(faults.empty()) << Joined(faults);
    }
}

// The checks themselves, on faults a translator makes.
TEST(TranslationFile, TheChecksFindTheFaultsTheyAreFor)
{
    const std::vector<Message> wrong = {
        {QStringLiteral("Report"), QStringLiteral("Report Generated By %1"), QStringLiteral("रिपोर्ट")},
        {QStringLiteral("frmMain"), QStringLiteral("&File"), QStringLiteral("फाइल")},
        {QStringLiteral("Report"), QStringLiteral("Health: "), QStringLiteral("स्वास्थ्य")},
        {QStringLiteral("Nakshatra"), QStringLiteral("%1\u00A0(%2)"), QStringLiteral("%1")},
    };
    for (const Message& m : wrong) {
        EXPECT_FALSE(Faults({m}).empty()) << m.Source.toStdString();
    }
    const std::vector<Message> misspelt = {
        {QStringLiteral("Catalogue"), QStringLiteral("Kumbha"), QStringLiteral("कुम्भ")},
        {QStringLiteral("Dates"), QStringLiteral("1990"), QStringLiteral("१९९०")},
        {QStringLiteral("frmMain"), QStringLiteral("File"), QStringLiteral("फ़ाइल")},
        {QStringLiteral("frmMain"), QStringLiteral("Please Check The File."), QStringLiteral("कृपया फाइल जाँचें.")},
    };
    for (const Message& m : misspelt) {
        EXPECT_FALSE(SpellingFaults({m}).empty()) << m.Source.toStdString();
    }
}

}  // namespace
}  // namespace orvanta
