// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: turns the committed place list (gzip-compressed, one place
// a line, most populous first) into the atlas database the program searches.
//
//   make_atlas_database PLACES.tsv.gz ATLAS.sqlite
//
// The database is written beside the target and renamed over it at the end,
// so an interrupted build never leaves a half-written atlas behind.
#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/atlas/AtlasSchema.h"
#include "core/atlas/AtlasTokens.h"

namespace {

using namespace orvanta;

enum Column { Name, AsciiName, Alternates, Country, Region, Latitude, Longitude, Population, Zone, ColumnCount };

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

double ParseNumber(std::string_view text, double low, double high, const char* what)
{
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(copy.c_str(), &end);
    if (copy.empty() || *end != '\0' || errno != 0 || !(value >= low && value <= high)) {
        throw std::runtime_error(std::string("bad ") + what + " '" + copy + "'");
    }
    return value;
}

class Database {
public:
    explicit Database(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &Db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            throw std::runtime_error("cannot create " + path + ": " + sqlite3_errmsg(Db_));
        }
    }
    ~Database() { sqlite3_close_v2(Db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* Handle() const { return Db_; }

    void Execute(const char* sql)
    {
        char* message = nullptr;
        if (sqlite3_exec(Db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message != nullptr ? message : "unknown error";
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
    }

private:
    sqlite3* Db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, const char* sql) : Db_(db.Handle())
    {
        if (sqlite3_prepare_v3(Db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &Statement_, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(Db_));
        }
    }
    ~Statement() { sqlite3_finalize(Statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::int64_t value)
    {
        sqlite3_bind_int64(Statement_, index, value);
        return *this;
    }
    Statement& Bind(int index, double value)
    {
        sqlite3_bind_double(Statement_, index, value);
        return *this;
    }
    Statement& Bind(int index, std::string_view value)
    {
        sqlite3_bind_text(Statement_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    void Run()
    {
        const int status = sqlite3_step(Statement_);
        sqlite3_reset(Statement_);
        if (status != SQLITE_DONE) {
            throw std::runtime_error(sqlite3_errmsg(Db_));
        }
    }

private:
    sqlite3* Db_;
    sqlite3_stmt* Statement_ = nullptr;
};

// Small tables (zones, regions) numbered in order of first appearance.
class Numbering {
public:
    Numbering(Database& db, const char* insertSql) : Insert_(db, insertSql) {}
    std::int64_t operator()(std::string_view name)
    {
        const auto [it, added] = Ids_.try_emplace(std::string(name), static_cast<std::int64_t>(Ids_.size()) + 1);
        if (added) {
            Insert_.Bind(1, it->second).Bind(2, name).Run();
        }
        return it->second;
    }

private:
    Statement Insert_;
    std::map<std::string, std::int64_t, std::less<>> Ids_;
};

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct Totals {
    std::int64_t Places = 0;
    std::int64_t Names = 0;
};

Totals Build(const std::string& input, Database& db)
{
    db.Execute("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA page_size=4096;");
    db.Execute(atlas_schema::CreateStatements);
    db.Execute("BEGIN");

    const AtlasTokenizer tokenizer(db.Handle());
    Numbering zones(db, "INSERT INTO zone(id, name) VALUES (?1, ?2)");
    Numbering regions(db, "INSERT INTO region(id, name) VALUES (?1, ?2)");
    Statement insertPlace(db, "INSERT INTO place(id, name, region, country, latitude, longitude, population, zone) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    Statement insertOwnName(db, "INSERT INTO name_index(rowid, own) VALUES (?1, ?2)");
    Statement insertAlternate(db, "INSERT INTO name_index(rowid, alt) VALUES (?1, ?2)");

    FILE* pipe = popen(("gzip -dc -- " + ShellQuoted(input)).c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run gzip on " + input);
    }
    Totals totals;
    char* buffer = nullptr;
    std::size_t capacity = 0;
    ssize_t length = 0;
    try {
        while ((length = getline(&buffer, &capacity, pipe)) > 0) {
            std::string_view line(buffer, static_cast<std::size_t>(length));
            if (line.back() == '\n') {
                line.remove_suffix(1);
            }
            const std::vector<std::string_view> f = Split(line, '\t');
            const std::string where = input + ": line " + std::to_string(totals.Places + 1) + ": ";
            if (f.size() != ColumnCount || f[Name].empty() || f[Country].size() != 2 || f[Zone].empty()) {
                throw std::runtime_error(where + "expected " + std::to_string(ColumnCount) + " columns");
            }
            try {
                const std::int64_t place = ++totals.Places;
                insertPlace.Bind(1, place).Bind(2, f[Name]).Bind(3, regions(f[Region])).Bind(4, f[Country])
                    .Bind(5, ParseNumber(f[Latitude], -90, 90, "latitude"))
                    .Bind(6, ParseNumber(f[Longitude], -180, 180, "longitude"))
                    .Bind(7, static_cast<std::int64_t>(ParseNumber(f[Population], 0, 1e10, "population")))
                    .Bind(8, zones(f[Zone])).Run();

                // Spellings that fold to the same words would only repeat rows.
                std::set<std::vector<std::string>> seen;
                auto addName = [&](std::string_view name, std::int64_t index, Statement& insert) {
                    std::vector<std::string> tokens = tokenizer.Tokens(name);
                    if (tokens.empty() || !seen.insert(tokens).second) {
                        return false;
                    }
                    const auto count = static_cast<std::int64_t>(tokens.size());
                    insert.Bind(1, atlas_schema::NameRowId(place, index, count)).Bind(2, name).Run();
                    ++totals.Names;
                    return true;
                };
                addName(f[Name], 0, insertOwnName);
                addName(f[AsciiName], 1, insertOwnName);
                std::int64_t index = atlas_schema::FirstAlternate;
                if (!f[Alternates].empty()) {
                    for (std::string_view alternate : Split(f[Alternates], ',')) {
                        if (index <= atlas_schema::MaxNamesPerPlace && addName(alternate, index, insertAlternate)) {
                            ++index;
                        }
                    }
                }
            } catch (const std::runtime_error& e) {
                throw std::runtime_error(where + e.what());
            }
        }
    } catch (...) {
        std::free(buffer);
        pclose(pipe);
        throw;
    }
    std::free(buffer);
    if (pclose(pipe) != 0) {
        throw std::runtime_error("gzip could not read " + input);
    }
    if (totals.Places == 0) {
        throw std::runtime_error(input + " holds no places");
    }

    Statement meta(db, "INSERT INTO meta(key, value) VALUES (?1, ?2)");
    meta.Bind(1, std::string_view("schema")).Bind(2, std::to_string(atlas_schema::Version)).Run();
    meta.Bind(1, std::string_view("places")).Bind(2, std::to_string(totals.Places)).Run();
    db.Execute("INSERT INTO name_index(name_index) VALUES ('optimize')");
    db.Execute("COMMIT");
    db.Execute("VACUUM");
    return totals;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PLACES.tsv.gz ATLAS.sqlite\n", argv[0]);
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    const std::string partial = output + ".partial";
    std::remove(partial.c_str());
    try {
        Totals totals;
        {
            Database db(partial);
            totals = Build(input, db);
        }
        if (std::rename(partial.c_str(), output.c_str()) != 0) {
            throw std::runtime_error("cannot rename " + partial + " to " + output + ": " + std::strerror(errno));
        }
        std::printf("atlas: %lld places, %lld names\n", static_cast<long long>(totals.Places),
                    static_cast<long long>(totals.Names));
    } catch (const std::exception& e) {
        std::remove(partial.c_str());
        std::fprintf(stderr, "make_atlas_database: %s\n", e.what());
        return 1;
    }
    return 0;
}
