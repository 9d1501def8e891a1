// SPDX-License-Identifier: GPL-3.0-or-later
// The country or region a place search names besides the place: "paris,
// france", "springfield il", "hyderabad india". Splits such words off the
// typed text and says which places they admit, by country or region name,
// ISO country code, or the postal code of a US state, Canadian province or
// Australian state.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanta {

// The countries and regions one qualifying word or phrase may mean.
class Qualifier {
public:
    bool Admits(std::string_view country, std::int64_t region) const;

    void AddCountry(std::string country);
    void AddRegion(std::int64_t region);
    void AddRegionIn(std::string country, std::int64_t region);
    bool Empty() const;

private:
    std::set<std::string, std::less<>> Countries_;
    std::set<std::int64_t> Regions_;
    std::set<std::pair<std::string, std::int64_t>> RegionsIn_;
};

// The typed text as a place and what qualifies it. Without qualifiers the
// text is searched as it stands.
struct QualifiedQuery {
    std::vector<std::string> Place;  // the place's words, folded
    std::vector<Qualifier> Qualifiers;  // each must admit a place
    bool AfterComma = false;  // the qualifiers were written after a comma
};

class PlaceQualifiers {
public:
    // Folds a text into the words the name index holds.
    using Fold = std::function<std::vector<std::string>(std::string_view)>;
    // The atlas's regions by id, as named there.
    using Regions = std::vector<std::pair<std::int64_t, std::string>>;

    PlaceQualifiers(Fold fold, const Regions& regions);

    // Words after a comma qualify when every part between commas names a
    // country or region; the last may be a start of one while it is typed.
    // Without a comma, up to two trailing groups of words qualify when each
    // names one whole, and a word of the place is left before them.
    QualifiedQuery Split(std::string_view text, bool lastWordComplete) const;

    // What a folded phrase names exactly, or, for a start, every country and
    // region whose name begins so (codes are always taken whole).
    std::optional<Qualifier> Exact(std::string_view phrase) const;
    std::optional<Qualifier> Starting(std::string_view phrase) const;

private:
    // One thing a phrase may name: a country (no region), a region anywhere
    // (no country), or a region of one country.
    struct Named {
        std::string Phrase;  // folded
        std::string Country;
        std::int64_t Region = 0;
        bool operator<(const Named& other) const { return Phrase < other.Phrase; }
    };

    std::string Folded(std::string_view text) const;
    static void AddTo(Qualifier& qualifier, const Named& named);

    Fold Fold_;
    std::vector<Named> Names_;  // sorted by phrase
    std::vector<Named> Codes_;  // sorted by phrase
};

}  // namespace orvanta
