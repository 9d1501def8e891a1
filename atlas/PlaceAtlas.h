// SPDX-License-Identifier: GPL-3.0-or-later
// Place search over the atlas database: a few typed letters in, the matching
// places out, whole-name matches first, then the most populous. The database
// is opened read-only on the first search, never before; a missing or
// unreadable one makes every search answer "unavailable", never a crash.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    std::string Problem;  // why the atlas is unavailable; empty when Ok
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
    // of one of a place's names, in order; a name that begins with the text
    // ranks before one that only holds it further in. A text that ends in a
    // space takes its last word as complete. Empty text finds nothing.
    PlaceSearchResult Search(std::string_view text, int limit = 12);

    // Opens the database if that has not been tried yet; false when it is
    // unavailable, with the reason in Problem().
    bool Open();
    const std::string& Problem() const;

private:
    struct Connection;
    std::string Path_;
    std::unique_ptr<Connection> Connection_;
    std::string Problem_;
    bool Tried_ = false;
    bool SearchFailed_ = false;
};

// Where the atlas lies relative to the program's own folder: installed, it
// is ../share/orvanta/atlas.sqlite; in the build tree, share/orvanta beside
// the program. Returns the first that exists, else the installed one.
std::string FindAtlasDatabase(std::string_view programFolder);

}  // namespace orvanta
