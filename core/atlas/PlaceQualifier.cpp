// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/PlaceQualifier.h"

#include <algorithm>
#include <array>

#include "core/atlas/CountryNames.h"

namespace orvanta {

namespace {

struct RegionCode {
    std::string_view Country;
    std::string_view Code;
    std::string_view Region;  // as the atlas names it
};

// The codes people write after a town's name in these countries.
constexpr std::array<RegionCode, 72> RegionCodes{{
    {"US", "AL", "Alabama"},        {"US", "AK", "Alaska"},         {"US", "AZ", "Arizona"},
    {"US", "AR", "Arkansas"},       {"US", "CA", "California"},     {"US", "CO", "Colorado"},
    {"US", "CT", "Connecticut"},    {"US", "DE", "Delaware"},       {"US", "DC", "District of Columbia"},
    {"US", "FL", "Florida"},        {"US", "GA", "Georgia"},        {"US", "HI", "Hawaii"},
    {"US", "ID", "Idaho"},          {"US", "IL", "Illinois"},       {"US", "IN", "Indiana"},
    {"US", "IA", "Iowa"},           {"US", "KS", "Kansas"},         {"US", "KY", "Kentucky"},
    {"US", "LA", "Louisiana"},      {"US", "ME", "Maine"},          {"US", "MD", "Maryland"},
    {"US", "MA", "Massachusetts"},  {"US", "MI", "Michigan"},       {"US", "MN", "Minnesota"},
    {"US", "MS", "Mississippi"},    {"US", "MO", "Missouri"},       {"US", "MT", "Montana"},
    {"US", "NE", "Nebraska"},       {"US", "NV", "Nevada"},         {"US", "NH", "New Hampshire"},
    {"US", "NJ", "New Jersey"},     {"US", "NM", "New Mexico"},     {"US", "NY", "New York"},
    {"US", "NC", "North Carolina"}, {"US", "ND", "North Dakota"},   {"US", "OH", "Ohio"},
    {"US", "OK", "Oklahoma"},       {"US", "OR", "Oregon"},         {"US", "PA", "Pennsylvania"},
    {"US", "RI", "Rhode Island"},   {"US", "SC", "South Carolina"}, {"US", "SD", "South Dakota"},
    {"US", "TN", "Tennessee"},      {"US", "TX", "Texas"},          {"US", "UT", "Utah"},
    {"US", "VT", "Vermont"},        {"US", "VA", "Virginia"},       {"US", "WA", "Washington"},
    {"US", "WV", "West Virginia"},  {"US", "WI", "Wisconsin"},      {"US", "WY", "Wyoming"},
    {"CA", "AB", "Alberta"},        {"CA", "BC", "British Columbia"},
    {"CA", "MB", "Manitoba"},       {"CA", "NB", "New Brunswick"},  {"CA", "NL", "Newfoundland and Labrador"},
    {"CA", "NS", "Nova Scotia"},    {"CA", "NT", "Northwest Territories"},
    {"CA", "NU", "Nunavut"},        {"CA", "ON", "Ontario"},        {"CA", "PE", "Prince Edward Island"},
    {"CA", "QC", "Quebec"},         {"CA", "SK", "Saskatchewan"},   {"CA", "YT", "Yukon"},
    {"AU", "ACT", "Australian Capital Territory"},                  {"AU", "NSW", "New South Wales"},
    {"AU", "NT", "Northern Territory"},                             {"AU", "QLD", "Queensland"},
    {"AU", "SA", "South Australia"},                                {"AU", "TAS", "Tasmania"},
    {"AU", "VIC", "Victoria"},                                      {"AU", "WA", "Western Australia"},
}};

// Names in everyday use besides the atlas's own short names.
struct CountryAlias {
    std::string_view Alias;
    std::string_view Country;
};
constexpr std::array<CountryAlias, 10> CountryAliases{{
    {"USA", "US"},           {"UK", "GB"},         {"Great Britain", "GB"}, {"Britain", "GB"},
    {"Holland", "NL"},       {"UAE", "AE"},        {"Czech Republic", "CZ"}, {"Ivory Coast", "CI"},
    {"Burma", "MM"},         {"Macedonia", "MK"},
}};

// Up to this many words name one country or region ("bosnia and herzegovina").
constexpr std::size_t MaxQualifierWords = 6;
// A place named with more than a region and a country is not typed so.
constexpr int MaxTrailingQualifiers = 2;

std::string Joined(const std::vector<std::string>& words, std::size_t from, std::size_t to)
{
    std::string phrase;
    for (std::size_t i = from; i < to; ++i) {
        phrase += (i > from ? " " : "") + words[i];
    }
    return phrase;
}

std::vector<std::string_view> SplitAtCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string_view::npos; start = comma + 1) {
        parts.push_back(text.substr(start, comma - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

bool Qualifier::Admits(std::string_view country, std::int64_t region) const
{
    return Countries_.find(country) != Countries_.end() || Regions_.count(region) != 0 ||
           RegionsIn_.count({std::string(country), region}) != 0;
}

void Qualifier::AddCountry(std::string country)
{
    Countries_.insert(std::move(country));
}

void Qualifier::AddRegion(std::int64_t region)
{
    Regions_.insert(region);
}

void Qualifier::AddRegionIn(std::string country, std::int64_t region)
{
    RegionsIn_.insert({std::move(country), region});
}

bool Qualifier::Empty() const
{
    return Countries_.empty() && Regions_.empty() && RegionsIn_.empty();
}

PlaceQualifiers::PlaceQualifiers(Fold fold, const Regions& regions) : Fold_(std::move(fold))
{
    for (const auto& [id, name] : regions) {
        if (std::string folded = Folded(name); !folded.empty()) {
            Names_.push_back({std::move(folded), {}, id});
        }
    }
    std::sort(Names_.begin(), Names_.end());
    for (const RegionCode& code : RegionCodes) {
        const std::string region = Folded(code.Region);
        const auto [first, last] = std::equal_range(Names_.begin(), Names_.end(), Named{region, {}, 0});
        for (auto it = first; it != last; ++it) {
            Codes_.push_back({Folded(code.Code), std::string(code.Country), it->Region});
        }
    }
    for (const CountryNameEntry& country : AllCountryNames()) {
        Names_.push_back({Folded(country.Name), std::string(country.Code), 0});
        Codes_.push_back({Folded(country.Code), std::string(country.Code), 0});
    }
    for (const CountryAlias& alias : CountryAliases) {
        Names_.push_back({Folded(alias.Alias), std::string(alias.Country), 0});
    }
    std::sort(Names_.begin(), Names_.end());
    std::sort(Codes_.begin(), Codes_.end());
}

std::string PlaceQualifiers::Folded(std::string_view text) const
{
    const std::vector<std::string> words = Fold_(text);
    return Joined(words, 0, words.size());
}

void PlaceQualifiers::AddTo(Qualifier& qualifier, const Named& named)
{
    if (named.Region == 0) {
        qualifier.AddCountry(named.Country);
    } else if (named.Country.empty()) {
        qualifier.AddRegion(named.Region);
    } else {
        qualifier.AddRegionIn(named.Country, named.Region);
    }
}

std::optional<Qualifier> PlaceQualifiers::Exact(std::string_view phrase) const
{
    Qualifier found;
    const Named key{std::string(phrase), {}, 0};
    for (const auto* table : {&Names_, &Codes_}) {
        const auto [first, last] = std::equal_range(table->begin(), table->end(), key);
        std::for_each(first, last, [&](const Named& named) { AddTo(found, named); });
    }
    return found.Empty() ? std::nullopt : std::optional<Qualifier>(found);
}

std::optional<Qualifier> PlaceQualifiers::Starting(std::string_view phrase) const
{
    Qualifier found;
    const Named key{std::string(phrase), {}, 0};
    for (auto it = std::lower_bound(Names_.begin(), Names_.end(), key);
         it != Names_.end() && it->Phrase.starts_with(phrase); ++it) {
        AddTo(found, *it);
    }
    const auto [first, last] = std::equal_range(Codes_.begin(), Codes_.end(), key);
    std::for_each(first, last, [&](const Named& named) { AddTo(found, named); });
    return found.Empty() ? std::nullopt : std::optional<Qualifier>(found);
}

QualifiedQuery PlaceQualifiers::Split(std::string_view text, bool lastWordComplete) const
{
    QualifiedQuery query;
    const std::vector<std::string_view> parts = SplitAtCommas(text);
    if (parts.size() > 1) {
        query.Place = Fold_(parts.front());
        query.AfterComma = true;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const std::string phrase = Folded(parts[i]);
            if (phrase.empty()) {
                continue;
            }
            const bool typing = i + 1 == parts.size() && !lastWordComplete;
            auto qualifier = typing ? Starting(phrase) : Exact(phrase);
            if (!qualifier) {
                return {Fold_(text), {}, false};
            }
            query.Qualifiers.push_back(std::move(*qualifier));
        }
        return query.Place.empty() ? QualifiedQuery{Fold_(text), {}, false} : query;
    }
    query.Place = Fold_(text);
    for (int found = 0; found < MaxTrailingQualifiers; ++found) {
        const std::size_t words = query.Place.size();
        std::optional<Qualifier> qualifier;
        // The longest group first: "west virginia" before "virginia".
        std::size_t taken = std::min(MaxQualifierWords, words > 0 ? words - 1 : 0);
        for (; taken > 0; --taken) {
            qualifier = Exact(Joined(query.Place, words - taken, words));
            if (qualifier) {
                break;
            }
        }
        if (!qualifier) {
            break;
        }
        query.Place.resize(words - taken);
        query.Qualifiers.push_back(std::move(*qualifier));
    }
    return query;
}

}  // namespace orvanta
