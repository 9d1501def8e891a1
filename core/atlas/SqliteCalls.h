// SPDX-License-Identifier: GPL-3.0-or-later
// The SQLite calls the atlas makes, taken from the library when the atlas is
// first opened: a run that never searches a place never loads SQLite.
#pragma once

#include <sqlite3.h>

#include <string>

namespace orvanta {

struct SqliteCalls {
    decltype(&::sqlite3_open_v2) open_v2 = nullptr;
    decltype(&::sqlite3_close_v2) close_v2 = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&::sqlite3_prepare_v3) prepare_v3 = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_clear_bindings) clear_bindings = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&::sqlite3_bind_text) bind_text = nullptr;
    decltype(&::sqlite3_bind_pointer) bind_pointer = nullptr;
    decltype(&::sqlite3_column_type) column_type = nullptr;
    decltype(&::sqlite3_column_int64) column_int64 = nullptr;
    decltype(&::sqlite3_column_double) column_double = nullptr;
    decltype(&::sqlite3_column_text) column_text = nullptr;
};

// Loads the library on the first call; false, with the reason, when it or a
// call is missing. The same answer for the rest of the run.
bool SqliteAvailable(std::string* problem = nullptr);

// The calls; only after SqliteAvailable() said yes.
const SqliteCalls& Sqlite();

}  // namespace orvanta
