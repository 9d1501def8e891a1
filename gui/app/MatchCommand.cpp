// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/MatchCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "gui/report/ReadingFileAccess.h"
#include "gui/support/MoonPreferences.h"
#include "gui/widgets/QtText.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

// The printed match's own texts, in the context "MatchCommand".
struct Printed {
    Q_DECLARE_TR_FUNCTIONS(MatchCommand)
};

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The person a file holds, or nothing once why it does not open is printed.
std::optional<MatchPerson> PersonIn(Platform& platform, const PreciseMoonSource* precise, const QString& path)
{
    const ReadingFileCheck read = ReadReadingFileAt(platform, path);
    QString why;
    std::optional<MatchPerson> person;
    if (!read.Entry) {
        why = ReadingFileProblemDetail(path, read.Problem);
    } else {
        ComposedPerson composed = ComposeMatchPerson(*read.Entry, ReadMoonMethod(platform), precise);
        if (composed.Refusal) {
            why = Translated("Entry", composed.Refusal->Message);
        } else if (PossiblePlaces(composed.Person.Moon).empty()) {
            why = Printed::tr("No rashi can be found for this birth.");
        } else {
            person = std::move(composed.Person);
        }
    }
    if (!person) {
        Print(stderr, QStringLiteral("orvanta: %1: %2 %3\n").arg(ShownFileName(QFileInfo(path).fileName()),
                                                                  Printed::tr("Please Check The File."), why));
    }
    return person;
}

QString PersonLine(const QString& role, const MatchPerson& person)
{
    const PersonLines lines = DescribePerson(person);
    //: A person's line of the printed match: role, name, birth, place, rashi, nakshatra.
    return Printed::tr("%1: %2, born %3 at %4; %5, %6\n")
        .arg(role, Translated(lines.Name), Translated(lines.Birth), Translated(lines.Place), Translated(lines.Rashi),
             Translated(lines.Nakshatra));
}

}  // namespace

QString MatchTable(const MatchPerson& bride, const MatchPerson& groom, const Match& match)
{
    QString text = PersonLine(Printed::tr("Bride"), bride) + PersonLine(Printed::tr("Groom"), groom);
    text += Translated(DescribePerson(bride).Method) + QStringLiteral("\n\n");

    std::vector<std::array<QString, 4>> rows{
        {Printed::tr("Koota"), Printed::tr("Bride"), Printed::tr("Groom"), Printed::tr("Points")}};
    for (const KootaRow& row : match.Kootas) {
        rows.push_back({Translated(row.Name), Translated(row.Bride), Translated(row.Groom),
                        Printed::tr("%1 of %2").arg(Translated(row.Points), Translated(row.Maximum))});
    }
    rows.push_back({Printed::tr("Total"), QString(), QString(), Translated(match.Total)});
    std::array<qsizetype, 4> widths{};
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const auto& row : rows) {
        QString line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += c + 1 < row.size() ? row[c].leftJustified(widths[c] + 2) : row[c];
        }
        text += line.trimmed() + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + Translated(match.VerdictText) + QLatin1Char('\n');
    if (match.Doubt) {
        text += Translated(match.Doubt->Spoken) + QLatin1Char('\n');
    }
    for (const MatchNotice& dosha : match.Doshas) {
        text += Translated(dosha.Spoken) + QLatin1Char('\n');
    }
    // The window's no-break spaces keep a date whole; a terminal wraps as it will.
    return text.replace(QChar(0x00A0), QLatin1Char(' '));
}

int PrintMatch(Platform& platform, const PreciseMoonSource* precise, const QStringList& files)
{
    const std::optional<MatchPerson> bride = PersonIn(platform, precise, files.value(0));
    const std::optional<MatchPerson> groom = PersonIn(platform, precise, files.value(1));
    if (!bride || !groom) {
        return 1;
    }
    Print(stdout, MatchTable(*bride, *groom, *MatchReadings(bride->Moon, groom->Moon)));
    std::fflush(stdout);
    return 0;
}

}  // namespace orvanta
