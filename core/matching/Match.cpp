// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/matching/Match.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "core/common/RashiCatalogueRow.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/reading/NakshatraText.h"
#include "core/reading/StayText.h"

namespace orvanta {

namespace {

using namespace koota;

constexpr int PadasPerRashi = 9;
constexpr double HalfSignDegrees = 15.0;
constexpr int PassHalves = 2 * 18;  // the verdict turns at 18 of 36 points

std::size_t At(auto value) { return static_cast<std::size_t>(value); }

int RashiIndex(std::string_view vedicName)
{
    for (std::size_t i = 0; i < RashiNameTable.size(); ++i) {
        if (RashiNameTable[i].VedicName == vedicName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A pada of the zodiac, near its start or near its end: which half of the
// sign that is, where a pada lies across 15°, depends on the end.
MoonPlace PlaceOfPada(int pada, bool nearItsStart)
{
    const double start = (pada % PadasPerRashi) * PadaDegrees;
    return {pada / PadasPerRashi, pada,
            nearItsStart ? start >= HalfSignDegrees : start + PadaDegrees > HalfSignDegrees};
}

void AddPlace(std::vector<MoonPlace>& places, const MoonPlace& place)
{
    if (std::find(places.begin(), places.end(), place) == places.end()) {
        places.push_back(place);
    }
}

bool VashyaDiffers(const MoonPlace& place)
{
    const RashiClasses& row = RashiKootaTable[At(place.Rashi)];
    return row.FirstHalf != row.SecondHalf;
}

UiText Name(std::string_view context, std::string_view text)
{
    return Compose(TextSource{context.data(), text.data()});
}

UiText ClassName(Koota koota, int value)
{
    const auto at = At(value);
    switch (koota) {
    case Koota::Varna: return Name("Matching", VarnaNames[at]);
    case Koota::Vashya: return Name("Matching", VashyaNames[at]);
    case Koota::Tara:
        //: A tara and its number: the other's nakshatra counted from one's own.
        return Compose(ORVANTA_TR("Matching", "%1 (%2)"),
                       {Name("Matching", TaraNames[at]), Verbatim(std::to_string(value))});
    case Koota::Yoni: return Name("Matching", YoniNames[at]);
    case Koota::GrahaMaitri: return Name("Planet", PlanetNames[at]);
    case Koota::Gana: return Name("Matching", GanaNames[at]);
    case Koota::Bhakoot: return CatalogueText(RashiNameTable[at].VedicName);
    case Koota::Nadi: return Name("Matching", NadiNames[at]);
    }
    return Verbatim({});
}

UiText Alternatives(const std::vector<UiText>& texts)
{
    UiText joined = texts.front();
    for (std::size_t i = 1; i < texts.size(); ++i) {
        //: Two values, either of which may hold where a Moon cannot be told exactly.
        joined = Compose(ORVANTA_TR("Matching", "%1 or %2"), {joined, texts[i]});
    }
    return joined;
}

// "3", "1 or 3", "23 to 27": the distinct values, in halves, from least to most.
UiText Range(std::vector<int> halves)
{
    std::sort(halves.begin(), halves.end());
    halves.erase(std::unique(halves.begin(), halves.end()), halves.end());
    const UiText least = Verbatim(PointsText(halves.front()));
    const UiText most = Verbatim(PointsText(halves.back()));
    switch (halves.size()) {
    case 1: return least;
    case 2: return Compose(ORVANTA_TR("Matching", "%1 or %2"), {least, most});
    default:
        //: The least and the most of several possible points.
        return Compose(ORVANTA_TR("Matching", "%1 to %2"), {least, most});
    }
}

MatchNotice Notice(UiText heading, UiText text)
{
    //: A notice's heading and its text, as a screen reader says them.
    UiText spoken = Compose(ORVANTA_TR("Matching", "%1: %2"), {heading, text});
    return {std::move(heading), std::move(text), std::move(spoken)};
}

// The pairs of places the two Moons may stand in, and each pair's score.
struct Pairing {
    MoonPlace Bride;
    MoonPlace Groom;
    AshtakootaScore Score;
};

KootaRow Row(Koota koota, const std::vector<Pairing>& pairings)
{
    KootaRow row;
    row.Which = koota;
    row.Name = Name("Matching", KootaNames[At(koota)]);
    std::vector<int> brideClasses, groomClasses, halves;
    for (const Pairing& p : pairings) {
        const int bride = ClassOf(koota, p.Bride, p.Groom);
        const int groom = ClassOf(koota, p.Groom, p.Bride);
        if (std::find(brideClasses.begin(), brideClasses.end(), bride) == brideClasses.end()) {
            brideClasses.push_back(bride);
        }
        if (std::find(groomClasses.begin(), groomClasses.end(), groom) == groomClasses.end()) {
            groomClasses.push_back(groom);
        }
        halves.push_back(p.Score.PointsHalves(koota));
    }
    auto names = [koota](const std::vector<int>& classes) {
        std::vector<UiText> texts;
        for (const int c : classes) {
            texts.push_back(ClassName(koota, c));
        }
        return Alternatives(texts);
    };
    row.Bride = names(brideClasses);
    row.Groom = names(groomClasses);
    row.MinHalves = *std::min_element(halves.begin(), halves.end());
    row.MaxHalves = *std::max_element(halves.begin(), halves.end());
    row.Points = Range(halves);
    row.Maximum = Verbatim(std::to_string(MaxPoints(koota)));
    row.Spoken = Compose(ORVANTA_TR("Matching", "%1: the bride %2, the groom %3; %4 of %5 points."),
                         {row.Name, row.Bride, row.Groom, row.Points, row.Maximum});
    return row;
}

UiText HoldsText(bool someHold, bool allHold)
{
    if (allHold) {
        return Compose(ORVANTA_TR("Matching", "That holds here."));
    }
    return someHold ? Compose(ORVANTA_TR("Matching", "Whether that holds here depends on the Moon in doubt."))
                    : Compose(ORVANTA_TR("Matching", "That does not hold here."));
}

// The dosha of the pairings that have it, or nothing when none has.
template <typename Has, typename Lifted, typename Describe>
std::optional<MatchNotice> Dosha(const std::vector<Pairing>& pairings, Has has, Lifted lifted, Describe describe)
{
    std::vector<const Pairing*> with;
    for (const Pairing& p : pairings) {
        if (has(p.Score)) {
            with.push_back(&p);
        }
    }
    if (with.empty()) {
        return std::nullopt;
    }
    const auto liftedCount =
        std::count_if(with.begin(), with.end(), [&](const Pairing* p) { return lifted(p->Score); });
    MatchNotice notice = describe(*with.front());
    std::vector<UiText> parts{notice.Text, HoldsText(liftedCount > 0, liftedCount == static_cast<long>(with.size()))};
    if (with.size() < pairings.size()) {
        parts.push_back(Compose(ORVANTA_TR("Matching", "The dosha itself depends on the Moon in doubt.")));
    }
    UiText text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        //: Two sentences of a note, one after the other.
        text = Compose(ORVANTA_TR("Matching", "%1 %2"), {text, parts[i]});
    }
    return Notice(notice.Heading, text);
}

MatchNotice NadiDosha(const Pairing& p)
{
    return Notice(Compose(ORVANTA_TR("Matching", "Nadi dosha")),
                  Compose(ORVANTA_TR("Matching", "Both Moons are in the %1 nadi, which gets 0 of 8 points. The "
                                                 "tradition lifts this dosha where the two are in one rashi but "
                                                 "different nakshatras, or in one nakshatra but different padas."),
                          {ClassName(Koota::Nadi, ClassOf(Koota::Nadi, p.Bride, p.Groom))}));
}

MatchNotice BhakootDosha(const Pairing& p)
{
    const int there = p.Score.GroomFromBride;
    const int back = (13 - there) % 12 + 1;  // the bride's rashi counted from the groom's
    const int nearer = std::min(there, back);
    const UiText name = nearer == 2   ? Compose(ORVANTA_TR("Matching", "dvirdvadasha"))
                        : nearer == 5 ? Compose(ORVANTA_TR("Matching", "navapanchama"))
                                      : Compose(ORVANTA_TR("Matching", "shadashtaka"));
    return Notice(Compose(ORVANTA_TR("Matching", "Bhakoot dosha")),
                  Compose(ORVANTA_TR("Matching", "Counted from the bride's rashi the groom's is number %1, and "
                                                 "hers counted from his is number %2 (%3), which gets 0 of 7 "
                                                 "points. The tradition lifts this dosha where the two rashis have "
                                                 "one lord, or a lord that counts the other a friend."),
                          {Verbatim(std::to_string(there)), Verbatim(std::to_string(back)), name}));
}

UiText VerdictText(MatchVerdict verdict)
{
    switch (verdict) {
    case MatchVerdict::MayBeConsidered:
        return Compose(ORVANTA_TR("Matching", "18 or more of 36: the match may be considered."));
    case MatchVerdict::NotRecommended:
        return Compose(ORVANTA_TR("Matching", "Below 18 of 36: the match is not recommended."));
    case MatchVerdict::CannotTell:
        break;
    }
    return Compose(ORVANTA_TR("Matching", "Cannot be told: with the Moon in doubt the total may fall on either side "
                                          "of 18."));
}

// Why a side's Moon is in doubt, or nothing.
std::optional<UiText> DoubtOf(MatchRole role, const Reading& reading, const std::vector<MoonPlace>& places)
{
    if (places.size() < 2) {
        return std::nullopt;
    }
    const bool bride = role == MatchRole::Bride;
    const bool rashiInDoubt = std::any_of(places.begin(), places.end(),
                                          [&](const MoonPlace& p) { return p.Rashi != places.front().Rashi; });
    if (rashiInDoubt) {
        return bride ? Compose(ORVANTA_TR("Matching", "The bride's rashi cannot be told by this method."))
                     : Compose(ORVANTA_TR("Matching", "The groom's rashi cannot be told by this method."));
    }
    if (reading.NakshatraLines && reading.NakshatraLines->Certainty == StayCertainty::CannotTell) {
        return bride ? Compose(ORVANTA_TR("Matching", "The bride's pada cannot be told by this method."))
                     : Compose(ORVANTA_TR("Matching", "The groom's pada cannot be told by this method."));
    }
    return bride ? Compose(ORVANTA_TR("Matching", "The bride's Moon is within this method's accuracy of the middle "
                                                  "of its rashi, where Vashya changes."))
                 : Compose(ORVANTA_TR("Matching", "The groom's Moon is within this method's accuracy of the middle "
                                                  "of its rashi, where Vashya changes."));
}


std::string DegreesMinutesText(int degrees, int minutes)
{
    return std::to_string(degrees) + "\u00B0" + (minutes < 10 ? "0" : "") + std::to_string(minutes) + "\u2032";
}

}  // namespace

std::string PointsText(int halves)
{
    const int whole = halves / 2;
    if (halves % 2 == 0) {
        return std::to_string(whole);
    }
    return (whole == 0 ? std::string() : std::to_string(whole)) + "\u00BD";
}

ComposedPerson ComposeMatchPerson(const BirthDataEntry& entry, const MoonMethod& method,
                                  const PreciseMoonSource* precise)
{
    ComposedPerson composed;
    ComposedReading reading = ComposeReading(entry, composed.Person.Birth, method, precise);
    composed.Refusal = reading.Refusal;
    composed.Person.Moon = std::move(reading.Value);
    return composed;
}

std::vector<MoonPlace> PossiblePlaces(const Reading& reading)
{
    const int rashi = RashiIndex(reading.Rashi.VedicName);
    if (!reading.SignStay || !reading.Nakshatra || !reading.NakshatraLines || rashi < 0) {
        return {};
    }
    const SignStayText& sign = *reading.SignStay;
    const NakshatraStay& star = *reading.Nakshatra;
    std::vector<MoonPlace> places{{rashi, star.Position.PadaOfZodiac(), sign.DegreesIntoSign >= HalfSignDegrees}};

    // A change of sign is a change of pada too, so the pada's doubt covers both.
    if (reading.NakshatraLines->Certainty == StayCertainty::CannotTell) {
        if (const PadaCrossing* change = NearerChange(star.PadaEntered, star.PadaLeaves)) {
            const bool ahead = change->MinutesFromBirth > 0;
            AddPlace(places, PlaceOfPada(ahead ? change->PadaAfter : change->PadaBefore, ahead));
        }
    }
    if (sign.Certainty == StayCertainty::CannotTell && sign.NearEnd != SignEnd::None) {
        const bool atEnd = sign.NearEnd == SignEnd::End;
        const int pada = atEnd ? (rashi + 1) % 12 * PadasPerRashi : (rashi * PadasPerRashi + PadaCount - 1) % PadaCount;
        AddPlace(places, PlaceOfPada(pada, atEnd));
    }
    // Vashya halves Dhanus and Makara at 15°, where no pada ends.
    if (std::fabs(sign.DegreesIntoSign - HalfSignDegrees) <= sign.AccuracyDegrees && VashyaDiffers(places.front())) {
        MoonPlace other = places.front();
        other.LaterHalf = !other.LaterHalf;
        AddPlace(places, other);
    }
    return places;
}

PersonLines DescribePerson(const MatchPerson& person)
{
    const BirthRecord& b = person.Birth;
    PersonLines lines;
    //: Shown for a saved reading that holds no name.
    lines.Name = b.PersonName.empty() ? Compose(ORVANTA_TR("Matching", "(no name)")) : Verbatim(b.PersonName);
    const ClockTime birth{b.BirthYear, b.BirthMonth, b.BirthDay, b.BirthHour, b.BirthMinute, 0};
    //: A birth's date and clock time, as "12 Mar 1975, 07:05".
    lines.Birth = Compose(ORVANTA_TR("Matching", "%1, %2"), {DayMonth(birth, true), HourMinute(birth)});
    //: A birth place as latitude and longitude with their sides: "28°39′ N, 77°13′ E".
    lines.Place = Compose(ORVANTA_TR("Matching", "%1 %2, %3 %4"),
                          {Verbatim(DegreesMinutesText(b.LatitudeDegrees, b.LatitudeMinutes)),
                           //: North or South, after a latitude.
                           b.LatitudeSouth ? Compose(ORVANTA_TR("Matching", "S"))
                                           : Compose(ORVANTA_TR("Matching", "N")),
                           Verbatim(DegreesMinutesText(b.LongitudeDegrees, b.LongitudeMinutes)),
                           //: East or West, after a longitude.
                           b.LongitudeEast ? Compose(ORVANTA_TR("Matching", "E"))
                                           : Compose(ORVANTA_TR("Matching", "W"))});
    lines.Rashi = CatalogueText(person.Moon.Rashi.VedicName);
    std::vector<UiText> padas;
    for (const MoonPlace& place : PossiblePlaces(person.Moon)) {
        const UiText pada = PadaName(place.Pada);
        if (std::none_of(padas.begin(), padas.end(), [&](const UiText& t) { return English(t) == English(pada); })) {
            padas.push_back(pada);
        }
    }
    lines.Nakshatra = padas.empty() ? Verbatim({}) : Alternatives(padas);
    lines.Method = MethodLine(person.Moon);
    return lines;
}

std::optional<Match> MatchReadings(const Reading& bride, const Reading& groom)
{
    const std::vector<MoonPlace> bridePlaces = PossiblePlaces(bride);
    const std::vector<MoonPlace> groomPlaces = PossiblePlaces(groom);
    if (bridePlaces.empty() || groomPlaces.empty()) {
        return std::nullopt;
    }
    std::vector<Pairing> pairings;
    for (const MoonPlace& b : bridePlaces) {
        for (const MoonPlace& g : groomPlaces) {
            pairings.push_back({b, g, ScoreAshtakoota(b, g)});
        }
    }

    Match match;
    for (const Koota koota : AllKootas) {
        match.Kootas[At(koota)] = Row(koota, pairings);
    }
    std::vector<int> totals;
    for (const Pairing& p : pairings) {
        totals.push_back(p.Score.TotalHalves);
    }
    match.MinTotalHalves = *std::min_element(totals.begin(), totals.end());
    match.MaxTotalHalves = *std::max_element(totals.begin(), totals.end());
    match.TotalPoints = Range(totals);
    match.Total = Compose(ORVANTA_TR("Matching", "%1 of %2"),
                          {match.TotalPoints, Verbatim(std::to_string(MaxTotalPoints))});
    match.Verdict = match.MinTotalHalves >= PassHalves  ? MatchVerdict::MayBeConsidered
                    : match.MaxTotalHalves < PassHalves ? MatchVerdict::NotRecommended
                                                         : MatchVerdict::CannotTell;
    match.VerdictText = VerdictText(match.Verdict);
    match.Scale = Compose(ORVANTA_TR("Matching", "The traditional scale: a match may be considered with at least "
                                                 "half of the 36 points (18), as the Hindi texts on melapaka give "
                                                 "it; the doshas are weighed beside the total."));

    if (auto nadi = Dosha(pairings, [](const AshtakootaScore& s) { return s.NadiDosha; },
                          [](const AshtakootaScore& s) { return s.NadiDoshaLifted; }, NadiDosha)) {
        match.Doshas.push_back(std::move(*nadi));
    }
    if (auto bhakoot = Dosha(pairings, [](const AshtakootaScore& s) { return s.BhakootDosha; },
                             [](const AshtakootaScore& s) { return s.BhakootDoshaLifted; }, BhakootDosha)) {
        match.Doshas.push_back(std::move(*bhakoot));
    }

    const std::optional<UiText> brideDoubt = DoubtOf(MatchRole::Bride, bride, bridePlaces);
    const std::optional<UiText> groomDoubt = DoubtOf(MatchRole::Groom, groom, groomPlaces);
    if (brideDoubt || groomDoubt) {
        const UiText why = brideDoubt && groomDoubt
                               ? Compose(ORVANTA_TR("Matching", "%1 %2"), {*brideDoubt, *groomDoubt})
                               : brideDoubt ? *brideDoubt : *groomDoubt;
        match.Doubt = Notice(Compose(ORVANTA_TR("Matching", "Score cannot be told exactly")),
                             Compose(ORVANTA_TR("Matching", "%1 The kootas that depend on it show each possible "
                                                            "value, and the total is %2."),
                                     {why, match.Total}));
    }
    return match;
}

}  // namespace orvanta
