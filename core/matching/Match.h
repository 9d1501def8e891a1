// SPDX-License-Identifier: GPL-3.0-or-later
// The match of two readings as the window and the report show it: each
// person's Moon, with every place it may stand in where the reading cannot
// tell its pada or sign; the eight kootas with each side's class and the
// points got (a range where a Moon is in doubt); the total, the verdict, and
// the two doshas with the condition under which the tradition lifts each,
// shown beside the points and never applied to them.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/common/BirthRecord.h"
#include "core/common/UiText.h"
#include "core/entry/BirthDataEntry.h"
#include "core/entry/InputRules.h"
#include "core/matching/Ashtakoota.h"
#include "core/reading/Reading.h"

namespace orvanta {

enum class MatchRole { Bride, Groom };

// One person of a match: the birth data, for the lines shown, and the
// reading composed from them.
struct MatchPerson {
    BirthRecord Birth;
    Reading Moon;
};

// A person from an entry (a saved reading's) checked as the main window
// checks it and composed by the given method in a record of its own, so the
// shared record stays as it is.
struct ComposedPerson {
    std::optional<ValidationFailure> Refusal;
    MatchPerson Person;
};
ComposedPerson ComposeMatchPerson(const BirthDataEntry& entry, const MoonMethod& method,
                                  const PreciseMoonSource* precise = nullptr);

// The places the Moon may stand in: the reading's own first, then the
// neighbouring pada (and with it, at a sign's end, the neighbouring rashi)
// where the reading cannot tell the pada, and the other half of the sign
// where Vashya splits it and the Moon is within the method's accuracy of
// 15°. Empty when the reading names no sign of its own.
std::vector<MoonPlace> PossiblePlaces(const Reading& reading);

// What a side of the window and of the report shows of a person.
struct PersonLines {
    UiText Name;       // as entered, or "(no name)"
    UiText Birth;      // "12 Mar 1975, 07:05 (zone 5:30 east)"
    UiText Place;      // "28°39′ N, 77°13′ E"
    UiText Rashi;      // "Meena"
    UiText Nakshatra;  // "Revati, pada 2"; "Revati, pada 2 or 3" in doubt
    UiText Method;     // the reading's method line
};
PersonLines DescribePerson(const MatchPerson& person);

struct KootaRow {
    Koota Which = Koota::Varna;
    UiText Name;    // "Yoni"
    UiText Bride;   // the bride's class: "Horse"; "Horse or Elephant" in doubt
    UiText Groom;
    int MinHalves = 0;  // the points got, counted in halves
    int MaxHalves = 0;
    UiText Points;   // "3", "1½", "1 or 3"
    UiText Maximum;  // "4"
    UiText Spoken;   // the row as one sentence, for screen readers
};

enum class MatchVerdict { MayBeConsidered, NotRecommended, CannotTell };

// A notice in the reading's style: a heading and its text, and both as one
// for screen readers.
struct MatchNotice {
    UiText Heading;
    UiText Text;
    UiText Spoken;
};

struct Match {
    std::array<KootaRow, KootaCount> Kootas;
    int MinTotalHalves = 0;
    int MaxTotalHalves = 0;
    UiText TotalPoints;  // "24½", "24 or 27", "23 to 27"
    UiText Total;        // the same "of 36"
    MatchVerdict Verdict = MatchVerdict::CannotTell;
    UiText VerdictText;
    UiText Scale;  // the scale the verdict reads, and whose it is
    std::vector<MatchNotice> Doshas;
    std::optional<MatchNotice> Doubt;  // when either Moon is in doubt
};

// The match of a bride's and a groom's reading; empty when either reading
// names no sign of its own.
std::optional<Match> MatchReadings(const Reading& bride, const Reading& groom);

// "24", "24½", "½".
std::string PointsText(int halves);

}  // namespace orvanta
