// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/PlaceAtlas.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <unordered_set>
#include <utility>

#include "core/atlas/AtlasSchema.h"
#include "core/atlas/AtlasTokens.h"
#include "core/atlas/CountryNames.h"
#include "core/atlas/PlaceQualifier.h"
#include "core/atlas/SqliteCalls.h"
#include "core/common/TextEncoding.h"

namespace orvanta {

namespace {

// Longer text cannot name a place better, and bounds the work of a search.
constexpr std::size_t MaxQueryBytes = 200;

// One or two letters make a whole name only by chance ("Ko" is an alternate
// name of a Swiss village); they are taken as the start of a longer one.
constexpr std::size_t MinWholeNameBytes = 3;

constexpr const char* MatchSql = "SELECT rowid FROM name_index WHERE name_index MATCH ?1 ORDER BY rowid";
// A place whose region or zone is missing from the atlas is left out like
// one without coordinates: one damaged row must not stop the search.
constexpr const char* CandidateSql =
    "SELECT p.population, p.region, p.country, p.latitude, p.longitude "
    "FROM place p JOIN region r ON r.id = p.region JOIN zone z ON z.id = p.zone WHERE p.id = ?1";
constexpr const char* RegionsSql = "SELECT id, name FROM region";
constexpr const char* PlaceSql =
    "SELECT p.name, r.name, p.country, p.latitude, p.longitude, p.population, z.name "
    "FROM place p JOIN region r ON r.id = p.region JOIN zone z ON z.id = p.zone WHERE p.id = ?1";

class SqliteError : public std::runtime_error {
public:
    explicit SqliteError(sqlite3* db) : std::runtime_error(Sqlite().errmsg(db)) {}
};

// A reason of the program's own, told in the user's language.
class AtlasFault : public std::runtime_error {
public:
    explicit AtlasFault(UiText reason) : std::runtime_error(English(reason)), Reason(std::move(reason)) {}
    UiText Reason;
};

UiText ReasonOf(const std::exception& e)
{
    const auto* fault = dynamic_cast<const AtlasFault*>(&e);
    return fault != nullptr ? fault->Reason : Verbatim(e.what());
}

struct Statement {
    sqlite3_stmt* Handle = nullptr;
    Statement(sqlite3* db, const char* sql)
    {
        if (Sqlite().prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &Handle, nullptr) != SQLITE_OK) {
            Sqlite().finalize(Handle);
            throw SqliteError(db);
        }
    }
    ~Statement() { Sqlite().finalize(Handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

// Keeps a statement's bindings and cursor from leaking into the next search.
struct ResetOnExit {
    sqlite3_stmt* Handle;
    ~ResetOnExit()
    {
        Sqlite().reset(Handle);
        Sqlite().clear_bindings(Handle);
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
    const unsigned char* text = Sqlite().column_text(statement, index);
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

// One kind of match: its full-text query, its weight, and for a whole-name
// match the number of words the name must have.
struct WeightedQuery {
    std::string Query;
    double Weight = 1.0;
    std::int64_t WholeTokenCount = 0;  // 0: any
    const std::vector<Qualifier>* Filter = nullptr;  // each must admit the place
};

// Matches are ranked by population times a weight, each kind of match
// counting as a match of the best kind on a place so many times less
// populous. A whole name counts six times over, and a word further into a
// name at a twentieth: York leads "york" before New York City, São Paulo
// leads "paulo" before Paulo Afonso. An old, foreign or transliterated name
// (Bombay, Muenchen) counts at an eightieth: München still leads "munch"
// before Münchenstein, but New Delhi leads Delhi, which is also called New
// Delhi, and a village once called New York stays behind the places whose
// own names say so.
constexpr double WholeName = 6.0;
constexpr double AlternateName = 1.0 / 80;
constexpr double LaterWord = 1.0 / 20;
// Places in the country or region the text names come ahead of other
// readings of the same words, unless these are ten times as populous.
constexpr double InNamedPlace = 10.0;
// Words common to many names ("la", "san") in a country that has none of
// them would otherwise be tested place by place through the whole atlas:
// each kind of match tests this many places at most, the most populous
// first, so a country's smaller places of a very common name may be missed.
constexpr std::size_t MaxFilteredPlaces = 300;

// Every kind of match of the words, weighted by `factor`.
std::vector<WeightedQuery> RankedQueries(const std::vector<std::string>& tokens, bool lastWordComplete, double factor,
                                         const std::vector<Qualifier>* filter)
{
    const std::string phrase = Phrase(tokens);
    const std::string prefix = lastWordComplete ? "" : " *";
    std::vector<WeightedQuery> queries;
    std::size_t letters = 0;
    for (const std::string& token : tokens) {
        letters += token.size();
    }
    if (letters >= MinWholeNameBytes) {
        const auto words =
            std::min<std::int64_t>(static_cast<std::int64_t>(tokens.size()), atlas_schema::MaxTokenCount);
        queries.push_back({"own : ^ " + phrase, WholeName * factor, words, filter});
        queries.push_back({"alt : ^ " + phrase, WholeName * AlternateName * factor, words, filter});
    }
    queries.push_back({"own : ^ " + phrase + prefix, factor, 0, filter});
    queries.push_back({"alt : ^ " + phrase + prefix, AlternateName * factor, 0, filter});
    queries.push_back({"own : " + phrase + prefix, LaterWord * factor, 0, filter});
    queries.push_back({"alt : " + phrase + prefix, LaterWord * AlternateName * factor, 0, filter});
    return queries;
}

bool IsCoordinate(sqlite3_stmt* statement, int column, double limit)
{
    const int type = Sqlite().column_type(statement, column);
    const double value = Sqlite().column_double(statement, column);
    return (type == SQLITE_FLOAT || type == SQLITE_INTEGER) && std::isfinite(value) && std::fabs(value) <= limit;
}

// SQLite would open a named pipe, and wait in open() for a writer forever.
// A missing file is left to SQLite to report.
void CheckRegularFile(const std::string& path)
{
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    if (!error && type != std::filesystem::file_type::regular && type != std::filesystem::file_type::not_found) {
        //: Why the atlas of places cannot be read, put into "The atlas %1 cannot be read: %2" as %2.
        throw AtlasFault(Compose(ORVANTA_TR("PlaceAtlas", "it is not a regular file")));
    }
}

}  // namespace

struct PlaceAtlas::Connection {
    sqlite3* Db = nullptr;
    std::unique_ptr<AtlasTokenizer> Tokenizer;
    std::vector<std::unique_ptr<Statement>> Match;  // one per stream, so their cursors run side by side
    std::unique_ptr<Statement> CandidateRow;
    std::unique_ptr<Statement> Place;
    std::unique_ptr<PlaceQualifiers> Qualifiers;  // made when a text first may name one

    explicit Connection(const std::string& path)
    {
        CheckRegularFile(path);
        std::string unavailable;
        if (!SqliteAvailable(&unavailable)) {
            throw std::runtime_error(unavailable);
        }
        if (Sqlite().open_v2(DatabaseUri(path).c_str(), &Db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK) {
            const std::string message = Db != nullptr ? Sqlite().errmsg(Db) : "out of memory";
            Sqlite().close_v2(Db);
            throw std::runtime_error(message);
        }
        try {
            CheckSchema();
            Tokenizer = std::make_unique<AtlasTokenizer>(Db);
            CandidateRow = std::make_unique<Statement>(Db, CandidateSql);
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
        CandidateRow.reset();
        Place.reset();
        Qualifiers.reset();
        Tokenizer.reset();
        Sqlite().close_v2(Db);
        Db = nullptr;
    }

    void CheckSchema()
    {
        const Statement version(Db, "SELECT value FROM meta WHERE key = 'schema'");
        const int status = Sqlite().step(version.Handle);
        if (status != SQLITE_ROW && status != SQLITE_DONE) {
            throw SqliteError(Db);
        }
        if (status != SQLITE_ROW || Column(version.Handle, 0) != std::to_string(atlas_schema::Version)) {
            //: Why the atlas of places cannot be read, put into "The atlas %1 cannot be read: %2" as %2.
            throw AtlasFault(Compose(ORVANTA_TR("PlaceAtlas", "it was built for another version of Orvanta")));
        }
    }

    void Check(int status)
    {
        if (status != SQLITE_ROW && status != SQLITE_DONE) {
            throw SqliteError(Db);
        }
    }

    // How much a place weighs, or nothing when the filter keeps it out, its
    // coordinates are no coordinates or its region or zone is not in the
    // atlas (a damaged or hand-made one).
    std::optional<double> Weigh(std::int64_t place, double weight, const std::vector<Qualifier>* filter)
    {
        sqlite3_stmt* s = CandidateRow->Handle;
        const ResetOnExit reset{s};
        Sqlite().bind_int64(s, 1, place);
        const int status = Sqlite().step(s);
        Check(status);
        if (status != SQLITE_ROW || !IsCoordinate(s, 3, 90.0) || !IsCoordinate(s, 4, 180.0)) {
            return std::nullopt;
        }
        if (filter != nullptr) {
            const std::string country = Column(s, 2);
            const std::int64_t region = Sqlite().column_int64(s, 1);
            for (const Qualifier& qualifier : *filter) {
                if (!qualifier.Admits(country, region)) {
                    return std::nullopt;
                }
            }
        }
        return weight * static_cast<double>(Sqlite().column_int64(s, 0));
    }

    Statement& MatchStatement(std::size_t index)
    {
        while (Match.size() <= index) {
            Match.push_back(std::make_unique<Statement>(Db, MatchSql));
        }
        return *Match[index];
    }

    const PlaceQualifiers& KnownQualifiers()
    {
        if (!Qualifiers) {
            PlaceQualifiers::Regions regions;
            const Statement all(Db, RegionsSql);
            int status = SQLITE_ROW;
            while ((status = Sqlite().step(all.Handle)) == SQLITE_ROW) {
                regions.emplace_back(Sqlite().column_int64(all.Handle, 0), Column(all.Handle, 1));
            }
            Check(status);
            Qualifiers = std::make_unique<PlaceQualifiers>(
                [this](std::string_view text) { return Tokenizer->Tokens(text); }, regions);
        }
        return *Qualifiers;
    }

    // The places one kind of name matches, most populous first, each once.
    class Stream {
    public:
        Stream(Connection& connection, Statement& statement, const WeightedQuery& query)
            : Connection_(connection), Handle_(statement.Handle), Query_(query)
        {
            Sqlite().bind_text(Handle_, 1, query.Query.c_str(), static_cast<int>(query.Query.size()), SQLITE_TRANSIENT);
            try {
                Advance();
            } catch (...) {
                Sqlite().reset(Handle_);
                Sqlite().clear_bindings(Handle_);
                throw;
            }
        }
        ~Stream()
        {
            Sqlite().reset(Handle_);
            Sqlite().clear_bindings(Handle_);
        }
        Stream(const Stream&) = delete;
        Stream& operator=(const Stream&) = delete;

        const std::optional<Candidate>& Head() const { return Head_; }

        void Advance()
        {
            Head_.reset();
            int status = SQLITE_ROW;
            while ((status = Sqlite().step(Handle_)) == SQLITE_ROW) {
                const std::int64_t row = Sqlite().column_int64(Handle_, 0);
                const std::int64_t place = atlas_schema::PlaceOfRow(row);
                if (place == Last_ || (Query_.WholeTokenCount > 0 &&
                                       atlas_schema::TokenCountOfRow(row) != Query_.WholeTokenCount)) {
                    continue;
                }
                Last_ = place;
                if (Query_.Filter != nullptr && ++Tested_ > MaxFilteredPlaces) {
                    return;
                }
                if (const auto weight = Connection_.Weigh(place, Query_.Weight, Query_.Filter)) {
                    Head_ = Candidate{place, *weight};
                    return;
                }
            }
            Connection_.Check(status);
        }

    private:
        Connection& Connection_;
        sqlite3_stmt* Handle_;
        const WeightedQuery& Query_;
        std::int64_t Last_ = -1;
        std::size_t Tested_ = 0;
        std::optional<Candidate> Head_;
    };

    // Adds the places the queries match, heaviest first, until `limit`
    // places are held.
    void Collect(const std::vector<WeightedQuery>& queries, std::size_t limit, std::vector<std::int64_t>& places,
                 std::unordered_set<std::int64_t>& held)
    {
        if (places.size() >= limit) {
            return;
        }
        std::vector<std::unique_ptr<Stream>> streams;
        for (std::size_t i = 0; i < queries.size(); ++i) {
            streams.push_back(std::make_unique<Stream>(*this, MatchStatement(i), queries[i]));
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
        Sqlite().bind_int64(s, 1, place);
        if (Sqlite().step(s) != SQLITE_ROW) {
            throw SqliteError(Db);
        }
        PlaceHit hit;
        hit.Name = Column(s, 0);
        hit.Region = Column(s, 1);
        hit.CountryCode = Column(s, 2);
        hit.Country = std::string(CountryName(hit.CountryCode));
        hit.Latitude = Sqlite().column_double(s, 3);
        hit.Longitude = Sqlite().column_double(s, 4);
        hit.Population = Sqlite().column_int64(s, 5);
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
            //: %1 the atlas file's path, %2 why (the database's own words, in English, or a text of this
            //: context).
            Problem_ = Compose(ORVANTA_TR("PlaceAtlas", "The atlas %1 cannot be read: %2"),
                               {Verbatim(Path_), ReasonOf(e)});
        }
    }
    return Connection_ != nullptr;
}

const UiText& PlaceAtlas::Problem() const
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
    const bool complete = EndsWithSeparator(text);
    const auto wanted = static_cast<std::size_t>(limit);
    try {
        std::vector<std::int64_t> places;
        std::unordered_set<std::int64_t> held;
        const bool mayQualify = tokens.size() > 1 || text.find(',') != std::string_view::npos;
        const QualifiedQuery query =
            mayQualify ? Connection_->KnownQualifiers().Split(text, complete) : QualifiedQuery{tokens, {}, false};
        if (query.Qualifiers.empty()) {
            Connection_->Collect(RankedQueries(tokens, complete, 1.0, nullptr), wanted, places, held);
        } else if (query.AfterComma) {
            Connection_->Collect(RankedQueries(query.Place, true, 1.0, &query.Qualifiers), wanted, places, held);
        } else {
            // The words may be a name after all ("santiago de cuba"); its
            // whole match on a place's own name comes first.
            std::vector<WeightedQuery> asName = RankedQueries(tokens, complete, 1.0, nullptr);
            if (asName.front().WholeTokenCount > 0) {
                Connection_->Collect({asName.front()}, wanted, places, held);
            }
            std::vector<WeightedQuery> queries = RankedQueries(query.Place, true, InNamedPlace, &query.Qualifiers);
            queries.insert(queries.end(), asName.begin(), asName.end());
            Connection_->Collect(queries, wanted, places, held);
        }
        for (std::int64_t place : places) {
            result.Hits.push_back(Connection_->Fetch(place));
        }
    } catch (const std::exception& e) {
        result.Status = AtlasStatus::Unavailable;
        result.Hits.clear();
        //: %1 the atlas file's path, %2 why (the database's own words, in English).
        result.Problem = Compose(ORVANTA_TR("PlaceAtlas", "The atlas %1 cannot be searched: %2"),
                                 {Verbatim(Path_), ReasonOf(e)});
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
