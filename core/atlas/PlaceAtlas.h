// SPDX-License-Identifier: GPL-3.0-or-later
// Place search over the atlas database: a few typed letters in, the matching
// places out, the best matches of the most populous places first. The
// database is opened read-only on the first search, never before; a missing,
// unreadable or odd one (a folder, a pipe) makes every search answer
// "unavailable", never a crash or a hang.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/UiText.h"

namespace orvanta {

struct PlaceHit {
    std::string Name{};         // "Mumbai"
    std::string Region{};       // "Maharashtra"; empty where the data has none
    std::string Country{};      // "India"
    std::string CountryCode{};  // "IN"
    double Latitude = 0.0;    // degrees, north positive
    double Longitude = 0.0;   // degrees, east positive
    std::string ZoneId{};       // "Asia/Kolkata"
    std::int64_t Population = 0;

    // "Mumbai, Maharashtra, India", the region left out where it is empty or
    // repeats the name or the country.
    std::string Label() const;

    bool operator==(const PlaceHit&) const = default;
};

enum class AtlasStatus { Ok, Unavailable };

struct PlaceSearchResult {
    AtlasStatus Status = AtlasStatus::Ok;
    std::vector<PlaceHit> Hits;
    UiText Problem;  // why the atlas is unavailable; empty when Ok
    // This search was the first to find the atlas unavailable: the one to
    // tell the user about, where later ones would only repeat it.
    bool FirstFoundUnavailable = false;
};

// One instance serves one thread.
class PlaceAtlas {
public:
    // Nothing is opened here; the first search opens the database.
    explicit PlaceAtlas(std::string databasePath);
    ~PlaceAtlas();
    PlaceAtlas(PlaceAtlas&&) noexcept;
    PlaceAtlas& operator=(PlaceAtlas&&) noexcept;

    // Case- and accent-insensitive: every word of the text must begin a word
    // of one of a place's names, in order. A whole name ranks before a name
    // that goes on, which ranks before one that holds the words further in;
    // a place's own name before its old or foreign names; within each, the
    // more populous first, though a much larger place may come before a
    // better match. A text that ends in a space takes its last word as
    // complete. Words after a comma, or trailing words that name a country
    // or region ("paris, france", "springfield il"), keep only the places
    // there; without a comma the text also counts as a name, and its whole
    // match on a place's own name still comes first. Empty text finds nothing.
    PlaceSearchResult Search(std::string_view text, int limit = 12);

    // Opens the database if that has not been tried yet; false when it is
    // unavailable, with the reason in Problem().
    bool Open();
    const UiText& Problem() const;

private:
    struct Connection;
    std::string Path_;
    std::unique_ptr<Connection> Connection_;
    UiText Problem_;
    bool Tried_ = false;
    bool SearchFailed_ = false;
};

// Where the atlas lies relative to the program's own folder: installed, it
// is ../share/orvanta/atlas.sqlite; in the build tree, share/orvanta beside
// the program. Returns the first that exists, else the installed one.
std::string FindAtlasDatabase(std::string_view programFolder);

}  // namespace orvanta
