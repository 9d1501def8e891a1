// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/SqliteCalls.h"

#include "core/common/SharedLibrary.h"

#ifndef ORVANTA_SQLITE_LIBRARY
#define ORVANTA_SQLITE_LIBRARY "libsqlite3.so.0"
#endif

namespace orvanta {

namespace {

struct LoadedSqlite {
    SharedLibrary Library{ORVANTA_SQLITE_LIBRARY};
    SqliteCalls Calls;
    bool Complete = false;

    LoadedSqlite()
    {
        SqliteCalls& c = Calls;
        Complete = Library.Find(c.open_v2, "sqlite3_open_v2") && Library.Find(c.close_v2, "sqlite3_close_v2") &&
                   Library.Find(c.errmsg, "sqlite3_errmsg") && Library.Find(c.prepare_v2, "sqlite3_prepare_v2") &&
                   Library.Find(c.prepare_v3, "sqlite3_prepare_v3") && Library.Find(c.finalize, "sqlite3_finalize") &&
                   Library.Find(c.reset, "sqlite3_reset") &&
                   Library.Find(c.clear_bindings, "sqlite3_clear_bindings") && Library.Find(c.step, "sqlite3_step") &&
                   Library.Find(c.bind_int64, "sqlite3_bind_int64") && Library.Find(c.bind_text, "sqlite3_bind_text") &&
                   Library.Find(c.bind_pointer, "sqlite3_bind_pointer") &&
                   Library.Find(c.column_type, "sqlite3_column_type") &&
                   Library.Find(c.column_int64, "sqlite3_column_int64") &&
                   Library.Find(c.column_double, "sqlite3_column_double") &&
                   Library.Find(c.column_text, "sqlite3_column_text");
    }
};

const LoadedSqlite& Loaded()
{
    static const LoadedSqlite loaded;
    return loaded;
}

}  // namespace

bool SqliteAvailable(std::string* problem)
{
    const LoadedSqlite& loaded = Loaded();
    if (!loaded.Complete && problem != nullptr) {
        *problem = loaded.Library.Problem();
    }
    return loaded.Complete;
}

const SqliteCalls& Sqlite()
{
    return Loaded().Calls;
}

}  // namespace orvanta
