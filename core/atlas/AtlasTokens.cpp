// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/AtlasTokens.h"

#include <sqlite3.h>

#include <climits>
#include <stdexcept>

#include "core/atlas/AtlasSchema.h"
#include "core/atlas/SqliteCalls.h"

namespace orvanta {

namespace {

fts5_api* Fts5Api(sqlite3* db)
{
    fts5_api* api = nullptr;
    if (!SqliteAvailable()) {
        return api;
    }
    sqlite3_stmt* statement = nullptr;
    if (Sqlite().prepare_v2(db, "SELECT fts5(?1)", -1, &statement, nullptr) == SQLITE_OK) {
        Sqlite().bind_pointer(statement, 1, static_cast<void*>(&api), "fts5_api_ptr", nullptr);
        Sqlite().step(statement);
    }
    Sqlite().finalize(statement);
    return api;
}

int CollectToken(void* context, int flags, const char* token, int length, int, int)
{
    if ((flags & FTS5_TOKEN_COLOCATED) == 0) {
        static_cast<std::vector<std::string>*>(context)->emplace_back(token, static_cast<std::size_t>(length));
    }
    return SQLITE_OK;
}

}  // namespace

AtlasTokenizer::AtlasTokenizer(sqlite3* db)
{
    fts5_api* api = Fts5Api(db);
    void* userData = nullptr;
    fts5_tokenizer methods{};
    if (api == nullptr || api->xFindTokenizer(api, atlas_schema::TokenizerName, &userData, &methods) != SQLITE_OK) {
        throw std::runtime_error("this SQLite has no FTS5 full-text search");
    }
    const char* arguments[atlas_schema::TokenizerArgumentCount];
    for (int i = 0; i < atlas_schema::TokenizerArgumentCount; ++i) {
        arguments[i] = atlas_schema::TokenizerArguments[i];
    }
    if (methods.xCreate(userData, arguments, atlas_schema::TokenizerArgumentCount, &Tokenizer_) != SQLITE_OK) {
        throw std::runtime_error("the FTS5 tokenizer could not be created");
    }
    Delete_ = methods.xDelete;
    Tokenize_ = methods.xTokenize;
}

AtlasTokenizer::~AtlasTokenizer()
{
    if (Tokenizer_ != nullptr) {
        Delete_(Tokenizer_);
    }
}

std::vector<std::string> AtlasTokenizer::Tokens(std::string_view text) const
{
    std::vector<std::string> tokens;
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        text = text.substr(0, static_cast<std::size_t>(INT_MAX));
    }
    Tokenize_(Tokenizer_, &tokens, FTS5_TOKENIZE_DOCUMENT, text.data(), static_cast<int>(text.size()), CollectToken);
    return tokens;
}

}  // namespace orvanta
