// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlaceAtlas.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <unordered_set>
#include <utility>

#include "atlas/AtlasSchema.h"
#include "atlas/AtlasTokens.h"
#include "atlas/CountryNames.h"
#include "common/TextEncoding.h"

namespace orvanta {

namespace {

// Longer text cannot name a place better, and bounds the work of a search.
constexpr std::size_t MaxQueryBytes = 200;

// One or two letters make a whole name only by chance ("Ko" is an alternate
// name of a Swiss village); they are taken as the start of a longer one.
constexpr std::size_t MinWholeNameBytes = 3;

constexpr const char* MatchSql = "SELECT rowid FROM name_index WHERE name_index MATCH ?1 ORDER BY rowid";
constexpr const char* PopulationSql = "SELECT population FROM place WHERE id = ?1";
constexpr const char* PlaceSql =
    "SELECT p.name, r.name, p.country, p.latitude, p.longitude, p.population, z.name "
    "FROM place p JOIN region r ON r.id = p.region JOIN zone z ON z.id = p.zone WHERE p.id = ?1";

class SqliteError : public std::runtime_error {
public:
    explicit SqliteError(sqlite3* db) : std::runtime_error(sqlite3_errmsg(db)) {}
};

struct Statement {
    sqlite3_stmt* Handle = nullptr;
    Statement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &Handle, nullptr) != SQLITE_OK) {
            sqlite3_finalize(Handle);
            throw SqliteError(db);
        }
    }
    ~Statement() { sqlite3_finalize(Handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

// Keeps a statement's bindings and cursor from leaking into the next search.
struct ResetOnExit {
    sqlite3_stmt* Handle;
    ~ResetOnExit()
    {
        sqlite3_reset(Handle);
        sqlite3_clear_bindings(Handle);
    }
};

// A path as an SQLite URI, so that immutable=1 can be asked for: the atlas
// never changes under the program, and an immutable file needs no locks and
// opens on read-only media.
std::string DatabaseUri(std::string_view path)
{
    return "file:" + PercentEncode(path, "/") + "?immutable=1";
}

std::string Column(sqlite3_stmt* statement, int index)
{
    const unsigned char* text = sqlite3_column_text(statement, index);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

// Cuts at most MaxQueryBytes, never inside a UTF-8 sequence.
std::string_view Bounded(std::string_view text)
{
    return CutAtCharacter(text, MaxQueryBytes);
}

// The last word counts as complete once a space or punctuation follows it.
bool EndsWithSeparator(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    const auto last = static_cast<unsigned char>(text.back());
    const bool letterOrDigit = (last >= 'a' && last <= 'z') || (last >= 'A' && last <= 'Z') ||
                               (last >= '0' && last <= '9') || last >= 0x80;
    return !letterOrDigit;
}

std::string Phrase(const std::vector<std::string>& tokens)
{
    std::string phrase = "\"";
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) {
            phrase += ' ';
        }
        for (char c : tokens[i]) {
            phrase += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
    }
    return phrase + "\"";
}

// A place that some name of it matches, and how much it weighs in the order.
struct Candidate {
    std::int64_t Place = 0;
    double Weight = 0.0;
};

struct WeightedQuery {
    std::string Query;
    double Weight;
};

// Matches are ranked by population times a weight. Alternate names hold old,
// foreign and transliterated names (Bombay, Muenchen, Mikligardur), and a
// word further into a name is a weaker match than its first word, so each
// counts as a match on the place's own first word of a place a tenth as
// populous: a large city still comes first by its old name or second word
// (Sao Paulo for "paulo"), but a one-letter search is not led by cities
// matched only through an old name in another language.
constexpr double WeakerMatch = 0.1;
constexpr int MaxStreams = 4;

}  // namespace

struct PlaceAtlas::Connection {
    sqlite3* Db = nullptr;
    std::unique_ptr<AtlasTokenizer> Tokenizer;
    std::vector<std::unique_ptr<Statement>> Match;  // one per stream, so their cursors run side by side
    std::unique_ptr<Statement> Population;
    std::unique_ptr<Statement> Place;

    explicit Connection(const std::string& path)
    {
        if (sqlite3_open_v2(DatabaseUri(path).c_str(), &Db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK) {
            const std::string message = Db != nullptr ? sqlite3_errmsg(Db) : "out of memory";
            sqlite3_close_v2(Db);
            throw std::runtime_error(message);
        }
        try {
            CheckSchema();
            Tokenizer = std::make_unique<AtlasTokenizer>(Db);
            for (int i = 0; i < MaxStreams; ++i) {
                Match.push_back(std::make_unique<Statement>(Db, MatchSql));
            }
            Population = std::make_unique<Statement>(Db, PopulationSql);
            Place = std::make_unique<Statement>(Db, PlaceSql);
        } catch (...) {
            Release();
            throw;
        }
    }
    ~Connection() { Release(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Release()
    {
        Match.clear();
        Population.reset();
        Place.reset();
        Tokenizer.reset();
        sqlite3_close_v2(Db);
        Db = nullptr;
    }

    void CheckSchema()
    {
        const Statement version(Db, "SELECT value FROM meta WHERE key = 'schema'");
        const int status = sqlite3_step(version.Handle);
        if (status != SQLITE_ROW && status != SQLITE_DONE) {
            throw SqliteError(Db);
        }
        if (status != SQLITE_ROW || Column(version.Handle, 0) != std::to_string(atlas_schema::Version)) {
            throw std::runtime_error("it was built for another version of Orvanta");
        }
    }

    void Check(int status)
    {
        if (status != SQLITE_ROW && status != SQLITE_DONE) {
            throw SqliteError(Db);
        }
    }

    double PopulationOf(std::int64_t place)
    {
        sqlite3_stmt* s = Population->Handle;
        const ResetOnExit reset{s};
        sqlite3_bind_int64(s, 1, place);
        const int status = sqlite3_step(s);
        Check(status);
        return status == SQLITE_ROW ? static_cast<double>(sqlite3_column_int64(s, 0)) : 0.0;
    }

    // The places one kind of name matches, most populous first, each once.
    class Stream {
    public:
        Stream(Connection& connection, Statement& statement, const std::string& query,
               std::int64_t wholeTokenCount, double weight)
            : Connection_(connection), Handle_(statement.Handle), WholeTokenCount_(wholeTokenCount), Weight_(weight)
        {
            sqlite3_bind_text(Handle_, 1, query.c_str(), static_cast<int>(query.size()), SQLITE_TRANSIENT);
            try {
                Advance();
            } catch (...) {
                sqlite3_reset(Handle_);
                sqlite3_clear_bindings(Handle_);
                throw;
            }
        }
        ~Stream()
        {
            sqlite3_reset(Handle_);
            sqlite3_clear_bindings(Handle_);
        }
        Stream(const Stream&) = delete;
        Stream& operator=(const Stream&) = delete;

        const std::optional<Candidate>& Head() const { return Head_; }

        void Advance()
        {
            Head_.reset();
            int status = SQLITE_ROW;
            while ((status = sqlite3_step(Handle_)) == SQLITE_ROW) {
                const std::int64_t row = sqlite3_column_int64(Handle_, 0);
                const std::int64_t place = atlas_schema::PlaceOfRow(row);
                if (place == Last_ ||
                    (WholeTokenCount_ > 0 && atlas_schema::TokenCountOfRow(row) != WholeTokenCount_)) {
                    continue;
                }
                Last_ = place;
                Head_ = Candidate{place, Weight_ * Connection_.PopulationOf(place)};
                return;
            }
            Connection_.Check(status);
        }

    private:
        Connection& Connection_;
        sqlite3_stmt* Handle_;
        std::int64_t WholeTokenCount_;
        double Weight_;
        std::int64_t Last_ = -1;
        std::optional<Candidate> Head_;
    };

    // Adds the places the queries match, heaviest first, until `limit`
    // places are held.
    void Collect(const std::vector<WeightedQuery>& queries, std::int64_t wholeTokenCount, std::size_t limit,
                 std::vector<std::int64_t>& places, std::unordered_set<std::int64_t>& held)
    {
        if (places.size() >= limit) {
            return;
        }
        std::vector<std::unique_ptr<Stream>> streams;
        for (std::size_t i = 0; i < queries.size(); ++i) {
            Statement& statement = i < Match.size() ? *Match[i] : *Match.back();
            streams.push_back(std::make_unique<Stream>(*this, statement, queries[i].Query, wholeTokenCount,
                                                       queries[i].Weight));
        }
        while (places.size() < limit) {
            Stream* next = nullptr;
            for (const auto& stream : streams) {
                if (stream->Head() && (next == nullptr || stream->Head()->Weight > next->Head()->Weight)) {
                    next = stream.get();
                }
            }
            if (next == nullptr) {
                return;
            }
            const std::int64_t place = next->Head()->Place;
            next->Advance();
            if (held.insert(place).second) {
                places.push_back(place);
            }
        }
    }

    PlaceHit Fetch(std::int64_t place)
    {
        sqlite3_stmt* s = Place->Handle;
        const ResetOnExit reset{s};
        sqlite3_bind_int64(s, 1, place);
        if (sqlite3_step(s) != SQLITE_ROW) {
            throw SqliteError(Db);
        }
        PlaceHit hit;
        hit.Name = Column(s, 0);
        hit.Region = Column(s, 1);
        hit.CountryCode = Column(s, 2);
        hit.Country = std::string(CountryName(hit.CountryCode));
        hit.Latitude = sqlite3_column_double(s, 3);
        hit.Longitude = sqlite3_column_double(s, 4);
        hit.Population = sqlite3_column_int64(s, 5);
        hit.ZoneId = Column(s, 6);
        return hit;
    }
};

std::string PlaceHit::Label() const
{
    std::string label = Name;
    if (!Region.empty() && Region != Name && Region != Country) {
        label += ", " + Region;
    }
    if (!Country.empty()) {
        label += ", " + Country;
    }
    return label;
}

PlaceAtlas::PlaceAtlas(std::string databasePath) : Path_(std::move(databasePath)) {}
PlaceAtlas::~PlaceAtlas() = default;
PlaceAtlas::PlaceAtlas(PlaceAtlas&&) noexcept = default;
PlaceAtlas& PlaceAtlas::operator=(PlaceAtlas&&) noexcept = default;

bool PlaceAtlas::Open()
{
    if (!Tried_) {
        Tried_ = true;
        try {
            Connection_ = std::make_unique<Connection>(Path_);
        } catch (const std::exception& e) {
            Problem_ = "The atlas " + Path_ + " cannot be read: " + e.what();
        }
    }
    return Connection_ != nullptr;
}

const std::string& PlaceAtlas::Problem() const
{
    return Problem_;
}

PlaceSearchResult PlaceAtlas::Search(std::string_view text, int limit)
{
    PlaceSearchResult result;
    const bool firstTry = !Tried_;
    if (!Open()) {
        result.Status = AtlasStatus::Unavailable;
        result.Problem = Problem_;
        result.FirstFoundUnavailable = firstTry;
        return result;
    }
    text = Bounded(text);
    const std::vector<std::string> tokens = Connection_->Tokenizer->Tokens(text);
    if (tokens.empty() || limit <= 0) {
        return result;
    }
    const std::string phrase = Phrase(tokens);
    const std::string prefix = EndsWithSeparator(text) ? "" : " *";
    const auto wholeCount = std::min<std::int64_t>(static_cast<std::int64_t>(tokens.size()), atlas_schema::MaxTokenCount);
    const auto wanted = static_cast<std::size_t>(limit);
    try {
        std::vector<std::int64_t> places;
        std::unordered_set<std::int64_t> held;
        // Whole names first ("Paris" before "Parisot"), once there is enough
        // of a word for a whole name to mean something.
        std::size_t letters = 0;
        for (const std::string& token : tokens) {
            letters += token.size();
        }
        if (letters >= MinWholeNameBytes) {
            Connection_->Collect({{"own : ^ " + phrase, 1.0}, {"alt : ^ " + phrase, WeakerMatch}}, wholeCount, wanted,
                                 places, held);
        }
        Connection_->Collect({{"own : ^ " + phrase + prefix, 1.0},
                              {"alt : ^ " + phrase + prefix, WeakerMatch},
                              {"own : " + phrase + prefix, WeakerMatch},
                              {"alt : " + phrase + prefix, WeakerMatch * WeakerMatch}},
                             0, wanted, places, held);
        for (std::int64_t place : places) {
            result.Hits.push_back(Connection_->Fetch(place));
        }
    } catch (const std::exception& e) {
        result.Status = AtlasStatus::Unavailable;
        result.Hits.clear();
        result.Problem = "The atlas " + Path_ + " cannot be searched: " + e.what();
        result.FirstFoundUnavailable = !std::exchange(SearchFailed_, true);
    }
    return result;
}

std::string FindAtlasDatabase(std::string_view programFolder)
{
    const std::filesystem::path folder(programFolder);
    const std::filesystem::path installed = folder / ".." / "share" / "orvanta" / "atlas.sqlite";
    const std::filesystem::path buildTree = folder / "share" / "orvanta" / "atlas.sqlite";
    std::error_code error;
    if (!std::filesystem::exists(installed, error) && std::filesystem::exists(buildTree, error)) {
        return buildTree.lexically_normal().string();
    }
    return installed.lexically_normal().string();
}

}  // namespace orvanta
