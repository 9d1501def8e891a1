// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas as the windows share it over a run of the program: opened
// on the first search (never at start-up), and the tz database's version
// read once.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/atlas/PlaceAtlas.h"
#include "core/atlas/ZoneInForce.h"

namespace orvanta {

struct PlaceLookup {
    explicit PlaceLookup(std::string databasePath) : Atlas(std::move(databasePath)) {}

    const std::string& TzVersion()
    {
        if (!TzVersion_) {
            TzVersion_ = TzDatabaseVersion();
        }
        return *TzVersion_;
    }

    PlaceAtlas Atlas;

private:
    std::optional<std::string> TzVersion_;
};

}  // namespace orvanta
