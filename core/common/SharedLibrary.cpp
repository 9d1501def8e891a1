// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/SharedLibrary.h"

#include <dlfcn.h>

namespace orvanta {

namespace {

std::string LastError(const char* otherwise)
{
    const char* error = dlerror();
    return error != nullptr ? error : otherwise;
}

}  // namespace

SharedLibrary::SharedLibrary(const char* name)
{
    // Bound now, so that a missing symbol is found here rather than in a call;
    // kept apart, so that its names cannot stand in for another library's.
    handle_ = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        problem_ = LastError(name);
    }
}

void* SharedLibrary::Symbol(const char* symbol)
{
    if (handle_ == nullptr) {
        return nullptr;
    }
    dlerror();
    void* found = dlsym(handle_, symbol);
    if (found == nullptr && problem_.empty()) {
        problem_ = LastError(symbol);
    }
    return found;
}

}  // namespace orvanta
