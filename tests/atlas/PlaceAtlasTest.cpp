// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlaceAtlas.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "atlas/ZoneInForce.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

PlaceAtlas& Atlas()
{
    static PlaceAtlas atlas(ORVANTA_ATLAS_DATABASE);
    return atlas;
}

// A folder of its own for each test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
        : Path_(fs::temp_directory_path() /
                ("orvanta-atlas-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(Path_);
        fs::create_directories(Path_);
    }
    ~ScratchFolder() { fs::remove_all(Path_); }
    const fs::path& Path() const { return Path_; }

private:
    fs::path Path_;
};

TEST(PlaceAtlas, FindsPlacesByTheirNamesOldNamesAndWithoutAccents)
{
    const struct {
        const char* Typed;
        const char* FirstLabel;
        const char* Zone;
    } cases[] = {
        {"Bombay", "Mumbai, Maharashtra, India", "Asia/Kolkata"},
        {"munch", "Munich, Bavaria, Germany", "Europe/Berlin"},  // by its German name, München
        {"MÜNCHEN", "Munich, Bavaria, Germany", "Europe/Berlin"},
        {"new y", "New York City, New York, United States", "America/New_York"},
        {"sao paulo", "São Paulo, Brazil", "America/Sao_Paulo"},
        {"São Paulo", "São Paulo, Brazil", "America/Sao_Paulo"},
        {"kolk", "Kolkata, West Bengal, India", "Asia/Kolkata"},
        {"calcutta", "Kolkata, West Bengal, India", "Asia/Kolkata"},
        {"Москва", "Moscow, Russia", "Europe/Moscow"},
        {"paulo", "São Paulo, Brazil", "America/Sao_Paulo"},  // a later word of the name
        // Whole names first: York itself before larger places whose names go on.
        {"york", "York, England, United Kingdom", "Europe/London"},
        {"paris", "Paris, Île-de-France, France", "Europe/Paris"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const PlaceSearchResult result = Atlas().Search(c.Typed);
        ASSERT_EQ(result.Status, AtlasStatus::Ok) << result.Problem;
        ASSERT_FALSE(result.Hits.empty());
        EXPECT_EQ(result.Hits.front().Label(), c.FirstLabel);
        EXPECT_EQ(result.Hits.front().ZoneId, c.Zone);
    }
}

TEST(PlaceAtlas, HitCarriesCoordinatesAndZone)
{
    const PlaceSearchResult result = Atlas().Search("Kolkata", 1);
    ASSERT_EQ(result.Hits.size(), 1u);
    const PlaceHit& kolkata = result.Hits.front();
    EXPECT_NEAR(kolkata.Latitude, 22.56, 0.05);
    EXPECT_NEAR(kolkata.Longitude, 88.36, 0.05);
    EXPECT_EQ(kolkata.CountryCode, "IN");
    EXPECT_GT(kolkata.Population, 1000000);
}

TEST(PlaceAtlas, HitsAreDistinctPlacesUpToTheLimitMostPopulousFirst)
{
    for (const char* typed : {"s", "mumbai", "san j"}) {
        SCOPED_TRACE(typed);
        const PlaceSearchResult result = Atlas().Search(typed, 7);
        ASSERT_EQ(result.Status, AtlasStatus::Ok);
        EXPECT_LE(result.Hits.size(), 7u);
        std::set<std::pair<double, double>> places;
        for (const PlaceHit& hit : result.Hits) {
            EXPECT_TRUE(places.insert({hit.Latitude, hit.Longitude}).second) << hit.Label();
        }
    }
    const PlaceSearchResult many = Atlas().Search("s", 7);
    ASSERT_EQ(many.Hits.size(), 7u);
    for (std::size_t i = 1; i < many.Hits.size(); ++i) {
        EXPECT_GE(many.Hits[i - 1].Population, many.Hits[i].Population);
    }
}

TEST(PlaceAtlas, TextThatIsNoNameFindsNothingAndBreaksNothing)
{
    // Search syntax in the typed text is taken as text, never as syntax.
    for (const char* typed : {"", "   ", "\"", "-", "*", "^", "a\" OR \"b", "NEAR(a b)", "own : paris", "\xff\xfe",
                              "zzzzqqqq"}) {
        SCOPED_TRACE(typed);
        const PlaceSearchResult result = Atlas().Search(typed);
        EXPECT_EQ(result.Status, AtlasStatus::Ok) << result.Problem;
    }
    EXPECT_TRUE(Atlas().Search("zzzzqqqq").Hits.empty());
    EXPECT_EQ(Atlas().Search(std::string(10000, 'a')).Status, AtlasStatus::Ok);
}

TEST(PlaceAtlas, AMissingOrBrokenDatabaseMakesTheAtlasUnavailable)
{
    const ScratchFolder folder;
    const fs::path garbage = folder.Path() / "garbage.sqlite";
    std::ofstream(garbage) << std::string(8192, 'x');
    const fs::path empty = folder.Path() / "empty.sqlite";
    std::ofstream{empty};
    // The start of the real atlas: its tables are there, most of the index is not.
    const fs::path truncated = folder.Path() / "truncated.sqlite";
    {
        std::ifstream source(ORVANTA_ATLAS_DATABASE, std::ios::binary);
        std::string start(1 << 20, '\0');
        source.read(start.data(), static_cast<std::streamsize>(start.size()));
        std::ofstream(truncated, std::ios::binary) << start;
    }
    for (const fs::path& path : {folder.Path() / "missing.sqlite", garbage, empty, truncated, folder.Path()}) {
        SCOPED_TRACE(path.string());
        PlaceAtlas atlas(path.string());
        EXPECT_TRUE(atlas.Problem().empty());  // nothing is opened before the first search
        for (const char* typed : {"kolkata", "s", "new y"}) {
            const PlaceSearchResult result = atlas.Search(typed);
            EXPECT_EQ(result.Status, AtlasStatus::Unavailable);
            EXPECT_TRUE(result.Hits.empty());
            EXPECT_NE(result.Problem.find(path.string()), std::string::npos) << result.Problem;
        }
    }
}

TEST(PlaceAtlas, FindsTheDatabaseInstalledOrInTheBuildTree)
{
    const ScratchFolder folder;
    const fs::path installed = folder.Path() / "usr";
    const fs::path build = folder.Path() / "build";
    for (const fs::path& db : {installed / "share/orvanta/atlas.sqlite", build / "share/orvanta/atlas.sqlite"}) {
        fs::create_directories(db.parent_path());
        std::ofstream{db};
    }
    fs::create_directories(installed / "bin");
    EXPECT_EQ(FindAtlasDatabase((installed / "bin").string()), (installed / "share/orvanta/atlas.sqlite").string());
    EXPECT_EQ(FindAtlasDatabase(build.string()), (build / "share/orvanta/atlas.sqlite").string());
}

TEST(PlaceAtlas, ChosenPlaceGivesTheZoneInForce)
{
    const PlaceSearchResult ulm = Atlas().Search("Ulm", 1);
    ASSERT_EQ(ulm.Hits.size(), 1u);
    ASSERT_EQ(ulm.Hits.front().CountryCode, "DE");
    const ZoneInForce zone = ResolveZone(ulm.Hits.front().ZoneId, {1879, 3, 14, 11, 30, 0}, ulm.Hits.front().Longitude);
    EXPECT_EQ(ZoneBoxTextsFor(zone.Offset.Seconds), (ZoneBoxTexts{"-0", "-40"}));
}

}  // namespace
}  // namespace orvanta
