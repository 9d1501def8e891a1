// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/PlaceAtlas.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "core/atlas/AtlasSchema.h"
#include "core/atlas/ZoneInForce.h"
#include "ChildProcess.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing::SucceedsWithin;

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
        ASSERT_EQ(result.Status, AtlasStatus::Ok) << English(result.Problem);
        ASSERT_FALSE(result.Hits.empty());
        EXPECT_EQ(result.Hits.front().Label(), c.FirstLabel);
        EXPECT_EQ(result.Hits.front().ZoneId, c.Zone);
    }
}

std::vector<std::string> Labels(const PlaceSearchResult& result)
{
    std::vector<std::string> labels;
    for (const PlaceHit& hit : result.Hits) {
        labels.push_back(hit.Label());
    }
    return labels;
}

std::size_t IndexOf(const std::vector<std::string>& labels, const std::string& label)
{
    return static_cast<std::size_t>(std::find(labels.begin(), labels.end(), label) - labels.begin());
}

TEST(PlaceAtlas, CountryOrRegionWordsKeepThePlacesThere)
{
    const struct {
        const char* Typed;
        const char* FirstLabel;
        const char* CountryCode;  // of every hit
        const char* Region;       // of every hit, where one is named
    } cases[] = {
        {"paris, france", "Paris, \u00CEle-de-France, France", "FR", ""},
        {"paris tx", "Paris, Texas, United States", "US", "Texas"},
        {"hyderabad india", "Hyder\u0101b\u0101d, Telangana, India", "IN", ""},
        {"springfield il", "Springfield, Illinois, United States", "US", "Illinois"},
        {"springfield, illinois", "Springfield, Illinois, United States", "US", "Illinois"},
        {"springfield, ill", "Springfield, Illinois, United States", "US", "Illinois"},  // still typing
        {"london on", "London, Ontario, Canada", "CA", "Ontario"},
        {"perth, wa", "Perth, Western Australia, Australia", "AU", "Western Australia"},
        {"kansas city missouri", "Kansas City, Missouri, United States", "US", "Missouri"},
        {"portland oregon usa", "Portland, Oregon, United States", "US", "Oregon"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const PlaceSearchResult result = Atlas().Search(c.Typed);
        ASSERT_FALSE(result.Hits.empty());
        EXPECT_EQ(result.Hits.front().Label(), c.FirstLabel);
        for (const PlaceHit& hit : result.Hits) {
            EXPECT_EQ(hit.CountryCode, c.CountryCode) << hit.Label();
            if (*c.Region != '\0') {
                EXPECT_EQ(hit.Region, c.Region) << hit.Label();
            }
        }
    }
}

TEST(PlaceAtlas, WordsThatNameNoCountryOrRegionAreTheName)
{
    const struct {
        const char* Typed;
        const char* FirstLabel;
    } cases[] = {
        {"santiago de cuba", "Santiago de Cuba, Santiago de Cuba Province, Cuba"},  // "cuba" names a country
        {"Mianzhu, Deyang, Sichuan", "Mianzhu, Deyang, Sichuan, Sichuan, China"},  // a name with commas
        {"rio de", "Rio de Janeiro, Brazil"},  // "de" is a code of Germany and of Delaware
        {"new york", "New York City, New York, United States"},  // "new york" is a region
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const PlaceSearchResult result = Atlas().Search(c.Typed);
        ASSERT_FALSE(result.Hits.empty());
        EXPECT_EQ(result.Hits.front().Label(), c.FirstLabel);
    }
}

TEST(PlaceAtlas, APlacesOwnNameOutranksAnotherPlacesOldName)
{
    // Delhi is also called New Delhi.
    const std::string typed = "new delhi";
    for (std::size_t letters = 1; letters <= typed.size(); ++letters) {
        SCOPED_TRACE(typed.substr(0, letters));
        const std::vector<std::string> labels = Labels(Atlas().Search(typed.substr(0, letters)));
        const std::size_t delhi = IndexOf(labels, "Delhi, India");
        if (delhi < labels.size()) {
            EXPECT_LT(IndexOf(labels, "New Delhi, Delhi, India"), delhi);
        }
    }
    // Places that only carry the words as an old name stay out of the first five.
    const struct {
        const char* Typed;
        const char* First;
        std::vector<std::string> NotInFirstFive;
    } cases[] = {
        {"new york", "New York City, New York, United States",
         {"Clinton, Wisconsin, United States", "Pittsburg, California, United States",
          "York, Nebraska, United States"}},
        {"peking", "Beijing, China", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const std::vector<std::string> labels = Labels(Atlas().Search(c.Typed));
        ASSERT_FALSE(labels.empty());
        EXPECT_EQ(labels.front(), c.First);
        for (const std::string& label : c.NotInFirstFive) {
            EXPECT_GE(IndexOf(labels, label), 5u) << label;
        }
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
        EXPECT_EQ(result.Status, AtlasStatus::Ok) << English(result.Problem);
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
        EXPECT_TRUE(English(atlas.Problem()).empty());  // nothing is opened before the first search
        for (const char* typed : {"kolkata", "s", "new y"}) {
            const PlaceSearchResult result = atlas.Search(typed);
            EXPECT_EQ(result.Status, AtlasStatus::Unavailable);
            EXPECT_TRUE(result.Hits.empty());
            EXPECT_NE(English(result.Problem).find(path.string()), std::string::npos) << English(result.Problem);
        }
    }
}

TEST(PlaceAtlas, APipeInPlaceOfTheAtlasIsUnavailableAtOnce)
{
    const ScratchFolder folder;
    const fs::path pipe = folder.Path() / "atlas.sqlite";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const fs::path link = folder.Path() / "link.sqlite";
    fs::create_symlink(pipe, link);
    for (const fs::path& path : {pipe, link}) {
        SCOPED_TRACE(path.string());
        EXPECT_TRUE(SucceedsWithin(std::chrono::seconds(10), [&] {
            PlaceAtlas atlas(path.string());
            const PlaceSearchResult result = atlas.Search("Mu");
            return result.Status == AtlasStatus::Unavailable &&
                   English(result.Problem).find(path.string()) != std::string::npos;
        }));
    }
}

// A row of an atlas made by hand. Region 1 and zone 1 are the atlas's only ones.
struct HandMadeRow {
    std::string Name, Latitude, Longitude;
    int Region = 1;
    int Zone = 1;
};

void MakeAtlas(const fs::path& path, const std::vector<HandMadeRow>& rows)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    std::string sql = std::string(atlas_schema::CreateStatements) +
                      "INSERT INTO meta VALUES ('schema', '" + std::to_string(atlas_schema::Version) + "');"
                      "INSERT INTO zone VALUES (1, 'Europe/Berlin'); INSERT INTO region VALUES (1, 'Somewhere');";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HandMadeRow& row = rows[i];
        const auto id = static_cast<std::int64_t>(i + 1);
        sql += "INSERT INTO place VALUES (" + std::to_string(id) + ", '" + row.Name + "', " +
               std::to_string(row.Region) + ", 'DE', " + row.Latitude + ", " + row.Longitude + ", " +
               std::to_string(1000 - id) + ", " + std::to_string(row.Zone) + ");";
        sql += "INSERT INTO name_index(rowid, own) VALUES (" +
               std::to_string(atlas_schema::NameRowId(id, 0, 2)) + ", '" + row.Name + "');";
    }
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

TEST(PlaceAtlas, RowsWhoseCoordinatesAreNoCoordinatesAreLeftOut)
{
    const ScratchFolder folder;
    const fs::path path = folder.Path() / "atlas.sqlite";
    MakeAtlas(path, {
                        {"Testdorf Nord", "1e9", "10"},
                        {"Testdorf Ost", "50", "-572662306"},
                        {"Testdorf Sued", "'fifty'", "10"},
                        {"Testdorf West", "50", "'9e999'"},
                        {"Testdorf Mitte", "50.5", "10.25"},
                        {"Testdorf Rand", "-90", "180"},
                    });
    PlaceAtlas atlas(path.string());
    const PlaceSearchResult result = atlas.Search("testdorf");
    ASSERT_EQ(result.Status, AtlasStatus::Ok) << English(result.Problem);
    EXPECT_EQ(Labels(result), (std::vector<std::string>{"Testdorf Mitte, Somewhere, Germany",
                                                        "Testdorf Rand, Somewhere, Germany"}));
}

// A row that names a region or zone the atlas lacks is skipped, and the
// search goes on answering for the rest of the run.
TEST(PlaceAtlas, RowsWhoseRegionOrZoneIsMissingAreLeftOut)
{
    const ScratchFolder folder;
    const fs::path path = folder.Path() / "atlas.sqlite";
    MakeAtlas(path, {
                        {"Testdorf Nord", "50", "10", 7, 1},
                        {"Testdorf Ost", "50", "10", 1, 9},
                        {"Testdorf Mitte", "50.5", "10.25"},
                    });
    PlaceAtlas atlas(path.string());
    for (const char* typed : {"testdorf", "testdorf nord", "testdorf m"}) {
        SCOPED_TRACE(typed);
        const PlaceSearchResult result = atlas.Search(typed);
        ASSERT_EQ(result.Status, AtlasStatus::Ok) << English(result.Problem);
        EXPECT_EQ(Labels(result), std::string_view(typed) == "testdorf nord"
                                      ? std::vector<std::string>{}
                                      : std::vector<std::string>{"Testdorf Mitte, Somewhere, Germany"});
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
