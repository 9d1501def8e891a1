// SPDX-License-Identifier: GPL-3.0-or-later
// A system library opened when it is first needed, so that a run which never
// needs it never maps it: linked, SQLite and Swiss Ephemeris cost every start
// about half a megabyte and a millisecond before a place is searched or the
// precise Moon asked for. Never closed: another thread may still call it at
// exit, as it could a linked one.
#pragma once

#include <string>

namespace orvanta {

class SharedLibrary {
public:
    // Opens the library by its run-time name (its soname, "libsqlite3.so.0").
    explicit SharedLibrary(const char* name);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Sets the function to the library's symbol of that name; false, with the
    // reason in Problem(), when the library or the symbol is missing.
    template <typename Function>
    bool Find(Function*& function, const char* symbol)
    {
        function = reinterpret_cast<Function*>(Symbol(symbol));
        return function != nullptr;
    }

    // Why the library or one of its symbols could not be had; empty while
    // everything asked for was found.
    const std::string& Problem() const { return problem_; }

private:
    void* Symbol(const char* symbol);

    void* handle_ = nullptr;
    std::string problem_;
};

}  // namespace orvanta
