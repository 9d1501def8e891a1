// SPDX-License-Identifier: GPL-3.0-or-later
// What the atlas builder and the place search must agree on: the tables, the
// tokenizer that folds names, and how a row of the name index names its place.
#pragma once

#include <cstdint>

namespace orvanta::atlas_schema {

// Raised whenever the layout below changes, so an old database is refused
// rather than misread.
inline constexpr int Version = 1;

// Case and accents fold away in the index and in the query alike.
inline constexpr const char* TokenizerName = "unicode61";
inline constexpr const char* TokenizerArguments[] = {"remove_diacritics", "2"};
inline constexpr int TokenizerArgumentCount = 2;

inline constexpr const char* CreateStatements = R"sql(
CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE zone(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE region(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE place(
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  region INTEGER NOT NULL REFERENCES region(id),
  country TEXT NOT NULL,
  latitude REAL NOT NULL,
  longitude REAL NOT NULL,
  population INTEGER NOT NULL,
  zone INTEGER NOT NULL REFERENCES zone(id));
CREATE VIRTUAL TABLE name_index USING fts5(
  own, alt, content='', columnsize=0,
  tokenize='unicode61 remove_diacritics 2', prefix='1 2 3');
)sql";

// A row of the name index is one name of one place: the place's own name or
// its ASCII spelling in column `own`, an alternate name in column `alt`, so
// a search can weigh the two kinds. Places are numbered from
// the most populous, and the row id leads with the place, so the index
// yields matches in order of population and a search can stop early. The
// lowest bits keep the name's token count, which tells a whole-name match
// from a longer name that starts the same way.
inline constexpr int NameBits = 12;
inline constexpr int TokenCountBits = 4;
inline constexpr int PlaceShift = NameBits + TokenCountBits;
inline constexpr std::int64_t MaxNamesPerPlace = (std::int64_t{1} << NameBits) - 1;
inline constexpr std::int64_t MaxTokenCount = (std::int64_t{1} << TokenCountBits) - 1;
// Name numbers within a place: 0 the name, 1 its ASCII spelling (unused where
// it folds to the same words), alternates from 2 on.
inline constexpr std::int64_t FirstAlternate = 2;

constexpr std::int64_t NameRowId(std::int64_t place, std::int64_t nameIndex, std::int64_t tokenCount)
{
    return (place << PlaceShift) | (nameIndex << TokenCountBits) |
           (tokenCount < MaxTokenCount ? tokenCount : MaxTokenCount);
}
constexpr std::int64_t PlaceOfRow(std::int64_t rowId) { return rowId >> PlaceShift; }
constexpr std::int64_t TokenCountOfRow(std::int64_t rowId) { return rowId & MaxTokenCount; }

}  // namespace orvanta::atlas_schema
