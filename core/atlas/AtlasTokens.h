// SPDX-License-Identifier: GPL-3.0-or-later
// The name index's own tokenizer, called directly: it splits a name into the
// folded words the index holds, so the builder and the search count and
// compare words exactly as the index does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct Fts5Tokenizer;
struct fts5_tokenizer;

namespace orvanta {

class AtlasTokenizer {
public:
    // Throws std::runtime_error when the connection's SQLite has no FTS5.
    explicit AtlasTokenizer(sqlite3* db);
    ~AtlasTokenizer();
    AtlasTokenizer(const AtlasTokenizer&) = delete;
    AtlasTokenizer& operator=(const AtlasTokenizer&) = delete;

    std::vector<std::string> Tokens(std::string_view text) const;

private:
    void (*Delete_)(Fts5Tokenizer*) = nullptr;
    int (*Tokenize_)(Fts5Tokenizer*, void*, int, const char*, int,
                     int (*)(void*, int, const char*, int, int, int)) = nullptr;
    Fts5Tokenizer* Tokenizer_ = nullptr;
};

}  // namespace orvanta
